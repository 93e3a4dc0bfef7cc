#pragma once

#include <string_view>

#include "tires/TireLexer.h"

// Revolutions per mile, of the loaded, rolling tire: "818 rev/mi":
// internal to tires/.
namespace tachoria::tires {

// Whether `unit`, squeezed, is one of the ways of writing rev/mi.
bool IsRevolutionUnit(std::string_view unit);

// "818 rev", "818 rev./mi", "818 revs/km", "818 tr/mi": meant as revolutions
// per mile, whatever the spelling; the number is none of the tire's sizes.
bool MeansRevolutions(std::string_view unit);

Reading ReadRevolutions(std::string_view typed, const Number& revolutions, char point);

}  // namespace tachoria::tires
