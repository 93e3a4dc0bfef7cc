#include "tables/StockPage.h"

#include <array>

#include "tables/FailureMessage.h"

namespace tachoria {

void RunStockTable(const StockPage& page, TableMode mode) {
    const StockInputs inputs = ReadStockInputs(page.inputs);
    if (inputs.code == kNoGearbox) {
        return;
    }
    if (!WriteStockTable(page.list, mode, inputs.tireDiameter, inputs.ratios, inputs.axleRatio)) {
        // Only the typed tire diameter can be out of range; ratios come from
        // the catalogue.
        const std::array<NamedInput, 1> tire = {
            {{"Tire Diameter", page.inputs.tire.Text(), inputs.tireDiameter, true}}};
        page.failures.Report(RowFailureMessage(tire));
    }
}

}  // namespace tachoria
