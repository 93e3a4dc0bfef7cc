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

    // From a wheel only the tires count, and with no driven gear the answer
    // is a cable ratio adapter.
    speedometer.SetDrive(SpeedometerDrive::FrontWheel);
    speedometer.SetText(SpeedometerQuestion::kATire, "24");
    speedometer.SetText(SpeedometerQuestion::kBTire, "26");
    speedometer.SetText(SpeedometerQuestion::kTeeth, "x");
    EXPECT_FALSE(enabled(SpeedometerQuestion::kBAxle));
    EXPECT_FALSE(enabled(SpeedometerQuestion::kTeeth));
    ASSERT_TRUE(speedometer.Answer().answered());
    EXPECT_EQ(speedometer.Answer().table,
              CableAdapterTable(*CableAdapterFor(SpeedometerErrorPercent(
                  Gearing{24, 1, {1}}, Gearing{26, 1, {1}}, SpeedometerDrive::FrontWheel))));
    EXPECT_EQ(speedometer.Footnotes(), (std::vector<std::string_view>{kCableAdapterNote}));
    EXPECT_EQ(speedometer.PrintedTitle(),
              "Gearing Questions: Speedometer gear (A: tire 24 to B: tire 26; driven from the "
              "left front wheel)");
    speedometer.SetForm(SpeedometerForm::ReadsOff);
    speedometer.SetText(SpeedometerQuestion::kOffPercent, "-3");
    EXPECT_EQ(speedometer.FileName(), "questions-speedometer_wheel_low-3");
    // Reading off, a wheel still takes an adapter: 100 ÷ 97 = 1.031.
    EXPECT_EQ(speedometer.Answer().table.rows.at(1).cells.at(0), "1.031");
    speedometer.SetDrive(SpeedometerDrive::Transmission);
    speedometer.SetText(SpeedometerQuestion::kTeeth, "18");
    EXPECT_EQ(speedometer.FileName(), "questions-speedometer_teeth-18_low-3");
    EXPECT_TRUE(speedometer.Footnotes().empty());
}

// Each model line's speedometer drive is every window's default: the
// transaxle for the early cars and the Forward Control, the left front
// wheel for the late cars, the transmission for typed gears.
TEST(QuestionModels, DriveTheSpeedometerAsThePagesModelLineDoes) {
    const struct {
        QuestionsStart start;
        SpeedometerDrive drive;
    } cases[] = {
        {{.setup = {}, .model = "Early Car (1961-1964)", .yearRange = "1964", .stockPage = true},
         SpeedometerDrive::Transmission},
        {{.setup = {}, .model = "Forward Control", .yearRange = "1964-1965", .stockPage = true},
         SpeedometerDrive::Transmission},
        {{.setup = {}, .model = "Late Car (1965-1969)", .yearRange = "1965", .stockPage = true},
         SpeedometerDrive::FrontWheel},
        {{.setup = {},
          .model = "Late Car (1965-1969)",
          .yearRange = std::string(kPowerglideName),
          .stockPage = false},
         SpeedometerDrive::FrontWheel},
        // Nothing chosen on the stock page: the default setup, an early car.
        {{.setup = {}, .model = "", .yearRange = "", .stockPage = true},
         SpeedometerDrive::Transmission},
        {{}, SpeedometerDrive::Transmission},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start.model + ", " + c.start.yearRange);
        SpeedometerQuestion speedometer(kNumbers);
        speedometer.SetDrive(c.drive == SpeedometerDrive::Transmission
                                 ? SpeedometerDrive::FrontWheel
                                 : SpeedometerDrive::Transmission);
        speedometer.Fill(c.start);
        EXPECT_EQ(speedometer.Drive(), c.drive);
    }
    SpeedometerQuestion speedometer(kNumbers);
    speedometer.FollowGearbox(PowerglideOf("Late Car (1965-1969)"));
    EXPECT_EQ(speedometer.Drive(), SpeedometerDrive::FrontWheel);
    speedometer.FollowGearbox(std::nullopt);
    EXPECT_EQ(speedometer.Drive(), SpeedometerDrive::Transmission);
}

// The Powerglide: its two ratios fill the gears, every factory axle ratio
// is checked, and the footnote adds the converter's slip.
TEST(QuestionModels, IdentifyWithThePowerglideChecksEveryFactoryAxle) {
    IdentifyQuestion identify(kNumbers);
    identify.SetGearbox(PowerglideOf("Early Car (1961-1964)"));
    EXPECT_EQ(identify.Text(IdentifyQuestion::kGears), "1.82, 1");
    EXPECT_EQ(identify.GearCount(), 2);
    EXPECT_EQ(identify.GearboxLabel(), "Early Car (1961-1964), Powerglide (1.82, 1.00)");
    identify.SetChosenGear(2);
    ASSERT_TRUE(identify.Answer().answered());
    EXPECT_EQ(identify.Answer().table.rows.size(), 1 + CatalogueAxleRatios(kNoGearbox).size());
    EXPECT_EQ(identify.Footnotes(),
              (std::vector<std::string_view>{kRollingTireNote, kConverterSlipNote}));
    identify.SetGearbox(StockGearbox{"Early Car (1961-1964)", "1964"});
    EXPECT_EQ(identify.Answer().table.rows.size(), 1 + 2U);  // 3.27 and 3.55
    EXPECT_EQ(identify.Footnotes(), (std::vector<std::string_view>{kRollingTireNote}));
}

