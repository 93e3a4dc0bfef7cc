#include "tables/TableText.h"

#include <gtest/gtest.h>

#include "FakeControls.h"
#include "tables/ToolsWriteData.h"

namespace tachoria {
namespace {

TEST(TabSeparatedText, StripsPaddingAndKeepsEmptyCells) {
    testing::FakeResultList list;
    ASSERT_TRUE(WriteStockTable(list, TableMode::GetRPM, 24, RatioSetOf(2), 3.27));
    const std::vector<std::vector<std::string>> rows = {list.rows[0], list.rows[14]};
    EXPECT_EQ(TabSeparatedText(list.Headers(), rows),
              "MPH\t1st Gear\t2nd Gear\t3rd Gear\t4th Gear\n"
              "10\t1671\t1076\t659\t457\n"
              "150\t\t\t9892\t6869\n");
}

TEST(TabSeparatedText, HeaderAloneWhenThereAreNoRows) {
    EXPECT_EQ(TabSeparatedText({"RPM", "MPH"}, {}), "RPM\tMPH\n");
    EXPECT_EQ(TabSeparatedText({"A", "B"}, {{"   ", "-5"}}), "A\tB\n\t-5\n");
}

}  // namespace
}  // namespace tachoria
