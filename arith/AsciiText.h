#pragma once

#include <cstddef>
#include <string>
#include <string_view>

// Character classes and case in ASCII alone, whatever the C locale says:
// what is typed as numbers, size codes and file names is ASCII, and a
// locale's idea of a letter or a digit must not change how it is read.
// Bytes of UTF-8 characters are no letters and no digits, and keep their case.
namespace tachoria {

constexpr bool IsDigit(char c) { return c >= '0' && c <= '9'; }

constexpr bool IsAsciiAlpha(char c) { return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z'); }

constexpr bool IsAsciiAlnum(char c) { return IsDigit(c) || IsAsciiAlpha(c); }

constexpr char ToLowerAscii(char c) {
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

constexpr char ToUpperAscii(char c) {
    return c >= 'a' && c <= 'z' ? static_cast<char>(c - 'a' + 'A') : c;
}

// `text` with every ASCII letter in lower or upper case.
std::string ToLowerAscii(std::string_view text);
std::string ToUpperAscii(std::string_view text);

// Whether the character at `at` has a digit on either side: a decimal point
// inside a number ("24.5"), not a full stop after one ("24.").
bool IsBetweenDigits(std::string_view text, std::size_t at);

}  // namespace tachoria
