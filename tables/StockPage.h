#pragma once

#include "tables/Controls.h"
#include "tables/ReadForm.h"
#include "tables/ToolsWriteData.h"

namespace tachoria {

// The controls of the "Stock Corvair Gearing" page, with the window's
// failure display.
struct StockPage {
    StockControls inputs;
    ResultList& list;
    FailureSink& failures;
};

// What either stock button does: read the inputs and, when they make a
// complete selection, rewrite the page's list. An incomplete selection
// changes nothing and says nothing.
void RunStockTable(const StockPage& page, TableMode mode);

}  // namespace tachoria
