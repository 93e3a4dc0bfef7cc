#include "tables/ReadForm.h"

#include <string>

#include "arith/NumberReading.h"
#include "arith/TireSize.h"

namespace tachoria {

StockInputs ReadStockInputs(const StockControls& controls) {
    StockInputs inputs;
    const std::string tire = controls.tire.Text();
    // A size code is read whole; "185/80R13" is not a 185-inch tire.
    inputs.tireDiameter = TireSizeDiameter(tire).value_or(LeadingNumberValue(tire));
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
