#pragma once

#include "tables/GenericPage.h"

namespace tachoria {

// "Get MPH" of the generic page: road speed for 500 to 7000 RPM in steps of 500.
Table ShowGenericMPH(const GenericPage& page);

}  // namespace tachoria
