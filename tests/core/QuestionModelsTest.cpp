#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "arith/NumberReading.h"
#include "comparison/ComparisonModel.h"
#include "questions/AxleQuestion.h"
#include "questions/GearingQuestions.h"
#include "questions/IdentifyQuestion.h"
#include "questions/SpeedometerQuestion.h"
#include "questions/TireQuestion.h"

// The models the windows bind to: what they start from, what a page fills
// in, what each choice leaves aside, and that their answers are the
// library's for the numbers typed.
namespace tachoria {
namespace {

const PlainNumberConverter kNumbers;

const QuestionsStart kStockPage{
    .setup = StockSetupTexts("Late Car (1965-1969)", "1966-1969", "3.55", "185/80R13", kNumbers),
    .model = "Late Car (1965-1969)",
    .yearRange = "1966-1969",
    .stockPage = true};

TEST(QuestionModels, StartAnsweredWithTheLibrarysAnswers) {
    const AxleQuestion axle(kNumbers);
    ASSERT_TRUE(axle.Answer().answered());
    const Outcome<AxleAnswer> axleAnswer = AxleForTarget(2800, 70, SpeedUnit::MPH, 24, 1);
    EXPECT_EQ(axle.Answer().table, AxleTable(*axleAnswer, 70, SpeedUnit::MPH));
    EXPECT_EQ(axle.Answer().summary, AxleSummary(*axleAnswer, 2800, 70, SpeedUnit::MPH));
    EXPECT_EQ(axle.Answer().fields[AxleQuestion::kTire].readsAs, "24 in, 840 revolutions per mile");

    const TireQuestion tire(kNumbers);
    EXPECT_EQ(tire.Answer().table, TireTable(*TireForTarget(2800, 70, SpeedUnit::MPH, 3.27, 1)));

    const IdentifyQuestion identify(kNumbers);
    EXPECT_EQ(identify.Text(IdentifyQuestion::kGears), "3.65, 2.35, 1.44, 1");
    EXPECT_EQ(identify.InGear(), 4);
    EXPECT_TRUE(identify.Answer().answered());

    const SpeedometerQuestion speedometer(kNumbers);
    EXPECT_EQ(speedometer.Answer().table, SpeedometerGearTable(*SpeedometerGearFor(18, 0), 18));
    for (const QuestionModel* question :
         std::vector<const QuestionModel*>{&axle, &tire, &identify, &speedometer}) {
        EXPECT_TRUE(question->Answer().ProblemLines().empty()) << question->Title();
        // Only the tachometer's answer rests on a tire's rolling diameter.
        EXPECT_EQ(question->Footnotes(), question == &identify
                                             ? std::vector<std::string_view>{kRollingTireNote}
                                             : std::vector<std::string_view>{});
    }
}

TEST(QuestionModels, TakeThePagesSetupIntoTheFieldsItAppliesTo) {
    AxleQuestion axle(kNumbers);
    axle.SetText(AxleQuestion::kRpm, "3000");
    axle.Fill(kStockPage);
    EXPECT_EQ(axle.Text(AxleQuestion::kTire), "185/80R13");
    EXPECT_EQ(axle.Text(AxleQuestion::kGear), "1");    // top gear
    EXPECT_EQ(axle.Text(AxleQuestion::kRpm), "3000");  // the target stays

    IdentifyQuestion identify(kNumbers);
    identify.Fill(kStockPage);
    EXPECT_EQ(identify.Gearbox(), (StockGearbox{"Late Car (1965-1969)", "1966-1969"}));
    EXPECT_TRUE(identify.GearsReadOnly());
    EXPECT_EQ(identify.GearboxLabel(), "Late Car (1965-1969), 1966-1969");
    EXPECT_EQ(identify.PrintedTitle(),
              "Gearing Questions: Which axle ratio is fitted (2900 RPM at 60 MPH; tire "
              "185/80R13; Late Car (1965-1969), 1966-1969 in 4th)");
    EXPECT_EQ(identify.FileName(), "questions-fitted-axle_2900-rpm_60-mph_tire-185-80R13_gear-4");

    // A stock page with nothing chosen: the default setup's gearbox.
    identify.Fill(QuestionsStart{.setup = {}, .model = "", .yearRange = "", .stockPage = true});
    EXPECT_EQ(identify.Gearbox()->model, "Early Car (1961-1964)");
    identify.Fill({});
    EXPECT_FALSE(identify.Gearbox());

    // The tire sizes for the car's own wheels, from the stock page only.
    TireQuestion tire(kNumbers);
    EXPECT_EQ(tire.Rim(), std::nullopt);
    tire.Fill(kStockPage);
    EXPECT_EQ(tire.Rim(), 13);
    EXPECT_EQ(tire.PrintedTitle(),
              "Gearing Questions: Tire for a target (2800 RPM at 70 MPH; axle 3.55; gear 1; rim "
              "13 in)");
    EXPECT_EQ(tire.FileName(), "questions-tire_2800-rpm_70-mph_axle-3.55_gear-1_rim-13");
    EXPECT_TRUE(tire.Answer().table.rows.back().cells.at(0).ends_with("R13"));
    tire.Fill(
        {.setup = {}, .model = "Forward Control", .yearRange = "1964-1965", .stockPage = true});
    EXPECT_EQ(tire.Rim(), 14);
    tire.Fill({.setup = {}, .model = "", .yearRange = "", .stockPage = true});
    EXPECT_EQ(tire.Rim(), std::nullopt);
    tire.SetRim(15);
    tire.Fill({});
    EXPECT_EQ(tire.Rim(), std::nullopt);
    EXPECT_EQ(RimChoices().size(), 9U);
    EXPECT_EQ(RimChoices().front().label, "any");
    EXPECT_EQ(RimChoices().back().label, "20 in");
    EXPECT_EQ(RimChoices().back().rim, 20);

    SpeedometerQuestion speedometer(kNumbers);
    speedometer.Fill(kStockPage);
    EXPECT_EQ(speedometer.Drive(), SpeedometerDrive::FrontWheel);
    EXPECT_EQ(speedometer.Text(SpeedometerQuestion::kBAxle), "3.55");
    speedometer.Fill({});
    EXPECT_EQ(speedometer.Drive(), SpeedometerDrive::Transmission);
}

TEST(QuestionModels, WriteTheSpeedsInTheUnitChosen) {
    TireQuestion tire(kNumbers);
    const Table inMph = tire.Answer().table;
    tire.SetUnit(SpeedUnit::KMH);
    EXPECT_EQ(tire.Text(TireQuestion::kSpeed), "112.65");
    EXPECT_EQ(tire.Caption(TireQuestion::kSpeed), "Speed, km/h");
    EXPECT_EQ(tire.Caption(TireQuestion::kRpm), "Engine RPM");
    EXPECT_EQ(tire.Answer().fields[TireQuestion::kSpeed].label, "Road speed");
    // 112.65 km/h is 70 MPH to within the truncation of a diameter to 0.01.
    EXPECT_EQ(tire.Answer().table.rows.front().cells[1], inMph.rows.front().cells[1]);
    tire.SetText(TireQuestion::kSpeed, "fast");
    tire.SetUnit(SpeedUnit::MPH);
    EXPECT_EQ(tire.Text(TireQuestion::kSpeed), "fast");  // no number: left as typed
    EXPECT_EQ(tire.FileName(), "questions-tire_2800-rpm_fast-mph_axle-3.27_gear-1");
}

TEST(QuestionModels, KeepTheListsColumnsWhileAFieldIsBad) {
    AxleQuestion axle(kNumbers);
    const std::vector<std::string> headers = axle.Answer().table.headers;
    axle.SetText(AxleQuestion::kSpeed, "0");
    axle.SetText(AxleQuestion::kGear, "");
    const QuestionAnswer& bad = axle.Answer();
    EXPECT_FALSE(bad.answered());
    EXPECT_EQ(bad.table.headers, headers);
    EXPECT_EQ(bad.summary, kNoValue);
    EXPECT_EQ(bad.ProblemLines(),
              (std::vector<std::string>{
                  "Road speed: Must be greater than 0: type a number from 1 to 300 MPH.",
                  "Gear ratio: Empty: type a number from 0.05 to 50."}));

    // Fine fields that no car can answer: why, once.
    axle.SetText(AxleQuestion::kSpeed, "300");
    axle.SetText(AxleQuestion::kGear, "1");
    axle.SetText(AxleQuestion::kRpm, "100");
    ASSERT_TRUE(axle.Answer().refusal);
    ASSERT_EQ(axle.Answer().ProblemLines().size(), 1U);
    EXPECT_TRUE(axle.Answer().ProblemLines().front().starts_with("No answer: it would take"));
    EXPECT_TRUE(axle.Answer().ProblemLines().front().ends_with("."));
}

TEST(QuestionModels, UseTheGearChosenOnlyWhileThatManyAreTyped) {
    IdentifyQuestion identify(kNumbers);
    identify.SetChosenGear(3);
    identify.SetText(IdentifyQuestion::kGears, "3.65, 2.35");
    EXPECT_EQ(identify.GearCount(), 2);
    EXPECT_EQ(identify.InGear(), 2);
    identify.SetText(IdentifyQuestion::kGears, "3.65, 2.35, x");
    EXPECT_EQ(identify.GearCount(), 0);
    EXPECT_EQ(identify.Answer().fields[IdentifyQuestion::kGears].reason,
              "3rd gear: Not a number: type a number from 0.05 to 50.");
    identify.SetText(IdentifyQuestion::kGears, "3.65, 2.35, 1.44");
    EXPECT_EQ(identify.InGear(), 3);  // the one chosen comes back
    identify.SetGearbox(StockGearbox{"Early Car (1961-1964)", "1961-1963"});
    EXPECT_EQ(identify.Text(IdentifyQuestion::kGears), "3.65, 2.35, 1.44, 1");
    EXPECT_EQ(identify.ChosenGear(), 3);
}

TEST(QuestionModels, LeaveAsideTheFieldsOfTheSpeedometersOtherForm) {
    SpeedometerQuestion speedometer(kNumbers);
    speedometer.SetText(SpeedometerQuestion::kATire, "x");
    speedometer.SetText(SpeedometerQuestion::kBAxle, "0");
    const auto enabled = [&speedometer](SpeedometerQuestion::Field field) {
        return speedometer.Answer().fields[field].enabled;
    };
    // Reading off: A and B neither used nor marked.
    EXPECT_TRUE(speedometer.Answer().answered());
    EXPECT_FALSE(enabled(SpeedometerQuestion::kATire));
    EXPECT_FALSE(speedometer.Answer().fields[SpeedometerQuestion::kATire].bad());

    speedometer.SetForm(SpeedometerForm::FromChange);
    EXPECT_FALSE(enabled(SpeedometerQuestion::kOffPercent));
    EXPECT_TRUE(enabled(SpeedometerQuestion::kBAxle));
    EXPECT_EQ(speedometer.Answer().ProblemLines(),
              (std::vector<std::string>{
                  "A tire: Not a number: type a diameter from 5 to 100 in, a size such as "
                  "185/80R13, or revolutions per mile such as 818 rev/mi.",
                  "B axle ratio: Must be greater than 0: type a number from 0.05 to 50."}));

    // From a wheel only the tires count.
    speedometer.SetDrive(SpeedometerDrive::FrontWheel);
    speedometer.SetText(SpeedometerQuestion::kATire, "24");
    speedometer.SetText(SpeedometerQuestion::kBTire, "26");
    EXPECT_FALSE(enabled(SpeedometerQuestion::kBAxle));
    ASSERT_TRUE(speedometer.Answer().answered());
    EXPECT_EQ(
        speedometer.Answer().table,
        SpeedometerGearTable(*SpeedometerGearFor(18, SpeedometerErrorPercent(
                                                         Gearing{24, 1, {1}}, Gearing{26, 1, {1}},
                                                         SpeedometerDrive::FrontWheel)),
                             18));
    EXPECT_EQ(speedometer.PrintedTitle(),
              "Gearing Questions: Speedometer gear (18 teeth; A: tire 24 to B: tire 26; driven "
              "from a front wheel)");
    speedometer.SetForm(SpeedometerForm::ReadsOff);
    speedometer.SetText(SpeedometerQuestion::kOffPercent, "-3");
    EXPECT_EQ(speedometer.FileName(), "questions-speedometer_teeth-18_low-3");
}

TEST(ComparisonModelTest, ShowsTheStockGearboxTheRatiosAreAndDrivesFromItsWheel) {
    ComparisonModel model(kNumbers);
    // Both sides start as the early car, whose speedometer a wheel drives.
    EXPECT_EQ(model.Gearbox(Setup::A)->yearRange, "1961-1963");
    EXPECT_EQ(model.Drive(), SpeedometerDrive::FrontWheel);
    SetupTexts custom = model.Texts(Setup::A);
    custom.gears[3] = "0.89";
    model.SetTexts(Setup::A, custom);
    EXPECT_FALSE(model.Gearbox(Setup::A));
    EXPECT_EQ(model.Drive(), SpeedometerDrive::Transmission);
    model.SetDrive(SpeedometerDrive::FrontWheel);  // the user's from now on
    custom.gears[3] = "0.9";
    model.SetTexts(Setup::A, custom);
    EXPECT_EQ(model.Drive(), SpeedometerDrive::FrontWheel);

    model.SetGearbox(Setup::B, StockGearbox{"Late Car (1965-1969)", "1966-1969"});
    EXPECT_EQ(model.Texts(Setup::B).gears, StockGearTexts(*model.Gearbox(Setup::B), kNumbers));

    const ComparisonAnswer& answer = model.Answer();
    ASSERT_TRUE(answer.a.gearing && answer.b.gearing);
    const Comparison expected = Compare(answer.a.gearing, answer.b.gearing, 5500, SpeedUnit::MPH, 4,
                                        SpeedometerDrive::FrontWheel);
    EXPECT_EQ(answer.cruise, CruiseTable(expected));
    EXPECT_EQ(answer.gears, GearTable(expected));
    EXPECT_EQ(answer.speedometer, SpeedometerTable(expected));
    EXPECT_EQ(answer.chartDescription, ChartDescription(expected));
}

TEST(ComparisonModelTest, NamesEachBadFieldOfASetup) {
    ComparisonModel model(kNumbers);
    model.SetTexts(Setup::B,
                   SetupTexts{.tire = "7.50-14", .axle = "3.55", .gears = {"3", "", "1"}});
    model.SetRedline("");
    const ComparisonAnswer& answer = model.Answer();
    EXPECT_FALSE(answer.b.gearing);
    EXPECT_TRUE(answer.a.gearing);
    EXPECT_EQ(answer.b.ProblemLines(),
              (std::vector<std::string>{
                  "Tire: An inch-width size: type the tire's diameter, or its revolutions per "
                  "mile from the tire's data.",
                  "2nd gear: Empty: type a number from 0.05 to 50."}));
    EXPECT_EQ(answer.redline.Line(), "Redline RPM: Empty: type a number from 100 to 30000 RPM.");
    // Rows for every gear field on show, with no values for B.
    EXPECT_EQ(answer.comparison.gears.size(), 4U);
    EXPECT_EQ(answer.chart.b, std::nullopt);
}

}  // namespace
}  // namespace tachoria
