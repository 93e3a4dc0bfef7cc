#pragma once

#include <string>
#include <string_view>

#include "arith/NumberReading.h"

// What a tire box's text reads as, told to the user in the box's tooltip and
// to screen readers in its description, so that nobody has to guess which
// diameter the tables will use.
namespace tachoria {

// The generic page reads a whole number in the user's locale, or a size
// code; an empty box takes the default.
std::string GenericTireReading(std::string_view text, const NumberConverter& numbers);

// The stock page reads the number at the start of the text, with "." as
// the decimal point, or a size code.
std::string StockTireReading(std::string_view text);

}  // namespace tachoria
