#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arith/NumberReading.h"
#include "inputs/FieldReaders.h"
#include "inputs/SpeedUnit.h"
#include "outcome/Outcome.h"
#include "tires/TireReader.h"

// One gearing to compare: a tire, an axle ratio and one to six forward
// gears, read from what the user typed, and the speed conversions on it.
namespace tachoria {

// A gearing whose numbers all lie in the ranges the fields accept.
struct Gearing {
    double tireDiameter = 0.0;  // inches
    double axleRatio = 0.0;
    std::vector<double> gears;  // first gear first

    friend bool operator==(const Gearing&, const Gearing&) = default;
};

// A setup's fields as text, as the window shows and the user edits them.
struct SetupTexts {
    std::string tire;
    std::string axle;
    std::vector<std::string> gears;  // first gear first; one to six

    friend bool operator==(const SetupTexts&, const SetupTexts&) = default;
};

// A stock gearing's fields: the catalogue's ratios for the model and year
// range (none when they are no gearbox), the axle ratio unless it is the
// placeholder, and the tire as typed.
SetupTexts StockSetupTexts(std::string_view model, std::string_view yearRange,
                           std::string_view axle, std::string_view tire,
                           const NumberConverter& numbers);

// The early car (1961-1963) with a 3.27 axle on 24-inch tires: what the
// comparison starts from when nothing else is given.
SetupTexts DefaultSetupTexts(const NumberConverter& numbers);

// `texts` with what a page left empty (a stock page with nothing chosen)
// taken from the default setup, so that a comparison never opens on empty
// fields.
SetupTexts CompletedSetupTexts(SetupTexts texts, const NumberConverter& numbers);

// The gearing from its readings, or nothing when any of them has a problem.
std::optional<Gearing> GearingOf(const Outcome<double>& tire, const Outcome<double>& axle,
                                 const std::vector<Outcome<double>>& gears);

// Engine speed at a road speed in `unit`, in one gear of `gearing`, by the
// tables' conversion: truncated to whole revolutions (or to `decimals`
// places), empty when it cannot be computed.
std::optional<double> EngineSpeed(double speed, SpeedUnit unit, const Gearing& gearing, double gear,
                                  int decimals = 0);

// Road speed in `unit` at an engine speed, truncated to `decimals` places.
std::optional<double> RoadSpeed(double rpm, SpeedUnit unit, const Gearing& gearing, double gear,
                                int decimals = 1);

}  // namespace tachoria
