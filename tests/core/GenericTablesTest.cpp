#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeControls.h"
#include "arith/Blanks.h"
#include "comparison/Gearing.h"
#include "tables/Captions.h"
#include "tables/ReadForm.h"
#include "tables/ToolsGenericMPH.h"
#include "tables/ToolsGenericRPM.h"
#include "tables/ToolsListView.h"
#include "tables/ToolsWriteData.h"

namespace tachoria {
namespace {

using testing::FakeColumn;
using testing::FakeResultList;
using testing::FakeTextBox;
using testing::RecordingFailureSink;
using Row = std::vector<std::string>;

// A comma-decimal converter, standing in for the user's locale.
class CommaNumbers final : public NumberConverter {
public:
    [[nodiscard]] std::optional<double> ToNumber(std::string_view text) const override {
        std::string dotted(text);
        for (char& c : dotted) {
            if (c == ',') {
                c = '.';
            } else if (c == '.') {
                return std::nullopt;
            }
        }
        return PlainNumberConverter().ToNumber(dotted);
    }
    [[nodiscard]] char DecimalPoint() const override { return ','; }
    [[nodiscard]] std::string ToText(double value) const override {
        std::string text = PlainNumberConverter().ToText(value);
        for (char& c : text) {
            c = c == '.' ? ',' : c;
        }
        return text;
    }
};

struct GenericFixture : ::testing::Test {
    FakeTextBox tire;
    FakeTextBox diff;
    FakeTextBox trans;
    FakeResultList list;
    PlainNumberConverter plain;
    RecordingFailureSink failures;
    GenericPage Page(const NumberConverter& numbers) {
        return {tire, diff, trans, list, numbers, failures};
    }
    GenericPage Page() { return Page(plain); }
};

TEST(ToolsListView, SetHeadersReplacesColumnsAtEqualWidths) {
    FakeResultList list(8415);
    const std::vector<std::string> two = {"RPM", "MPH"};
    const std::vector<std::string> five = {"MPH", "1st Gear", "2nd Gear", "3rd Gear", "4th Gear"};
    SetHeaders(list, five, ColumnMode::Fix);
    SetHeaders(list, two, ColumnMode::Fix);
    EXPECT_EQ(list.columns, (std::vector<FakeColumn>{{"RPM", 4207}, {"MPH", 4207}}));
    SetHeaders(list, five, ColumnMode::ListDefault);
    EXPECT_EQ(list.columns.size(), 5U);
    EXPECT_EQ(list.columns[4], (FakeColumn{"4th Gear", std::nullopt}));
}

TEST(ToolsListView, ClearItemsRemovesEveryRowButKeepsColumns) {
    FakeResultList list;
    SetHeaders(list, {"A", "B"}, ColumnMode::Fix);
    for (int i = 0; i < 3; ++i) {
        list.AddRow();
    }
    ClearItems(list);
    EXPECT_TRUE(list.rows.empty());
    EXPECT_EQ(list.columns.size(), 2U);
    ClearItems(list);  // an empty list stays empty
    EXPECT_TRUE(list.rows.empty());
}

TEST(ToolsListView, ShowTableWritesHeadersAndRowsOverWhatWasThere) {
    FakeResultList list(1000);
    SetHeaders(list, {"old", "columns", "here"}, ColumnMode::ListDefault);
    list.AddRow();
    const Table table{{"MPH", "RPM"}, {{"   10", {"  457"}}, {"   20", {""}}}, {}, {}};
    ShowTable(list, table);
    EXPECT_EQ(list.columns, (std::vector<FakeColumn>{{"MPH", 500}, {"RPM", 500}}));
    EXPECT_EQ(list.rows, (std::vector<Row>{{"   10", "  457"}, {"   20", ""}}));
}

TEST_F(GenericFixture, GetMPHWithEmptyBoxesUsesAndShowsTheDefaults) {
    const Table table = ShowGenericMPH(Page());
    EXPECT_EQ(table.inputs->page, TablePage::Generic);
    EXPECT_EQ(table.inputs->tireDiameter, 24);
    EXPECT_EQ(table.inputs->axleRatio, 3.27);
    EXPECT_EQ(table.inputs->gearRatios, std::vector<double>{1});
    EXPECT_EQ(table.inputs->tireText, "24");
    EXPECT_EQ(tire.Text(), "24");
    EXPECT_EQ(diff.Text(), "3.27");
    EXPECT_EQ(trans.Text(), "1");
    EXPECT_EQ(list.Headers(), (std::vector<std::string>{"RPM", "MPH"}));
    ASSERT_EQ(list.rows.size(), 14U);
    EXPECT_EQ(list.rows[0], (Row{" 500", " 10"}));
    EXPECT_EQ(list.rows[1], (Row{" 1000", " 21"}));
    EXPECT_EQ(list.rows[2], (Row{" 1500", " 32"}));
    EXPECT_EQ(list.rows[13], (Row{" 7000", " 152"}));
    EXPECT_TRUE(failures.messages.empty());
}

TEST_F(GenericFixture, GetRPMWithEmptyBoxesUsesAndShowsTheDefaults) {
    ShowGenericRPM(Page());
    EXPECT_EQ(list.Headers(), (std::vector<std::string>{"MPH", "RPM"}));
    ASSERT_EQ(list.rows.size(), 12U);
    EXPECT_EQ(list.rows[0], (Row{"   10", "  457"}));
    EXPECT_EQ(list.rows[1], (Row{"   20", "  915"}));
    EXPECT_EQ(list.rows[2], (Row{"   30", " 1373"}));
    EXPECT_EQ(list.rows[11], (Row{"  120", " 5495"}));
    EXPECT_EQ(list.columns[0].width, 8415 / 2);
}

TEST_F(GenericFixture, DefaultsGoOnlyIntoEmptyBoxes) {
    diff.SetText("3.55");
    trans.SetText("2");
    diff.writes = trans.writes = 0;
    ShowGenericRPM(Page());
    EXPECT_EQ(tire.Text(), "24");
    EXPECT_EQ(diff.Text(), "3.55");
    EXPECT_EQ(trans.Text(), "2");
    EXPECT_EQ(diff.writes + trans.writes, 0);
    // 10 MPH × 2 × 3.55 × 336.135 / 24 = 994.4
    EXPECT_EQ(list.rows[0], (Row{"   10", "  994"}));
}

TEST_F(GenericFixture, TransmissionRatioScalesBeforeTruncation) {
    trans.SetText("2");
    ShowGenericMPH(Page());
    EXPECT_EQ(list.rows[13], (Row{" 7000", " 76"}));  // 152.8 / 2 = 76.4
    ShowGenericRPM(Page());
    EXPECT_EQ(list.rows[0], (Row{"   10", "  915"}));  // 457.97 × 2 = 915.9
}

TEST_F(GenericFixture, PressingTwiceGivesTheSameList) {
    ShowGenericMPH(Page());
    const auto columns = list.columns;
    const auto rows = list.rows;
    ShowGenericMPH(Page());
    EXPECT_EQ(list.columns, columns);
    EXPECT_EQ(list.rows, rows);
    ShowGenericRPM(Page());
    ShowGenericRPM(Page());
    EXPECT_EQ(list.columns.size(), 2U);
    EXPECT_EQ(list.rows.size(), 12U);
}

TEST_F(GenericFixture, NegativeTireGivesNegativeTruncatedSpeeds) {
    tire.SetText("-24");
    ShowGenericRPM(Page());
    EXPECT_EQ(list.rows[0], (Row{"   10", " -458"}));
}

TEST_F(GenericFixture, CommaLocaleReadsAndWritesWithComma) {
    CommaNumbers comma;
    ShowGenericMPH(Page(comma));
    EXPECT_EQ(diff.Text(), "3,27");
    EXPECT_EQ(list.rows[13], (Row{" 7000", " 152"}));
    diff.SetText("3,55");
    ShowGenericRPM(Page(comma));
    EXPECT_EQ(list.rows[0], (Row{"   10", "  497"}));  // 10 × 3.55 × 336.135 / 24
    EXPECT_TRUE(failures.messages.empty());
}

// A table that cannot be computed keeps its new headers, has no rows, says
// why once, and the next good press works.
TEST_F(GenericFixture, FailuresStopAtTheFirstRowAndAreReportedOnce) {
    const struct {
        const char* tire;
        const char* diff;
        const char* trans;
        bool getMPH;
        const char* message;
    } cases[] = {
        {"abc", "", "", true, "Tire Diameter \"abc\" is not a number."},
        {"   ", "", "", false, "Tire Diameter \"   \" is not a number."},
        {"24", "3.27x", "", true, "Differential Gearing \"3.27x\" is not a number."},
        {"24", "", "one", false, "Transmission Gearing \"one\" is not a number."},
        {"0", "", "", true,
         "Tire Diameter \"0\" is zero, and the table divides by it. Enter a number other than 0."},
        {"0", "", "", false,
         "Tire Diameter \"0\" is zero, and the table divides by it. Enter a number other than 0."},
        {"24", "0", "", true,
         "Differential Gearing \"0\" is zero, and the table divides by it. Enter a number other "
         "than 0."},
        {"24", "", "0.0", true,
         "Transmission Gearing \"0.0\" is zero, and the table divides by it. Enter a number "
         "other than 0."},
        {"1e-300", "", "", false,
         "Tire Diameter \"1e-300\", Differential Gearing \"3.27\" and Transmission Gearing \"1\" "
         "are too large or too small: the table's speeds cannot be computed."},
        {"1e400", "", "", false, "Tire Diameter \"1e400\" is too large a number."},
        {"24", "", "-1e999", true, "Transmission Gearing \"-1e999\" is too large a number."},
        {"24", "1e200", "1e200", false,
         "Tire Diameter \"24\", Differential Gearing \"1e200\" and Transmission Gearing "
         "\"1e200\" are too large or too small: the table's speeds cannot be computed."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.getMPH ? "Get MPH" : "Get RPM") + " with \"" + c.tire +
                     "\", \"" + c.diff + "\", \"" + c.trans + "\"");
        tire.SetText(c.tire);
        diff.SetText(c.diff);
        trans.SetText(c.trans);
        list.rows = {{"old"}};
        failures.messages.clear();
        const Table table = c.getMPH ? ShowGenericMPH(Page()) : ShowGenericRPM(Page());
        EXPECT_EQ(failures.messages, (std::vector<std::string>{c.message}));
        EXPECT_EQ(table.failure, Failure{c.message});
        EXPECT_EQ(list.Headers().at(0), c.getMPH ? "RPM" : "MPH");
        EXPECT_TRUE(list.rows.empty());
    }
    tire.SetText("24");
    diff.SetText("3.27");
    trans.SetText("1");
    failures.messages.clear();
    ShowGenericMPH(Page());
    EXPECT_EQ(list.rows.size(), 14U);
    EXPECT_TRUE(failures.messages.empty());
}

// The command line names its inputs by option; the failure does too.
TEST(ComputeGenericTable, NamesInputsAsTheCallerDoes) {
    const PlainNumberConverter numbers;
    const Table table = ComputeGenericTable(
        TableMode::GetMPH, {{{"--tire", "24"}, {"--axle", "x"}, {"--gear", "1"}}}, numbers);
    EXPECT_EQ(table.failure, Failure{"--axle \"x\" is not a number."});
    EXPECT_EQ(table.headers, (std::vector<std::string>{"RPM", "MPH"}));
    const Table good = ComputeGenericTable(TableMode::GetRPM,
                                           {{{kTireDiameterCaption, "185/80R13"},
                                             {kDifferentialCaption, "3.55"},
                                             {kTransmissionCaption, "2"}}},
                                           numbers);
    EXPECT_FALSE(good.failure);
    EXPECT_NEAR(good.inputs->tireDiameter, 24.6535, 1e-4);
    EXPECT_EQ(good.inputs->tireText, "185/80R13");
    EXPECT_EQ(good.inputs->axleRatio, 3.55);
    EXPECT_EQ(good.inputs->gearRatios, std::vector<double>{2});
}

TEST_F(GenericFixture, ZeroRatioGivesZeroEngineSpeedsNotAFailure) {
    diff.SetText("0");
    ShowGenericRPM(Page());
    EXPECT_TRUE(failures.messages.empty());
    ASSERT_EQ(list.rows.size(), 12U);
    EXPECT_EQ(list.rows[11], (Row{"  120", "    0"}));
}

// What each place that takes a tire makes of an owner's text: the diameter
// it uses, or the start of what it says. The stock box reads a text by its
// leading number unless that number is no diameter; the generic box and the
// comparison take sizes whole, and the comparison only from 5 to 100 in.
TEST(TireBoxes, EachPlaceReadsOwnersSizesItsOwnWay) {
    struct Reading {
        double diameter;      // 0 when there is none
        std::string message;  // what is said instead; "" for the stock box's silence
    };
    const Reading none{0, ""};
    const auto is = [](double diameter) { return Reading{diameter, ""}; };
    const auto says = [](std::string message) { return Reading{0, std::move(message)}; };
    const struct {
        const char* text;
        Reading generic, stock, comparison;
    } cases[] = {
        {"24", is(24), is(24), is(24)},
        {"24 in", is(24), is(24), is(24)},
        {"150 in", is(150), is(150), says("Too large")},
        {"225/45ZR17", is(24.9724), is(24.9724), is(24.9724)},
        {"LT265/75R16 120/116S E", is(31.6496), is(31.6496), is(31.6496)},
        {"818 rev/mi", is(24.6554), is(24.6554), is(24.6554)},
        {"165SR15", is(25.6535), is(25.6535), is(25.6535)},
        {"33x12.50R15", is(33), is(33), is(33)},
        {"235/75R17.5", is(31.3780), is(31.3780), is(31.3780)},
        {"33x", says("Tire Diameter \"33x\": there is no width and rim."), is(33),
         says("There is no width and rim.")},
        // The factory bias sizes at their nominal diameters; the stock box
        // no longer takes "6.50 13" for 6.5 in by its leading number.
        {"6.50-13", is(24.7), is(24.7), is(24.7)},
        {"6.50 13", is(24.7), is(24.7), is(24.7)},
        {"650-13 4PR", is(24.7), is(24.7), is(24.7)},
        {"7.00x13", is(25.3), is(25.3), is(25.3)},
        {"7.00 B 14", is(26.2), is(26.2), is(26.2)},
        {"6.50-14", says("Tire Diameter \"6.50-14\": an inch-width size"),
         says("Tire Diameter \"6.50-14\": an inch-width size"), says("An inch-width size")},
        {"7.00-13 junk", says(R"(Tire Diameter "7.00-13 junk": after the rim, "JUNK")"),
         says(R"(Tire Diameter "7.00-13 junk": after the rim, "JUNK")"),
         says(R"(After the rim, "JUNK")")},
        {"E78-14", says("Tire Diameter \"E78-14\": a letter size"),
         says("Tire Diameter \"E78-14\": a letter size"), says("A letter size")},
        {"225/45R", says("Tire Diameter \"225/45R\": the rim diameter is missing."),
         says("Tire Diameter \"225/45R\": the rim diameter is missing."),
         says("The rim diameter is missing.")},
        {"abc", says("Tire Diameter \"abc\" is not a number."), none, says("Not a number")},
    };
    const PlainNumberConverter numbers;
    const auto check = [](const Reading& want, const Table& table) {
        if (want.message.empty()) {
            ASSERT_FALSE(table.failure) << table.failure->message;
            EXPECT_NEAR(table.inputs->tireDiameter, want.diameter, 1e-4);
        } else {
            ASSERT_TRUE(table.failure);
            EXPECT_TRUE(table.failure->message.starts_with(want.message)) << table.failure->message;
        }
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        check(c.generic, ComputeGenericTable(TableMode::GetRPM,
                                             {{{std::string(kTireDiameterCaption), c.text},
                                               {std::string(kDifferentialCaption), "3.27"},
                                               {std::string(kTransmissionCaption), "1"}}},
                                             numbers));
        const std::optional<StockInputs> stock =
            StockInputsOf(c.text, "Early Car (1961-1964)", "1961-1963", "3.27");
        if (c.stock.diameter == 0 && c.stock.message.empty()) {
            EXPECT_FALSE(stock);  // no table, and nothing said
        } else {
            ASSERT_TRUE(stock);
            check(c.stock, ComputeStockTable(TableMode::GetRPM, *stock));
        }
        const Outcome<double> field = ReadTireField(c.text, numbers);
        if (c.comparison.message.empty()) {
            ASSERT_TRUE(field) << field.message();
            EXPECT_NEAR(*field, c.comparison.diameter, 1e-4);
        } else {
            ASSERT_FALSE(field);
            EXPECT_TRUE(field.message().starts_with(c.comparison.message)) << field.message();
        }
    }

    // Decimals inside a size: the user's point in the generic box and the
    // comparison, and "." too, as sidewalls print it; only "." in the stock
    // box. A plain number keeps the box's own point.
    const CommaNumbers comma;
    EXPECT_NEAR(*ReadTireField("235/75R17,5", comma), 31.3780, 1e-4);
    EXPECT_NEAR(*ReadTireField("235/75R17.5", comma), 31.3780, 1e-4);
    EXPECT_FALSE(ReadTireField("25.5", comma));
    EXPECT_NEAR(
        StockInputsOf("235/75R17.5", "Early Car (1961-1964)", "1961-1963", "3.27")->tireDiameter,
        31.3780, 1e-4);
    // A period size with a comma where the box takes one; the stock box
    // takes only ".".
    EXPECT_EQ(*ReadTireField("6,50-13", comma), 24.7);
    EXPECT_EQ(*ReadTireField("7,00 B 14", comma), 26.2);
    const Table commaGeneric = ComputeGenericTable(TableMode::GetRPM,
                                                   {{{std::string(kTireDiameterCaption), "6,50-13"},
                                                     {std::string(kDifferentialCaption), "3,27"},
                                                     {std::string(kTransmissionCaption), "1"}}},
                                                   comma);
    ASSERT_FALSE(commaGeneric.failure) << commaGeneric.failure->message;
    EXPECT_EQ(commaGeneric.inputs->tireDiameter, 24.7);
    const Table commaStock = ComputeStockTable(
        TableMode::GetRPM, *StockInputsOf("6,50-13", "Early Car (1961-1964)", "1961-1963", "3.27"));
    ASSERT_TRUE(commaStock.failure);
    EXPECT_TRUE(commaStock.failure->message.ends_with("decimals are written with '.'."))
        << commaStock.failure->message;
}

// The early car 1961-1963 with a 3.27 axle on 6.50-13: 60 x 3.27 x
// 336.135 / 24.7 = 2670.03, so 2670 RPM at 60 MPH in 4th.
TEST(TireBoxes, TheEarlyCarOnItsFactoryTireTurns2670At60) {
    const std::optional<StockInputs> stock =
        StockInputsOf("6.50-13", "Early Car (1961-1964)", "1961-1963", "3.27");
    ASSERT_TRUE(stock);
    const Table table = ComputeStockTable(TableMode::GetRPM, *stock);
    ASSERT_FALSE(table.failure) << table.failure->message;
    ASSERT_GE(table.rows.size(), 6U);
    EXPECT_EQ(TrimBlanks(table.rows[5].label), "60");
    EXPECT_EQ(TrimBlanks(table.rows[5].cells.at(3)), "2670");
}

TEST(TireField, DescribesWhatItReadFromTheOneReading) {
    const PlainNumberConverter plain;
    const CommaNumbers comma;
    const struct {
        const char* text;
        const NumberConverter& numbers;
        const char* description;
    } cases[] = {
        {"24", plain, "24 in, 840 revolutions per mile"},
        {"24 in", plain, "24 in, 840 revolutions per mile"},
        {"24.655", plain, "24.66 in, 818 revolutions per mile"},
        {"24,655", comma, "24,66 in, 818 revolutions per mile"},
        {"185/80R13", plain, "24.65 in (metric), 818 revolutions per mile"},
        {"185/80R13", comma, "24,65 in (metric), 818 revolutions per mile"},
        {"33x12.50R15", plain, "33 in (flotation), 611 revolutions per mile"},
        {"818 rev/mi", plain, "24.66 in"},
        // 63360 / (pi x 24.7) = 816.5
        {"6.50-13", plain,
         "24.70 in (period bias size, nominal; a tire's revolutions per mile give the truest "
         "speeds), 817 revolutions per mile"},
        {"6,50-13", comma,
         "24,70 in (period bias size, nominal; a tire's revolutions per mile give the truest "
         "speeds), 817 revolutions per mile"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Outcome<Tire> tire = ReadTireSizeField(c.text, c.numbers);
        ASSERT_TRUE(tire) << tire.message();
        EXPECT_EQ(TireDescription(*tire, c.numbers), c.description);
        EXPECT_EQ(ReadTireField(c.text, c.numbers), Outcome<double>(tire->diameter));
    }
    // A refused text gives the field's reason, the kind deciding its words.
    EXPECT_EQ(ReadTireSizeField("7.50-14", plain).message(),
              "An inch-width size: type the tire's diameter, or its revolutions per mile from the "
              "tire's data.");
    EXPECT_TRUE(ReadTireSizeField("abc", plain).message().starts_with("Not a number: "));
}

}  // namespace
}  // namespace tachoria
