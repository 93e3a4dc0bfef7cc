#include "inputs/GearName.h"

#include <array>
#include <string_view>

namespace tachoria {

std::string GearName(int gear) {
    static constexpr std::array<std::string_view, 6> kNames = {"1st", "2nd", "3rd",
                                                               "4th", "5th", "6th"};
    return gear >= 1 && gear <= static_cast<int>(kNames.size())
               ? std::string(kNames[static_cast<std::size_t>(gear) - 1])
               : std::to_string(gear) + "th";
}

}  // namespace tachoria
