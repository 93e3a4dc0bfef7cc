#pragma once

#include "catalogue/StockCatalogue.h"
#include "tables/Controls.h"

namespace tachoria {

enum class TableMode {
    GetRPM = 1,  // rows of road speed, engine speed in each gear
    GetMPH = 2,  // rows of engine speed, road speed in each gear
};

// Engine speeds from this up are left out of a "Get RPM" table.
inline constexpr double kHighestShownRPM = 10000;

// Rebuilds `list` as the stock page's five-column table. Returns false when a
// row cannot be computed (a tire diameter too large or too small for a
// double); the list then has its headers and the rows before it.
[[nodiscard]] bool WriteStockTable(ResultList& list, TableMode mode, double tireDiameter,
                                   const RatioSet& ratios, double axleRatio);

}  // namespace tachoria
