#pragma once

#include "tables/GenericPage.h"

namespace tachoria {

// "Get RPM" of the generic page: engine speed for 10 to 120 MPH in steps of 10.
Table ShowGenericRPM(const GenericPage& page);

}  // namespace tachoria
