#include "arith/Num2String.h"

#include <array>
#include <cmath>
#include <string_view>

#include "arith/Blanks.h"
#include "arith/FloatText.h"

namespace tachoria {
namespace {

// Cuts or pads `text` to exactly `decimals` digits after its point. Rounding
// can move the point (9.96 becomes 10.01) or drop it (0.995 becomes 1), so
// the point is looked for again in the rounded text.
std::string WithDecimals(std::string text, std::size_t decimals) {
    const std::size_t point = text.find('.');
    if (point == std::string::npos) {
        if (decimals > 0) {
            text += '.';
            text.append(decimals, '0');
        }
        return text;
    }
    if (decimals == 0) {
        text.resize(point);
        return text.size() > 1 ? text : " 0";  // " .9" keeps no digit before its point
    }
    const std::size_t have = text.size() - point - 1;
    if (have > decimals) {
        text.resize(point + 1 + decimals);
    } else {
        text.append(decimals - have, '0');
    }
    return text;
}

}  // namespace

std::string NumberText(double value) {
    if (value == 0.0) {
        value = 0.0;  // a negative zero is written as zero
    }
    static_assert(kSignificantDigits == 15, "WriteGeneral15 writes the number's text");
    std::array<char, kGeneral15Chars> buffer{};
    // The point is always ".", whatever the C locale.
    const auto [end, ec] = WriteGeneral15(buffer.data(), buffer.data() + buffer.size(), value);
    std::string_view digits(buffer.data(), ec == std::errc{} ? end - buffer.data() : 0);

    const bool negative = digits.starts_with('-');
    if (negative) {
        digits.remove_prefix(1);
    }
    if (digits.starts_with("0.")) {
        digits.remove_prefix(1);
    }
    std::string text(1, negative ? '-' : ' ');
    text.append(digits);
    return text;
}

std::string Num2String(double value, int decimals, int width) {
    std::string s = NumberText(value);

    // Positions count from 1; 0 means "not found".
    const std::size_t dotAt = s.rfind('.');
    const std::size_t dot = dotAt == std::string::npos ? 0 : dotAt + 1;
    const std::size_t minusAt = s.rfind('-');
    const std::size_t minus = minusAt == std::string::npos ? 0 : minusAt + 1;
    const auto wanted = static_cast<std::size_t>(decimals > 0 ? decimals : 0);
    const std::size_t have = s.size() - dot;

    if (dot == 0 && wanted > 0) {
        s += '.';
        s.append(wanted, '0');
    } else if (dot > 0 && have > wanted) {
        s = NumberText(value + 5.0 / std::pow(10.0, static_cast<double>(wanted) + 1.0));
        s = WithDecimals(s, wanted);
    } else if (wanted > have) {
        s.append(wanted - have, '0');
    }

    // Supply the zero before the point. Only texts that still begin with the
    // point need it; rounding may already have produced a digit there.
    if (dot > 0) {
        if (minus > 0 && value > -1.0 && s.starts_with("-.")) {
            s.insert(1, 1, '0');
        } else if (minus == 0 && value < 1.0 && s.starts_with(" .")) {
            s[0] = '0';  // the leading blank goes
        }
    }

    const auto minWidth = static_cast<std::size_t>(width > 0 ? width : 0);
    if (s.size() < minWidth) {
        s.insert(0, minWidth - s.size(), ' ');
    }
    return s;
}

std::string FixedText(double value, int decimals) {
    return std::string(TrimBlanks(Num2String(value, decimals, 0)));
}

std::string SignedText(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double rounded = std::round(value * scale) / scale + 0.0;
    const std::string text = FixedText(rounded, decimals);
    return rounded > 0 ? "+" + text : text;
}

}  // namespace tachoria
