#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeStockPage.h"
#include "GoldenTable.h"
#include "tables/GenericPage.h"

namespace tachoria {
namespace {

using golden::kEarlyCarMPH;
using golden::kEarlyCarRPM;
using testing::ExpectRows;
using testing::FakeResultList;
using testing::RecordingFailureSink;
using testing::Strings;
using Row = std::vector<std::string>;

struct StockFixture : ::testing::Test, testing::FakeStockPage {};

StockInputs Inputs(const char* tire, const char* model, const char* years, const char* axle) {
    const std::optional<StockInputs> inputs = StockInputsOf(tire, model, years, axle);
    EXPECT_TRUE(inputs) << tire << ", " << model << ", " << years << ", " << axle;
    return inputs.value_or(StockInputs{});
}

StockInputs EarlyCar(const char* tire = "24") {
    return Inputs(tire, "Early Car (1961-1964)", "1961-1963", "3.27");
}

TEST(WriteStockTable, GivesTheEarlyCarsGoldenTables) {
    FakeResultList list;
    RecordingFailureSink failures;
    const Table rpm = WriteStockTable(list, failures, TableMode::GetRPM, EarlyCar());
    EXPECT_EQ(list.Headers(), Strings(golden::kEarlyCarRPMHeaders));
    for (const auto& column : list.columns) {
        EXPECT_EQ(column.width, 8415 / 5);
    }
    ExpectRows(list, kEarlyCarRPM);
    ExpectRows(rpm, kEarlyCarRPM);
    EXPECT_EQ(rpm.headers, list.Headers());

    const Table mph = WriteStockTable(list, failures, TableMode::GetMPH, EarlyCar());
    EXPECT_EQ(list.Headers(), Strings(golden::kEarlyCarMPHHeaders));
    ExpectRows(list, kEarlyCarMPH);
    ExpectRows(mph, kEarlyCarMPH);
    EXPECT_TRUE(failures.messages.empty());
}

TEST(ComputeStockTable, CarriesTheInputsUsed) {
    const Table table = ComputeStockTable(TableMode::GetRPM, EarlyCar("185/80R13"));
    EXPECT_EQ(table.inputs->page, TablePage::Stock);
    EXPECT_EQ(table.inputs->model, "Early Car (1961-1964)");
    EXPECT_EQ(table.inputs->yearRange, "1961-1963");
    EXPECT_EQ(table.inputs->axleRatio, 3.27);
    EXPECT_EQ(table.inputs->gearRatios, (std::vector<double>{3.65, 2.35, 1.44, 1}));
    EXPECT_NEAR(table.inputs->tireDiameter, 24.6535, 1e-4);
    EXPECT_EQ(table.inputs->tireText, "185/80R13");
    EXPECT_FALSE(table.failure);
}

TEST(ComputeStockTable, SmallTireBlanksHighCellsButKeepsRowsAndLabels) {
    const Table table = ComputeStockTable(TableMode::GetRPM,
                                          Inputs("2", "Forward Control", "1961 (early)", "3.27"));
    ASSERT_EQ(table.rows.size(), 15U);
    for (std::size_t i = 0; i < table.rows.size(); ++i) {
        SCOPED_TRACE("row " + std::to_string(i));
        EXPECT_EQ(table.rows[i].label.size(), 5U);
        EXPECT_EQ(table.rows[i].cells[0], "");  // 10 MPH in first gear is 23416 RPM
    }
    EXPECT_EQ(table.rows[0].cells[3], " 5495");  // fourth gear at 10 MPH
    EXPECT_EQ(table.rows[14].cells[3], "");      // and at 150 MPH
}

TEST(ComputeStockTable, NegativeTireShowsEveryNegativeCell) {
    const Table rpm = ComputeStockTable(TableMode::GetRPM, EarlyCar("-24"));
    EXPECT_EQ(rpm.rows[14], (TableRow{"  150", {"-25075", "-16144", "-9893", "-6870"}}));
    const Table mph = ComputeStockTable(TableMode::GetMPH, EarlyCar("-24"));
    EXPECT_EQ(mph.rows[0], (TableRow{"  500", {"-3", "-5", "-8", "-11"}}));
}

TEST(ComputeStockTable, OutOfRangeTireStopsBeforeTheFirstRow) {
    const Table table = ComputeStockTable(TableMode::GetRPM, EarlyCar("1e-320"));
    EXPECT_EQ(table.headers.size(), 5U);
    EXPECT_TRUE(table.rows.empty());
    EXPECT_TRUE(table.failure);
}

// Every catalogue entry and a range of tires gives full tables whose cells
// are whole numbers, in "Get RPM" below the limit.
TEST_F(StockFixture, EveryCatalogueEntryGivesCompleteTables) {
    for (const std::string_view modelText : ModelTexts()) {
        for (const std::string_view yearText : YearRangeTexts(modelText)) {
            for (const std::string_view axle : AxleRatioTexts(GearboxCodeOf(modelText, yearText))) {
                for (const char* tireText : {"24", "13.5", "33.6135", "-26", "200"}) {
                    SCOPED_TRACE(std::string(modelText) + ", " + std::string(yearText) + ", " +
                                 std::string(axle) + ", tire " + tireText);
                    Select(modelText, yearText, axle);
                    tire.SetText(tireText);
                    EXPECT_TRUE(RunStockTable(page, TableMode::GetRPM));
                    EXPECT_EQ(list.rows.size(), 15U);
                    for (const Row& row : list.rows) {
                        for (std::size_t cell = 1; cell < row.size(); ++cell) {
                            if (!row[cell].empty()) {
                                EXPECT_LT(std::stod(row[cell]), 10000);
                            }
                        }
                    }
                    EXPECT_TRUE(RunStockTable(page, TableMode::GetMPH));
                    EXPECT_EQ(list.rows.size(), 14U);
                    if (list.rows.size() == 14U) {
                        EXPECT_EQ(list.rows[13][0], " 7000");
                        EXPECT_EQ(list.rows[13].size(), 5U);
                    }
                }
            }
        }
    }
    EXPECT_TRUE(failures.messages.empty());
}

TEST_F(StockFixture, ReadsTheSelectionAndTheTireUpToItsUnit) {
    Select("Forward Control", "1961 (early)", "3.27");
    tire.SetText("  24 in");
    const std::optional<StockInputs> inputs = ReadStockInputs(controls);
    ASSERT_TRUE(inputs);
    EXPECT_EQ(inputs->code, 1);
    EXPECT_EQ(inputs->tireDiameter, 24);
    EXPECT_EQ(inputs->axleRatio, 3.27);
    EXPECT_EQ(inputs->ratios, RatioSet(4.26, 2.55, 1.68, 1));
    EXPECT_EQ(inputs->tireText, "  24 in");
    EXPECT_EQ(inputs->model, "Forward Control");
    EXPECT_EQ(inputs->yearRange, "1961 (early)");
}

// Each of these leaves the list as the last good press left it, silently.
TEST_F(StockFixture, IncompleteInputsChangeNothing) {
    Select("Early Car (1961-1964)", "1961-1963", "3.27");
    tire.SetText("24");
    RunStockTable(page, TableMode::GetRPM);
    const auto shown = list.rows;
    ASSERT_EQ(shown.size(), 15U);

    const struct {
        const char* tire;
        const char* model;
        const char* year;  // nullptr: leave the year list as refilled
        const char* axle;  // nullptr: leave the axle list as refilled
    } cases[] = {
        {"", "Early Car (1961-1964)", "1961-1963", "3.27"},
        {"in 24", "Early Car (1961-1964)", "1961-1963", "3.27"},
        {"0", "Early Car (1961-1964)", "1961-1963", "3.27"},
        {"24", "Early Car (1961-1964)", "1961-1963", nullptr},
        {"24", "Early Car (1961-1964)", nullptr, nullptr},
        {"24", "<select model>", nullptr, nullptr},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string("tire \"") + c.tire + "\", " + c.model + ", " +
                     (c.year ? c.year : "(year not chosen)") + ", " +
                     (c.axle ? c.axle : "(axle not chosen)"));
        ChooseModel(c.model);
        if (c.year) {
            ChooseYear(c.year);
            if (c.axle) {
                ChooseAxle(c.axle);
            }
        }
        tire.SetText(c.tire);
        EXPECT_FALSE(ReadStockInputs(controls));
        EXPECT_FALSE(RunStockTable(page, TableMode::GetMPH));
        EXPECT_EQ(list.rows, shown);
        EXPECT_EQ(list.Headers().at(0), "MPH");
    }
    EXPECT_TRUE(failures.messages.empty());
}

TEST_F(StockFixture, ModelChangeAfterATableKeepsItUntilTheNextPress) {
    Select("Late Car (1965-1969)", "1966-1969", "3.55");
    tire.SetText("24");
    RunStockTable(page, TableMode::GetMPH);
    const auto shown = list.rows;
    ChooseModel("Forward Control");
    RunStockTable(page, TableMode::GetRPM);
    EXPECT_EQ(list.rows, shown);
}

TEST_F(StockFixture, OutOfRangeTireIsReportedOnceByName) {
    Select("Early Car (1961-1964)", "1964", "3.55");
    const struct {
        const char* text;
        const char* message;
    } cases[] = {
        {"1e400", "Tire Diameter \"1e400\" is too large a number."},
        {"-1e400", "Tire Diameter \"-1e400\" is too large a number."},
        {"1e-320",
         "Tire Diameter \"1e-320\" is too large or too small: the table's speeds cannot be "
         "computed."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        failures.messages.clear();
        tire.SetText(c.text);
        for (const TableMode mode : {TableMode::GetRPM, TableMode::GetMPH}) {
            list.rows = {{"old"}};
            const std::optional<Table> table = RunStockTable(page, mode);
            EXPECT_TRUE(list.rows.empty());
            EXPECT_EQ(list.columns.size(), 5U);
            EXPECT_TRUE(table && table->failure && table->rows.empty());
        }
        EXPECT_EQ(failures.messages, (std::vector<std::string>(2, c.message)));
    }
}

// One problem, one wording, whichever page the tire was typed on.
TEST_F(StockFixture, BothPagesWordATooLargeTireAlike) {
    Select("Early Car (1961-1964)", "1964", "3.55");
    tire.SetText("1e400");
    RunStockTable(page, TableMode::GetRPM);

    testing::FakeTextBox genericTire("1e400");
    testing::FakeTextBox diff;
    testing::FakeTextBox trans;
    FakeResultList genericList;
    RecordingFailureSink genericFailures;
    const PlainNumberConverter numbers;
    ShowGenericTable({genericTire, diff, trans, genericList, numbers, genericFailures},
                     TableMode::GetRPM);
    EXPECT_EQ(failures.messages, genericFailures.messages);
    EXPECT_EQ(failures.messages,
              std::vector<std::string>{"Tire Diameter \"1e400\" is too large a number."});
}

}  // namespace
}  // namespace tachoria
