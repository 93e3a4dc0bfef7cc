#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

namespace tachoria {

// A number found at the start of a text, written with "." as the decimal
// point: optional sign, digits with at most one point, optional exponent
// ("e" or "E", optional sign, digits). No hexadecimal, "inf" or "nan".
struct LeadingNumber {
    double value = 0.0;      // ±infinity where the written number overflows a double
    std::size_t length = 0;  // characters used; 0 when the text does not begin with a number
    // The written number is not 0 but too close to it for a double ("1e-400",
    // or "0.000…01" with its zeros written out); `value` is then ±0.
    bool underflow = false;
};

// Reads the number at the very start of `text` (no blanks skipped), whatever
// the process locale.
LeadingNumber ScanLeadingNumber(std::string_view text);

// The numeric value of a text as the stock page reads it: leading blanks
// skipped, reading stops at the first character that cannot continue the
// number, 0 when the text does not begin with one ("24 in" is 24, "in 24" 0).
double LeadingNumberValue(std::string_view text);

// Converts between box texts and numbers. The window supplies one that follows
// the user's locale; the core's default uses ".".
class NumberConverter {
public:
    virtual ~NumberConverter() = default;
    // The number a whole text stands for (blanks around it allowed):
    // ±infinity when it is written correctly but too large for a double,
    // empty when the text is not a number ("inf" and "nan" are not).
    [[nodiscard]] virtual std::optional<double> ToNumber(std::string_view text) const = 0;
    // The text written into a box for a number.
    [[nodiscard]] virtual std::string ToText(double value) const = 0;
    // The decimal point the texts use, also inside a tire size ("17,5").
    [[nodiscard]] virtual char DecimalPoint() const = 0;
};

// "." as the decimal point, no digit grouping.
class PlainNumberConverter final : public NumberConverter {
public:
    [[nodiscard]] std::optional<double> ToNumber(std::string_view text) const override;
    [[nodiscard]] std::string ToText(double value) const override;
    [[nodiscard]] char DecimalPoint() const override { return '.'; }
};

}  // namespace tachoria
