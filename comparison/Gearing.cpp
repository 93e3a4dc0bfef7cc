#include "comparison/Gearing.h"

#include <algorithm>
#include <cmath>

#include "arith/Blanks.h"
#include "arith/Calcs.h"
#include "catalogue/StockCatalogue.h"
#include "inputs/Defaults.h"
#include "inputs/StockTire.h"
#include "tables/DecimalPoint.h"
#include "tires/TireReader.h"

namespace tachoria {

SetupTexts StockSetupTexts(std::string_view model, std::string_view yearRange,
                           std::string_view axle, std::string_view tire,
                           const NumberConverter& numbers) {
    SetupTexts texts;
    // The stock page reads "24 in" as 24, with "." in every locale; the
    // comparison's fields take whole numbers in the user's locale. A size
    // goes as typed, with the user's decimal point ("235/75R17,5").
    const auto size = ReadTire(tire);
    const Outcome<double> diameter = StockTireDiameter(tire, size);
    texts.tire = (size && size->form != TireForm::Inches) || !diameter || *diameter == 0 ||
                         !std::isfinite(*diameter)
                     ? WithDecimalPoint(tire, std::string(1, numbers.DecimalPoint()))
                     : numbers.ToText(*diameter);
    if (axle != kSelectDifferential) {
        texts.axle = numbers.ToText(LeadingNumberValue(axle));
    }
    const GearboxCode code = GearboxCodeOf(model, yearRange);
    if (code != kNoGearbox) {
        for (const Gear gear : kForwardGears) {
            texts.gears.push_back(numbers.ToText(RatioSetOf(code).Of(gear)));
        }
    }
    return texts;
}

SetupTexts DefaultSetupTexts(const NumberConverter& numbers) {
    return StockSetupTexts(ModelTexts().front(), YearRangeTexts(ModelTexts().front()).front(),
                           PlainNumberConverter().ToText(kDefaultDiffRatio),
                           numbers.ToText(kDefaultTireDiameter), numbers);
}

SetupTexts CompletedSetupTexts(SetupTexts texts, const NumberConverter& numbers) {
    const SetupTexts defaults = DefaultSetupTexts(numbers);
    const auto blank = [](const std::string& text) { return TrimBlanks(text).empty(); };
    if (blank(texts.tire)) {
        texts.tire = defaults.tire;
    }
    if (blank(texts.axle)) {
        texts.axle = defaults.axle;
    }
    if (texts.gears.empty() || std::all_of(texts.gears.begin(), texts.gears.end(), blank)) {
        texts.gears = defaults.gears;
    }
    return texts;
}

std::optional<Gearing> GearingOf(const Outcome<double>& tire, const Outcome<double>& axle,
                                 const std::vector<Outcome<double>>& gears) {
    if (!tire || !axle || gears.empty() || gears.size() > kMostGears) {
        return std::nullopt;
    }
    Gearing gearing{*tire, *axle, {}};
    for (const Outcome<double>& gear : gears) {
        if (!gear) {
            return std::nullopt;
        }
        gearing.gears.push_back(*gear);
    }
    return gearing;
}

std::optional<double> EngineSpeed(double speed, SpeedUnit unit, const Gearing& gearing, double gear,
                                  int decimals) {
    const double mph = unit == SpeedUnit::MPH ? speed : speed / kKilometresPerMile;
    return RPMFromMPH(mph, gearing.tireDiameter, gearing.axleRatio, gear, decimals);
}

std::optional<double> RoadSpeed(double rpm, SpeedUnit unit, const Gearing& gearing, double gear,
                                int decimals) {
    // km/h by scaling the engine speed first: the same conversion, one
    // truncation.
    const double scaled = unit == SpeedUnit::MPH ? rpm : rpm * kKilometresPerMile;
    return MPHFromRPM(scaled, gearing.tireDiameter, gearing.axleRatio, gear, decimals);
}

}  // namespace tachoria
