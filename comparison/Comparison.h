#pragma once

#include <optional>
#include <string>
#include <vector>

#include "catalogue/StockCatalogue.h"
#include "comparison/Gearing.h"
#include "inputs/Defaults.h"
#include "tables/Table.h"

// Two gearings side by side, A ("now") and B ("planned"): engine speed at
// cruising speeds, what each gear does at the redline, and how far off the
// speedometer reads after the change. Every number comes from the tables'
// conversions, with their truncation.
namespace tachoria {

// SpeedometerDrive (catalogue/StockCatalogue.h): what drives the
// speedometer; each model line of the catalogue says which.

// What each drive means, for the speedometer's footnote.
inline constexpr std::string_view kSpeedometerDriveNote =
    "A speedometer driven from the transmission (on a Corvair, the transaxle: the early cars and "
    "the Forward Control) follows the tire and the axle ratio; one driven from the left front "
    "wheel (the late cars, 1965-1969) follows only that wheel's tire (A's and B's tires are "
    "taken as the front tires).";

// The note on a cruise cell whose engine speed lies past the redline, and
// the sign that stands beside such a cell where no colour shows it.
inline constexpr std::string_view kOverRedline = "over the redline";
inline constexpr std::string_view kNoteSign = "\u25B2";

// The captions of the three result tables: over the window's lists, on the
// printed page and on the command line.
inline constexpr std::string_view kCruiseCaption = "Cruise: engine RPM in top gear";
inline constexpr std::string_view kGearsCaption =
    "Each gear at the redline: speed, and RPM after shifting up";
inline constexpr std::string_view kSpeedometerCaption = "Speedometer after the change";

// How the numbers are rounded, for the window's footnote.
inline constexpr std::string_view kRoundingNote =
    "RPM truncated to whole; speeds truncated to 0.1; speedometer readings and % rounded to "
    "0.1, the cruise change in % worked from the RPM shown.";

struct CruiseRow {
    double speed;
    std::optional<double> a;  // engine speed in A's top gear
    std::optional<double> b;
    // B's engine speed over A's, in %, from the truncated speeds the row
    // shows, so that an owner's own sum with them agrees.
    std::optional<double> changePercent;
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

// A's speedometer (true with A's tire and, from the transmission, A's axle)
// after the change to B's.
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
    SpeedometerDrive drive = SpeedometerDrive::Transmission;
    Speedometer speedometer;
};

// Cruise rows run 50, 55, … 80 MPH or 80, 90, … 130 km/h; gear rows cover
// the gears of the setup with more of them, and at least `gearFields` (the
// gear fields on show), so that an unusable setup still shows its rows.
Comparison Compare(const std::optional<Gearing>& a, const std::optional<Gearing>& b,
                   std::optional<double> redline, SpeedUnit unit, std::size_t gearFields = 0,
                   SpeedometerDrive drive = SpeedometerDrive::Transmission);

// The engine speed after shifting from `fromGear` up to `toGear` at `rpm`:
// the road speed stays, so it is rpm × toGear ÷ fromGear, truncated to
// whole revolutions (after rounding to a millionth, so that a quotient that
// is whole is not cut to the number below it by the double's error).
std::optional<double> RpmAfterUpshift(double rpm, double fromGear, double toGear);

// The results as tables, for the window's lists, copying, saving and
// printing. Missing values are kNoValue. The gear table gives, for each
// gear, the road speed at the redline and the engine RPM in the next gear
// after shifting up there. Cruise cells past the redline carry the note
// kOverRedline, as do upshifts that land past it (a higher ratio typed
// after a lower one). The speedometer reads as an owner says it: what it shows at
// a true 60 MPH, the true speed when it shows 60, and how far it is off.
Table CruiseTable(const Comparison& comparison);
Table GearTable(const Comparison& comparison);
Table SpeedometerTable(const Comparison& comparison);

// `table` with kNoteSign after every cell that has a note: for a printed
// page or a terminal, where no colour or tooltip shows it.
Table WithNoteSigns(Table table);

}  // namespace tachoria
