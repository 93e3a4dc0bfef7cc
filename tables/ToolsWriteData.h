#pragma once

#include <string_view>

#include "tables/Captions.h"
#include "tables/ComputeTable.h"
#include "tables/Controls.h"
#include "tables/ReadForm.h"

namespace tachoria {

// The stock page's five-column table for a complete selection. Only the
// typed tire diameter can stop it (a number too large or too small for the
// arithmetic); the failure names it as `tireName`.
Table ComputeStockTable(TableMode mode, const StockInputs& inputs,
                        std::string_view tireName = kTireDiameterCaption);

// Rebuilds `list` as the stock table and reports its failure, if any.
// Returns the table shown.
Table WriteStockTable(ResultList& list, FailureSink& failures, TableMode mode,
                      const StockInputs& inputs);

}  // namespace tachoria
