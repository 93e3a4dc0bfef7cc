#include "tables/TableJson.h"

#include <gtest/gtest.h>

#include <limits>
#include <string>
#include <vector>

#include "ReadJson.h"

namespace tachoria {
namespace {

// Numbers keep the digits the tables write them with, 15 significant
// ones; a whole number has no point, so that programs read it as one.
TEST(JsonNumber, WritesTheTablesDigits) {
    const struct {
        double value;
        const char* json;
    } cases[] = {
        {24.0, "24"},
        {3.27, "3.27"},
        {185 * 0.8 * 2 / 25.4 + 13, "24.6535433070866"},  // 185/80R13, not ...086615
        {0.1 + 0.2, "0.3"},
        {-2.65091025231556, "-2.65091025231556"},
        {-0.0, "0"},
        {1e-5, "1e-05"},
        {123456789012345.0, "123456789012345"},
        {1e15, "1e+15"},
        {std::numeric_limits<double>::infinity(), "null"},
        {-std::numeric_limits<double>::infinity(), "null"},
        {std::numeric_limits<double>::quiet_NaN(), "null"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.json);
        EXPECT_EQ(JsonNumber(c.value).dump(), c.json);
    }
    const double gears[] = {3.65, 2.35, 1.44, 1};
    EXPECT_EQ(JsonNumbers(gears).dump(), "[3.65,2.35,1.44,1]");
}

// Programs read the JSON: a cell that is a number is one, a fraction if it
// is written with a point; a blank or missing value is null; any other
// text is a string.
TEST(JsonCell, WritesNumbersNullsOrStrings) {
    const struct {
        const char* cell;
        const char* json;
    } cases[] = {
        {"  457", "457"},       {"+4.2", "4.2"},    {" .5", "0.5"},
        {"-.57", "-0.57"},      {"007", "7"},       {"0.0", "0.0"},
        {"-0.0", "-0.0"},       {"24.00", "24.0"},  {"120.", "120.0"},
        {"1e-5", "1e-05"},      {"", "null"},       {"   ", "null"},
        {"\u2014", "null"},     {"1e", "\"1e\""},   {"inf", "\"inf\""},
        {"+", "\"+\""},         {".", "\".\""},     {"3.8 % high", "\"3.8 % high\""},
        {"1.2.3", "\"1.2.3\""}, {"--1", "\"--1\""}, {" a\"b\\c\x01 ", R"("a\"b\\c\u0001")"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.cell);
        EXPECT_EQ(JsonCell(c.cell).dump(), c.json);
    }
}

// Writing throws nothing: members that are no object still give a table,
// and bytes that are not UTF-8 become U+FFFD.
TEST(JsonDocument, WritesAnyTableAsOneValue) {
    const Table table{{"MPH", "bad \xff\xc0 byte"}, {{"10", {"457"}, {}}}};
    std::string text;
    EXPECT_NO_THROW(text = JsonDocument(JsonTable(table, Json::array({1, 2}))));
    EXPECT_TRUE(text.ends_with("}\n")) << text;
    Json json = testing::ReadJson(text);
    ASSERT_FALSE(json.is_discarded()) << text;
    EXPECT_EQ(testing::Keys(json), (std::vector<std::string>{"headers", "rows"}));
    EXPECT_EQ(json["headers"][1], "bad \xef\xbf\xbd\xef\xbf\xbd byte");
    EXPECT_EQ(json["rows"], Json::parse("[[10, 457]]"));
}

}  // namespace
}  // namespace tachoria
