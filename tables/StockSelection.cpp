#include "tables/StockSelection.h"

#include <string>

namespace tachoria {

void PrepareStockLists(const StockControls& controls) {
    controls.model.Clear();
    controls.model.AddItem(kSelectModel);
    for (const std::string_view model : ModelTexts()) {
        controls.model.AddItem(model);
    }
    controls.model.SetText(kSelectModel);

    controls.year.SetEnabled(false);
    controls.year.Clear();
    controls.year.AddItem(kSelectYear);
    controls.year.SetText(kSelectYear);

    controls.diff.SetEnabled(false);
    controls.diff.Clear();
    controls.diff.AddItem(kSelectDifferential);
    controls.diff.SetText(kSelectDifferential);
}

void RefillYearRanges(const StockControls& controls) {
    const std::string model = controls.model.Text();
    controls.year.Clear();
    controls.year.AddItem(kSelectYear);
    for (const std::string_view years : YearRangeTexts(model)) {
        controls.year.AddItem(years);
    }
    controls.year.SetText(kSelectYear);
    // Choosing the placeholder again leaves the year list as enabled as it was.
    if (model != kSelectModel) {
        controls.year.SetEnabled(true);
    }
    controls.diff.SetEnabled(false);
}

void RefillAxleRatios(const StockControls& controls) {
    controls.diff.Clear();
    controls.diff.AddItem(kSelectDifferential);
    for (const std::string_view axle :
         AxleRatioTexts(GearboxCodeOf(controls.model.Text(), controls.year.Text()))) {
        controls.diff.AddItem(axle);
    }
    controls.diff.SetText(kSelectDifferential);
    controls.diff.SetEnabled(true);
}

}  // namespace tachoria
