#pragma once

#include <string_view>

#include "tires/TireLexer.h"

// A plain number of inches: "24", "25.5", "33\"", "24 in": internal to
// tires/.
namespace tachoria::tires {

// Whether `unit`, squeezed, is nothing or a unit of inches.
bool IsInchUnit(std::string_view unit);

Reading ReadInches(std::string_view typed, const Number& number, std::string_view unit, char point);

}  // namespace tachoria::tires
