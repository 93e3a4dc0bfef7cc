#include "tables/TableText.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <array>
#include <limits>
#include <string>
#include <vector>

#include "ReadJson.h"
#include "tables/GenericPage.h"
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
    using testing::Json;
    Json forward = testing::ReadJson(JsonText(ComputeStockTable(
        TableMode::GetMPH, *StockInputsOf("24", "Forward Control", "1961 (early)", "3.27"))));
    EXPECT_EQ(testing::Keys(forward),
              (std::vector<std::string>{"page", "inputs", "headers", "rows"}));
    EXPECT_EQ(forward["page"], "stock");
    EXPECT_EQ(forward["inputs"], Json::parse(R"j({"model": "Forward Control",
        "yearRange": "1961 (early)", "tire": "24", "tireDiameter": 24, "axleRatio": 3.27,
        "gearRatios": [4.26, 2.55, 1.68, 1]})j"));
    EXPECT_EQ(forward["headers"],
              Json::parse(R"j(["RPM", "1st Gear", "2nd Gear", "3rd Gear", "4th Gear"])j"));
    EXPECT_EQ(forward["rows"][0], Json::parse("[500, 2, 4, 6, 10]"));

    const std::array<GivenText, 3> texts = {{{"tire", "185R13"}, {"axle", "3.55"}, {"gear", "1"}}};
    Json generic = testing::ReadJson(
        JsonText(ComputeGenericTable(TableMode::GetRPM, texts, PlainNumberConverter())));
    EXPECT_EQ(generic["page"], "generic");
    EXPECT_EQ(generic["inputs"], Json::parse(R"j({"tire": "185R13",
        "tireReadsAs": "24.94 in (metric, no aspect ratio: read as 82-series)",
        "tireDiameter": 24.9448818897638, "axleRatio": 3.55, "gearRatios": [1]})j"));

    Json early = testing::ReadJson(JsonText(EarlyCarRPM()));
    ASSERT_EQ(early["rows"].size(), 15U);
    EXPECT_EQ(early["rows"][0], Json::parse("[10, 1671, 1076, 659, 457]"));
    EXPECT_EQ(early["rows"][14], Json::parse("[150, null, null, 9892, 6869]"));
    EXPECT_FALSE(early.contains("notes"));

    // A table without inputs has only its cells; a number that is not
    // finite is null.
    Table odd{.headers = {"a\"b\\c\x01"}};
    EXPECT_EQ(testing::Keys(testing::ReadJson(JsonText(odd))),
              (std::vector<std::string>{"headers", "rows"}));
    odd.inputs = TableInputs{};
    odd.inputs->tireDiameter = std::numeric_limits<double>::infinity();
    Json oddJson = testing::ReadJson(JsonText(odd));
    EXPECT_EQ(oddJson["headers"][0], "a\"b\\c\x01");
    EXPECT_TRUE(oddJson["inputs"]["tireDiameter"].is_null());
}

TEST(JsonText, GivesOneArrayOfNotesPerRowWhenACellIsMarked) {
    Table table{{"MPH", "RPM", "RPM"}, {{"10", {"457", "500"}, {}}, {"20", {"9000", "9892"}, {}}}};
    table.rows[1].notes = {"", "over the redline"};
    testing::Json json = testing::ReadJson(JsonText(table));
    EXPECT_EQ(testing::Keys(json), (std::vector<std::string>{"headers", "rows", "notes"}));
    EXPECT_EQ(json["notes"], testing::Json::parse(R"j([[null, null, null],
        [null, null, "over the redline"]])j"));
}

}  // namespace
}  // namespace tachoria
