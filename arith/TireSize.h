#pragma once

#include <optional>
#include <string>
#include <string_view>

namespace tachoria {

// The overall diameter in inches of a metric tire size code such as
// "185/80R13", "P185/80 R13" or "195/70-14": width in mm, "/", aspect ratio
// in percent, "R", "-" or a blank, rim diameter in inches, with an optional
// "P" or "LT" in front. Case and blanks around the parts do not matter.
// Empty unless the whole text is such a code.
std::optional<double> TireSizeDiameter(std::string_view text);

// "185/80R13 = 24.65 in" for a size code, "" for anything else: tells the
// user which diameter the tables use.
std::string TireSizeNote(std::string_view text);

}  // namespace tachoria
