#pragma once

#include <string_view>

#include "tires/TireLexer.h"

// Flotation sizes: "33x12.50R15", the diameter first: internal to tires/.
namespace tachoria::tires {

// "33x12.50R15": diameter, "x", width, then the rim as a metric size has it.
// The cursor is past the "x".
Reading ReadFlotation(Cursor& cursor, std::string_view typed, const Number& diameter, char point);

}  // namespace tachoria::tires
