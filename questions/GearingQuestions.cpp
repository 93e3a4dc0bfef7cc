#include "questions/GearingQuestions.h"

#include <algorithm>
#include <cmath>
#include <tuple>

#include "arith/Calcs.h"
#include "arith/Num2String.h"
#include "arith/NumberReading.h"
#include "inputs/InputRanges.h"
#include "tires/TireReader.h"

namespace tachoria {
namespace {

double Mph(double speed, SpeedUnit unit) {
    return unit == SpeedUnit::MPH ? speed : speed / kKilometresPerMile;
}

bool Positive(std::initializer_list<double> values) {
    return std::all_of(values.begin(), values.end(),
                       [](double v) { return std::isfinite(v) && v > 0; });
}

constexpr std::string_view kNotPositive = "every number must be greater than 0";

double Percent(double part, double whole) { return (part - whole) / whole * 100; }

// What `ratio` gives at `speed` in `gear` on `tire`, against `rpm`.
AxleCheck Check(double ratio, double rpm, double speed, SpeedUnit unit, double tire, double gear) {
    AxleCheck check;
    check.ratio = ratio;
    check.rpm = EngineSpeed(speed, unit, Gearing{tire, ratio, {gear}}, gear).value_or(0);
    check.offPercent = Percent(check.rpm, rpm);
    check.impliedTire = Mph(speed, unit) * SpeedFactor * ratio * gear / rpm;
    check.impliedRevolutions = RevolutionsPerMile(check.impliedTire);
    return check;
}

double Rounded(double value, int decimals) {
    const double scale = std::pow(10.0, decimals);
    return std::round(value * scale) / scale;
}

std::string Plain(double value) { return PlainNumberConverter().ToText(value); }

// A ratio or diameter that no answer can use, as a message quotes it.
std::string Unusable(double value) {
    return std::fabs(value) < 0.005 ? std::string("less than 0.01") : FixedText(value, 2);
}

// "70 MPH", "112.5 km/h".
std::string Speed(double speed, SpeedUnit unit) {
    return Plain(speed) + " " + std::string(UnitName(unit));
}

Table Titled(std::vector<std::string> headers) {
    return Table{.headers = std::move(headers), .kind = TableKind::Question};
}

}  // namespace

Outcome<AxleAnswer> AxleForTarget(double rpm, double speed, SpeedUnit unit, double tire,
                                  double gear) {
    if (!Positive({rpm, speed, tire, gear})) {
        return Failure{std::string(kNotPositive)};
    }
    AxleAnswer answer;
    answer.ratio = rpm * tire / (Mph(speed, unit) * SpeedFactor * gear);
    if (OutOfRange(answer.ratio, kRatioRange, PlainNumberConverter())) {
        return Failure{"it would take an axle ratio of " + Unusable(answer.ratio) +
                       "; ratios work " + RangeText(kRatioRange, PlainNumberConverter())};
    }
    answer.shown = Check(Rounded(answer.ratio, 2), rpm, speed, unit, tire, gear);
    std::vector<double> factory = CatalogueAxleRatios(kNoGearbox);
    std::stable_sort(factory.begin(), factory.end(), [&answer](double x, double y) {
        return std::fabs(x - answer.ratio) < std::fabs(y - answer.ratio);
    });
    for (std::size_t i = 0; i < std::min<std::size_t>(factory.size(), 2); ++i) {
        answer.nearest.push_back(Check(factory[i], rpm, speed, unit, tire, gear));
    }
    return answer;
}

std::vector<SizeCheck> SizesNear(double diameter, std::size_t count, std::optional<int> rim) {
    const int leastRim = rim.value_or(static_cast<int>(kRimRange.least));
    const int mostRim = rim.value_or(static_cast<int>(kRimRange.most));
    struct Candidate {
        int width, aspect, rim;
        double diameter;
    };
    std::vector<Candidate> all;
    for (int width = 145; width <= 315; width += 10) {
        for (int aspect = 35; aspect <= 85; aspect += 5) {
            for (int on = leastRim; on <= mostRim; ++on) {
                all.push_back({width, aspect, on, MetricDiameter(width, aspect, on)});
            }
        }
    }
    std::sort(all.begin(), all.end(), [diameter](const Candidate& x, const Candidate& y) {
        const double dx = std::fabs(x.diameter - diameter);
        const double dy = std::fabs(y.diameter - diameter);
        if (dx != dy) {
            return dx < dy;
        }
        return std::tie(x.width, x.aspect, x.rim) < std::tie(y.width, y.aspect, y.rim);
    });
    std::vector<SizeCheck> sizes;
    for (std::size_t i = 0; i < std::min(count, all.size()); ++i) {
        const Candidate& c = all[i];
        sizes.push_back(
            {std::to_string(c.width) + "/" + std::to_string(c.aspect) + "R" + std::to_string(c.rim),
             c.diameter, Percent(c.diameter, diameter)});
    }
    return sizes;
}

Outcome<TireAnswer> TireForTarget(double rpm, double speed, SpeedUnit unit, double axle,
                                  double gear, std::optional<int> rim) {
    if (!Positive({rpm, speed, axle, gear})) {
        return Failure{std::string(kNotPositive)};
    }
    TireAnswer answer;
    answer.diameter = Mph(speed, unit) * SpeedFactor * axle * gear / rpm;
    if (OutOfRange(answer.diameter, kTireRange, PlainNumberConverter())) {
        return Failure{"it would take a tire of " + Unusable(answer.diameter) + " in; tires work " +
                       RangeText(kTireRange, PlainNumberConverter())};
    }
    answer.revolutionsPerMile = RevolutionsPerMile(answer.diameter);
    answer.sizes = SizesNear(answer.diameter, 10, rim);
    return answer;
}

Outcome<IdentifyAnswer> IdentifyAxle(double rpm, double speed, SpeedUnit unit, double tire,
                                     double gear, std::span<const double> axles) {
    if (!Positive({rpm, speed, tire, gear})) {
        return Failure{std::string(kNotPositive)};
    }
    if (axles.empty()) {
        return Failure{"there are no axle ratios to check"};
    }
    IdentifyAnswer answer;
    answer.impliedRatio = rpm * tire / (Mph(speed, unit) * SpeedFactor * gear);
    if (OutOfRange(answer.impliedRatio, kRatioRange, PlainNumberConverter())) {
        return Failure{"the reading implies an axle ratio of " + Unusable(answer.impliedRatio) +
                       "; ratios work " + RangeText(kRatioRange, PlainNumberConverter())};
    }
    for (const double ratio : axles) {
        answer.checks.push_back(Check(ratio, rpm, speed, unit, tire, gear));
    }
    std::stable_sort(answer.checks.begin(), answer.checks.end(),
                     [](const AxleCheck& x, const AxleCheck& y) {
                         return std::fabs(x.offPercent) < std::fabs(y.offPercent);
                     });
    answer.fits = std::fabs(Rounded(answer.checks.front().offPercent, 1)) <= kFitPercent;
    return answer;
}

std::vector<double> CatalogueAxleRatios(GearboxCode code) {
    std::vector<double> ratios;
    for (GearboxCode c = 1; c <= 4; ++c) {
        if (code == kNoGearbox || code == c) {
            for (const std::string_view text : AxleRatioTexts(c)) {
                ratios.push_back(LeadingNumberValue(text));
            }
        }
    }
    std::sort(ratios.begin(), ratios.end());
    ratios.erase(std::unique(ratios.begin(), ratios.end()), ratios.end());
    return ratios;
}

Outcome<SpeedometerGearAnswer> SpeedometerGearFor(double teeth, double errorPercent) {
    if (!Positive({teeth}) || !std::isfinite(errorPercent) || errorPercent <= -100) {
        return Failure{"the teeth must be more than 0 and the error more than -100 %"};
    }
    if (OutOfRange(errorPercent, kErrorRange, PlainNumberConverter())) {
        return Failure{"a speedometer " + FixedText(std::fabs(errorPercent), 1) + " % " +
                       (errorPercent > 0 ? "high" : "low") +
                       " needs another drive, not another gear; the gear corrects " +
                       RangeText(kErrorRange, PlainNumberConverter())};
    }
    SpeedometerGearAnswer answer;
    answer.errorPercent = errorPercent;
    // A speedometer that reads high turns its cable too fast for the road:
    // more teeth on the driven gear slow it in proportion.
    answer.teeth = teeth * (1 + errorPercent / 100);
    if (OutOfRange(answer.teeth, kTeethRange, PlainNumberConverter())) {
        return Failure{"it would take " + FixedText(answer.teeth, 2) +
                       " teeth; driven gears have " +
                       RangeText(kTeethRange, PlainNumberConverter())};
    }
    const double fewer = std::max(1.0, std::floor(answer.teeth));
    for (const double whole : {fewer, fewer + 1}) {
        answer.nearest.push_back({static_cast<int>(whole), Percent(answer.teeth, whole)});
    }
    return answer;
}

Outcome<CableAdapterAnswer> CableAdapterFor(double errorPercent) {
    if (!std::isfinite(errorPercent) || errorPercent <= -100) {
        return Failure{"the error must be more than -100 %"};
    }
    if (OutOfRange(errorPercent, kErrorRange, PlainNumberConverter())) {
        return Failure{"a speedometer " + FixedText(std::fabs(errorPercent), 1) + " % " +
                       (errorPercent > 0 ? "high" : "low") +
                       " needs more than a cable ratio adapter; the adapter corrects " +
                       RangeText(kErrorRange, PlainNumberConverter())};
    }
    // A speedometer that reads high turns too fast for the road: the
    // adapter slows the cable in proportion.
    return CableAdapterAnswer{errorPercent, 100 / (100 + errorPercent)};
}

double SpeedometerErrorPercent(const Gearing& a, const Gearing& b, SpeedometerDrive drive) {
    // The speedometer shows the road speed A would make at the shaft's
    // turns; B makes the true one.
    if (drive == SpeedometerDrive::FrontWheel) {
        return Percent(a.tireDiameter, b.tireDiameter);
    }
    return Percent(a.tireDiameter / a.axleRatio, b.tireDiameter / b.axleRatio);
}

Table AxleTable(const AxleAnswer& answer, double speed, SpeedUnit unit) {
    Table table = Titled({"", "Axle ratio", "RPM at " + Speed(speed, unit), "Off %"});
    const auto row = [&table](std::string what, const AxleCheck& check) {
        table.rows.push_back({std::move(what),
                              {FixedText(check.ratio, 2), FixedText(check.rpm, 0),
                               SignedText(check.offPercent, 1)}});
    };
    row("Needed", answer.shown);
    for (const AxleCheck& check : answer.nearest) {
        row("Factory", check);
    }
    return table;
}

Table TireTable(const TireAnswer& answer) {
    Table table = Titled({"", "Tire", "Diameter (in)", "Rev/mi", "Off %"});
    table.rows.push_back({"Needed",
                          {std::string(kNoValue), FixedText(answer.diameter, 2),
                           FixedText(answer.revolutionsPerMile, 0), SignedText(0, 1)}});
    for (const SizeCheck& size : answer.sizes) {
        table.rows.push_back(
            {"Size",
             {size.size, FixedText(size.diameter, 2),
              FixedText(RevolutionsPerMile(size.diameter), 0), SignedText(size.offPercent, 1)}});
    }
    return table;
}

Table IdentifyTable(const IdentifyAnswer& answer, double rpm, double speed, SpeedUnit unit,
                    double tire) {
    Table table = Titled({"", "Axle ratio", "RPM at " + Speed(speed, unit), "Off %",
                          "Tire it implies (in)", "Rev/mi"});
    table.rows.push_back({"Reading",
                          {FixedText(answer.impliedRatio, 2), FixedText(rpm, 0), SignedText(0, 1),
                           FixedText(tire, 2), FixedText(RevolutionsPerMile(tire), 0)}});
    for (const AxleCheck& check : answer.checks) {
        table.rows.push_back(
            {"Factory",
             {FixedText(check.ratio, 2), FixedText(check.rpm, 0), SignedText(check.offPercent, 1),
              FixedText(check.impliedTire, 2), FixedText(check.impliedRevolutions, 0)}});
    }
    return table;
}

Table SpeedometerGearTable(const SpeedometerGearAnswer& answer, double teeth) {
    Table table = Titled({"", "Teeth", "Speedometer error %"});
    table.rows.push_back({"Now", {Plain(teeth), SignedText(answer.errorPercent, 1)}});
    table.rows.push_back({"True", {FixedText(answer.teeth, 2), SignedText(0, 1)}});
    for (const TeethCheck& check : answer.nearest) {
        table.rows.push_back(
            {"Nearest", {std::to_string(check.teeth), SignedText(check.errorPercent, 1)}});
    }
    return table;
}

Table CableAdapterTable(const CableAdapterAnswer& answer) {
    Table table = Titled({"", "Adapter ratio", "Speedometer error %"});
    table.rows.push_back({"Now", {FixedText(1, 3), SignedText(answer.errorPercent, 1)}});
    table.rows.push_back({"True", {FixedText(answer.ratio, 3), SignedText(0, 1)}});
    return table;
}

std::string AxleSummary(const AxleAnswer& answer, double rpm, double speed, SpeedUnit unit) {
    return Plain(rpm) + " RPM at " + Speed(speed, unit) + " takes an axle ratio of " +
           FixedText(answer.ratio, 2) + ".";
}

std::string TireSummary(const TireAnswer& answer, double rpm, double speed, SpeedUnit unit) {
    return Plain(rpm) + " RPM at " + Speed(speed, unit) + " takes a tire of " +
           FixedText(answer.diameter, 2) + " in (" + FixedText(answer.revolutionsPerMile, 0) +
           " revolutions per mile).";
}

std::string IdentifySummary(const IdentifyAnswer& answer) {
    std::string text =
        "The reading implies an axle ratio of " + FixedText(answer.impliedRatio, 2) + "; ";
    if (answer.checks.empty()) {
        return text + "there is no factory ratio to check.";
    }
    const AxleCheck& best = answer.checks.front();
    if (!answer.fits) {
        return text + "no factory ratio comes within " + Plain(kFitPercent) +
               " % of it: the tachometer may be off, the tire may not be the one typed, or the "
               "gearbox may not be stock.";
    }
    return text + "the best factory fit is " + FixedText(best.ratio, 2) + ", which gives " +
           FixedText(best.rpm, 0) + " RPM (" + SignedText(best.offPercent, 1) + " %).";
}

std::string SpeedometerGearSummary(const SpeedometerGearAnswer& answer) {
    const std::string off = FixedText(std::fabs(answer.errorPercent), 1) + " %";
    const std::string reads = answer.errorPercent == 0  ? std::string("The speedometer reads true")
                              : answer.errorPercent > 0 ? "The speedometer reads " + off + " high"
                                                        : "The speedometer reads " + off + " low";
    std::string text =
        reads + "; " + FixedText(answer.teeth, 2) + " teeth on the driven gear make it true";
    for (std::size_t i = 0; i < answer.nearest.size(); ++i) {
        const TeethCheck& check = answer.nearest[i];
        text += (i == 0 ? ": " : ", ") + std::to_string(check.teeth) +
                (check.teeth == 1 ? " tooth leaves " : " teeth leave ") +
                SignedText(check.errorPercent, 1) + " %";
    }
    return text + ".";
}

std::string CableAdapterSummary(const CableAdapterAnswer& answer) {
    const std::string off = FixedText(std::fabs(answer.errorPercent), 1) + " %";
    if (off == "0.0 %") {
        return "The speedometer reads true; it needs no cable ratio adapter.";
    }
    return "The speedometer reads " + off + (answer.errorPercent > 0 ? " high" : " low") +
           "; the left front wheel drives it with no driven gear to change, so a cable ratio "
           "adapter of " +
           FixedText(answer.ratio, 3) + " (" + FixedText(answer.ratio, 3) +
           " turns out for each turn in) makes it true.";
}

}  // namespace tachoria
