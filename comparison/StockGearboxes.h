#pragma once

#include <optional>
#include <string>
#include <vector>

#include "arith/NumberReading.h"

// The catalogue's gearboxes as a picker offers them, and which of them a
// setup's typed ratios are.
namespace tachoria {

// A gearbox of the catalogue, by the stock page's texts.
struct StockGearbox {
    std::string model;
    std::string yearRange;

    friend bool operator==(const StockGearbox&, const StockGearbox&) = default;
};

// One stock gearbox for a picker: "Late Car (1965-1969), 1965-1969". A
// picker puts its own first item before them ("Custom gears", "Typed
// gears"), which stands for no stock gearbox.
struct GearboxChoice {
    std::string label;
    StockGearbox gearbox;
};
const std::vector<GearboxChoice>& StockGearboxChoices();

// The label of a gearbox, or `none` for no stock one.
std::string GearboxLabel(const std::optional<StockGearbox>& gearbox, std::string_view none);

// The gearbox's four forward ratios, first gear first, written by `numbers`.
std::vector<std::string> StockGearTexts(const StockGearbox& gearbox,
                                        const NumberConverter& numbers);

// The stock gearbox whose ratios `gears` (as typed, first gear first) are
// exactly: `current` if it is one of them, else the first in the
// catalogue's order, else none.
std::optional<StockGearbox> MatchingGearbox(const std::vector<std::string>& gears,
                                            const std::optional<StockGearbox>& current,
                                            const NumberConverter& numbers);

}  // namespace tachoria
