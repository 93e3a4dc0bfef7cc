#pragma once

#include "catalogue/StockCatalogue.h"
#include "tables/Controls.h"

namespace tachoria {

// The stock page's four inputs.
struct StockControls {
    TextBox& tire;
    DropDownList& model;
    DropDownList& year;
    DropDownList& diff;
};

// What the stock page's inputs select. code is kNoGearbox for an incomplete
// selection or a tire diameter or axle ratio that reads as 0; ratios are
// filled only for a valid code.
struct StockInputs {
    GearboxCode code = kNoGearbox;
    double tireDiameter = 0.0;
    RatioSet ratios;
    double axleRatio = 0.0;
};

// Numbers are read with "." as the decimal point in every locale, up to the
// first character that cannot continue them ("24 in" is 24). The tire box
// also takes a metric size code ("185/80R13").
StockInputs ReadStockInputs(const StockControls& controls);

}  // namespace tachoria
