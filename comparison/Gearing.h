#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arith/NumberReading.h"
#include "outcome/Outcome.h"
#include "tires/TireReader.h"

// One gearing to compare: a tire, an axle ratio and one to six forward
// gears, read from what the user typed, and the speed conversions on it.
namespace tachoria {

enum class SpeedUnit { MPH, KMH };

inline constexpr double kKilometresPerMile = 1.609344;
inline constexpr std::size_t kMostGears = 6;

// "MPH" or "km/h".
std::string_view UnitName(SpeedUnit unit);

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

// A number in the user's locale within the range that works (the ranges of
// tables/InputRanges.h); the tire also takes any size the tire reader
// knows ("185/80R13", "818 rev/mi", "24 in"). Every problem says what to type.
Outcome<double> ReadTireField(std::string_view text, const NumberConverter& numbers);
// The tire field's reading with how it was read, for TireDescription: a
// plain number is a tire of TireForm::Inches.
Outcome<Tire> ReadTireSizeField(std::string_view text, const NumberConverter& numbers);
// The same for a text that ReadTire has read already, with `numbers`'
// decimal point, and that is no plain number of `numbers`: not read again.
Outcome<Tire> TireFieldOf(std::string_view text, const Outcome<Tire, TireRefusal>& tire,
                          const NumberConverter& numbers);
Outcome<double> ReadRatioField(std::string_view text, const NumberConverter& numbers);
Outcome<double> ReadRedlineField(std::string_view text, const NumberConverter& numbers);

// What a tire field reads as, shown beside it: "24.65 in, 818 revolutions
// per mile", or for a size what it was read as: "24.97 in (metric, speed
// rating Z), 807 revolutions per mile"; "24.66 in" for "818 rev/mi".
std::string TireDescription(const Tire& tire, const NumberConverter& numbers);

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
