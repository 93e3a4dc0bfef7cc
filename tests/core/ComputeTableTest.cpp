#include "tables/ComputeTable.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tachoria {
namespace {

TableInputs Inputs(TablePage page, double tire, std::vector<double> gears, double axle,
                   std::string tireText = "", std::string model = "", std::string years = "") {
    TableInputs inputs;
    inputs.page = page;
    inputs.tireDiameter = tire;
    inputs.gearRatios = std::move(gears);
    inputs.axleRatio = axle;
    inputs.tireText = std::move(tireText);
    inputs.model = std::move(model);
    inputs.yearRange = std::move(years);
    return inputs;
}

struct Shape {
    const char* name;
    const TableDescription& description;
    std::vector<std::string> headers;
    std::size_t rows;
    const char* firstLabel;
    const char* lastLabel;

    friend void PrintTo(const Shape& shape, std::ostream* out) { *out << shape.name; }
};

class TableShapes : public ::testing::TestWithParam<Shape> {};

TEST_P(TableShapes, HaveTheirHeadersRowsAndLabels) {
    const Shape& shape = GetParam();
    const TableInputs inputs =
        Inputs(TablePage::Generic, 24, std::vector<double>(shape.headers.size() - 1, 1.0), 3.27);
    const Table table = ComputeTable(shape.description, inputs, {});
    EXPECT_EQ(table.headers, shape.headers);
    ASSERT_EQ(table.rows.size(), shape.rows);
    EXPECT_EQ(table.rows.front().label, shape.firstLabel);
    EXPECT_EQ(table.rows.back().label, shape.lastLabel);
    EXPECT_EQ(table.rows.front().cells.size(), shape.headers.size() - 1);
    EXPECT_FALSE(table.failure);
}

INSTANTIATE_TEST_SUITE_P(
    AllFour, TableShapes,
    ::testing::Values(Shape{"GenericRPM",
                            GenericTableDescription(TableMode::GetRPM),
                            {"MPH", "RPM"},
                            12,
                            "   10",
                            "  120"},
                      Shape{"GenericMPH",
                            GenericTableDescription(TableMode::GetMPH),
                            {"RPM", "MPH"},
                            14,
                            " 500",
                            " 7000"},
                      Shape{"StockRPM",
                            StockTableDescription(TableMode::GetRPM),
                            {"MPH", "1st Gear", "2nd Gear", "3rd Gear", "4th Gear"},
                            15,
                            "   10",
                            "  150"},
                      Shape{"StockMPH",
                            StockTableDescription(TableMode::GetMPH),
                            {"RPM", "1st Gear", "2nd Gear", "3rd Gear", "4th Gear"},
                            14,
                            "  500",
                            " 7000"}),
    [](const ::testing::TestParamInfo<Shape>& info) { return std::string(info.param.name); });

// Only the stock page's "Get RPM" blanks engine speeds of 10000 and more;
// the generic page shows them.
TEST(ComputeTable, BlanksHighEngineSpeedsOnlyWhereTheTableSaysSo) {
    TableInputs inputs = Inputs(TablePage::Generic, 2, {1}, 3.27);
    const Table generic = ComputeTable(GenericTableDescription(TableMode::GetRPM), inputs, {});
    EXPECT_EQ(generic.rows.back().cells, std::vector<std::string>{" 65949"});  // 120 MPH: 65949.7
    inputs.gearRatios = {1, 1, 1, 1};
    const Table stock = ComputeTable(StockTableDescription(TableMode::GetRPM), inputs, {});
    EXPECT_EQ(stock.rows.back().cells, (std::vector<std::string>{"", "", "", ""}));
    EXPECT_EQ(stock.rows.front().cells[0], " 5495");  // 10 MPH, below the limit
}

// A result past the whole-number range stops the table at that row; the
// rows before it stay, and the failure names the suspects.
TEST(ComputeTable, StopsAtTheFirstRowThatCannotBeComputed) {
    // 336.135 / tire = 6e13 revolutions per mile: 10 MPH gives 6e14, 20 MPH 1.2e15.
    const double tire = 336.135 / 6e13;
    const TableInputs inputs = Inputs(TablePage::Generic, tire, {1}, 1);
    const NamedInput suspects[] = {{"Tire Diameter", "tiny", tire, true}};
    const Table table = ComputeTable(GenericTableDescription(TableMode::GetRPM), inputs, suspects);
    ASSERT_EQ(table.rows.size(), 1U);
    EXPECT_EQ(table.rows[0].label, "   10");
    EXPECT_EQ(table.failure,
              Failure{"Tire Diameter \"tiny\" is too large or too small: the table's speeds "
                      "cannot be computed."});
    EXPECT_EQ(table.inputs, inputs);
}

TEST(TableTitle, NamesThePageAndTheInputsUsed) {
    const struct {
        TableInputs inputs;
        const char* title;
    } cases[] = {
        {Inputs(TablePage::Generic, 24, {1}, 3.27, "24"),
         "Generic Vehicle: tire 24 in, axle 3.27, transmission 1"},
        {Inputs(TablePage::Generic, 24.6535, {0.5}, 3.55, "185/80R13"),
         "Generic Vehicle: tire 185/80R13 = 24.65 in (metric), axle 3.55, transmission 0.5"},
        {Inputs(TablePage::Stock, 24.5, {3.65, 2.35, 1.44, 1}, 3.27, "24.5 in",
                "Early Car (1961-1964)", "1961-1963"),
         "Stock Corvair Gearing: Early Car (1961-1964), 1961-1963, axle 3.27, tire 24.5 in"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(TableTitle(c.inputs), c.title);
    }
}

}  // namespace
}  // namespace tachoria
