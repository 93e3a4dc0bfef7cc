#include "arith/Num2String.h"

#include <gtest/gtest.h>

namespace tachoria {
namespace {

TEST(NumberText, IsThePlainTextForm) {
    const struct {
        double value;
        const char* text;
    } cases[] = {
        {1373, " 1373"},  {0, " 0"},       {-0.0, " 0"},
        {0.57, " .57"},   {-0.57, "-.57"}, {54.592, " 54.592"},
        {-1234, "-1234"}, {2.5, " 2.5"},   {999999999999999, " 999999999999999"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(NumberText(c.value), c.text) << c.value;
    }
}

TEST(Num2String, FormatsAsTheTablesNeed) {
    const struct {
        double value;
        int decimals;
        int width;
        const char* text;
    } cases[] = {
        // What the tables themselves ask for.
        {500, 0, 0, " 500"},
        {7000, 0, 0, " 7000"},
        {10, 0, 5, "   10"},
        {100, 0, 5, "  100"},
        {7000, 0, 5, " 7000"},
        {123456, 0, 5, " 123456"},  // never shortened
        {0, 0, 0, " 0"},
        {0, 0, 5, "    0"},
        {-1234, 0, 0, "-1234"},
        {-5, 0, 5, "   -5"},
        // Decimals: appended, rounded half up and cut, zero supplied.
        {12, 2, 8, "   12.00"},
        {0, 2, 0, " 0.00"},
        {54.587, 2, 0, " 54.59"},
        {2.5, 3, 0, " 2.500"},
        {0.567, 2, 0, "0.57"},
        {-0.57, 2, 0, "-0.57"},
        {0.5, 1, 6, "   0.5"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Num2String(c.value, c.decimals, c.width), c.text)
            << c.value << " with " << c.decimals << " decimals, width " << c.width;
    }
}

// Inputs the tables never pass, where rounding moves or removes the point.
TEST(Num2String, RoundingThatCarriesStillGivesTheWantedDecimals) {
    const struct {
        double value;
        int decimals;
        const char* text;
    } cases[] = {
        {0.96, 1, " 1.0"}, {9.96, 1, " 10.0"}, {54.587, 0, " 55"}, {0.4, 0, " 0"}, {0.2, 0, " 0"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Num2String(c.value, c.decimals, 0), c.text) << c.value;
    }
}

}  // namespace
}  // namespace tachoria
