#pragma once

#include <optional>
#include <string>
#include <vector>

#include "comparison/Gearing.h"
#include "tables/Table.h"

// Two gearings side by side, A ("now") and B ("planned"): engine speed at
// cruising speeds, what each gear does at the redline, and how far off the
// speedometer reads after the change. Every number comes from the tables'
// conversions, with their truncation.
namespace tachoria {

// A result that cannot be given (a setup with a bad field) is shown so.
inline constexpr std::string_view kNoValue = "\u2014";

inline constexpr double kDefaultRedline = 5500;

// How the numbers are rounded, for the window's footnote.
inline constexpr std::string_view kRoundingNote =
    "RPM truncated to whole; speeds truncated to 0.1; speedometer readings and % rounded to "
    "0.1.";

struct CruiseRow {
    double speed;
    std::optional<double> a;  // engine speed in A's top gear
    std::optional<double> b;
};

struct GearRow {
    int gear;  // 1 for first
    // Road speed at the redline in this gear, and the engine speed after
    // shifting up to the next gear at that road speed (none from top gear).
    std::optional<double> aSpeed;
    std::optional<double> aAfterShift;
    std::optional<double> bSpeed;
    std::optional<double> bAfterShift;
};

// A's speedometer (driven from the transmission output, true with A's tire
// and axle) after the change to B's.
struct Speedometer {
    double reference = 60;                // 60 MPH or 100 km/h
    std::optional<double> readsAtTrue;    // what it shows at a true `reference`
    std::optional<double> trueAtReading;  // the true speed when it shows `reference`
    std::optional<double> errorPercent;   // how far it reads over (+) or under (-)
};

struct Comparison {
    SpeedUnit unit = SpeedUnit::MPH;
    std::optional<double> redline;
    std::vector<CruiseRow> cruise;
    std::vector<GearRow> gears;
    std::size_t aGears = 0;  // forward gears of A, 0 when A has a bad field
    std::size_t bGears = 0;
    Speedometer speedometer;
};

// Cruise rows run 50, 55, … 80 MPH or 80, 90, … 130 km/h; gear rows cover
// the gears of the setup with more of them.
Comparison Compare(const std::optional<Gearing>& a, const std::optional<Gearing>& b,
                   std::optional<double> redline, SpeedUnit unit);

// The results as tables, for the window's lists, copying, saving and
// printing. Missing values are kNoValue. The gear table gives, for each
// gear, the road speed at the redline and the engine RPM in the next gear
// after shifting up there.
Table CruiseTable(const Comparison& comparison);
Table GearTable(const Comparison& comparison);
Table SpeedometerTable(const Comparison& comparison);

}  // namespace tachoria
