#pragma once

#include <string_view>

#include "outcome/Outcome.h"
#include "tires/TireReader.h"

// How the main window's stock page reads its tire box, for every layer that
// takes a stock page's tire on.
namespace tachoria {

// The tire diameter the stock page reads from a text: a tire size (a metric
// code, a flotation size, revolutions per mile, a factory bias size such as
// "6.50-13", which its leading number would make a 6.5-inch tire) as the
// tire reader reads it, with "." as the decimal point; anything else by the
// number it starts with ("24 in" is 24, "33x" 33). A text whose leading
// number is no diameter ("7.00x15", "225/45R") gives the reader's reason
// instead.
Outcome<double> StockTireDiameter(std::string_view text);
// The same for a text ReadTire has read already (with "."): not read again.
Outcome<double> StockTireDiameter(std::string_view text, const Outcome<Tire, TireRefusal>& tire);

}  // namespace tachoria
