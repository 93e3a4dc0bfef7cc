#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "arith/NumberReading.h"

namespace tachoria {

// Box texts with a given decimal point, for a front end that knows its
// user's decimal separator but has no locale library of its own (the web
// page). "," reads "3,27"; any other separator reads as ".". As on the
// desktop, the other of the two marks is a group separator there and is
// refused, so "3.27" is no number where the point is ",".
class PointNumberConverter final : public NumberConverter {
public:
    explicit PointNumberConverter(char point);
    [[nodiscard]] std::optional<double> ToNumber(std::string_view text) const override;
    // Up to 15 significant digits, never with an exponent: 1e20 is written
    // out with its zeros, so that no reader meets "1e+20".
    [[nodiscard]] std::string ToText(double value) const override;
    [[nodiscard]] char DecimalPoint() const override { return point_; }

private:
    char point_;
};

// `value` in plain decimal digits with "." as the point and at most 15
// significant digits: "1000000000000000000000" for 1e21, "0.0000001" for
// 1e-7. "inf", "-inf" and "nan" for what is no number.
std::string PlainDigits(double value);

}  // namespace tachoria
