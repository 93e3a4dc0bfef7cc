#include "commandline/OptionReading.h"

#include <algorithm>

#include "arith/Blanks.h"
#include "tables/FailureMessage.h"
#include "tires/TireReader.h"

namespace tachoria {

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
    return ReadTireField(length == 0 ? text : rest.substr(0, length), numbers);
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

Outcome<StockGearbox> ReadStockGearboxOptions(std::string_view model, std::string_view years,
                                              std::string_view prefix) {
    if (const Outcome<GearboxCode> code = ReadGearboxOptions(model, years); !code) {
        std::string message = code.message();
        if (message.starts_with("--")) {
            message.insert(2, prefix);
        }
        return Failure{message};
    }
    return StockGearbox{std::string(model), std::string(years)};
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
