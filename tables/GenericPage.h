#pragma once

#include <array>
#include <string>
#include <string_view>

#include "arith/NumberReading.h"
#include "inputs/Defaults.h"
#include "tables/ComputeTable.h"
#include "tables/Controls.h"

namespace tachoria {

// The controls of the "Generic Vehicle" page that its tables use, with the
// window's number conversion (the user's locale) and failure display.
struct GenericPage {
    TextBox& tireBox;
    TextBox& diffBox;
    TextBox& transBox;
    ResultList& list;
    const NumberConverter& numbers;
    FailureSink& failures;
};

// An input as the user gave it: the name it goes by (a box's caption, or a
// command-line option) and its text.
struct GivenText {
    std::string_view name;
    std::string text;
};

// The generic table from the texts of the tire diameter (inches or a size
// code such as "185/80R13"), differential ratio and transmission ratio.
// A text that is not a number gives the headers alone and says so.
Table ComputeGenericTable(TableMode mode, const std::array<GivenText, 3>& texts,
                          const NumberConverter& numbers);

// What either generic button does: reads the three boxes (writing the
// default into an empty one), rebuilds the list from the table and reports
// its failure, if any. Returns the table shown.
Table ShowGenericTable(const GenericPage& page, TableMode mode);

}  // namespace tachoria
