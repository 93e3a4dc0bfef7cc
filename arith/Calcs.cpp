#include "arith/Calcs.h"

#include <cmath>

namespace tachoria {
namespace {

// Beyond this a double no longer holds every whole number, and the number text
// would switch to exponent form; no real gearing comes near it.
constexpr double kLargestResult = 1e15;

// Engine revolutions per minute for each mile per hour, or empty when an
// input or the quotient is not finite (a zero tire divides by zero). The
// order of the products is fixed so that every table agrees to the last bit.
std::optional<double> RevsPerMile(double tireDiameter, double axleRatio, double gearRatio) {
    if (!std::isfinite(tireDiameter) || !std::isfinite(axleRatio) || !std::isfinite(gearRatio)) {
        return std::nullopt;
    }
    const double a = axleRatio * SpeedFactor;
    const double b = gearRatio * a;
    const double c = b / tireDiameter;
    if (!std::isfinite(c)) {
        return std::nullopt;
    }
    return c;
}

// Also empty for a result that is not finite (a zero ratio in MPHFromRPM) or
// too large to write as a whole number.
std::optional<double> Truncate(double x, int decimals) {
    const double scale = std::pow(10.0, decimals);
    const double result = std::floor(scale * x) / scale;
    if (!std::isfinite(result) || std::fabs(result) >= kLargestResult) {
        return std::nullopt;
    }
    return result + 0.0;  // no "-0" for a negative zero
}

}  // namespace

std::optional<double> RPMFromMPH(double mph, double tireDiameter, double axleRatio,
                                 double gearRatio, int decimals) {
    const std::optional<double> c = RevsPerMile(tireDiameter, axleRatio, gearRatio);
    if (!c || !std::isfinite(mph)) {
        return std::nullopt;
    }
    return Truncate(mph * *c, decimals);
}

std::optional<double> MPHFromRPM(double rpm, double tireDiameter, double axleRatio,
                                 double gearRatio, int decimals) {
    const std::optional<double> c = RevsPerMile(tireDiameter, axleRatio, gearRatio);
    if (!c || !std::isfinite(rpm)) {
        return std::nullopt;
    }
    return Truncate(rpm / *c, decimals);
}

}  // namespace tachoria
