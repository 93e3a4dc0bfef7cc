#pragma once

#include <optional>
#include <string_view>

#include "tires/TireMessages.h"

// The bias-ply sizes the Corvair left the factory on, "6.50-13", "7.00-13"
// and "7.00-14", read as their published nominal diameters: internal to
// tires/.
namespace tachoria::tires {

// One of the three sizes, written as owners write them: any case, "-", "x"
// or blanks between the numbers, a "B" before the rim, the width without
// its point ("650-13"), then a ply rating ("4PR", "4 ply"), "bias" or a
// mark that says nothing of the diameter ("WSW", "TT"). Nothing when the
// text is no such size, so that every other inch-width size keeps its
// refusal; a refusal when it is one with words after the rim that are not.
std::optional<Reading> ReadPeriodSize(std::string_view typed, char point, bool eitherPoint);

}  // namespace tachoria::tires
