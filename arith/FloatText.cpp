#include "arith/FloatText.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <string_view>

namespace tachoria {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

const char* SkipDigits(const char* at, const char* last) {
    while (at != last && IsDigit(*at)) {
        ++at;
    }
    return at;
}

std::to_chars_result CopyOut(std::string_view text, char* first, char* last) {
    if (text.size() > static_cast<std::size_t>(last - first)) {
        return {last, std::errc::value_too_large};
    }
    std::memcpy(first, text.data(), text.size());
    return {first + text.size(), std::errc{}};
}

// An exponent's digits as a number, held at a bound far beyond any double's
// range plus any text's length, so that sums with digit counts stay exact.
long long ExponentValue(const char* first, const char* last, bool negative) {
    constexpr long long kVery = 1'000'000'000'000'000;
    long long exponent = 0;
    for (; first != last; ++first) {
        exponent = std::min(exponent * 10 + (*first - '0'), kVery);
    }
    return negative ? -exponent : exponent;
}

}  // namespace

namespace fallback {

std::to_chars_result WriteGeneral15(char* first, char* last, double value) {
    std::array<char, 64> text{};
    std::size_t size = 0;
    if (std::signbit(value)) {
        text[size++] = '-';
    }
    if (std::isnan(value) || std::isinf(value)) {
        // Spelt here: C libraries differ in these.
        for (const char c : std::string_view(std::isnan(value) ? "nan" : "inf")) {
            text[size++] = c;
        }
        return CopyOut({text.data(), size}, first, last);
    }

    std::array<char, 64> printed{};
    const int length = std::snprintf(printed.data(), printed.size(), "%.15g", std::fabs(value));
    if (length < 0 || static_cast<std::size_t>(length) >= printed.size()) {
        return {last, std::errc::value_too_large};  // no finite double comes here
    }
    // printf writes the locale's decimal point, which may take several bytes:
    // whatever stands between the digits before the exponent becomes ".".
    bool inExponent = false;
    bool inPoint = false;
    for (const char c : std::string_view(printed.data(), static_cast<std::size_t>(length))) {
        if (IsDigit(c) || inExponent) {
            text[size++] = c;
            inPoint = false;
        } else if (c == 'e') {
            text[size++] = c;
            inExponent = true;
        } else if (!inPoint) {
            text[size++] = '.';
            inPoint = true;
        }
    }
    return CopyOut({text.data(), size}, first, last);
}

std::from_chars_result ReadDecimal(const char* first, const char* last, double& value) {
    const char* at = first;
    const bool negative = at != last && *at == '-';
    if (negative) {
        ++at;
    }
    const char* const wholeEnd = SkipDigits(at, last);
    const std::string_view whole(at, static_cast<std::size_t>(wholeEnd - at));
    std::string_view fraction;
    at = wholeEnd;
    if (at != last && *at == '.') {
        const char* const fractionEnd = SkipDigits(at + 1, last);
        fraction = {at + 1, static_cast<std::size_t>(fractionEnd - at - 1)};
        at = fractionEnd;
    }
    if (whole.empty() && fraction.empty()) {
        return {first, std::errc::invalid_argument};
    }
    long long exponent = 0;
    if (at != last && (*at == 'e' || *at == 'E')) {
        const char* digits = at + 1;
        const bool negativeExponent = digits != last && *digits == '-';
        if (digits != last && (*digits == '-' || *digits == '+')) {
            ++digits;
        }
        const char* const exponentEnd = SkipDigits(digits, last);
        if (exponentEnd != digits) {
            exponent = ExponentValue(digits, exponentEnd, negativeExponent);
            at = exponentEnd;
        }
    }

    // strtod is handed only digits and an exponent: no point, so the locale
    // cannot matter. The number is 0.d1d2… × 10^power with d1 not 0.
    const std::size_t leadingZeros = [&] {
        const std::size_t inWhole = whole.find_first_not_of('0');
        if (inWhole != std::string_view::npos) {
            return inWhole;
        }
        const std::size_t inFraction = fraction.find_first_not_of('0');
        return inFraction == std::string_view::npos ? whole.size() + fraction.size()
                                                    : whole.size() + inFraction;
    }();
    if (leadingZeros == whole.size() + fraction.size()) {
        value = negative ? -0.0 : 0.0;
        return {at, std::errc{}};
    }
    const long long power =
        static_cast<long long>(whole.size()) - static_cast<long long>(leadingZeros) + exponent;
    // From 10^310 up every such number is infinite; below 10^-330 it is
    // nearer 0 than half the smallest double.
    if (power > 310 || power < -330) {
        return {at, std::errc::result_out_of_range};
    }

    // A decimal halfway between two doubles has at most 767 significant
    // digits, so digits past 800 only tell whether the rest is zero: one "1"
    // stands for them and the rounding is unchanged.
    constexpr std::size_t kKept = 800;
    std::array<char, kKept + 32> text{};
    std::size_t size = 0;
    bool dropped = false;
    std::size_t index = 0;
    for (const std::string_view part : {whole, fraction}) {
        for (const char c : part) {
            if (index++ < leadingZeros) {
                continue;
            }
            if (size < kKept) {
                text[size++] = c;
            } else if (c != '0') {
                dropped = true;
                break;
            }
        }
    }
    if (dropped) {
        text[size++] = '1';
    }
    const long long scale = power - static_cast<long long>(size);
    std::snprintf(text.data() + size, text.size() - size, "e%lld", scale);

    const double magnitude = std::strtod(text.data(), nullptr);
    // strtod may report ERANGE for any number below the smallest normal one;
    // only infinity and a nonzero number read as 0 are out of range here.
    if (std::isinf(magnitude) || magnitude == 0.0) {
        return {at, std::errc::result_out_of_range};
    }
    value = negative ? -magnitude : magnitude;
    return {at, std::errc{}};
}

}  // namespace fallback

std::to_chars_result WriteGeneral15(char* first, char* last, double value) {
#if TACHORIA_STD_FLOAT_CHARS
    return std::to_chars(first, last, value, std::chars_format::general, 15);
#else
    return fallback::WriteGeneral15(first, last, value);
#endif
}

std::from_chars_result ReadDecimal(const char* first, const char* last, double& value) {
#if TACHORIA_STD_FLOAT_CHARS
    // from_chars also takes "inf" and "nan", which the fallback does not.
    const char* const start = first != last && *first == '-' ? first + 1 : first;
    if (start == last || !(IsDigit(*start) || *start == '.')) {
        return {first, std::errc::invalid_argument};
    }
    return std::from_chars(first, last, value);
#else
    return fallback::ReadDecimal(first, last, value);
#endif
}

}  // namespace tachoria
