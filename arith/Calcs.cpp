#include "arith/Calcs.h"

#include <cmath>

namespace tachoria {
namespace {

// Beyond this a double no longer holds every whole number, and the number text
// would switch to exponent form; no real gearing comes near it.
constexpr double kLargestResult = 1e15;

// Engine revolutions per minute for each mile per hour. The order of the
// products is fixed so that every table agrees to the last bit.
double RevsPerMile(double tireDiameter, double axleRatio, double gearRatio) {
    const double a = axleRatio * SpeedFactor;
    const double b = gearRatio * a;
    return b / tireDiameter;
}

std::optional<double> Truncate(double x, int decimals) {
    if (!std::isfinite(x)) {  // includes a division by zero
        return std::nullopt;
    }
    const double scale = std::pow(10.0, decimals);
    const double result = std::floor(scale * x) / scale;
    if (!std::isfinite(result) || std::fabs(result) >= kLargestResult) {
        return std::nullopt;
    }
    return result + 0.0;  // no "-0" for a negative zero
}

bool AllFinite(double a, double b, double c, double d) {
    return std::isfinite(a) && std::isfinite(b) && std::isfinite(c) && std::isfinite(d);
}

}  // namespace

std::optional<double> RPMFromMPH(double mph, double tireDiameter, double axleRatio,
                                 double gearRatio, int decimals) {
    if (!AllFinite(mph, tireDiameter, axleRatio, gearRatio)) {
        return std::nullopt;
    }
    const double c = RevsPerMile(tireDiameter, axleRatio, gearRatio);
    if (!std::isfinite(c)) {
        return std::nullopt;
    }
    return Truncate(mph * c, decimals);
}

std::optional<double> MPHFromRPM(double rpm, double tireDiameter, double axleRatio,
                                 double gearRatio, int decimals) {
    if (!AllFinite(rpm, tireDiameter, axleRatio, gearRatio)) {
        return std::nullopt;
    }
    const double c = RevsPerMile(tireDiameter, axleRatio, gearRatio);
    if (!std::isfinite(c)) {  // a zero tire would otherwise give 0 MPH, not a failure
        return std::nullopt;
    }
    return Truncate(rpm / c, decimals);
}

}  // namespace tachoria
