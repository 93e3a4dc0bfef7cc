#pragma once

#include <optional>

namespace tachoria {

// Engine revolutions per minute at one mile per hour, for a one-inch tire and
// unit gearing. Kept at this exact value so results match the tables users
// already know.
inline constexpr double SpeedFactor = 336.135;

// Engine speed for a road speed in one gear, truncated towards minus infinity
// to `decimals` places. Empty when the conversion cannot give a number: a
// division by zero, an input that is not finite, or a result too large to
// write as a whole number.
std::optional<double> RPMFromMPH(double mph, double tireDiameter, double axleRatio,
                                 double gearRatio, int decimals);

// Road speed for an engine speed in one gear; otherwise as RPMFromMPH.
std::optional<double> MPHFromRPM(double rpm, double tireDiameter, double axleRatio,
                                 double gearRatio, int decimals);

}  // namespace tachoria
