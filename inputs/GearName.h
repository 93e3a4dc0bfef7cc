#pragma once

#include <string>

// How a gear is named to the user: in captions, in tables' headers and in
// the reasons of a field of gear ratios.
namespace tachoria {

// A gear by its number, first gear 1: "1st" … "6th", then "7th" and on.
std::string GearName(int gear);

}  // namespace tachoria
