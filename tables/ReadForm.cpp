#include "tables/ReadForm.h"

#include "arith/NumberReading.h"

namespace tachoria {

StockInputs ReadStockInputs(const StockControls& controls) {
    StockInputs inputs;
    inputs.tireDiameter = LeadingNumberValue(controls.tire.Text());
    // The placeholder "<select differential>" reads as 0.
    inputs.axleRatio = LeadingNumberValue(controls.diff.Text());
    inputs.code = GearboxCodeOf(controls.model.Text(), controls.year.Text());
    if (inputs.axleRatio == 0.0 || inputs.tireDiameter == 0.0) {
        inputs.code = kNoGearbox;
    }
    if (inputs.code != kNoGearbox) {
        inputs.ratios = RatioSetOf(inputs.code);
    }
    return inputs;
}

}  // namespace tachoria