// The pickers offer the Powerglide after each car's manual gearboxes, the
// early cars' and the late cars', and never on the stock page's lists.
TEST(StockGearboxes, OfferThePowerglideForTheEarlyAndTheLateCars) {
    std::vector<std::string> labels;
    for (const GearboxChoice& choice : StockGearboxChoices()) {
        labels.push_back(choice.label);
        EXPECT_EQ(GearboxLabel(choice.gearbox, {}), choice.label);
    }
    EXPECT_EQ(labels, (std::vector<std::string>{
                          "Early Car (1961-1964), 1961-1963",
                          "Early Car (1961-1964), 1964",
                          "Early Car (1961-1964), Powerglide (1.82, 1.00)",
                          "Forward Control, 1961 (early)",
                          "Forward Control, 1961(late)-1963",
                          "Forward Control, 1964-1965",
                          "Late Car (1965-1969), 1965",
                          "Late Car (1965-1969), 1966-1969",
                          "Late Car (1965-1969), Powerglide (1.82, 1.00)",
                      }));
    EXPECT_EQ(StockGearRatios(PowerglideOf("Late Car (1965-1969)")),
              (std::vector<double>{1.82, 1.0}));
    EXPECT_TRUE(StockGearRatios(PowerglideOf("Forward Control")).empty());
    EXPECT_EQ(YearRangeTexts("Late Car (1965-1969)"),
              (std::vector<std::string_view>{"1965", "1966-1969"}));
    // The picker's texts, back to the gearbox, as the questions are opened
    // from the comparison.
    EXPECT_EQ(PageGearbox("Early Car (1961-1964)", kPowerglideName, false),
              PowerglideOf("Early Car (1961-1964)"));
    EXPECT_EQ(PageGearbox("Forward Control", kPowerglideName, false), std::nullopt);
}

TEST(ComparisonModelTest, KeepsTheStockGearboxChosenAndDrivesAsItsModelLine) {
    ComparisonModel model(kNumbers);
    // Both sides start as the early car, whose transaxle drives the
    // speedometer.
    EXPECT_EQ(model.Gearbox(Setup::A)->yearRange, "1961-1963");
    EXPECT_EQ(model.Drive(), SpeedometerDrive::Transmission);
    // Each gearbox chosen for A sets the drive from its model line.
    const struct {
        std::optional<StockGearbox> gearbox;
        SpeedometerDrive drive;
    } chosen[] = {
        {StockGearbox{"Late Car (1965-1969)", "1965"}, SpeedometerDrive::FrontWheel},
        {StockGearbox{"Forward Control", "1964-1965"}, SpeedometerDrive::Transmission},
        {PowerglideOf("Late Car (1965-1969)"), SpeedometerDrive::FrontWheel},
        {PowerglideOf("Early Car (1961-1964)"), SpeedometerDrive::Transmission},
        {StockGearbox{"Late Car (1965-1969)", "1966-1969"}, SpeedometerDrive::FrontWheel},
        {std::nullopt, SpeedometerDrive::Transmission},
    };
    for (const auto& c : chosen) {
        SCOPED_TRACE(GearboxLabel(c.gearbox, "custom"));
        model.SetGearbox(Setup::A, c.gearbox);
        EXPECT_EQ(model.Drive(), c.drive);
        EXPECT_EQ(model.Gearbox(Setup::A), c.gearbox);
    }
    // The 1965 late car's ratios typed are typed: custom, the transmission,
    // though the early 1964 and the Forward Control have them too.
    model.SetGearbox(Setup::A, StockGearbox{"Late Car (1965-1969)", "1965"});
    SetupTexts typed = model.Texts(Setup::A);
    EXPECT_EQ(typed.gears, (std::vector<std::string>{"3.2", "2.18", "1.44", "1"}));
    typed.gears[3] = "0.89";
    model.SetTexts(Setup::A, typed);
    typed.gears[3] = "1";
    model.SetTexts(Setup::A, typed);
    EXPECT_FALSE(model.Gearbox(Setup::A));
    EXPECT_EQ(model.Drive(), SpeedometerDrive::Transmission);
    // An edit that keeps the ratios keeps the gearbox.
    model.SetGearbox(Setup::A, StockGearbox{"Late Car (1965-1969)", "1965"});
    typed.tire = "26";
    model.SetTexts(Setup::A, typed);
    EXPECT_EQ(model.Gearbox(Setup::A), (StockGearbox{"Late Car (1965-1969)", "1965"}));
    model.SetDrive(SpeedometerDrive::Transmission);  // the user's from now on
    typed.tire = "25";
    model.SetTexts(Setup::A, typed);
    EXPECT_EQ(model.Drive(), SpeedometerDrive::Transmission);
    model.SetDrive(SpeedometerDrive::FrontWheel);

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
