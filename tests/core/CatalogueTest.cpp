#include "catalogue/StockCatalogue.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tachoria {
namespace {

std::vector<std::string> Strings(auto texts) { return {texts.begin(), texts.end()}; }

TEST(StockCatalogue, ListsTheModelLinesInOrder) {
    EXPECT_EQ(Strings(ModelTexts()),
              (std::vector<std::string>{"Early Car (1961-1964)", "Forward Control",
                                        "Late Car (1965-1969)"}));
}

TEST(StockCatalogue, ListsEachModelsYearRangesInOrder) {
    EXPECT_EQ(Strings(YearRangeTexts("Early Car (1961-1964)")),
              (std::vector<std::string>{"1961-1963", "1964"}));
    EXPECT_EQ(Strings(YearRangeTexts("Forward Control")),
              (std::vector<std::string>{"1961 (early)", "1961(late)-1963", "1964-1965"}));
    EXPECT_EQ(Strings(YearRangeTexts("Late Car (1965-1969)")),
              (std::vector<std::string>{"1965", "1966-1969"}));
    EXPECT_TRUE(YearRangeTexts("<select model>").empty());
    EXPECT_TRUE(YearRangeTexts("forward control").empty());
}

TEST(StockCatalogue, FindsTheGearboxOfEveryPairAndNoOther) {
    const struct {
        const char* model;
        const char* years;
        GearboxCode code;
    } cases[] = {
        {"Early Car (1961-1964)", "1961-1963", 2},
        {"Early Car (1961-1964)", "1964", 3},
        {"Forward Control", "1961 (early)", 1},
        {"Forward Control", "1961(late)-1963", 2},
        {"Forward Control", "1964-1965", 3},
        {"Late Car (1965-1969)", "1965", 3},
        {"Late Car (1965-1969)", "1966-1969", 4},
        // Near misses: a year under another model, a blank added or missing,
        // another case, the placeholders.
        {"Early Car (1961-1964)", "1965", 0},
        {"Late Car (1965-1969)", "1964", 0},
        {"Forward Control", "1961 (late)-1963", 0},
        {"Forward Control", "1961(early)", 0},
        {"Forward Control", "1961 (Early)", 0},
        {"Early Car (1961-1964) ", "1964", 0},
        {"<select model>", "<select year>", 0},
        {"Forward Control", "<select year>", 0},
        {"", "", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(GearboxCodeOf(c.model, c.years), c.code)
            << '"' << c.model << "\", \"" << c.years << '"';
    }
}

TEST(StockCatalogue, GivesEachGearboxItsRatios) {
    EXPECT_EQ(RatioSetOf(1), RatioSet(4.26, 2.55, 1.68, 1));
    EXPECT_EQ(RatioSetOf(2), RatioSet(3.65, 2.35, 1.44, 1));
    EXPECT_EQ(RatioSetOf(3), RatioSet(3.20, 2.18, 1.44, 1));
    EXPECT_EQ(RatioSetOf(4), RatioSet(3.20, 2.20, 1.47, 1));
    EXPECT_EQ(RatioSetOf(0), RatioSet());
    EXPECT_EQ(RatioSetOf(2).Of(Gear::First), 3.65);
    EXPECT_EQ(RatioSetOf(2).Of(Gear::Fourth), 1.0);
    // The late car's 1965 gearbox is the early car's 1964 one.
    EXPECT_EQ(RatioSetOf(GearboxCodeOf("Late Car (1965-1969)", "1965")),
              RatioSetOf(GearboxCodeOf("Early Car (1961-1964)", "1964")));
}

TEST(StockCatalogue, OffersTheAxleRatiosOfEachGearbox) {
    using Texts = std::vector<std::string>;
    EXPECT_EQ(Strings(AxleRatioTexts(1)), (Texts{"3.27"}));
    EXPECT_EQ(Strings(AxleRatioTexts(2)), (Texts{"3.08", "3.27", "3.55", "3.89"}));
    EXPECT_EQ(Strings(AxleRatioTexts(3)), (Texts{"3.27", "3.55"}));
    EXPECT_EQ(Strings(AxleRatioTexts(4)), (Texts{"3.27", "3.55"}));
    EXPECT_TRUE(AxleRatioTexts(0).empty());
    EXPECT_TRUE(AxleRatioTexts(5).empty());
}

// Where each model line's speedometer is driven: the early cars and the
// Forward Control from the transaxle, the late cars from the left front
// wheel; nothing for a text that names no line.
TEST(StockCatalogue, KnowsWhatDrivesEachModelLinesSpeedometer) {
    const struct {
        std::string_view model;
        std::optional<SpeedometerDrive> drive;
    } cases[] = {
        {"Early Car (1961-1964)", SpeedometerDrive::Transmission},
        {"Forward Control", SpeedometerDrive::Transmission},
        {"Late Car (1965-1969)", SpeedometerDrive::FrontWheel},
        {"late car (1965-1969)", std::nullopt},
        {kSelectModel, std::nullopt},
        {"", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(SpeedometerDriveOf(c.model), c.drive) << c.model;
    }
    for (const std::string_view model : ModelTexts()) {
        EXPECT_TRUE(SpeedometerDriveOf(model)) << model;
    }
}

}  // namespace
}  // namespace tachoria
