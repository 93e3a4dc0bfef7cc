#include "commandline/OptionReading.h"

#include <algorithm>
#include <cmath>

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

Outcome<double> ReadNumberOption(std::string_view text, const InputRange& range, bool whole) {
    const PlainNumberConverter numbers;
    const std::string wanted = std::string(whole ? "type a whole number " : "type a number ") +
                               RangeText(range, numbers) + ".";
    const std::optional<double> value = numbers.ToNumber(text);
    if (TrimBlanks(text).empty()) {
        return Failure{"Empty: " + wanted};
    }
    if (!value) {
        return Failure{"Not a number: " + wanted};
    }
    // Where only positive numbers work, 0 is told apart from a small one,
    // as the fields tell it; "1e-400" is a small one.
    if (range.least > 0 && *value <= 0 && !TooSmallForADouble(text)) {
        return Failure{"Must be greater than 0: " + wanted};
    }
    if (*value < range.least) {
        return Failure{"Too small: " + wanted};
    }
    if (*value > range.most) {
        return Failure{"Too large: " + wanted};
    }
    if (whole && *value != std::floor(*value)) {
        return Failure{"Not a whole number: " + wanted};
    }
    return *value;
}

Outcome<std::vector<double>> ReadGearsOption(std::string_view text) {
    std::vector<std::string_view> ratios;
    for (std::string_view rest = text;;) {
        const std::size_t comma = rest.find(',');
        ratios.push_back(rest.substr(0, comma));
        if (comma == std::string_view::npos) {
            break;
        }
        rest.remove_prefix(comma + 1);
    }
    if (ratios.size() > kMostGears) {
        return Failure{std::to_string(ratios.size()) + " gears: give 1 to " +
                       std::to_string(kMostGears) + " ratios, separated by commas."};
    }
    std::vector<double> gears;
    for (std::size_t i = 0; i < ratios.size(); ++i) {
        const Outcome<double> gear = ReadOption(ratios[i], ReadRatioField, kRatioRange);
        if (!gear) {
            return Failure{"gear " + std::to_string(i + 1) + ": " + gear.message()};
        }
        gears.push_back(*gear);
    }
    return gears;
}

Outcome<double> ReadStockTireOption(std::string_view text) {
    const PlainNumberConverter numbers;
    const auto tire = ReadTire(text);
    const std::string_view rest = TrimLeadingBlanks(text);
    const std::size_t length = ScanLeadingNumber(rest).length;
    // A size, or a text whose leading number is no diameter, is read whole;
    // so is a text with no number to go by ("abc"), for the reader's reason.
    const bool size = (tire && tire->form != TireForm::Inches) ||
                      (!tire && tire.failure().kind == UnreadTire::NoDiameter);
    const bool noNumber = length == 0 && !rest.empty() && !tire && !numbers.ToNumber(text);
    if (size || noNumber) {
        return TireFieldOf(text, tire, numbers).transform(&Tire::diameter);
    }
    return ReadOption(length == 0 ? text : rest.substr(0, length), ReadTireField, kTireRange);
}

Outcome<GearboxCode> ReadGearboxOptions(std::string_view model, std::string_view years) {
    const std::span<const std::string_view> models = ModelTexts();
    if (std::find(models.begin(), models.end(), model) == models.end()) {
        return Failure{"--model " + Quote(model) +
                       " is not a model of the catalogue; the models are " + QuotedList(models) +
                       "."};
    }
    const std::vector<std::string_view> ranges = YearRangeTexts(model);
    if (std::find(ranges.begin(), ranges.end(), years) == ranges.end()) {
        return Failure{"--years " + Quote(years) + " is not a year range of " + Quote(model) +
                       "; it has " + QuotedList(ranges) + "."};
    }
    return GearboxCodeOf(model, years);
}

std::string OptionProblem(std::string_view option, std::string_view text,
                          std::string_view problem) {
    return std::string(option) + " " + Quote(text) + ": " + std::string(problem);
}

std::string QuotedList(std::span<const std::string_view> texts) {
    std::string list;
    for (const std::string_view text : texts) {
        list += (list.empty() ? "" : ", ") + Quote(text);
    }
    return list;
}

}  // namespace tachoria
