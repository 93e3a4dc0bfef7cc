#include "tables/ReadForm.h"

#include "arith/NumberReading.h"
#include "tires/TireReader.h"

namespace tachoria {

Outcome<double> StockTireDiameter(std::string_view text) {
    return StockTireDiameter(text, ReadTire(text));
}

Outcome<double> StockTireDiameter(std::string_view text, const Outcome<Tire, TireRefusal>& tire) {
    // A size is read whole: "185/80R13" is no 185-inch tire.
    if (tire && tire->form != TireForm::Inches) {
        return tire->diameter;
    }
    if (!tire && tire.failure().kind == UnreadTire::NoDiameter) {
        return tire.failure();
    }
    return LeadingNumberValue(text);
}

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
