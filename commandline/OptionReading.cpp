#include "commandline/OptionReading.h"

#include <algorithm>
#include <cmath>

#include "arith/Blanks.h"
#include "arith/TireSize.h"
#include "tables/FailureMessage.h"

namespace tachoria {
namespace {

bool IsDigit(char c) { return c >= '0' && c <= '9'; }

// Whether `text` is a number greater than 0 that a double cannot hold,
// being too close to 0. Reading gives such a number as 0, or as infinity
// when its zeros are written out, so the written digits decide: the power
// of ten of the first digit that is not 0, plus the exponent.
bool TooSmallForADouble(std::string_view text) {
    text = TrimBlanks(text);
    const LeadingNumber number = ScanLeadingNumber(text);
    if (number.length == 0 || number.length != text.size() || text.front() == '-' ||
        (number.value != 0 && !std::isinf(number.value))) {
        return false;
    }
    const std::size_t end = std::min(text.find_first_of("eE"), text.size());
    std::string_view mantissa = text.substr(0, end);
    if (mantissa.front() == '+') {
        mantissa.remove_prefix(1);
    }
    const std::size_t point = std::min(mantissa.find('.'), mantissa.size());
    const std::string_view whole = mantissa.substr(0, point);
    const std::string_view fraction = mantissa.substr(std::min(point + 1, mantissa.size()));
    long long power = 0;
    if (const std::size_t digit = whole.find_first_not_of('0'); digit != std::string_view::npos) {
        power = static_cast<long long>(whole.size() - digit) - 1;
    } else if (const std::size_t decimal = fraction.find_first_not_of('0');
               decimal != std::string_view::npos) {
        power = -static_cast<long long>(decimal) - 1;
    } else {
        return false;  // a true 0
    }
    // The exponent, held at a million: past that, only its sign matters.
    constexpr long long kVery = 1'000'000;
    long long exponent = 0;
    std::size_t at = end + 1;
    const bool negative = at < text.size() && text[at] == '-';
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        ++at;
    }
    for (; at < text.size() && IsDigit(text[at]); ++at) {
        exponent = std::min(exponent * 10 + (text[at] - '0'), kVery);
    }
    return power + (negative ? -exponent : exponent) < 0;
}

}  // namespace

FieldReading ReadOption(std::string_view text, FieldReader read, const InputRange& range) {
    const PlainNumberConverter numbers;
    FieldReading reading = read(text, numbers);
    if (!reading.value && TooSmallForADouble(text)) {
        reading.problem = "Too small: type a number " + RangeText(range, numbers) + ".";
    }
    return reading;
}

FieldReading ReadStockTireOption(std::string_view text) {
    if (TireSizeDiameter(text)) {
        return ReadOption(text, ReadTireField, kTireRange);
    }
    const std::string_view rest = TrimLeadingBlanks(text);
    const std::size_t length = ScanLeadingNumber(rest).length;
    return ReadOption(length == 0 ? text : rest.substr(0, length), ReadTireField, kTireRange);
}

std::string OptionProblem(std::string_view option, std::string_view text,
                          std::string_view problem) {
    return std::string(option) + " " + Quote(text) + ": " + std::string(problem);
}

}  // namespace tachoria
