#include "comparison/Gearing.h"

#include <cmath>
#include <numbers>

#include "arith/Blanks.h"
#include "arith/Calcs.h"
#include "arith/TireSize.h"
#include "catalogue/StockCatalogue.h"
#include "tables/ReadForm.h"

namespace tachoria {
namespace {

constexpr double kInchesPerMile = 63360;

FieldReading Positive(std::string_view text, std::optional<double> value) {
    if (TrimBlanks(text).empty()) {
        return {std::nullopt, "Empty: type a number greater than 0."};
    }
    if (!value) {
        return {std::nullopt, "Not a number: type a number greater than 0."};
    }
    if (std::isinf(*value)) {
        return {std::nullopt, "Too large a number."};
    }
    if (*value <= 0) {
        return {std::nullopt, "Must be greater than 0."};
    }
    return {value, {}};
}

}  // namespace

SetupTexts StockSetupTexts(std::string_view model, std::string_view yearRange,
                           std::string_view axle, std::string_view tire,
                           const NumberConverter& numbers) {
    SetupTexts texts;
    // The stock page reads "24 in" as 24, with "." in every locale; the
    // comparison's fields take whole numbers in the user's locale.
    const double diameter = StockTireDiameter(tire);
    texts.tire = TireSizeDiameter(tire) || diameter == 0 || !std::isfinite(diameter)
                     ? std::string(tire)
                     : numbers.ToText(diameter);
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
                           "3.27", numbers.ToText(24), numbers);
}

std::string_view UnitName(SpeedUnit unit) { return unit == SpeedUnit::MPH ? "MPH" : "km/h"; }

FieldReading ReadTireField(std::string_view text, const NumberConverter& numbers) {
    if (const std::optional<double> code = TireSizeDiameter(text)) {
        return {code, {}};
    }
    FieldReading reading = Positive(text, numbers.ToNumber(text));
    if (!reading.value && reading.problem.starts_with("Not a number")) {
        reading.problem =
            "Not a number: type a diameter in inches, or a size code such as 185/80R13.";
    }
    return reading;
}

FieldReading ReadRatioField(std::string_view text, const NumberConverter& numbers) {
    return Positive(text, numbers.ToNumber(text));
}

std::string TireDescription(double diameter, const NumberConverter& numbers) {
    const double revolutions = std::round(kInchesPerMile / (std::numbers::pi * diameter));
    return numbers.ToText(std::round(diameter * 100) / 100) + " in, " +
           PlainNumberConverter().ToText(revolutions) + " revolutions per mile";
}

std::optional<Gearing> GearingOf(const FieldReading& tire, const FieldReading& axle,
                                 const std::vector<FieldReading>& gears) {
    if (!tire.value || !axle.value || gears.empty() || gears.size() > kMostGears) {
        return std::nullopt;
    }
    Gearing gearing{*tire.value, *axle.value, {}};
    for (const FieldReading& gear : gears) {
        if (!gear.value) {
            return std::nullopt;
        }
        gearing.gears.push_back(*gear.value);
    }
    return gearing;
}

std::optional<double> EngineSpeed(double speed, SpeedUnit unit, const Gearing& gearing,
                                  double gear) {
    const double mph = unit == SpeedUnit::MPH ? speed : speed / kKilometresPerMile;
    return RPMFromMPH(mph, gearing.tireDiameter, gearing.axleRatio, gear, 0);
}

std::optional<double> RoadSpeed(double rpm, SpeedUnit unit, const Gearing& gearing, double gear,
                                int decimals) {
    // km/h by scaling the engine speed first: the same conversion, one
    // truncation.
    const double scaled = unit == SpeedUnit::MPH ? rpm : rpm * kKilometresPerMile;
    return MPHFromRPM(scaled, gearing.tireDiameter, gearing.axleRatio, gear, decimals);
}

}  // namespace tachoria
