#include "comparison/StockGearboxes.h"

#include <algorithm>

#include "catalogue/StockCatalogue.h"

namespace tachoria {
namespace {

std::vector<GearboxChoice> Choices() {
    std::vector<GearboxChoice> choices;
    for (const std::string_view model : ModelTexts()) {
        for (const std::string_view years : YearRangeTexts(model)) {
            choices.push_back({std::string(model) + ", " + std::string(years),
                               StockGearbox{std::string(model), std::string(years)}});
        }
    }
    return choices;
}

// Whether `gears` are exactly the ratios of `gearbox`.
bool Matches(const StockGearbox& gearbox, const std::vector<std::optional<double>>& gears) {
    const GearboxCode code = GearboxCodeOf(gearbox.model, gearbox.yearRange);
    if (code == kNoGearbox || gears.size() != kForwardGears.size()) {
        return false;
    }
    for (std::size_t i = 0; i < gears.size(); ++i) {
        if (gears[i] != RatioSetOf(code).Of(kForwardGears[i])) {
            return false;
        }
    }
    return true;
}

}  // namespace

const std::vector<GearboxChoice>& StockGearboxChoices() {
    static const std::vector<GearboxChoice> choices = Choices();
    return choices;
}

std::string GearboxLabel(const std::optional<StockGearbox>& gearbox, std::string_view none) {
    return gearbox ? gearbox->model + ", " + gearbox->yearRange : std::string(none);
}

std::vector<std::string> StockGearTexts(const StockGearbox& gearbox,
                                        const NumberConverter& numbers) {
    std::vector<std::string> texts;
    const GearboxCode code = GearboxCodeOf(gearbox.model, gearbox.yearRange);
    if (code != kNoGearbox) {
        for (const Gear gear : kForwardGears) {
            texts.push_back(numbers.ToText(RatioSetOf(code).Of(gear)));
        }
    }
    return texts;
}

std::optional<StockGearbox> MatchingGearbox(const std::vector<std::string>& gears,
                                            const std::optional<StockGearbox>& current,
                                            const NumberConverter& numbers) {
    std::vector<std::optional<double>> ratios;
    for (const std::string& gear : gears) {
        ratios.push_back(numbers.ToNumber(gear));
    }
    if (current && Matches(*current, ratios)) {
        return current;
    }
    for (const GearboxChoice& choice : StockGearboxChoices()) {
        if (Matches(choice.gearbox, ratios)) {
            return choice.gearbox;
        }
    }
    return std::nullopt;
}

}  // namespace tachoria
