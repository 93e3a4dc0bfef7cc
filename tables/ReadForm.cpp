#include "tables/ReadForm.h"

#include "arith/NumberReading.h"
#include "tires/TireReader.h"

namespace tachoria {

std::optional<StockInputs> StockInputsOf(std::string_view tire, std::string_view model,
                                         std::string_view yearRange, std::string_view axle) {
    StockInputs inputs;
    const Outcome<double> diameter = StockTireDiameter(tire);
    if (diameter) {
        inputs.tireDiameter = *diameter;
    } else {
        inputs.tireProblem = diameter.failure();
    }
    // The placeholder "<select differential>" reads as 0.
    inputs.axleRatio = LeadingNumberValue(axle);
    inputs.code = GearboxCodeOf(model, yearRange);
    if (inputs.code == kNoGearbox || inputs.axleRatio == 0.0 ||
        (diameter && inputs.tireDiameter == 0.0)) {
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
