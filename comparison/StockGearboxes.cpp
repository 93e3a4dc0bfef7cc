#include "comparison/StockGearboxes.h"

#include <algorithm>

namespace tachoria {
namespace {

std::vector<GearboxChoice> Choices() {
    std::vector<GearboxChoice> choices;
    const std::span<const std::string_view> automatic = PowerglideModelTexts();
    for (const std::string_view model : ModelTexts()) {
        for (const std::string_view years : YearRangeTexts(model)) {
            StockGearbox gearbox{std::string(model), std::string(years)};
            choices.push_back({GearboxLabel(gearbox, {}), std::move(gearbox)});
        }
        if (std::find(automatic.begin(), automatic.end(), model) != automatic.end()) {
            StockGearbox gearbox = PowerglideOf(model);
            choices.push_back({GearboxLabel(gearbox, {}), std::move(gearbox)});
        }
    }
    return choices;
}

}  // namespace

StockGearbox PowerglideOf(std::string_view model) {
    return StockGearbox{.model = std::string(model), .yearRange = {}, .powerglide = true};
}

const std::vector<GearboxChoice>& StockGearboxChoices() {
    static const std::vector<GearboxChoice> choices = Choices();
    return choices;
}

std::string GearboxLabel(const std::optional<StockGearbox>& gearbox, std::string_view none) {
    if (!gearbox) {
        return std::string(none);
    }
    return gearbox->model + ", " +
           (gearbox->powerglide ? std::string(kPowerglideName) : gearbox->yearRange);
}

std::vector<double> StockGearRatios(const StockGearbox& gearbox) {
    if (gearbox.powerglide) {
        const std::span<const std::string_view> models = PowerglideModelTexts();
        if (std::find(models.begin(), models.end(), gearbox.model) == models.end()) {
            return {};
        }
        return {kPowerglideRatios.begin(), kPowerglideRatios.end()};
    }
    const GearboxCode code = GearboxCodeOf(gearbox.model, gearbox.yearRange);
    std::vector<double> ratios;
    if (code != kNoGearbox) {
        for (const Gear gear : kForwardGears) {
            ratios.push_back(RatioSetOf(code).Of(gear));
        }
    }
    return ratios;
}

std::vector<std::string> StockGearTexts(const StockGearbox& gearbox,
                                        const NumberConverter& numbers) {
    const std::vector<double> ratios = StockGearRatios(gearbox);
    std::vector<std::string> texts;
    texts.reserve(ratios.size());
    for (const double ratio : ratios) {
        texts.push_back(numbers.ToText(ratio));
    }
    return texts;
}

std::optional<StockGearbox> MatchingGearbox(const std::vector<std::string>& gears,
                                            const std::optional<StockGearbox>& current,
                                            const NumberConverter& numbers) {
    if (!current) {
        return std::nullopt;
    }
    const std::vector<double> ratios = StockGearRatios(*current);
    const bool same = !ratios.empty() && gears.size() == ratios.size() &&
                      std::equal(gears.begin(), gears.end(), ratios.begin(),
                                 [&numbers](const std::string& gear, double ratio) {
                                     return numbers.ToNumber(gear) == ratio;
                                 });
    return same ? current : std::nullopt;
}

SpeedometerDrive DriveOf(const std::optional<StockGearbox>& gearbox) {
    return gearbox ? SpeedometerDriveOf(gearbox->model).value_or(SpeedometerDrive::Transmission)
                   : SpeedometerDrive::Transmission;
}

std::optional<StockGearbox> PageGearbox(std::string_view model, std::string_view yearRange,
                                        bool stockPage) {
    if (GearboxCodeOf(model, yearRange) != kNoGearbox) {
        return StockGearbox{std::string(model), std::string(yearRange)};
    }
    const std::span<const std::string_view> automatic = PowerglideModelTexts();
    if (yearRange == kPowerglideName &&
        std::find(automatic.begin(), automatic.end(), model) != automatic.end()) {
        return PowerglideOf(model);
    }
    if (stockPage) {
        // The page's gears came from the default setup: its gearbox.
        const std::string_view first = ModelTexts().front();
        return StockGearbox{std::string(first), std::string(YearRangeTexts(first).front())};
    }
    return std::nullopt;
}

}  // namespace tachoria
