#include "tables/StockPage.h"

namespace tachoria {

std::optional<Table> RunStockTable(const StockPage& page, TableMode mode) {
    const std::optional<StockInputs> inputs = ReadStockInputs(page.inputs);
    if (!inputs) {
        return std::nullopt;
    }
    return WriteStockTable(page.list, page.failures, mode, *inputs);
}

}  // namespace tachoria
