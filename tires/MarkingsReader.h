#pragma once

#include <optional>

#include "tires/TireLexer.h"

// The markings after the rim of a metric or flotation size: internal to
// tires/.
namespace tachoria::tires {

// What may follow the rim: "LT" or "C" right after it, then a service
// description ("94W", "94 W", "120/116S"), a load range ("E", "LRE", "LR E",
// "Load Range E") and marks that say nothing of the diameter ("XL", "Extra
// Load", "RFT", "M+S", ...), each once.
// Nothing when every one is read, else why not.
std::optional<Problem> ReadAfterRim(Cursor& cursor);

}  // namespace tachoria::tires
