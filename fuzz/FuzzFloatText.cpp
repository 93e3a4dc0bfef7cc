// The snprintf/strtod fallbacks against std::to_chars and std::from_chars: the
// input's first eight bytes as a double to write, and the whole input as a
// text to read.
#include <bit>
#include <charconv>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string_view>

#include "arith/FloatText.h"

namespace {

void CompareWriting(double value) {
    char expected[64];
    char actual[tachoria::kGeneral15Chars];
    const auto want =
        std::to_chars(expected, expected + sizeof expected, value, std::chars_format::general, 15);
    const auto got = tachoria::fallback::WriteGeneral15(actual, actual + sizeof actual, value);
    if (got.ec != std::errc{} ||
        std::string_view(expected, want.ptr) != std::string_view(actual, got.ptr)) {
        std::abort();
    }
}

void CompareReading(std::string_view text) {
    constexpr double kUntouched = -12345.0;
    double expected = kUntouched;
    double actual = kUntouched;
    const char* const first = text.data();
    const char* const last = first + text.size();
    const auto want = tachoria::ReadDecimal(first, last, expected);
    const auto got = tachoria::fallback::ReadDecimal(first, last, actual);
    if (want.ec != got.ec || want.ptr != got.ptr ||
        std::bit_cast<std::uint64_t>(expected) != std::bit_cast<std::uint64_t>(actual)) {
        std::abort();
    }
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    static_assert(TACHORIA_STD_FLOAT_CHARS, "the fuzzer compares with the standard library");
    if (size >= sizeof(double)) {
        double value = 0;
        std::memcpy(&value, data, sizeof value);
        CompareWriting(value);
    }
    const std::string_view text(reinterpret_cast<const char*>(data), size);
    CompareReading(text);
    // Past a leading "-", so that texts which begin with a digit come often.
    if (!text.empty()) {
        CompareReading(text.substr(1));
    }
    return 0;
}
