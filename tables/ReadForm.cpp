#include "tables/ReadForm.h"

#include "arith/NumberReading.h"
#include "arith/TireSize.h"

namespace tachoria {

double StockTireDiameter(std::string_view text) {
    // A size code is read whole; "185/80R13" is not a 185-inch tire.
    return TireSizeDiameter(text).value_or(LeadingNumberValue(text));
}

std::optional<StockInputs> StockInputsOf(std::string_view tire, std::string_view model,
                                         std::string_view yearRange, std::string_view axle) {
    StockInputs inputs;
    inputs.tireDiameter = StockTireDiameter(tire);
    // The placeholder "<select differential>" reads as 0.
    inputs.axleRatio = LeadingNumberValue(axle);
    inputs.code = GearboxCodeOf(model, yearRange);
    if (inputs.code == kNoGearbox || inputs.axleRatio == 0.0 || inputs.tireDiameter == 0.0) {
        return std::nullopt;
    }
    inputs.ratios = RatioSetOf(inputs.code);
    inputs.tireText = tire;
    inputs.model = model;
    inputs.yearRange = yearRange;
    return inputs;
}

std::optional<StockInputs> ReadStockInputs(const StockControls& controls) {
    return StockInputsOf(controls.tire.Text(), controls.model.Text(), controls.year.Text(),
                         controls.diff.Text());
}

}  // namespace tachoria
