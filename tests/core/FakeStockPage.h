#pragma once

#include <string_view>

#include "FakeControls.h"
#include "tables/StockPage.h"
#include "tables/StockSelection.h"

namespace tachoria::testing {

// The stock page's controls as fakes, prepared as the window's load handler
// prepares them; each choice runs the cascade as the window's handlers do.
struct FakeStockPage {
    FakeTextBox tire;
    FakeDropDownList model;
    FakeDropDownList year;
    FakeDropDownList diff;
    FakeResultList list;
    RecordingFailureSink failures;
    StockControls controls{tire, model, year, diff};
    StockPage page{controls, list, failures};

    FakeStockPage() { PrepareStockLists(controls); }

    void ChooseModel(std::string_view text) {
        model.Choose(text);
        RefillYearRanges(controls);
    }
    void ChooseYear(std::string_view text) {
        year.Choose(text);
        RefillAxleRatios(controls);
    }
    void ChooseAxle(std::string_view text) { diff.Choose(text); }
    void Select(std::string_view modelText, std::string_view yearText, std::string_view axleText) {
        ChooseModel(modelText);
        ChooseYear(yearText);
        ChooseAxle(axleText);
    }
};

}  // namespace tachoria::testing
