#include "comparison/Comparison.h"

#include <algorithm>
#include <cmath>

#include "arith/Calcs.h"
#include "arith/Num2String.h"

namespace tachoria {
namespace {

// Percentages and engine speeds past this are no gearing anyone drives, and
// would not fit.
constexpr double kLargestShown = 1e9;
// Enough places that the speedometer's intermediate numbers lose nothing a
// reading to 0.1 could show.
constexpr int kExact = 9;

std::string Text(const std::optional<double>& value, int decimals) {
    if (!value) {
        return std::string(kNoValue);
    }
    return FixedText(*value, decimals);
}

// Rounded half away from zero to `decimals` places, with its sign: "+4.2",
// "-3.5", "0.0".
std::string Signed(const std::optional<double>& value, int decimals) {
    return value ? SignedText(*value, decimals) : std::string(kNoValue);
}

std::optional<double> Percent(double part, double whole) {
    if (whole == 0) {
        return std::nullopt;
    }
    const double percent = (part - whole) / whole * 100;
    if (!std::isfinite(percent) || std::fabs(percent) >= kLargestShown) {
        return std::nullopt;
    }
    return percent;
}

std::optional<double> TopGearSpeed(const std::optional<Gearing>& gearing, double speed,
                                   SpeedUnit unit, int decimals = 0) {
    if (!gearing) {
        return std::nullopt;
    }
    return EngineSpeed(speed, unit, *gearing, gearing->gears.back(), decimals);
}

// Speed at the redline in gear `index`, and where the engine lands in the
// next gear after an upshift there. The road speed does not change in the
// shift, so the landing depends on the two ratios only, whatever the tire,
// axle or unit; it is worked out from them, not from the rounded speed.
void AtRedline(const std::optional<Gearing>& gearing, std::optional<double> redline, SpeedUnit unit,
               std::size_t index, std::optional<double>& speed, std::optional<double>& afterShift) {
    if (!gearing || !redline || index >= gearing->gears.size()) {
        return;
    }
    speed = RoadSpeed(*redline, unit, *gearing, gearing->gears[index]);
    if (index + 1 < gearing->gears.size()) {
        afterShift = RpmAfterUpshift(*redline, gearing->gears[index], gearing->gears[index + 1]);
    }
}

// The speed the speedometer shows at `speed` on `driven`, when it was set up
// for `calibrated`: the output shaft turns at the engine speed of a 1:1
// gear. The conversions run to many places and the reading is rounded to
// 0.1, since a round trip of truncations would read a true 60 as 59.9.
std::optional<double> Shown(double speed, SpeedUnit unit, const Gearing& driven,
                            const Gearing& calibrated) {
    const double mph = unit == SpeedUnit::MPH ? speed : speed / kKilometresPerMile;
    const std::optional<double> shaft =
        RPMFromMPH(mph, driven.tireDiameter, driven.axleRatio, 1, kExact);
    if (!shaft) {
        return std::nullopt;
    }
    return RoadSpeed(*shaft, unit, calibrated, 1, kExact);
}

std::optional<double> RoundedToTenths(const std::optional<double>& value) {
    if (!value) {
        return std::nullopt;
    }
    return std::round(*value * 10) / 10;
}

Speedometer SpeedometerOf(const std::optional<Gearing>& a, std::optional<Gearing> b, SpeedUnit unit,
                          SpeedometerDrive drive) {
    Speedometer speedometer;
    speedometer.reference = unit == SpeedUnit::MPH ? 60 : 100;
    if (!a || !b) {
        return speedometer;
    }
    // A front wheel turns with its tire alone: B's axle changes nothing.
    if (drive == SpeedometerDrive::FrontWheel) {
        b->axleRatio = a->axleRatio;
    }
    const std::optional<double> reads = Shown(speedometer.reference, unit, *b, *a);
    speedometer.readsAtTrue = RoundedToTenths(reads);
    speedometer.trueAtReading = RoundedToTenths(Shown(speedometer.reference, unit, *a, *b));
    if (reads) {
        speedometer.errorPercent = Percent(*reads, speedometer.reference);
    }
    return speedometer;
}

// The note for an engine speed past the redline, or "".
std::string OverRedline(const Comparison& comparison, const std::optional<double>& rpm) {
    return rpm && comparison.redline && *rpm > *comparison.redline ? std::string(kOverRedline)
                                                                   : std::string();
}

Table Titled(std::vector<std::string> headers) {
    return Table{.headers = std::move(headers), .kind = TableKind::Comparison};
}

}  // namespace

std::optional<double> RpmAfterUpshift(double rpm, double fromGear, double toGear) {
    // Rounded to a millionth first: 5500 × 1.47 ÷ 2.2 is 3675 exactly, and
    // a double's 3674.9999… must not truncate to 3674.
    const double exact = rpm * toGear / fromGear;
    const double landing = std::floor(std::round(exact * 1e6) / 1e6);
    if (!std::isfinite(landing) || landing >= kLargestShown) {
        return std::nullopt;
    }
    return landing + 0.0;
}

Comparison Compare(const std::optional<Gearing>& a, const std::optional<Gearing>& b,
                   std::optional<double> redline, SpeedUnit unit, std::size_t gearFields,
                   SpeedometerDrive drive) {
    Comparison comparison;
    comparison.unit = unit;
    comparison.redline = redline;
    const double first = unit == SpeedUnit::MPH ? 50 : 80;
    const double last = unit == SpeedUnit::MPH ? 80 : 130;
    const double step = unit == SpeedUnit::MPH ? 5 : 10;
    for (double speed = first; speed <= last; speed += step) {
        CruiseRow& row = comparison.cruise.emplace_back(
            CruiseRow{speed, TopGearSpeed(a, speed, unit), TopGearSpeed(b, speed, unit), {}});
        // From the whole RPM shown, not the exact speeds: 1759 ÷ 1194 is
        // +147.3 %, and so must the row say.
        if (row.a && row.b) {
            row.changePercent = Percent(*row.b, *row.a);
        }
    }
    comparison.aGears = a ? a->gears.size() : 0;
    comparison.bGears = b ? b->gears.size() : 0;
    const std::size_t gears =
        std::max({comparison.aGears, comparison.bGears, std::min(gearFields, kMostGears)});
    for (std::size_t i = 0; i < gears; ++i) {
        GearRow row{static_cast<int>(i) + 1, {}, {}, {}, {}};
        AtRedline(a, redline, unit, i, row.aSpeed, row.aAfterShift);
        AtRedline(b, redline, unit, i, row.bSpeed, row.bAfterShift);
        comparison.gears.push_back(row);
    }
    comparison.drive = drive;
    comparison.speedometer = SpeedometerOf(a, b, unit, drive);
    return comparison;
}

Table CruiseTable(const Comparison& comparison) {
    Table table = Titled(
        {std::string(UnitName(comparison.unit)), "A RPM", "B RPM", "Change RPM", "Change %"});
    for (const CruiseRow& row : comparison.cruise) {
        std::optional<double> change;
        if (row.a && row.b) {
            change = *row.b - *row.a;
        }
        const std::optional<double>& percent = row.changePercent;
        TableRow& shown = table.rows.emplace_back(
            TableRow{Text(row.speed, 0),
                     {Text(row.a, 0), Text(row.b, 0), Signed(change, 0), Signed(percent, 1)},
                     {}});
        const std::string a = OverRedline(comparison, row.a);
        const std::string b = OverRedline(comparison, row.b);
        if (!a.empty() || !b.empty()) {
            shown.notes = {a, b, "", ""};
        }
    }
    return table;
}

Table GearTable(const Comparison& comparison) {
    const std::string unit(UnitName(comparison.unit));
    Table table = Titled(
        {"Gear", "A " + unit, "A RPM after shifting up", "B " + unit, "B RPM after shifting up"});
    for (const GearRow& row : comparison.gears) {
        // A setup's top gear has no upshift: its cell is blank.
        const auto afterShift = [&row](std::size_t gears, const std::optional<double>& rpm) {
            return static_cast<std::size_t>(row.gear) == gears ? std::string() : Text(rpm, 0);
        };
        TableRow& shown = table.rows.emplace_back(
            TableRow{std::to_string(row.gear),
                     {Text(row.aSpeed, 1), afterShift(comparison.aGears, row.aAfterShift),
                      Text(row.bSpeed, 1), afterShift(comparison.bGears, row.bAfterShift)},
                     {}});
        // A "shift up" to a lower gear lands past the redline.
        const std::string a = OverRedline(comparison, row.aAfterShift);
        const std::string b = OverRedline(comparison, row.bAfterShift);
        if (!a.empty() || !b.empty()) {
            shown.notes = {"", a, "", b};
        }
    }
    return table;
}

Table SpeedometerTable(const Comparison& comparison) {
    const Speedometer& s = comparison.speedometer;
    const std::string unit(UnitName(comparison.unit));
    const std::string reference = Text(s.reference, 0) + " " + unit;
    Table table = Titled({"Your speedometer (true with A), with B fitted", unit});
    table.rows.push_back({"shows at a true " + reference, {Text(s.readsAtTrue, 1)}, {}});
    table.rows.push_back({"true speed when it shows " + reference, {Text(s.trueAtReading, 1)}, {}});
    std::string error = std::string(kNoValue);
    if (s.errorPercent) {
        const std::string size = Text(std::fabs(std::round(*s.errorPercent * 10) / 10), 1);
        error = size == "0.0" ? "exact" : size + " % " + (*s.errorPercent > 0 ? "high" : "low");
    }
    table.rows.push_back({"reads", {error}, {}});
    return table;
}

Table WithNoteSigns(Table table) {
    for (TableRow& row : table.rows) {
        for (std::size_t c = 0; c < row.notes.size() && c < row.cells.size(); ++c) {
            if (!row.notes[c].empty()) {
                row.cells[c] += ' ';
                row.cells[c] += kNoteSign;
            }
        }
    }
    return table;
}

}  // namespace tachoria
