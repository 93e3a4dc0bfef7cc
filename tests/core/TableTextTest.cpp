#include "tables/TableText.h"

#include <gtest/gtest.h>

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
    EXPECT_EQ(TabSeparatedText(Table{{"A", "B"}, {{"   ", {"-5"}}}, {}, {}}), "A\tB\n\t-5\n");
}

}  // namespace
}  // namespace tachoria
