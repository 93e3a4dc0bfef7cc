#include "arith/PointNumbers.h"

#include <algorithm>
#include <array>
#include <cstdlib>

#include "arith/Blanks.h"
#include "arith/FloatText.h"

namespace tachoria {

PointNumberConverter::PointNumberConverter(char point) : point_(point == ',' ? ',' : '.') {}

std::optional<double> PointNumberConverter::ToNumber(std::string_view text) const {
    std::string plain(TrimBlanks(text));
    // The other mark groups digits in this locale: refused, not skipped, so
    // that "3.27" never becomes 327.
    const char other = point_ == ',' ? '.' : ',';
    if (plain.find(other) != std::string::npos) {
        return std::nullopt;
    }
    std::replace(plain.begin(), plain.end(), point_, '.');
    const LeadingNumber number = ScanLeadingNumber(plain);
    if (number.length == 0 || number.length != plain.size()) {
        return std::nullopt;
    }
    // Too large is ±infinity and too close to 0 is 0, as on the desktop: the
    // field then says which, rather than that it is no number.
    return number.value;
}

std::string PointNumberConverter::ToText(double value) const {
    std::string text = PlainDigits(value == 0.0 ? 0.0 : value);
    std::replace(text.begin(), text.end(), '.', point_);
    return text;
}

std::string PlainDigits(double value) {
    std::array<char, kGeneral15Chars> buffer{};
    const auto [end, ec] = WriteGeneral15(buffer.data(), buffer.data() + buffer.size(), value);
    const std::string_view general(buffer.data(), ec == std::errc{} ? end - buffer.data() : 0);
    const std::size_t e = general.find('e');
    if (e == std::string_view::npos) {
        return std::string(general);
    }
    // "-1.5e+20": the sign, the significant digits without their point, and
    // where the point goes.
    std::string_view mantissa = general.substr(0, e);
    std::string text;
    if (mantissa.starts_with('-')) {
        text = "-";
        mantissa.remove_prefix(1);
    }
    std::string digits;
    std::copy_if(mantissa.begin(), mantissa.end(), std::back_inserter(digits),
                 [](char c) { return c != '.'; });
    // The exponent is the library's own text: a sign and at most three digits.
    const int exponent = std::atoi(std::string(general.substr(e + 1)).c_str());
    if (exponent < 0) {
        text += "0.";
        text.append(static_cast<std::size_t>(-exponent - 1), '0');
        text += digits;
        return text;
    }
    const auto whole = static_cast<std::size_t>(exponent) + 1;
    if (digits.size() <= whole) {
        digits.append(whole - digits.size(), '0');
    } else {
        digits.insert(whole, 1, '.');
    }
    return text + digits;
}

}  // namespace tachoria
