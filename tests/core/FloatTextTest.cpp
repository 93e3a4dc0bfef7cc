// The snprintf/strtod fallbacks must give the characters and values of
// std::to_chars and std::from_chars, which the WebAssembly build lacks. Held
// to the standard library over about ten million values; the counts are fixed
// and the generator seeded, so every run checks the same values.
#include "arith/FloatText.h"

#include <gtest/gtest.h>

#include <cfloat>
#include <cmath>
#include <cstdint>
#include <cstdio>
#include <cstring>
#include <limits>
#include <random>
#include <string>
#include <string_view>
#include <vector>

namespace tachoria {
namespace {

constexpr double kMax = std::numeric_limits<double>::max();
constexpr double kTrueMin = std::numeric_limits<double>::denorm_min();
[[maybe_unused]] constexpr double kMinNormal = std::numeric_limits<double>::min();
constexpr double kInf = std::numeric_limits<double>::infinity();
constexpr double kNaN = std::numeric_limits<double>::quiet_NaN();
constexpr double kUntouched = -12345.0;  // what a failed read must leave

// Under the sanitizers a value costs some twenty times as much: the sanitized
// build checks a twentieth of the values, for memory faults, and the release
// build all of them.
#if defined(__SANITIZE_ADDRESS__)
[[maybe_unused]] constexpr int kShare = 20;
#elif defined(__has_feature)
#if __has_feature(address_sanitizer)
[[maybe_unused]] constexpr int kShare = 20;
#else
[[maybe_unused]] constexpr int kShare = 1;
#endif
#else
[[maybe_unused]] constexpr int kShare = 1;
#endif

// std::bit_cast is missing from the WebAssembly build's libc++.
std::uint64_t BitsOf(double value) {
    std::uint64_t bits = 0;
    std::memcpy(&bits, &value, sizeof bits);
    return bits;
}

double FromBits(std::uint64_t bits) {
    double value = 0;
    std::memcpy(&value, &bits, sizeof value);
    return value;
}

std::string FallbackText(double value) {
    char buffer[kGeneral15Chars];
    const auto [end, ec] = fallback::WriteGeneral15(buffer, buffer + sizeof buffer, value);
    return ec == std::errc{} ? std::string(buffer, end) : "<too large>";
}

struct Read {
    std::errc ec;
    std::size_t length;
    std::uint64_t bits;
    bool operator==(const Read&) const = default;
};

std::ostream& operator<<(std::ostream& out, const Read& read) {
    return out << "{ec " << static_cast<int>(read.ec) << ", length " << read.length << ", value "
               << FromBits(read.bits) << "}";
}

template <typename Reader>
Read ReadWith(Reader reader, std::string_view text) {
    double value = kUntouched;
    const auto [end, ec] = reader(text.data(), text.data() + text.size(), value);
    return {ec, static_cast<std::size_t>(end - text.data()), BitsOf(value)};
}

Read FallbackRead(std::string_view text) { return ReadWith(fallback::ReadDecimal, text); }

// Outcomes the standard prescribes, so they hold on every build, the
// WebAssembly one included.
TEST(FloatTextFallback, WritesFifteenSignificantDigits) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {0.0, "0"},
        {-0.0, "-0"},
        {3.27, "3.27"},
        {-0.57, "-0.57"},
        {1.0 / 3.0, "0.333333333333333"},
        {2.0 / 3.0, "0.666666666666667"},
        {999999999999999.0, "999999999999999"},
        {1000000000000005.0, "1e+15"},  // a tie rounds to even
        {1000000000000015.0, "1.00000000000002e+15"},
        {0.0001, "0.0001"},
        {0.00001, "1e-05"},
        {kMax, "1.79769313486232e+308"},
        {-kTrueMin, "-4.94065645841247e-324"},
        {kInf, "inf"},
        {-kInf, "-inf"},
        {kNaN, "nan"},
        {-kNaN, "-nan"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(FallbackText(c.value), c.text) << c.text;
    }
    char small[4];
    EXPECT_EQ(fallback::WriteGeneral15(small, small + sizeof small, 3.125).ec,
              std::errc::value_too_large);
}

TEST(FloatTextFallback, ReadsAsFromChars) {
    constexpr auto ok = std::errc{};
    constexpr auto range = std::errc::result_out_of_range;
    constexpr auto invalid = std::errc::invalid_argument;
    const struct {
        const char* text;
        std::errc ec;
        std::size_t length;
        double value;
    } cases[] = {
        {"3.27", ok, 4, 3.27},
        {"-.5", ok, 3, -0.5},
        {"5.", ok, 2, 5.0},
        {"-0", ok, 2, -0.0},
        {"0.000e-99999", ok, 12, 0.0},
        {"1e", ok, 1, 1.0},
        {"1e+", ok, 1, 1.0},
        {"1E+5x", ok, 4, 1e5},
        {"0x10", ok, 1, 0.0},
        // Below the smallest normal double: the value, not an error (strtod
        // reports ERANGE for these).
        {"4.9e-324", ok, 8, kTrueMin},
        {"1e-310", ok, 6, 1e-310},
        {"2.2250738585072011e-308", ok, 23, 2.2250738585072009e-308},
        {"2.4703282292062328e-324", ok, 23, kTrueMin},
        {"1.7976931348623158e308", ok, 22, kMax},
        // Out of range: the value is left as it was.
        {"2.4703282292062327e-324", range, 23, kUntouched},  // half the smallest: to even, 0
        {"1e-400", range, 6, kUntouched},
        {"-1e-400", range, 7, kUntouched},
        {"1e400", range, 5, kUntouched},
        {"1.7976931348623159e308", range, 22, kUntouched},
        {"1e99999999999999999999999", range, 25, kUntouched},
        {"", invalid, 0, kUntouched},
        {"-", invalid, 0, kUntouched},
        {".", invalid, 0, kUntouched},
        {"+1", invalid, 0, kUntouched},
        {" 1", invalid, 0, kUntouched},
        {"inf", invalid, 0, kUntouched},
        {"nan", invalid, 0, kUntouched},
    };
    for (const auto& c : cases) {
        const Read expected{c.ec, c.length, BitsOf(c.value)};
        EXPECT_EQ(FallbackRead(c.text), expected) << '"' << c.text << '"';
    }
    // A point followed by a thousand zeros and then a digit is still read.
    const std::string tiny = "0." + std::string(1000, '0') + "1e1000";
    EXPECT_EQ(FallbackRead(tiny), (Read{ok, tiny.size(), BitsOf(0.1)}));
}

#if TACHORIA_STD_FLOAT_CHARS

// Counts mismatches over many values and shows the first few.
class Mismatches {
public:
    template <typename Shown>
    void Check(bool same, Shown shown) {
        if (!same && ++count_ <= 10) {
            ADD_FAILURE() << shown();
        }
    }
    std::size_t count() const { return count_; }

private:
    std::size_t count_ = 0;
};

void CheckWrite(Mismatches& mismatches, double value) {
    char expected[64];
    char actual[kGeneral15Chars];
    const auto want =
        std::to_chars(expected, expected + sizeof expected, value, std::chars_format::general, 15);
    const auto got = fallback::WriteGeneral15(actual, actual + sizeof actual, value);
    const std::string_view wanted(expected, want.ptr - expected);
    const std::string_view written(actual, got.ec == std::errc{} ? got.ptr - actual : 0);
    mismatches.Check(wanted == written, [&] {
        return std::string("bits ") + std::to_string(BitsOf(value)) + ": to_chars \"" +
               std::string(wanted) + "\", fallback \"" + std::string(written) + '"';
    });
}

[[maybe_unused]] void CheckRead(Mismatches& mismatches, std::string_view text) {
    const Read wanted = ReadWith(ReadDecimal, text);
    const Read got = FallbackRead(text);
    mismatches.Check(wanted == got, [&] {
        ::testing::Message message;
        message << '"' << text.substr(0, 200) << "\": from_chars " << wanted << ", fallback "
                << got;
        return message;
    });
}

// Exactly the standard library's text, written with the given form.
std::string StdText(double value, std::chars_format format, int precision) {
    char buffer[2048];
    const auto end = std::to_chars(buffer, buffer + sizeof buffer, value, format, precision).ptr;
    return {buffer, end};
}

std::vector<double> BoundaryValues() {
    std::vector<double> values = {0.0,
                                  kTrueMin,
                                  2 * kTrueMin,
                                  kMinNormal,
                                  std::nextafter(kMinNormal, 0.0),
                                  kMax,
                                  std::nextafter(kMax, 0.0),
                                  kInf,
                                  kNaN,
                                  1.0,
                                  0.1,
                                  0.5};
    for (int power = -325; power <= 309; ++power) {
        const double ten = std::pow(10.0, power);
        values.insert(values.end(), {ten, std::nextafter(ten, 0.0), std::nextafter(ten, kInf)});
    }
    for (int power = -1074; power <= 1023; ++power) {
        values.push_back(std::ldexp(1.0, power));
    }
    const std::size_t count = values.size();
    for (std::size_t i = 0; i < count; ++i) {
        values.push_back(-values[i]);
    }
    return values;
}

TEST(FloatTextFallback, WritesBoundaryValuesAsToChars) {
    Mismatches mismatches;
    for (const double value : BoundaryValues()) {
        CheckWrite(mismatches, value);
    }
    EXPECT_EQ(mismatches.count(), 0u);
}

TEST(FloatTextFallback, WritesRandomBitPatternsAsToChars) {
    std::mt19937_64 random(24);
    Mismatches mismatches;
    for (int i = 0; i < 3'000'000 / kShare; ++i) {
        CheckWrite(mismatches, FromBits(random()));
    }
    EXPECT_EQ(mismatches.count(), 0u);
}

// Ties at the fifteenth digit, and numbers of 15, 16 and 17 digits near them.
TEST(FloatTextFallback, WritesTiesAndLongerNumbersAsToChars) {
    std::mt19937_64 random(2024);
    std::uniform_int_distribution<std::int64_t> tail(100'000'000'000'000, 900'719'925'474'099);
    std::uniform_int_distribution<int> power(-330, 310);
    std::uniform_int_distribution<int> digits(15, 17);
    Mismatches mismatches;
    for (int i = 0; i < 500'000 / kShare; ++i) {
        // n5 below 2^53 is exact and halfway between two 15-digit numbers;
        // so is n.5 and their halves, quarters and eighths scaled exactly.
        const auto tie = static_cast<double>(tail(random) * 10 + 5);
        CheckWrite(mismatches, std::ldexp(tie, -static_cast<int>(random() % 4)));
        CheckWrite(mismatches, tie / 10.0);
        // The double nearest a random 15, 16 or 17 digit decimal.
        const std::string text =
            StdText(FromBits(random() >> 1), std::chars_format::scientific, digits(random) - 1);
        double value = 0;
        std::from_chars(text.data(), text.data() + text.size(), value);
        CheckWrite(mismatches, value);
        CheckWrite(mismatches, std::pow(10.0, power(random)) *
                                   (1.0 + static_cast<double>(random() % 1000) * 1e-15));
    }
    EXPECT_EQ(mismatches.count(), 0u);
}

// The reading fallback rounds as its C library's strtod does: exactly with
// glibc and musl (the WebAssembly build's), not with the Windows C runtime,
// where the standard library's from_chars is used instead and the fallback
// never runs.
#if !defined(_WIN32)

TEST(FloatTextFallback, ReadsBoundaryTextsAsFromChars) {
    Mismatches mismatches;
    for (const double value : BoundaryValues()) {
        for (int precision : {15, 16, 17, 25}) {
            CheckRead(mismatches, StdText(value, std::chars_format::general, precision));
        }
        CheckRead(mismatches, StdText(value, std::chars_format::fixed, 1100));
    }
    for (const char* text : {"inf", "-inf", "nan", "+1", " 1", "", "-", ".", "-.", "e5", ".e5",
                             "1e99999999999999999999999999", "-0e-99999999999999999999999"}) {
        CheckRead(mismatches, text);
    }
    EXPECT_EQ(mismatches.count(), 0u);
}

// Texts a reader may meet: any number of digits on either side of the point,
// leading zeros, exponents near and far past a double's range, exponents
// without digits, something after the number; and digits just past the
// largest double, the smallest normal one and half the smallest one.
std::string RandomDecimal(std::mt19937_64& random) {
    static constexpr const char* kEdges[] = {"1.797693134862315", "2.225073858507201",
                                             "2.470328229206232", "4.940656458412465",
                                             "9.999999999999999", "1.000000000000000"};
    static constexpr int kEdgePowers[] = {308, -308, -324, -324, 22, 23};
    std::string text;
    const auto pick = [&](std::uint64_t n) { return static_cast<int>(random() % n); };
    const auto digitsOf = [&](int count) {
        const int kind = pick(8);  // sometimes all zeros or all nines
        for (int i = 0; i < count; ++i) {
            text += kind == 0 ? '0' : kind == 1 ? '9' : static_cast<char>('0' + pick(10));
        }
    };
    const auto lengthOf = [&] { return pick(100) == 0 ? pick(900) : pick(22); };
    if (pick(2) == 0) {
        text += '-';
    }
    if (pick(8) == 0) {
        const int edge = pick(6);
        text += kEdges[edge];
        digitsOf(lengthOf());
        text += 'e' + std::to_string(kEdgePowers[edge]);
        return text;
    }
    if (pick(6) == 0) {
        text.append(pick(6), '0');
    }
    digitsOf(lengthOf());
    if (pick(3) != 0) {
        text += '.';
        if (pick(4) == 0) {
            text.append(pick(400), '0');
        }
        digitsOf(lengthOf());
    }
    if (pick(4) != 0) {
        text += "eE"[pick(2)];
        const int sign = pick(3);
        if (sign > 0) {
            text += "+-"[sign - 1];
        }
        const int reach = pick(20);
        if (reach == 0) {
            digitsOf(pick(25));  // none, or far past any range
        } else {
            text += std::to_string(reach < 3 ? pick(100'000) : pick(700));
        }
    }
    if (pick(10) == 0) {
        text += ".eE+-x5"[pick(7)];
    }
    return text;
}

TEST(FloatTextFallback, ReadsRandomDecimalTextsAsFromChars) {
    std::mt19937_64 random(1961);
    Mismatches mismatches;
    for (int i = 0; i < 4'000'000 / kShare; ++i) {
        CheckRead(mismatches, RandomDecimal(random));
    }
    EXPECT_EQ(mismatches.count(), 0u);
}

TEST(FloatTextFallback, ReadsTextsOfRandomDoublesAsFromChars) {
    std::mt19937_64 random(1964);
    Mismatches mismatches;
    for (int i = 0; i < 1'000'000 / kShare; ++i) {
        const double value = FromBits(random());
        if (!std::isfinite(value)) {
            continue;
        }
        CheckRead(mismatches, StdText(value, std::chars_format::general, 15));
        char shortest[64];
        const auto end = std::to_chars(shortest, shortest + sizeof shortest, value).ptr;
        CheckRead(mismatches, std::string_view(shortest, end - shortest));
    }
    EXPECT_EQ(mismatches.count(), 0u);
}

// Decimals exactly halfway between two doubles, and a hair either side: the
// cases where reading too few digits rounds the wrong way.
TEST(FloatTextFallback, ReadsHalfwayTextsAsFromChars) {
    static_assert(LDBL_MANT_DIG >= DBL_MANT_DIG + 1, "a midpoint must be exact in long double");
    std::mt19937_64 random(1969);
    Mismatches mismatches;
    for (int i = 0; i < 50'000 / kShare; ++i) {
        double low = FromBits(random() >> 1);
        if (i % 4 == 0) {
            low = FromBits(random() % (std::uint64_t{1} << 53));  // denormals
        }
        const double high = std::nextafter(low, kInf);
        if (!std::isfinite(high)) {
            continue;
        }
        const long double middle = (static_cast<long double>(low) + high) / 2;
        char text[1200];
        const int length = std::snprintf(text, sizeof text, "%.800Le", middle);
        ASSERT_LT(length, static_cast<int>(sizeof text) - 2);
        std::string exact(text, static_cast<std::size_t>(length));
        CheckRead(mismatches, exact);
        const std::size_t exponent = exact.find('e');
        const std::size_t lastNonZero = exact.find_last_not_of('0', exponent - 1);
        CheckRead(mismatches, std::string(exact).insert(lastNonZero + 1, "0001"));
        exact[lastNonZero] -= 1;
        CheckRead(mismatches, exact.insert(lastNonZero + 1, "9999"));
    }
    EXPECT_EQ(mismatches.count(), 0u);
}

#endif  // !defined(_WIN32)

#else  // TACHORIA_STD_FLOAT_CHARS

// Said in the test report rather than left out unseen: the fallbacks are
// checked against the standard library wherever it has the conversions.
TEST(FloatTextFallback, ComparedWithToCharsAndFromChars) {
    GTEST_SKIP() << "this standard library has no floating-point std::to_chars or "
                    "std::from_chars to compare the fallbacks with; the native builds do";
}

#endif  // TACHORIA_STD_FLOAT_CHARS

}  // namespace
}  // namespace tachoria
