#include "catalogue/StockCatalogue.h"

namespace tachoria {
namespace {

constexpr std::array<std::string_view, 3> kModels = {
    "Early Car (1961-1964)",
    "Forward Control",
    "Late Car (1965-1969)",
};

// The wheels each model line left the factory on, in inches of rim: 13 on
// the cars, 14 on the Forward Control; in list order.
constexpr std::array<int, 3> kWheelRims = {13, 14, 13};

// Where each model line's speedometer is driven, in kModels' order. The
// early cars carry the drive gear on the drive pinion shaft in the
// differential carrier (in 1960 machined into the shaft), with the nylon
// driven gear in the carrier (1961 Corvair Shop Manual, rear axle
// section), so an axle change moves the speedometer; the Forward Control
// uses the same transaxle; the late cars (1965-1969) drive it from the
// left front wheel, through the hub's dust cap.
constexpr std::array<SpeedometerDrive, 3> kDrives = {
    SpeedometerDrive::Transmission,
    SpeedometerDrive::Transmission,
    SpeedometerDrive::FrontWheel,
};

// The Powerglide is offered once for the early cars and once for the late.
constexpr std::array<std::string_view, 2> kPowerglideModels = {kModels[0], kModels[2]};

struct YearRange {
    std::string_view model;
    std::string_view years;
    GearboxCode code;
};

// Each model's ranges in list order.
constexpr std::array<YearRange, 7> kYearRanges = {{
    {kModels[0], "1961-1963", 2},
    {kModels[0], "1964", 3},
    {kModels[1], "1961 (early)", 1},
    {kModels[1], "1961(late)-1963", 2},
    {kModels[1], "1964-1965", 3},
    {kModels[2], "1965", 3},
    {kModels[2], "1966-1969", 4},
}};

constexpr std::array<RatioSet, 4> kRatioSets = {{
    {4.26, 2.55, 1.68, 1},
    {3.65, 2.35, 1.44, 1},
    {3.20, 2.18, 1.44, 1},
    {3.20, 2.20, 1.47, 1},
}};

constexpr std::array<std::string_view, 1> kAxlesCode1 = {"3.27"};
constexpr std::array<std::string_view, 4> kAxlesCode2 = {"3.08", "3.27", "3.55", "3.89"};
constexpr std::array<std::string_view, 2> kAxlesCode3And4 = {"3.27", "3.55"};

bool IsGearboxCode(GearboxCode code) { return code >= 1 && code <= 4; }

}  // namespace

std::span<const std::string_view> ModelTexts() { return kModels; }

int WheelRimInches(std::string_view model) {
    for (std::size_t i = 0; i < kModels.size(); ++i) {
        if (kModels[i] == model) {
            return kWheelRims[i];
        }
    }
    return 0;
}

std::optional<SpeedometerDrive> SpeedometerDriveOf(std::string_view model) {
    for (std::size_t i = 0; i < kModels.size(); ++i) {
        if (kModels[i] == model) {
            return kDrives[i];
        }
    }
    return std::nullopt;
}

std::span<const std::string_view> PowerglideModelTexts() { return kPowerglideModels; }

std::vector<std::string_view> YearRangeTexts(std::string_view model) {
    std::vector<std::string_view> texts;
    for (const YearRange& range : kYearRanges) {
        if (range.model == model) {
            texts.push_back(range.years);
        }
    }
    return texts;
}

GearboxCode GearboxCodeOf(std::string_view model, std::string_view yearRange) {
    for (const YearRange& range : kYearRanges) {
        if (range.model == model && range.years == yearRange) {
            return range.code;
        }
    }
    return kNoGearbox;
}

RatioSet RatioSetOf(GearboxCode code) {
    return IsGearboxCode(code) ? kRatioSets[static_cast<std::size_t>(code) - 1] : RatioSet{};
}

std::span<const std::string_view> AxleRatioTexts(GearboxCode code) {
    switch (code) {
        case 1:
            return kAxlesCode1;
        case 2:
            return kAxlesCode2;
        case 3:
        case 4:
            return kAxlesCode3And4;
        default:
            return {};
    }
}

}  // namespace tachoria
