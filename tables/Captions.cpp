#include "tables/Captions.h"

#include <array>

namespace tachoria {

std::string GearName(int gear) {
    static constexpr std::array<std::string_view, 6> kNames = {"1st", "2nd", "3rd",
                                                               "4th", "5th", "6th"};
    return gear >= 1 && gear <= static_cast<int>(kNames.size())
               ? std::string(kNames[static_cast<std::size_t>(gear) - 1])
               : std::to_string(gear) + "th";
}

std::string GearHeader(int gear) { return GearName(gear) + " Gear"; }

}  // namespace tachoria
