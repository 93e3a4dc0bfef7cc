#pragma once

#include <optional>
#include <string>
#include <string_view>

#include <cstddef>

#include "arith/NumberReading.h"
#include "inputs/SpeedUnit.h"
#include "tires/TireReader.h"

// The values every calculation beyond the main window's two pages accepts:
// the comparison, the command line and what comes after them. Outside
// them a result is no gearing anyone drives, or a number too large to
// write without an exponent.
namespace tachoria {

struct InputRange {
    double least;
    double most;
    std::string_view unit;  // written after the numbers: "in", "RPM", or none
};

inline constexpr InputRange kTireRange{.least = kSmallestTire, .most = kLargestTire, .unit = "in"};
inline constexpr InputRange kRatioRange{.least = 0.05, .most = 50, .unit = ""};
inline constexpr InputRange kRedlineRange{.least = 100, .most = 30000, .unit = "RPM"};
// Any engine speed typed (a target, a tachometer's reading): a redline's.
inline constexpr InputRange kEngineSpeedRange = kRedlineRange;
// Road speeds that cars drive at, in either unit.
inline constexpr InputRange kMphRange{.least = 1, .most = 300, .unit = "MPH"};
inline constexpr InputRange kKmhRange{.least = 1, .most = 500, .unit = "km/h"};
constexpr const InputRange& SpeedRange(SpeedUnit unit) {
    return unit == SpeedUnit::MPH ? kMphRange : kKmhRange;
}
// A gearbox's forward gears.
inline constexpr std::size_t kMostGears = 6;
// The speedometer's driven gear: whole teeth, and no more than a cable
// drive's gear has.
inline constexpr InputRange kTeethRange{.least = 1, .most = 100, .unit = ""};
// The rims of the sizes a tire question offers, in whole inches.
inline constexpr InputRange kRimRange{.least = 13, .most = 20, .unit = "in"};
// How far a speedometer reads off: half again as fast or slower is a wrong
// gear, not an error to correct by a tooth or two.
inline constexpr InputRange kErrorRange{.least = -50, .most = 50, .unit = "%"};

// "from 5 to 100 in", numbers written by `numbers` ("0,05" in a comma
// locale).
std::string RangeText(const InputRange& range, const NumberConverter& numbers);

// Why `value` cannot be used, or nothing when it lies in `range`:
// "Out of range: use 5 to 100 in." Not finite is out of range too.
std::optional<std::string> OutOfRange(double value, const InputRange& range,
                                      const NumberConverter& numbers);

}  // namespace tachoria
