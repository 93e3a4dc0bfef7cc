#include "arith/NumberReading.h"

#include <charconv>
#include <cmath>
#include <limits>

#include "arith/Blanks.h"
#include "arith/Num2String.h"

namespace tachoria {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return at;
}

}  // namespace

LeadingNumber ScanLeadingNumber(std::string_view text) {
    std::size_t at = 0;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        ++at;
    }
    const std::size_t intStart = at;
    at = SkipDigits(text, at);
    std::size_t digits = at - intStart;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fracStart = at + 1;
        const std::size_t fracEnd = SkipDigits(text, fracStart);
        digits += fracEnd - fracStart;
        if (digits > 0) {
            at = fracEnd;
        }
    }
    if (digits == 0) {
        return {};
    }

    // An exponent counts only when at least one digit follows it.
    bool negativeExponent = false;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t exp = at + 1;
        negativeExponent = exp < text.size() && text[exp] == '-';
        if (exp < text.size() && (text[exp] == '-' || text[exp] == '+')) {
            ++exp;
        }
        const std::size_t expEnd = SkipDigits(text, exp);
        if (expEnd > exp) {
            at = expEnd;
        } else {
            negativeExponent = false;
        }
    }

    // from_chars takes no "+" and ignores the C locale.
    const std::size_t numberStart = text[0] == '+' ? 1 : 0;
    double value = 0.0;
    const auto [end, ec] = std::from_chars(text.data() + numberStart, text.data() + at, value);
    if (ec == std::errc::result_out_of_range) {
        const double magnitude = negativeExponent ? 0.0 : std::numeric_limits<double>::infinity();
        value = negative ? -magnitude : magnitude;
    } else if (ec != std::errc{} || end != text.data() + at) {
        return {};  // cannot happen for the characters accepted above
    }
    return {value, at};
}

double LeadingNumberValue(std::string_view text) {
    return ScanLeadingNumber(TrimLeadingBlanks(text)).value;
}

std::optional<double> PlainNumberConverter::ToNumber(std::string_view text) const {
    const std::string_view trimmed = TrimBlanks(text);
    const LeadingNumber number = ScanLeadingNumber(trimmed);
    if (number.length == 0 || number.length != trimmed.size()) {
        return std::nullopt;
    }
    return number.value;
}

std::string PlainNumberConverter::ToText(double value) const {
    // A box shows "3.27" and "0.5", not the list's " 3.27" and " .5".
    std::string text = NumberText(value);
    if (text.starts_with(' ')) {
        text.erase(0, 1);
    }
    const std::size_t sign = text.starts_with('-') ? 1 : 0;
    if (text.compare(sign, 1, ".") == 0) {
        text.insert(sign, 1, '0');
    }
    return text;
}

}  // namespace tachoria
