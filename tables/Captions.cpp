#include "tables/Captions.h"

namespace tachoria {

std::string GearHeader(int gear) { return GearName(gear) + " Gear"; }

}  // namespace tachoria
