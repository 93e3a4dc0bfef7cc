#pragma once

#include <string_view>

#include "tires/TireLexer.h"

// Metric size codes: "225/45ZR17", "P185/80R13", "165R15": internal to
// tires/.
namespace tachoria::tires {

// A metric size that writes no aspect ratio ("165R15") is of the 82 series.
inline constexpr double kUnwrittenAspect = 82;
// Metric widths are millimetres, far above this even on a moped; a first
// number below it is a width in inches ("6.50-13", "7.50R16").
inline constexpr double kWidestInchWidth = 30;
// Aspect ratios of metric tires, from low-profile sports to motorcycle
// sizes: outside them a number was mistyped, or was no aspect ratio at all
// ("31/10.50R15" means a flotation size).
inline constexpr double kLowestAspect = 20;
inline constexpr double kHighestAspect = 120;

// "225/45ZR17", "165R15": width in millimetres, aspect ratio in percent (82
// when not written), construction, rim in inches.
// `width` is read; `prefixed` when "P", "LT", ... came before it.
Reading ReadMetric(Cursor& cursor, std::string_view typed, const Number& width, bool prefixed,
                   char point);

}  // namespace tachoria::tires
