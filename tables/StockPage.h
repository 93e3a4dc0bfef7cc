#pragma once

#include <optional>

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
// complete selection, rewrite the page's list and return the table shown.
// An incomplete selection changes nothing, says nothing and returns nothing.
std::optional<Table> RunStockTable(const StockPage& page, TableMode mode);

}  // namespace tachoria
