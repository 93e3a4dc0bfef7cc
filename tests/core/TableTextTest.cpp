#include "tables/TableText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <limits>

#include "StrictJson.h"
#include "tables/ReadForm.h"
#include "tables/ToolsWriteData.h"

namespace tachoria {
namespace {

Table EarlyCarRPM() {
    return ComputeStockTable(TableMode::GetRPM,
                             *StockInputsOf("24", "Early Car (1961-1964)", "1961-1963", "3.27"));
}

TEST(TabSeparatedText, StripsPaddingAndKeepsEmptyCells) {
    const std::size_t rows[] = {0, 14};
    EXPECT_EQ(TabSeparatedText(EarlyCarRPM(), rows),
              "MPH\t1st Gear\t2nd Gear\t3rd Gear\t4th Gear\n"
              "10\t1671\t1076\t659\t457\n"
              "150\t\t\t9892\t6869\n");
}

TEST(TabSeparatedText, TakesEveryRowInOrderOrOnlyThoseAsked) {
    const std::string all = TabSeparatedText(EarlyCarRPM());
    EXPECT_EQ(std::count(all.begin(), all.end(), '\n'), 16);
    EXPECT_NE(all.find("\n60\t\t6457\t3956\t2747\n"), std::string::npos);
    const std::size_t outOfRange[] = {99};
    EXPECT_EQ(TabSeparatedText(EarlyCarRPM(), outOfRange),
              "MPH\t1st Gear\t2nd Gear\t3rd Gear\t4th Gear\n");
}

TEST(TabSeparatedText, HeaderAloneWhenThereAreNoRows) {
    EXPECT_EQ(TabSeparatedText(Table{{"RPM", "MPH"}, {}, {}, {}}), "RPM\tMPH\n");
    EXPECT_EQ(TabSeparatedText(Table{{"A", "B"}, {{"   ", {"-5"}, {}}}, {}, {}}), "A\tB\n\t-5\n");
}

TEST(CommaSeparatedText, IsRfc4180WithAHeaderLine) {
    const std::string csv = CommaSeparatedText(EarlyCarRPM());
    EXPECT_EQ(csv.substr(0, csv.find("\r\n", csv.find("\r\n") + 2) + 2),
              "MPH,1st Gear,2nd Gear,3rd Gear,4th Gear\r\n10,1671,1076,659,457\r\n");
    EXPECT_NE(csv.find("\r\n150,,,9892,6869\r\n"), std::string::npos);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\n'), 16);
    EXPECT_EQ(std::count(csv.begin(), csv.end(), '\r'), 16);
}

TEST(CommaSeparatedText, QuotesFieldsThatNeedItAndLeavesMissingValuesEmpty) {
    const Table table{{"a,b", "say \"hi\"", "two\nlines", " plain "},
                      {{"1", {std::string(kNoValue), " 3.8 % high", ""}, {}}},
                      {},
                      {}};
    EXPECT_EQ(CommaSeparatedText(table),
              "\"a,b\",\"say \"\"hi\"\"\",\"two\nlines\",plain\r\n1,,3.8 % high,\r\n");
}

TEST(AlignedText, RightAlignsEachColumnUnderItsHeader) {
    const Table table{{"MPH", "RPM"}, {{"   10", {"  457"}, {}}, {"  120", {" 5495"}, {}}}, {}, {}};
    EXPECT_EQ(AlignedText(table),
              "  MPH    RPM\n"
              "   10    457\n"
              "  120   5495\n");
    // "—" is one character wide, as on screen; word labels go left.
    const Table words{
        {"Gear", "MPH"}, {{"first", {" 1.5"}, {}}, {"2", {std::string(kNoValue)}, {}}}, {}, {}};
    EXPECT_EQ(AlignedText(words),
              "Gear    MPH\n"
              "first   1.5\n"
              "2         —\n");
    const std::string stock = AlignedText(EarlyCarRPM());
    EXPECT_EQ(stock.substr(0, stock.find('\n')), "  MPH  1st Gear  2nd Gear  3rd Gear  4th Gear");
    // Two blank cells, then the third gear's " 9892" right-aligned under "3rd Gear".
    EXPECT_NE(stock.find("\n  150" + std::string(26, ' ') + "9892      6869\n"), std::string::npos);
}

TEST(JsonText, GivesInputsHeadersAndNumericRows) {
    const std::string forward = JsonText(ComputeStockTable(
        TableMode::GetMPH, *StockInputsOf("24", "Forward Control", "1961 (early)", "3.27")));
    EXPECT_TRUE(forward.starts_with(
        "{\n"
        "  \"page\": \"stock\",\n"
        "  \"inputs\": {\"model\": \"Forward Control\", \"yearRange\": \"1961 (early)\", "
        "\"tire\": \"24\", \"tireDiameter\": 24, \"axleRatio\": 3.27, \"gearRatios\": [4.26, "
        "2.55, 1.68, 1]},\n"
        "  \"headers\": [\"RPM\", \"1st Gear\", \"2nd Gear\", \"3rd Gear\", \"4th Gear\"],\n"
        "  \"rows\": [\n"
        "    [500, 2, 4, 6, 10],\n"))
        << forward;
    const std::string json = JsonText(EarlyCarRPM());
    EXPECT_NE(json.find("    [10, 1671, 1076, 659, 457],\n"), std::string::npos);
    EXPECT_NE(json.find("    [150, null, null, 9892, 6869]\n  ]\n}\n"), std::string::npos);
    Table odd{.headers = {"a\"b\\c\x01"}, .inputs = TableInputs{}};
    odd.inputs->tireDiameter = std::numeric_limits<double>::infinity();
    EXPECT_NE(JsonText(odd).find("[\"a\\\"b\\\\c\\u0001\"]"), std::string::npos);
    EXPECT_NE(JsonText(odd).find("\"tireDiameter\": null"), std::string::npos);
}

// Programs read the JSON: a cell that is a number is one, in JSON's form;
// a blank or missing value is null; any other text is a string.
TEST(JsonText, WritesCellsAsNumbersNullsOrStringsAndAlwaysParses) {
    const struct {
        const char* cell;
        const char* json;
    } cases[] = {
        {"  457", "457"},       {"+4.2", "4.2"},
        {" .5", "0.5"},         {"-.57", "-0.57"},
        {"007", "7"},           {"120.", "120"},
        {"1e-5", "1e-5"},       {"-0", "-0"},
        {"", "null"},           {"   ", "null"},
        {"\u2014", "null"},     {"1e", "\"1e\""},
        {"inf", "\"inf\""},     {"+", "\"+\""},
        {".", "\".\""},         {"3.8 % high", "\"3.8 % high\""},
        {"1.2.3", "\"1.2.3\""}, {"--1", "\"--1\""},
    };
    Table table{{"label", "cell"}, {}, {}, {}};
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell);
        EXPECT_EQ(JsonCell(c.cell), c.json);
        table.rows.push_back({c.cell, {c.cell}, {}});
    }
    table.rows.back().notes = {"over the redline"};
    const std::string json = JsonText(table);
    EXPECT_TRUE(testing::StrictJson::Parses(json)) << json;
    EXPECT_NE(json.find("\"notes\": [\n    [null, null],"), std::string::npos) << json;
    EXPECT_NE(json.find("[null, \"over the redline\"]\n  ]\n}\n"), std::string::npos) << json;
}

}  // namespace
}  // namespace tachoria
