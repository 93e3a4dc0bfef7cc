#pragma once

#include <array>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace tachoria {

// Which factory gearbox a model and year range select: 1 to 4, or
// kNoGearbox when the pair is not a valid stock selection.
using GearboxCode = int;
inline constexpr GearboxCode kNoGearbox = 0;

inline constexpr std::string_view kSelectModel = "<select model>";
inline constexpr std::string_view kSelectYear = "<select year>";
inline constexpr std::string_view kSelectDifferential = "<select differential>";

// The four forward gears, first gear first.
enum class Gear { First = 1, Second = 2, Third = 3, Fourth = 4 };
inline constexpr std::array<Gear, 4> kForwardGears = {Gear::First, Gear::Second, Gear::Third,
                                                      Gear::Fourth};

// The ratios of the four forward gears of one gearbox; all 0 until filled.
class RatioSet {
public:
    constexpr RatioSet() = default;
    constexpr RatioSet(double first, double second, double third, double fourth)
        : ratios_{first, second, third, fourth} {}

    [[nodiscard]] constexpr double Of(Gear gear) const {
        return ratios_[static_cast<std::size_t>(gear) - 1];
    }

    friend constexpr bool operator==(const RatioSet&, const RatioSet&) = default;

private:
    std::array<double, 4> ratios_{};
};

// Model line texts, in the order the drop-down list offers them.
std::span<const std::string_view> ModelTexts();

// The rim size of a model line's factory wheels, in inches; 0 for an
// unknown model or the placeholder.
int WheelRimInches(std::string_view model);

// What drives a speedometer: the transmission's output (on a Corvair, the
// transaxle), which follows the tire and the axle ratio, or a front wheel,
// which follows that wheel's tire only.
enum class SpeedometerDrive { Transmission, FrontWheel };

// What drives a model line's speedometer; none for a text that is no model
// line of the catalogue.
std::optional<SpeedometerDrive> SpeedometerDriveOf(std::string_view model);

// The two-speed Powerglide automatic, low and high (Corvair Chassis Shop
// Manual, December 1964), offered for the model lines PowerglideModelTexts
// gives. It stays out of the stock page's lists.
inline constexpr std::string_view kPowerglideName = "Powerglide (1.82, 1.00)";
inline constexpr std::array<double, 2> kPowerglideRatios = {1.82, 1.00};
std::span<const std::string_view> PowerglideModelTexts();

// Year-range texts of a model line, in list order; none for an unknown model
// or the placeholder.
std::vector<std::string_view> YearRangeTexts(std::string_view model);

// Exact, case-sensitive lookup; kNoGearbox for any pair not in the catalogue.
GearboxCode GearboxCodeOf(std::string_view model, std::string_view yearRange);

// The ratios of a gearbox code from 1 to 4; an all-zero set for any other.
RatioSet RatioSetOf(GearboxCode code);

// The differential (axle) ratio texts offered with a gearbox, in list order;
// none for kNoGearbox.
std::span<const std::string_view> AxleRatioTexts(GearboxCode code);

}  // namespace tachoria
