#pragma once

#include <string>
#include <string_view>

#include "inputs/GearName.h"

// The names the user sees for the pages and their inputs: on the window's
// tabs and labels, in failure messages and in table titles.
namespace tachoria {

inline constexpr std::string_view kGenericPageName = "Generic Vehicle";
inline constexpr std::string_view kStockPageName = "Stock Corvair Gearing";

inline constexpr std::string_view kTireDiameterCaption = "Tire Diameter";
inline constexpr std::string_view kDifferentialCaption = "Differential Gearing";
inline constexpr std::string_view kTransmissionCaption = "Transmission Gearing";

// The stock page's drop-down lists have no caption on screen; these name
// them for screen readers and in titles.
inline constexpr std::string_view kModelCaption = "Model";
inline constexpr std::string_view kYearRangeCaption = "Year range";
inline constexpr std::string_view kAxleRatioCaption = "Differential ratio";

// A gear's column in the tables: "1st Gear".
std::string GearHeader(int gear);

}  // namespace tachoria
