#include "arith/NumberReading.h"

#include <algorithm>
#include <cmath>
#include <limits>
#include <optional>

#include "arith/AsciiText.h"
#include "arith/Blanks.h"
#include "arith/FloatText.h"
#include "arith/Num2String.h"

namespace tachoria {
namespace {

std::size_t SkipDigits(std::string_view text, std::size_t at) {
    while (at < text.size() && IsDigit(text[at])) {
        ++at;
    }
    return at;
}

// The power of ten of the first digit that is not 0 in `whole`.`fraction`,
// or nothing when every digit is 0.
std::optional<long long> LeadingPower(std::string_view whole, std::string_view fraction) {
    if (const std::size_t digit = whole.find_first_not_of('0'); digit != std::string_view::npos) {
        return static_cast<long long>(whole.size() - digit) - 1;
    }
    if (const std::size_t digit = fraction.find_first_not_of('0');
        digit != std::string_view::npos) {
        return -static_cast<long long>(digit) - 1;
    }
    return std::nullopt;
}

// The exponent's digits as a number, held at a million: past that only its
// sign matters.
long long ExponentValue(std::string_view digits, bool negative) {
    constexpr long long kVery = 1'000'000;
    long long exponent = 0;
    for (const char c : digits) {
        exponent = std::min(exponent * 10 + (c - '0'), kVery);
    }
    return negative ? -exponent : exponent;
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
    const std::string_view whole = text.substr(intStart, at - intStart);
    std::string_view fraction;
    if (at < text.size() && text[at] == '.') {
        const std::size_t fracStart = at + 1;
        const std::size_t fracEnd = SkipDigits(text, fracStart);
        fraction = text.substr(fracStart, fracEnd - fracStart);
        if (whole.size() + fraction.size() > 0) {
            at = fracEnd;
        }
    }
    if (whole.empty() && fraction.empty()) {
        return {};
    }

    // An exponent counts only when at least one digit follows it.
    long long exponent = 0;
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t exp = at + 1;
        const bool negativeExponent = exp < text.size() && text[exp] == '-';
        if (exp < text.size() && (text[exp] == '-' || text[exp] == '+')) {
            ++exp;
        }
        const std::size_t expEnd = SkipDigits(text, exp);
        if (expEnd > exp) {
            exponent = ExponentValue(text.substr(exp, expEnd - exp), negativeExponent);
            at = expEnd;
        }
    }

    // ReadDecimal takes no "+" and ignores the C locale.
    const std::size_t numberStart = text[0] == '+' ? 1 : 0;
    double value = 0.0;
    const auto [end, ec] = ReadDecimal(text.data() + numberStart, text.data() + at, value);
    bool underflow = false;
    if (ec == std::errc::result_out_of_range) {
        // Too large or too close to 0: the written digits tell which, not
        // the exponent's sign alone ("0.000…01" has none).
        underflow = LeadingPower(whole, fraction).value_or(0) + exponent < 0;
        const double magnitude = underflow ? 0.0 : std::numeric_limits<double>::infinity();
        value = negative ? -magnitude : magnitude;
    } else if (ec != std::errc{} || end != text.data() + at) {
        return {};  // cannot happen for the characters accepted above
    }
    return {value, at, underflow};
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
