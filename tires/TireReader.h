#pragma once

#include <string>
#include <string_view>
#include <utility>

#include "outcome/Outcome.h"

// Tire sizes as owners write them (a sidewall, an invoice, a forum post),
// read to the overall diameter in inches that the speed tables use.
namespace tachoria {

// A size code, flotation size or revolutions-per-mile text outside this
// range is refused: no car runs on it, and the tables' numbers would be
// meaningless. Plain inches are left to the caller's own range.
inline constexpr double kSmallestTire = 5;
inline constexpr double kLargestTire = 100;

// The revolutions per mile of a tire `diameter` inches across, or the
// diameter of one that turns `revolutions` times a mile: 63360 ÷ (π × the
// other).
double RevolutionsPerMile(double diameter);

// The overall diameter in inches of a metric size: rim + 2 × width (mm) ×
// aspect ÷ 100 ÷ 25.4. Whole widths and aspects whose products are equal
// give equal diameters.
double MetricDiameter(double width, double aspect, double rim);

enum class TireForm {
    Inches,              // "24", "25.5", "33\"", "24 in", "24in"
    Metric,              // "225/45ZR17", "P185/80R13", "LT265/75R16 120/116S E"
    MetricNoAspect,      // "165R15", "165SR15": read as an 82-series tire
    Flotation,           // "33x12.50R15": diameter × width, then the rim
    RevolutionsPerMile,  // "818 rev/mi": the loaded, rolling tire
    PeriodBias,          // "6.50-13", "7.00-13", "7.00-14": the Corvair's factory
                         // bias sizes, at their published nominal diameters
};

struct Tire {
    double diameter = 0;  // inches
    TireForm form = TireForm::Inches;
    // What was read, for the user: "225/45ZR17 = 24.97 in (metric, speed
    // rating Z)", "818 rev/mi = 24.66 in", "165R15 = 25.65 in (metric, no
    // aspect ratio: read as 82-series)", "33x12.50R15 = 33 in (flotation)",
    // "33\" = 33 in", "24 in", "6.50-13 = 24.70 in (period bias size, nominal;
    // ...)"; numbers written with the caller's decimal point.
    std::string note;
    // The note without the text: "24.97 in (metric, speed rating Z)", for
    // a place that shows the text beside it.
    std::string readsAs;
};

// For a text ReadTire refuses: what a box that reads plain numbers its own
// way should make of it.
enum class UnreadTire {
    NotASize,       // no tire size at all ("abc", "24abc", "1e5", "-24"): the box's
                    // own reading
    DiameterFirst,  // a flotation size, unfinished ("33x", "33x12.50"), out of
                    // range or with a fault: it starts with the diameter
    NoDiameter,     // a metric code, finished or not ("225/45R", "P215/"), out of
                    // range or with a fault; an inch-width size other than the
                    // period ones ("6.50-14", "7.00x15") or a letter size
                    // ("E78-14"); a revolutions-per-mile text that gives no
                    // tire ("818 rev/km", "-818 rev/mi", "818 rpm"): the
                    // number it starts with is no diameter
};

// Why ReadTire gives no tire: the message, and the kind of text refused, so
// that no caller reads the text again to learn it.
struct TireRefusal : Failure {
    UnreadTire kind = UnreadTire::NotASize;

    TireRefusal(std::string message, UnreadTire kind) : Failure{std::move(message)}, kind(kind) {}
    friend bool operator==(const TireRefusal&, const TireRefusal&) = default;
};

// The tire `text` describes, or why it describes none, in the user's terms
// and without quoting the text (save a word after the rim it cannot read):
// "the rim diameter is missing", "the width is 0", "there is no width and
// rim", "an inch-width size: type the tire's diameter, or its revolutions per
// mile from the tire's data" (the three period bias sizes excepted: they
// read). Blanks pasted from elsewhere (no-break spaces, tabs, line breaks)
// and the curly inch marks read as plain ones; a full stop or comma ending a
// size is left out. A plain number of inches ("25.5") is written with
// `decimalPoint`, '.' or ',', and only with it; where it is ',' a size may
// also be written with '.' ("235/75R17.5", "818.5 rev/mi"), as sidewalls
// print it. Where it is '.', a ',' inside a size is refused.
// The refusal converts to a plain Outcome<Tire> or passes on as a Failure.
Outcome<Tire, TireRefusal> ReadTire(std::string_view text, char decimalPoint = '.');

}  // namespace tachoria
