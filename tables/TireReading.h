#pragma once

#include <string>
#include <string_view>

#include "arith/NumberReading.h"

// What a tire box's text reads as, told to the user in the box's tooltip and
// to screen readers in its description, so that nobody has to guess which
// diameter the tables will use.
namespace tachoria {

// The generic page reads a whole number in the user's locale, or any tire
// size the tire reader knows; an empty box takes the default.
std::string GenericTireReading(std::string_view text, const NumberConverter& numbers);

// The stock page reads a tire size whole, and any other text by the number
// at its start, with "." as the decimal point (StockTireDiameter).
std::string StockTireReading(std::string_view text);
// The same, with the diameter written by `numbers` (whose point must be ".").
std::string StockTireReading(std::string_view text, const NumberConverter& numbers);

}  // namespace tachoria
