#include "arith/NumberReading.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace tachoria {
namespace {

TEST(LeadingNumberValue, ReadsTheNumberAtTheStart) {
    const struct {
        const char* text;
        double value;
    } cases[] = {
        {"24", 24},
        {"24.5", 24.5},
        {"  24.5 in", 24.5},
        {"\t24", 24},
        {"24 in", 24},
        {"24in", 24},
        {"24,5", 24},
        {"-24", -24},
        {"+24", 24},
        {".5", 0.5},
        {"5.", 5},
        {"3.27", 3.27},
        {"2.5e1", 25},
        {"2E+1x", 20},
        {"24e", 24},
        {"24e-", 24},
        {"1.2.3", 1.2},
        {"2 4", 2},
        {"", 0},
        {"   ", 0},
        {"in 24", 0},
        {".", 0},
        {"-", 0},
        {"-.", 0},
        {"<select differential>", 0},
        {"e5", 0},
        // Forms a general-purpose conversion would take, and a user never means.
        {"0x1A", 0},
        {"inf", 0},
        {"nan", 0},
        {"infinity", 0},
        {"1e-400", 0},  // too small for a double: reads as 0
    };
    for (const auto& c : cases) {
        EXPECT_EQ(LeadingNumberValue(c.text), c.value) << '"' << c.text << '"';
    }
}

TEST(LeadingNumberValue, OverflowReadsAsInfinityAndTinyValuesSurvive) {
    EXPECT_EQ(LeadingNumberValue("1e400"), std::numeric_limits<double>::infinity());
    EXPECT_EQ(LeadingNumberValue("-1e400"), -std::numeric_limits<double>::infinity());
    const double tiny = LeadingNumberValue("1e-320");
    EXPECT_GT(tiny, 0.0);
    EXPECT_LT(tiny, 1e-300);
}

TEST(ScanLeadingNumber, CountsOnlyTheCharactersOfTheNumber) {
    const struct {
        const char* text;
        std::size_t length;
    } cases[] = {
        {"24 in", 2}, {"2.5e1x", 5}, {"24e+", 2}, {"-.5", 3}, {" 24", 0}, {"x", 0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(ScanLeadingNumber(c.text).length, c.length) << '"' << c.text << '"';
    }
}

TEST(PlainNumberConverter, AcceptsOnlyAWholeFiniteNumber) {
    const PlainNumberConverter numbers;
    const struct {
        const char* text;
        std::optional<double> value;
    } cases[] = {
        {"3.27", 3.27},
        {" 24 ", 24},
        {"-1", -1},
        {"1e3", 1000},
        {"", std::nullopt},
        {"   ", std::nullopt},
        {"abc", std::nullopt},
        {"24 in", std::nullopt},
        {"3,27", std::nullopt},
        {"1e400", std::numeric_limits<double>::infinity()},  // a number, if too large
        {"-1e400", -std::numeric_limits<double>::infinity()},
        {"inf", std::nullopt},
        {"nan", std::nullopt},
        {"0x10", std::nullopt},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(numbers.ToNumber(c.text), c.value) << '"' << c.text << '"';
    }
}

// Past a double's range, the written digits say which way: "0.000…01"
// with its zeros written out is too small, not too large.
TEST(ScanLeadingNumber, TellsTooSmallFromTooLarge) {
    const std::string tiny = "0." + std::string(400, '0') + "1";
    const double inf = std::numeric_limits<double>::infinity();
    const struct {
        std::string text;
        double value;
        bool underflow;
    } cases[] = {
        {tiny, 0, true},       {"-" + tiny, -0.0, true},  {"1e-400", 0, true},
        {"100e-400", 0, true}, {"0.001e400", inf, false}, {"1" + std::string(400, '0'), inf, false},
        {"1e400", inf, false}, {"0.0", 0, false},         {"5e-324", 5e-324, false},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 12));
        const LeadingNumber number = ScanLeadingNumber(c.text);
        EXPECT_EQ(number.length, c.text.size());
        EXPECT_EQ(number.value, c.value);
        EXPECT_EQ(number.underflow, c.underflow);
    }
}

TEST(PlainNumberConverter, WritesNumbersAsABoxShowsThem) {
    const PlainNumberConverter numbers;
    EXPECT_EQ(numbers.ToText(24), "24");
    EXPECT_EQ(numbers.ToText(3.27), "3.27");
    EXPECT_EQ(numbers.ToText(1), "1");
    EXPECT_EQ(numbers.ToText(0.5), "0.5");
    EXPECT_EQ(numbers.ToText(-0.5), "-0.5");
}

}  // namespace
}  // namespace tachoria
