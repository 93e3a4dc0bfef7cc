#pragma once

#include <charconv>
#include <cstddef>

// Whether the standard library converts doubles to and from text itself. The
// WebAssembly build's libc++ does not; the fallbacks below then stand in, and
// must give the same characters and values.
#if defined(__cpp_lib_to_chars) && __cpp_lib_to_chars >= 201611L
#define TACHORIA_STD_FLOAT_CHARS 1
#else
#define TACHORIA_STD_FLOAT_CHARS 0
#endif

namespace tachoria {

// The most characters WriteGeneral15 writes: "-1.23456789012345e-308".
inline constexpr std::size_t kGeneral15Chars = 22;

// As std::to_chars(first, last, value, std::chars_format::general, 15): "%.15g"
// with "." as the point whatever the locale; "inf", "-inf", "nan", "-nan".
// {last, value_too_large} when the text does not fit.
std::to_chars_result WriteGeneral15(char* first, char* last, double value);

// As std::from_chars(first, last, value) for a decimal number: "-" or nothing,
// digits with at most one "." (at least one digit), then an exponent if digits
// follow its "e" or "E" and optional sign. The result points past what was read.
// invalid_argument when the text does not begin so ("+1", " 1", "inf" and "nan"
// are refused here on every library). result_out_of_range, `value` untouched,
// when the number rounds to infinity, or to 0 although a digit is not 0;
// numbers below the smallest normal double keep their value.
std::from_chars_result ReadDecimal(const char* first, const char* last, double& value);

// The same through C's snprintf and strtod, used where the library lacks the
// above; built everywhere so that tests can hold them to the standard library.
namespace fallback {
std::to_chars_result WriteGeneral15(char* first, char* last, double value);
std::from_chars_result ReadDecimal(const char* first, const char* last, double& value);
}  // namespace fallback

}  // namespace tachoria
