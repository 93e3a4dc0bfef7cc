#pragma once

#include <optional>
#include <span>
#include <string>
#include <vector>

#include "catalogue/StockCatalogue.h"
#include "comparison/Comparison.h"
#include "comparison/Gearing.h"
#include "outcome/Outcome.h"
#include "tables/Table.h"

// The reverse questions owners ask of a gearing: which axle ratio or tire
// gives an engine speed at a road speed, which axle ratio a car has by its
// tachometer, and which speedometer gear makes the speedometer true. Every
// engine speed checked against a target uses the tables' conversion and
// truncation, so that an answer reproduces the table the owner then looks up.
namespace tachoria {

// Within this of the reading, a factory axle ratio explains it.
inline constexpr double kFitPercent = 4;

// One factory axle ratio checked against a target or a reading: the engine
// speed it gives (truncated, as the tables) and how far that is from the
// target, in %.
struct AxleCheck {
    double ratio = 0;
    double rpm = 0;
    double offPercent = 0;
    // For the tachometer question: the tire diameter (in) and revolutions
    // per mile that the reading implies if this ratio is the one fitted.
    double impliedTire = 0;
    double impliedRevolutions = 0;
};

// 1. "Which axle ratio gives `rpm` at `speed` in this gear on this tire?"
struct AxleAnswer {
    double ratio = 0;  // exact; shown to 0.01
    // The ratio as shown, checked as the factory ones are: what a table
    // with it would give.
    AxleCheck shown;
    std::vector<AxleCheck> nearest;  // the two factory ratios nearest to it, nearest first
};
Outcome<AxleAnswer> AxleForTarget(double rpm, double speed, SpeedUnit unit, double tire,
                                  double gear);

// A metric size of a given diameter: "225/60R16".
struct SizeCheck {
    std::string size;
    double diameter = 0;    // inches
    double offPercent = 0;  // from the diameter asked for
};

// 2. "Which tire diameter gives `rpm` at `speed` with this axle and gear?"
struct TireAnswer {
    double diameter = 0;            // inches; shown to 0.01
    double revolutionsPerMile = 0;  // 63360 ÷ (π × diameter)
    std::vector<SizeCheck> sizes;   // the ten metric sizes nearest to it, nearest first
};
// `rim`: the sizes only on that rim (in inches), as on a car's own wheels;
// on any rim of kRimRange without one.
Outcome<TireAnswer> TireForTarget(double rpm, double speed, SpeedUnit unit, double axle,
                                  double gear, std::optional<int> rim = std::nullopt);

// The metric sizes searched: widths 145 to 315 mm by 10, aspect ratios 35 to
// 85 by 5, rims 13 to 20 in (or only `rim`); the `count` nearest to
// `diameter`, ties broken by width, then aspect ratio.
std::vector<SizeCheck> SizesNear(double diameter, std::size_t count,
                                 std::optional<int> rim = std::nullopt);

// 3. "My tachometer reads `rpm` at a true `speed` in a gear of ratio
// `gear`": the axle ratio that implies, and each of `axles` checked against
// the reading, best first.
struct IdentifyAnswer {
    double impliedRatio = 0;
    std::vector<AxleCheck> checks;  // best first
    bool fits = false;              // the best is within kFitPercent
};
Outcome<IdentifyAnswer> IdentifyAxle(double rpm, double speed, SpeedUnit unit, double tire,
                                     double gear, std::span<const double> axles);

// The axle ratios the catalogue offers with a gearbox, or every ratio it
// offers at all for kNoGearbox (typed gears), lowest first.
std::vector<double> CatalogueAxleRatios(GearboxCode code);

// 4. "My speedometer's driven gear has `teeth` teeth and reads
// `errorPercent` high (+) or low (-)": the teeth that make it true, and the
// two nearest whole numbers of teeth with the error each leaves.
struct TeethCheck {
    int teeth = 0;
    double errorPercent = 0;
};
struct SpeedometerGearAnswer {
    double errorPercent = 0;          // as given, or from the change of setup
    double teeth = 0;                 // that make it true; shown to 0.01
    std::vector<TeethCheck> nearest;  // the two nearest whole numbers, fewer first
};
Outcome<SpeedometerGearAnswer> SpeedometerGearFor(double teeth, double errorPercent);

// 4, driven from a front wheel: the wheel turns the cable through the
// hub's dust cap, with no driven gear to change, so what makes the
// speedometer true is a cable ratio adapter: the ratio of its output turns
// to its input turns.
struct CableAdapterAnswer {
    double errorPercent = 0;  // as given, or from the change of tires
    double ratio = 1;         // that makes it true; shown to 0.001
};
Outcome<CableAdapterAnswer> CableAdapterFor(double errorPercent);

// How far a speedometer true with `a` reads off (+ high) once `b` is fitted.
// From a front wheel only the tires count; A's and B's tires are taken as
// the front tires.
double SpeedometerErrorPercent(const Gearing& a, const Gearing& b, SpeedometerDrive drive);

// The answers as tables, for the window's lists, copying, saving, printing
// and the command line. The first column says what a row is ("Needed",
// "Factory", "Size", "Reading", "Now", "True", "Nearest").
Table AxleTable(const AxleAnswer& answer, double speed, SpeedUnit unit);
Table TireTable(const TireAnswer& answer);
Table IdentifyTable(const IdentifyAnswer& answer, double rpm, double speed, SpeedUnit unit,
                    double tire);
Table SpeedometerGearTable(const SpeedometerGearAnswer& answer, double teeth);
Table CableAdapterTable(const CableAdapterAnswer& answer);

// One sentence for the user: "2800 RPM at 70 MPH takes an axle ratio of
// 2.86."; for the
// tachometer question, the best fit or, when none is within kFitPercent,
// that the reading points to a tachometer error, a different tire or a
// gearbox that is not stock.
std::string AxleSummary(const AxleAnswer& answer, double rpm, double speed, SpeedUnit unit);
std::string TireSummary(const TireAnswer& answer, double rpm, double speed, SpeedUnit unit);
std::string IdentifySummary(const IdentifyAnswer& answer);
std::string SpeedometerGearSummary(const SpeedometerGearAnswer& answer);
std::string CableAdapterSummary(const CableAdapterAnswer& answer);

// Footnotes: how the numbers are rounded, and for the tachometer question
// that a size code overstates a loaded tire's rolling diameter by about 2-3 %
// while the maker's revolutions per mile give the best answer.
inline constexpr std::string_view kQuestionsRoundingNote =
    "Engine speeds are truncated to whole RPM, as the tables give them; ratios, diameters and "
    "teeth are rounded to 0.01, percentages to 0.1.";
inline constexpr std::string_view kRollingTireNote =
    "A size code overstates a loaded tire's rolling diameter by about 2-3 %; the revolutions "
    "per mile from the tire's maker give the best answer.";
// With the Powerglide, for the tachometer question: its torque converter
// slips a little even at cruise.
inline constexpr std::string_view kConverterSlipNote =
    "With the Powerglide, the torque converter slips at cruise, so the tachometer reads a few "
    "per cent above the table.";
// For the speedometer question driven from a front wheel.
inline constexpr std::string_view kCableAdapterNote =
    "A front wheel drives the speedometer's cable through the hub's dust cap, with no driven "
    "gear to change; a cable ratio adapter corrects it. Its ratio is its output turns for each "
    "input turn, rounded to 0.001.";

}  // namespace tachoria
