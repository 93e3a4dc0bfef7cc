#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeStockPage.h"

namespace tachoria {
namespace {

using testing::FakeResultList;
using Row = std::vector<std::string>;

struct StockFixture : ::testing::Test, testing::FakeStockPage {};

TEST(WriteStockTable, MatchesTheExampleRowsForTheEarlyCar) {
    FakeResultList list;
    const RatioSet early = RatioSetOf(2);
    ASSERT_TRUE(WriteStockTable(list, TableMode::GetRPM, 24, early, 3.27));
    EXPECT_EQ(list.Headers(),
              (std::vector<std::string>{"MPH", "1st Gear", "2nd Gear", "3rd Gear", "4th Gear"}));
    for (const auto& column : list.columns) {
        EXPECT_EQ(column.width, 8415 / 5);
    }
    ASSERT_EQ(list.rows.size(), 15U);
    EXPECT_EQ(list.rows[0], (Row{"   10", " 1671", " 1076", " 659", " 457"}));
    EXPECT_EQ(list.rows[5], (Row{"   60", "", " 6457", " 3956", " 2747"}));
    EXPECT_EQ(list.rows[14], (Row{"  150", "", "", " 9892", " 6869"}));

    ASSERT_TRUE(WriteStockTable(list, TableMode::GetMPH, 24, early, 3.27));
    EXPECT_EQ(list.Headers().at(0), "RPM");
    ASSERT_EQ(list.rows.size(), 14U);
    EXPECT_EQ(list.rows[0], (Row{"  500", " 2", " 4", " 7", " 10"}));
    EXPECT_EQ(list.rows[13], (Row{" 7000", " 41", " 65", " 106", " 152"}));
}

TEST(WriteStockTable, SmallTireEmptiesHighCellsButKeepsRowsAndLabels) {
    FakeResultList list;
    ASSERT_TRUE(WriteStockTable(list, TableMode::GetRPM, 2, RatioSetOf(1), 3.27));
    ASSERT_EQ(list.rows.size(), 15U);
    for (std::size_t i = 0; i < list.rows.size(); ++i) {
        EXPECT_EQ(list.rows[i][0].size(), 5U);
        EXPECT_EQ(list.rows[i][1], "") << "row " << i;  // 10 MPH in first gear is 23416 RPM
    }
    EXPECT_EQ(list.rows[0][4], " 5495");  // fourth gear at 10 MPH
    EXPECT_EQ(list.rows[14][4], "");      // and at 150 MPH
}

TEST(WriteStockTable, NegativeTireShowsEveryNegativeCell) {
    FakeResultList list;
    ASSERT_TRUE(WriteStockTable(list, TableMode::GetRPM, -24, RatioSetOf(2), 3.27));
    EXPECT_EQ(list.rows[14], (Row{"  150", "-25075", "-16144", "-9893", "-6870"}));
    ASSERT_TRUE(WriteStockTable(list, TableMode::GetMPH, -24, RatioSetOf(2), 3.27));
    EXPECT_EQ(list.rows[0], (Row{"  500", "-3", "-5", "-8", "-11"}));
}

TEST(WriteStockTable, OutOfRangeTireStopsBeforeTheFirstRow) {
    FakeResultList list;
    EXPECT_FALSE(WriteStockTable(list, TableMode::GetRPM, 1e-320, RatioSetOf(2), 3.27));
    EXPECT_EQ(list.columns.size(), 5U);
    EXPECT_TRUE(list.rows.empty());
}

// Every catalogue entry and a range of tires gives full tables whose cells
// are whole numbers, in mode 1 below the limit.
TEST_F(StockFixture, EveryCatalogueEntryGivesCompleteTables) {
    for (const std::string_view modelText : ModelTexts()) {
        for (const std::string_view yearText : YearRangeTexts(modelText)) {
            for (const std::string_view axle : AxleRatioTexts(GearboxCodeOf(modelText, yearText))) {
                for (const char* tireText : {"24", "13.5", "33.6135", "-26", "200"}) {
                    Select(modelText, yearText, axle);
                    tire.SetText(tireText);
                    RunStockTable(page, TableMode::GetRPM);
                    ASSERT_EQ(list.rows.size(), 15U) << modelText << yearText << axle;
                    for (const Row& row : list.rows) {
                        for (std::size_t cell = 1; cell < row.size(); ++cell) {
                            if (!row[cell].empty()) {
                                EXPECT_LT(std::stod(row[cell]), 10000);
                            }
                        }
                    }
                    RunStockTable(page, TableMode::GetMPH);
                    ASSERT_EQ(list.rows.size(), 14U);
                    EXPECT_EQ(list.rows[13][0], " 7000");
                    EXPECT_EQ(list.rows[13].size(), 5U);
                }
            }
        }
    }
    EXPECT_TRUE(failures.messages.empty());
}

TEST_F(StockFixture, ReadsTheSelectionAndTheTireUpToItsUnit) {
    Select("Forward Control", "1961 (early)", "3.27");
    tire.SetText("  24 in");
    const StockInputs inputs = ReadStockInputs(controls);
    EXPECT_EQ(inputs.code, 1);
    EXPECT_EQ(inputs.tireDiameter, 24);
    EXPECT_EQ(inputs.axleRatio, 3.27);
    EXPECT_EQ(inputs.ratios, RatioSet(4.26, 2.55, 1.68, 1));
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
        ChooseModel(c.model);
        if (c.year) {
            ChooseYear(c.year);
            if (c.axle) {
                ChooseAxle(c.axle);
            }
        }
        tire.SetText(c.tire);
        EXPECT_EQ(ReadStockInputs(controls).code, kNoGearbox) << c.tire << c.model;
        RunStockTable(page, TableMode::GetMPH);
        EXPECT_EQ(list.rows, shown) << c.tire << c.model;
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
    for (const char* text : {"1e400", "1e-320", "-1e400"}) {
        failures.messages.clear();
        tire.SetText(text);
        for (const TableMode mode : {TableMode::GetRPM, TableMode::GetMPH}) {
            list.rows = {{"old"}};
            RunStockTable(page, mode);
            EXPECT_TRUE(list.rows.empty()) << text;
            EXPECT_EQ(list.columns.size(), 5U);
        }
        EXPECT_EQ(failures.messages,
                  (std::vector<std::string>(
                      2, std::string("Tire Diameter \"") + text +
                             "\" is too large or too small: the table's speeds cannot be "
                             "computed.")));
    }
}

}  // namespace
}  // namespace tachoria
