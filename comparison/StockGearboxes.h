#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arith/NumberReading.h"
#include "catalogue/StockCatalogue.h"

// The catalogue's gearboxes as a picker offers them, and which of them a
// setup's typed ratios are.
namespace tachoria {

// A gearbox of the catalogue, by the stock page's texts; or, with
// `powerglide`, the Powerglide of a model line (yearRange empty), which the
// stock page does not offer.
struct StockGearbox {
    std::string model;
    std::string yearRange;
    bool powerglide = false;

    friend bool operator==(const StockGearbox&, const StockGearbox&) = default;
};

// The Powerglide of a model line.
StockGearbox PowerglideOf(std::string_view model);

// One stock gearbox for a picker: "Late Car (1965-1969), 1965-1969", and
// after each model line's manual gearboxes its Powerglide, "Early Car
// (1961-1964), Powerglide (1.82, 1.00)". A picker puts its own first item
// before them ("Custom gears", "Typed gears"), which stands for no stock
// gearbox.
struct GearboxChoice {
    std::string label;
    StockGearbox gearbox;
};
const std::vector<GearboxChoice>& StockGearboxChoices();

// The label of a gearbox, or `none` for no stock one.
std::string GearboxLabel(const std::optional<StockGearbox>& gearbox, std::string_view none);

// The gearbox's forward ratios, first gear first (four, or the
// Powerglide's two); none for a gearbox not in the catalogue.
std::vector<double> StockGearRatios(const StockGearbox& gearbox);
// The same written by `numbers`.
std::vector<std::string> StockGearTexts(const StockGearbox& gearbox,
                                        const NumberConverter& numbers);

// `current` while `gears` (as typed, first gear first) are still exactly
// its ratios, else none: ratios typed count as typed, even when they are a
// stock gearbox's, since one set of ratios can belong to model lines whose
// speedometers are driven differently.
std::optional<StockGearbox> MatchingGearbox(const std::vector<std::string>& gears,
                                            const std::optional<StockGearbox>& current,
                                            const NumberConverter& numbers);

// What drives the speedometer with a gearbox: its model line's drive; the
// transmission for typed gears (none).
SpeedometerDrive DriveOf(const std::optional<StockGearbox>& gearbox);

// The gearbox a page of the main window starts a tool window with: the
// stock page's model and year range when they select one (or, with
// kPowerglideName as the year range, a model line's Powerglide), the default
// setup's (the first of the catalogue) when the stock page selects none,
// and none (typed gears) from any other page.
std::optional<StockGearbox> PageGearbox(std::string_view model, std::string_view yearRange,
                                        bool stockPage);

}  // namespace tachoria
