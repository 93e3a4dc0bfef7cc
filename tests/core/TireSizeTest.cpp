#include "arith/TireSize.h"

#include <gtest/gtest.h>

#include <optional>

#include "FakeStockPage.h"
#include "arith/Calcs.h"
#include "arith/Num2String.h"
#include "tables/GenericPage.h"
#include "tables/StockPage.h"
#include "tables/ToolsGenericRPM.h"

namespace tachoria {
namespace {

TEST(TireSizeDiameter, ReadsMetricSizeCodes) {
    const double d185_80_13 = 13 + 2.0 * 185 * 80 / 100 / 25.4;  // 24.6535...
    const struct {
        const char* text;
        double diameter;
    } codes[] = {
        {"185/80R13", d185_80_13},
        {"P185/80 R13", d185_80_13},
        {"p185/80r13", d185_80_13},
        {"  185 / 80 R 13  ", d185_80_13},
        {"185/80-13", d185_80_13},
        {"185/80 13", d185_80_13},
        {"LT235/75R15", 15 + 2.0 * 235 * 75 / 100 / 25.4},
        {"lt 235/75r15", 15 + 2.0 * 235 * 75 / 100 / 25.4},
        {"195/70-14", 14 + 2.0 * 195 * 70 / 100 / 25.4},
        {"225/50R16.5", 16.5 + 2.0 * 225 * 50 / 100 / 25.4},
    };
    for (const auto& c : codes) {
        const std::optional<double> diameter = TireSizeDiameter(c.text);
        ASSERT_TRUE(diameter) << c.text;
        EXPECT_DOUBLE_EQ(*diameter, c.diameter) << c.text;
    }
    EXPECT_NEAR(*TireSizeDiameter("185/80R13"), 24.6535, 1e-4);
}

TEST(TireSizeDiameter, RefusesAnythingThatIsNotAWholeCode) {
    const std::string notCodes[] = {
        "",
        "24",
        "24 in",
        "185",
        "185/80",
        "185/80R",
        "185/8013",
        "185/80R13x",
        "185/80R13 in",
        "185/80RR13",
        "185//80R13",
        "x185/80R13",
        "PLT185/80R13",
        "185/-80R13",
        "185/80R-13",
        "0/80R13",
        "185/0R13",
        "185/80R0",
        "185/80Z13",
        "1e2/80R13",
        "185,5/80R13",
        // Found by fuzzing: digits enough to overflow a double.
        "1" + std::string(310, '0') + "/80R" + std::string(310, '9'),
    };
    for (const std::string& text : notCodes) {
        EXPECT_EQ(TireSizeDiameter(text), std::nullopt) << '"' << text << '"';
        EXPECT_EQ(TireSizeNote(text), "") << '"' << text << '"';
    }
}

TEST(TireSizeNote, SaysWhichDiameterIsUsed) {
    EXPECT_EQ(TireSizeNote("185/80R13"), "185/80R13 = 24.65 in");
    EXPECT_EQ(TireSizeNote(" P185/80 R13 "), "P185/80 R13 = 24.65 in");
    EXPECT_EQ(TireSizeNote("24"), "");
    EXPECT_EQ(TireSizeNote("185/80R13x"), "");
}

TEST(TireSizeOnThePages, BothPagesUseTheCodesDiameter) {
    using namespace testing;
    const double diameter = *TireSizeDiameter("185/80R13");

    FakeTextBox tire("185/80R13");
    FakeTextBox diff;
    FakeTextBox trans;
    FakeResultList generic;
    PlainNumberConverter numbers;
    RecordingFailureSink failures;
    ShowGenericRPM({tire, diff, trans, generic, numbers, failures});
    EXPECT_EQ(tire.Text(), "185/80R13");  // kept as typed
    ASSERT_EQ(generic.rows.size(), 12U);
    for (std::size_t i = 0; i < generic.rows.size(); ++i) {
        const double mph = 10.0 * static_cast<double>(i + 1);
        EXPECT_EQ(generic.rows[i][1], Num2String(*RPMFromMPH(mph, diameter, 3.27, 1, 0), 0, 5));
    }
    EXPECT_EQ(generic.rows[0][1], "  445");  // not the 58-RPM table of a 185-inch tire

    FakeStockPage stock;
    stock.Select("Late Car (1965-1969)", "1966-1969", "3.55");
    for (const char* text : {"185/80R13", "P185/80 R13"}) {
        stock.tire.SetText(text);
        EXPECT_DOUBLE_EQ(ReadStockInputs(stock.controls)->tireDiameter, diameter) << text;
    }
    stock.tire.SetText("185/80R13 tires");  // not a whole code: read as before
    EXPECT_EQ(ReadStockInputs(stock.controls)->tireDiameter, 185);
    stock.tire.SetText("24 in");
    EXPECT_EQ(ReadStockInputs(stock.controls)->tireDiameter, 24);
    EXPECT_TRUE(failures.messages.empty());
}

}  // namespace
}  // namespace tachoria
