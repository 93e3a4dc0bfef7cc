#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "FakeStockPage.h"

namespace tachoria {
namespace {

using Items = std::vector<std::string>;

struct CascadeFixture : ::testing::Test, testing::FakeStockPage {};

TEST_F(CascadeFixture, StartsWithPlaceholdersAndLaterListsDisabled) {
    EXPECT_EQ(model.items, (Items{"<select model>", "Early Car (1961-1964)", "Forward Control",
                                  "Late Car (1965-1969)"}));
    EXPECT_EQ(model.text, "<select model>");
    EXPECT_EQ(year.items, (Items{"<select year>"}));
    EXPECT_EQ(year.text, "<select year>");
    EXPECT_FALSE(year.enabled);
    EXPECT_EQ(diff.items, (Items{"<select differential>"}));
    EXPECT_EQ(diff.text, "<select differential>");
    EXPECT_FALSE(diff.enabled);
}

TEST_F(CascadeFixture, ChoosingAModelOffersItsYearRanges) {
    ChooseModel("Forward Control");
    EXPECT_EQ(year.items, (Items{"<select year>", "1961 (early)", "1961(late)-1963", "1964-1965"}));
    EXPECT_EQ(year.text, "<select year>");
    EXPECT_TRUE(year.enabled);
    EXPECT_FALSE(diff.enabled);
}

TEST_F(CascadeFixture, ChoosingAYearOffersTheAxleRatios) {
    ChooseModel("Early Car (1961-1964)");
    ChooseYear("1961-1963");
    EXPECT_EQ(diff.items, (Items{"<select differential>", "3.08", "3.27", "3.55", "3.89"}));
    EXPECT_EQ(diff.text, "<select differential>");
    EXPECT_TRUE(diff.enabled);
}

TEST_F(CascadeFixture, ChoosingTheYearPlaceholderLeavesOnlyTheDifferentialPlaceholder) {
    ChooseModel("Late Car (1965-1969)");
    ChooseYear("1965");
    ChooseYear("<select year>");
    EXPECT_EQ(diff.items, (Items{"<select differential>"}));
    EXPECT_TRUE(diff.enabled);
}

TEST_F(CascadeFixture, ChoosingTheModelPlaceholderAgainEmptiesTheYearList) {
    ChooseModel("Early Car (1961-1964)");
    ChooseYear("1964");
    ChooseAxle("3.55");
    ChooseModel("<select model>");
    EXPECT_EQ(year.items, (Items{"<select year>"}));
    EXPECT_EQ(year.text, "<select year>");
    EXPECT_TRUE(year.enabled);  // left as it was
    EXPECT_FALSE(diff.enabled);
    EXPECT_EQ(diff.text, "3.55");  // items and text stay; the list is disabled
}

TEST_F(CascadeFixture, ModelPlaceholderBeforeAnyModelKeepsYearDisabled) {
    ChooseModel("<select model>");
    EXPECT_FALSE(year.enabled);
}

}  // namespace
}  // namespace tachoria
