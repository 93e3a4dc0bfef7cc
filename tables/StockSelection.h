#pragma once

#include "tables/ReadForm.h"

// The stock page's cascade of drop-down lists: each choice refills the list
// after it from the catalogue.
namespace tachoria {

// Form load: the three lists with their placeholders, year range and
// differential disabled.
void PrepareStockLists(const StockControls& controls);

// A model was chosen: offer its year ranges and wait for a new differential.
void RefillYearRanges(const StockControls& controls);

// A year range was chosen: offer the axle ratios of the selected gearbox.
void RefillAxleRatios(const StockControls& controls);

}  // namespace tachoria
