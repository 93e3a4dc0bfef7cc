#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "catalogue/StockCatalogue.h"
#include "inputs/StockTire.h"
#include "outcome/Outcome.h"
#include "tables/Controls.h"
#include "tires/TireReader.h"

namespace tachoria {

// The stock page's four inputs.
struct StockControls {
    TextBox& tire;
    DropDownList& model;
    DropDownList& year;
    DropDownList& diff;
};

// A complete stock selection: a gearbox of the catalogue, its ratios, and a
// tire diameter and axle ratio that are not 0, with the texts they were
// read from.
struct StockInputs {
    GearboxCode code = kNoGearbox;
    double tireDiameter = 0.0;
    // Why the tire text gives no diameter, when it names a size that does
    // not work ("6.50-13"); the tables then say so instead of a table.
    std::optional<Failure> tireProblem;
    RatioSet ratios;
    double axleRatio = 0.0;
    std::string tireText;
    std::string model;
    std::string yearRange;
};

// The selection the four texts make, or nothing when it is incomplete: a
// model and year range not in the catalogue (a placeholder included), or a
// tire diameter or axle ratio that reads as 0. Numbers are read with "." as
// the decimal point in every locale, up to the first character that cannot
// continue them ("24 in" is 24); the tire as StockTireDiameter reads it.
std::optional<StockInputs> StockInputsOf(std::string_view tire, std::string_view model,
                                         std::string_view yearRange, std::string_view axle);

// The selection on the stock page.
std::optional<StockInputs> ReadStockInputs(const StockControls& controls);

}  // namespace tachoria
