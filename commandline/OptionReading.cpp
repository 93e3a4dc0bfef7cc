#include "commandline/OptionReading.h"

#include "arith/Blanks.h"
#include "tables/FailureMessage.h"
#include "tires/TireReader.h"

namespace tachoria {
namespace {

// Whether the whole of `text` is a number greater than 0 too close to 0
// for a double, which reads as 0.
bool TooSmallForADouble(std::string_view text) {
    text = TrimBlanks(text);
    const LeadingNumber number = ScanLeadingNumber(text);
    return number.underflow && number.length == text.size() && !text.starts_with('-');
}

}  // namespace

Outcome<double> ReadOption(std::string_view text, FieldReader read, const InputRange& range) {
    const PlainNumberConverter numbers;
    Outcome<double> reading = read(text, numbers);
    if (!reading && TooSmallForADouble(text)) {
        return Failure{"Too small: type a number " + RangeText(range, numbers) + "."};
    }
    return reading;
}

Outcome<double> ReadStockTireOption(std::string_view text) {
    // A size, or a text whose leading number is no diameter, is read whole.
    const Outcome<Tire> tire = ReadTire(text);
    if ((tire && tire->form != TireForm::Inches) ||
        (!tire && ClassifyUnreadTire(text) == UnreadTire::NoDiameter)) {
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
