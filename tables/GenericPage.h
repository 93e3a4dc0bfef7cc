#pragma once

#include <array>
#include <optional>
#include <string_view>

#include "arith/NumberReading.h"
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

// Values an empty box takes, written into it when used.
inline constexpr double kDefaultTireDiameter = 24;
inline constexpr double kDefaultDiffRatio = 3.27;
inline constexpr double kDefaultTransRatio = 1;

// One of the page's two tables: what its rows step over, how a row is
// computed and formatted.
struct GenericTable {
    std::array<std::string_view, 2> headers;
    int first;
    int last;
    int step;
    int width;  // of both label and cell
    std::optional<double> (*convert)(double speed, double tire, double axle, double gear,
                                     int decimals);
    bool dividesByRatios;
};

// Reads the three boxes (writing defaults into empty ones; the tire box also
// takes a metric size code such as "185/80R13"), rebuilds the
// list's columns and rows, and reports to page.failures when a box is not a
// number or a row cannot be computed; the list then keeps its new headers
// and the rows before the failure.
void ShowGenericTable(const GenericPage& page, const GenericTable& table);

}  // namespace tachoria
