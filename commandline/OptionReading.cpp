#include "commandline/OptionReading.h"

#include "arith/Blanks.h"
#include "catalogue/CatalogueLookup.h"
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

Outcome<StockGearbox> ReadStockGearboxOptions(std::string_view model, std::string_view years,
                                              std::string_view prefix) {
    const std::string option = "--" + std::string(prefix);
    const CatalogueMatch line = MatchModel(model);
    if (!line.text) {
        return Failure{option + "model " + Quote(model) +
                       (line.ambiguous ? " names more than one model of the catalogue"
                                       : " is not a model of the catalogue") +
                       "; the models are " + QuotedList(ModelTexts()) + "."};
    }
    const CatalogueMatch range = MatchYearRange(*line.text, years);
    if (!range.text) {
        return Failure{
            option + "years " + Quote(years) +
            (range.ambiguous ? " is in more than one year range of " : " is not a year range of ") +
            Quote(*line.text) + "; it has " + QuotedList(YearRangeTexts(*line.text)) + "."};
    }
    return StockGearbox{std::string(*line.text), std::string(*range.text)};
}

Outcome<GearboxCode> ReadGearboxOptions(std::string_view model, std::string_view years) {
    return ReadStockGearboxOptions(model, years).transform([](const StockGearbox& gearbox) {
        return GearboxCodeOf(gearbox.model, gearbox.yearRange);
    });
}

Outcome<std::string_view> ReadStockAxleOption(const StockGearbox& gearbox, std::string_view axle) {
    const GearboxCode code = GearboxCodeOf(gearbox.model, gearbox.yearRange);
    const Outcome<double> ratio = ReadRatioField(axle, PlainNumberConverter());
    if (const std::optional<std::string_view> text =
            ratio ? MatchAxleRatio(code, *ratio) : std::nullopt) {
        return *text;
    }
    return Failure{"--axle " + Quote(axle) + " is not offered with " + Quote(gearbox.model) + ", " +
                   Quote(gearbox.yearRange) + "; it has " + QuotedList(AxleRatioTexts(code)) + "."};
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
