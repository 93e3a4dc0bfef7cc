#pragma once

#include <string_view>

// The two units a road speed is typed and shown in.
namespace tachoria {

enum class SpeedUnit { MPH, KMH };

inline constexpr double kKilometresPerMile = 1.609344;

// "MPH" or "km/h".
constexpr std::string_view UnitName(SpeedUnit unit) {
    return unit == SpeedUnit::MPH ? "MPH" : "km/h";
}

}  // namespace tachoria
