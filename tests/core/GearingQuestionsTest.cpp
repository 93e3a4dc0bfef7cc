#include <gtest/gtest.h>

#include <cmath>
#include <string>
#include <vector>

#include "questions/GearingQuestions.h"

namespace tachoria {
namespace {

using Row = std::vector<std::string>;

Row Cells(const Table& table, std::size_t row) {
    Row cells = {table.rows.at(row).label};
    cells.insert(cells.end(), table.rows.at(row).cells.begin(), table.rows.at(row).cells.end());
    return cells;
}

// 185/80R13: 13 + 2 × 185 × 80 ÷ 100 ÷ 25.4.
constexpr double k185_80R13 = 13 + 2.0 * 185 * 80 / 100 / 25.4;

// Worked by hand: ratio = RPM × tire ÷ (MPH × 336.135 × gear), and each
// factory ratio's RPM truncated as the tables give it.
TEST(GearingQuestions, AxleRatioForATarget) {
    const Outcome<AxleAnswer> answer = AxleForTarget(2800, 70, SpeedUnit::MPH, 24, 1);
    ASSERT_TRUE(answer) << answer.message();
    EXPECT_NEAR(answer->ratio, 2.856, 0.001);
    const Table table = AxleTable(*answer, 70, SpeedUnit::MPH);
    EXPECT_EQ(table.headers, (Row{"", "Axle ratio", "RPM at 70 MPH", "Off %"}));
    EXPECT_EQ(Cells(table, 0), (Row{"Needed", "2.86", "2803", "+0.1"}));
    EXPECT_EQ(Cells(table, 1), (Row{"Factory", "3.08", "3019", "+7.8"}));
    EXPECT_EQ(Cells(table, 2), (Row{"Factory", "3.27", "3205", "+14.5"}));
    EXPECT_EQ(table.rows.size(), 3U);
    EXPECT_EQ(AxleSummary(*answer, 2800, 70, SpeedUnit::MPH),
              "2800 RPM at 70 MPH takes an axle ratio of 2.86.");

    // 112.65408 km/h is 70 MPH: the same ratio.
    const Outcome<AxleAnswer> metric =
        AxleForTarget(2800, 70 * kKilometresPerMile, SpeedUnit::KMH, 24, 1);
    ASSERT_TRUE(metric);
    EXPECT_NEAR(metric->ratio, answer->ratio, 1e-9);
}

// 2800 × 24.6535 ÷ (60 × 336.135) = 3.545: the early car's 3.55 fits; its
// tire, if 3.55 is fitted, is 60 × 336.135 × 3.55 ÷ 2900 = 24.69 in.
TEST(GearingQuestions, WhichAxleRatioIsFitted) {
    const std::vector<double> early =
        CatalogueAxleRatios(GearboxCodeOf("Early Car (1961-1964)", "1961-1963"));
    EXPECT_EQ(CatalogueAxleRatios(kNoGearbox), (std::vector<double>{3.08, 3.27, 3.55, 3.89}));
    const Outcome<IdentifyAnswer> answer =
        IdentifyAxle(2900, 60, SpeedUnit::MPH, k185_80R13, 1, early);
    ASSERT_TRUE(answer) << answer.message();
    EXPECT_TRUE(answer->fits);
    const Table table = IdentifyTable(*answer, 2900, 60, SpeedUnit::MPH, k185_80R13);
    EXPECT_EQ(Cells(table, 0), (Row{"Reading", "3.54", "2900", "0.0", "24.65", "818"}));
    EXPECT_EQ(Cells(table, 1), (Row{"Factory", "3.55", "2904", "+0.1", "24.69", "817"}));
    EXPECT_EQ(table.rows.size(), 1 + early.size());
    EXPECT_EQ(IdentifySummary(*answer),
              "The reading implies an axle ratio of 3.54; the best factory fit is 3.55, which "
              "gives 2904 RPM (+0.1 %).");

    // 2100 RPM at 60 MPH implies 2.57: more than 4 % from every factory ratio.
    const Outcome<IdentifyAnswer> odd =
        IdentifyAxle(2100, 60, SpeedUnit::MPH, k185_80R13, 1, CatalogueAxleRatios(kNoGearbox));
    ASSERT_TRUE(odd);
    EXPECT_FALSE(odd->fits);
    EXPECT_NE(IdentifySummary(*odd).find("no factory ratio comes within 4 %"), std::string::npos);
}

// 70 × 336.135 × 3.27 × 1 ÷ 2800 = 27.479 in, 734 revolutions per mile; the
// nearest generated size is 265/55R16 (16 + 2 × 265 × 0.55 ÷ 25.4 = 27.476).
TEST(GearingQuestions, TireForATarget) {
    const Outcome<TireAnswer> answer = TireForTarget(2800, 70, SpeedUnit::MPH, 3.27, 1);
    ASSERT_TRUE(answer) << answer.message();
    EXPECT_NEAR(answer->diameter, 27.4790, 1e-4);
    const Table table = TireTable(*answer);
    EXPECT_EQ(Cells(table, 0), (Row{"Needed", "\u2014", "27.48", "734", "0.0"}));
    EXPECT_EQ(Cells(table, 1), (Row{"Size", "265/55R16", "27.48", "734", "0.0"}));
    ASSERT_EQ(answer->sizes.size(), 10U);
    for (std::size_t i = 1; i < answer->sizes.size(); ++i) {
        EXPECT_LE(std::fabs(answer->sizes[i - 1].offPercent),
                  std::fabs(answer->sizes[i].offPercent));
    }
    // 165/75R14, 225/55R14 and 275/45R14 are all 23.74 in: the narrowest first.
    const std::vector<SizeCheck> tied = SizesNear(14 + 2.0 * 165 * 75 / 100 / 25.4, 3);
    EXPECT_EQ(tied.at(0).size, "165/75R14");
    EXPECT_EQ(tied.at(1).size, "225/55R14");
    EXPECT_EQ(tied.at(2).size, "275/45R14");
}

// On one rim every size listed is for it, in the same order rules: 24 in
// on 13-in wheels is nearest 215/65R13 (13 + 2 × 215 × 0.65 ÷ 25.4 = 24.00).
TEST(GearingQuestions, TireForATargetOnTheCarsOwnRim) {
    for (const int rim : {13, 14, 17, 20}) {
        SCOPED_TRACE(rim);
        const Outcome<TireAnswer> answer = TireForTarget(2800, 70, SpeedUnit::MPH, 3.27, 1, rim);
        ASSERT_TRUE(answer) << answer.message();
        ASSERT_EQ(answer->sizes.size(), 10U);
        const std::string onRim = 'R' + std::to_string(rim);
        for (std::size_t i = 0; i < answer->sizes.size(); ++i) {
            EXPECT_TRUE(answer->sizes[i].size.ends_with(onRim)) << answer->sizes[i].size;
            if (i > 0) {
                EXPECT_LE(std::fabs(answer->sizes[i - 1].offPercent),
                          std::fabs(answer->sizes[i].offPercent));
            }
        }
    }
    EXPECT_EQ(SizesNear(24, 1, 13).at(0).size, "215/65R13");
    // 165/75R14, 225/55R14 and 275/45R14 tie on 14-in rims too: the
    // narrowest first, then the lower aspect.
    const std::vector<SizeCheck> tied = SizesNear(14 + 2.0 * 165 * 75 / 100 / 25.4, 3, 14);
    EXPECT_EQ(tied.at(0).size, "165/75R14");
    EXPECT_EQ(tied.at(1).size, "225/55R14");
    EXPECT_EQ(tied.at(2).size, "275/45R14");
    // No rim of any size the whole search does not give.
    EXPECT_EQ(SizesNear(24, 10, std::nullopt).size(), SizesNear(24, 10).size());
}

// 18 teeth reading 5.7 % high need 18 × 1.057 = 19.03 teeth; 19 leave
// 19.026 ÷ 19 − 1 = +0.1 %, 20 leave −4.9 %. Reading low needs fewer.
TEST(GearingQuestions, SpeedometerGear) {
    const Outcome<SpeedometerGearAnswer> high = SpeedometerGearFor(18, 5.7);
    ASSERT_TRUE(high);
    const Table table = SpeedometerGearTable(*high, 18);
    EXPECT_EQ(Cells(table, 0), (Row{"Now", "18", "+5.7"}));
    EXPECT_EQ(Cells(table, 1), (Row{"True", "19.03", "0.0"}));
    EXPECT_EQ(Cells(table, 2), (Row{"Nearest", "19", "+0.1"}));
    EXPECT_EQ(Cells(table, 3), (Row{"Nearest", "20", "-4.9"}));
    EXPECT_EQ(SpeedometerGearSummary(*high),
              "The speedometer reads 5.7 % high; 19.03 teeth on the driven gear make it true: 19 "
              "teeth leave +0.1 %, 20 teeth leave -4.9 %.");
    EXPECT_NEAR(SpeedometerGearFor(18, -5)->teeth, 17.1, 1e-9);

    // From 24-in tires and 3.27 to 185/80R13 and 3.55: (24 ÷ 3.27) ÷
    // (24.6535 ÷ 3.55) − 1 = +5.7 % from the transmission; from a front
    // wheel only the tires count: 24 ÷ 24.6535 − 1 = −2.7 %.
    const Gearing a{24, 3.27, {1}};
    const Gearing b{k185_80R13, 3.55, {1}};
    EXPECT_NEAR(SpeedometerErrorPercent(a, b, SpeedometerDrive::Transmission), 5.685, 0.001);
    EXPECT_NEAR(SpeedometerErrorPercent(a, b, SpeedometerDrive::FrontWheel), -2.650, 0.001);
}

TEST(GearingQuestions, RefusesWhatGivesNoAnswer) {
    EXPECT_EQ(AxleForTarget(0, 70, SpeedUnit::MPH, 24, 1).message(),
              "every number must be greater than 0");
    EXPECT_EQ(AxleForTarget(30000, 1, SpeedUnit::MPH, 100, 0.05).message(),
              "it would take an axle ratio of 178499.71; ratios work from 0.05 to 50");
    EXPECT_FALSE(TireForTarget(2800, 70, SpeedUnit::MPH, 50, 50));
    EXPECT_FALSE(IdentifyAxle(2900, 60, SpeedUnit::MPH, 24, 1, {}));
    EXPECT_FALSE(SpeedometerGearFor(0, 5));
    // Answers past what a car can have are refused, not shown.
    EXPECT_EQ(IdentifyAxle(100, 300, SpeedUnit::MPH, 24, 1, std::vector<double>{3.27}).message(),
              "the reading implies an axle ratio of 0.02; ratios work from 0.05 to 50");
    EXPECT_EQ(SpeedometerGearFor(18, 400).message(),
              "a speedometer 400.0 % high needs another drive, not another gear; the gear "
              "corrects from -50 to 50 %");
    EXPECT_EQ(SpeedometerGearFor(100, 5).message(),
              "it would take 105.00 teeth; driven gears have from 1 to 100");
}

}  // namespace
}  // namespace tachoria
