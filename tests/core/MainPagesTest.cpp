// The main window's pages held as state for the web page: the same cascade,
// presses, defaults and failures as the desktop's, and texts that never show
// a number in a form nobody reads (an exponent, NaN, infinity).
#include "tables/MainPages.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "arith/PointNumbers.h"
#include "tables/PrintedOn.h"

namespace tachoria {
namespace {

constexpr const char* kEarlyCar = "Early Car (1961-1964)";

void ChooseEarlyCar(MainPages& pages, const char* axle = "3.27") {
    ASSERT_TRUE(pages.Choose("StockModel", kEarlyCar));
    ASSERT_TRUE(pages.Choose("StockYear", "1961-1963"));
    ASSERT_TRUE(pages.Choose("StockDiff", axle));
}

TEST(MainPages, StartAsTheWindowLoadsWithNoTablesAndTheCascadeClosed) {
    const MainPages pages(".");
    const MainPages::List& model = *pages.ListNamed("StockModel");
    EXPECT_EQ(model.items.front(), "<select model>");
    EXPECT_EQ(model.text, "<select model>");
    EXPECT_GT(model.items.size(), 2U);
    EXPECT_TRUE(model.enabled);
    for (const char* name : {"StockYear", "StockDiff"}) {
        EXPECT_FALSE(pages.ListNamed(name)->enabled) << name;
        EXPECT_EQ(pages.ListNamed(name)->items.size(), 1U) << name;
    }
    for (const TablePage page : {TablePage::Generic, TablePage::Stock}) {
        EXPECT_TRUE(pages.ListShown(page).headers.empty());
        EXPECT_TRUE(pages.ListShown(page).rows.empty());
        EXPECT_EQ(pages.Failure(page), "");
        EXPECT_EQ(pages.CopyText(page), "");
        EXPECT_EQ(pages.CsvFileName(page), "");
    }
    EXPECT_EQ(pages.ListNamed("TireBox"), nullptr);
}

TEST(MainPages, RefuseWhatNoUserCouldDo) {
    MainPages pages(".");
    EXPECT_FALSE(pages.Choose("StockYear", "1961-1963")) << "a disabled list";
    EXPECT_FALSE(pages.Choose("StockModel", "Model T"));
    EXPECT_FALSE(pages.Choose("TireBox", "24"));
    EXPECT_FALSE(pages.Type("StockModel", "24"));
    EXPECT_FALSE(pages.Press("ListView"));
    EXPECT_EQ(pages.ListNamed("StockModel")->text, "<select model>");
}

TEST(MainPages, CascadeRefillsTheListsAfterTheOnePicked) {
    MainPages pages(".");
    ChooseEarlyCar(pages);
    // A new model offers its years again and waits for a new differential.
    ASSERT_TRUE(pages.Choose("StockModel", kEarlyCar));
    EXPECT_EQ(pages.ListNamed("StockYear")->text, "<select year>");
    EXPECT_TRUE(pages.ListNamed("StockYear")->enabled);
    EXPECT_FALSE(pages.ListNamed("StockDiff")->enabled);
    ASSERT_TRUE(pages.Choose("StockYear", "1961-1963"));
    EXPECT_EQ(pages.ListNamed("StockDiff")->text, "<select differential>");
    EXPECT_TRUE(pages.ListNamed("StockDiff")->enabled);
}

TEST(MainPages, StockPressShowsTheTableAndOffersItsTexts) {
    MainPages pages(".");
    ASSERT_TRUE(pages.Type("StockTire", "24"));
    pages.Press("StockGetRPMButton");
    EXPECT_TRUE(pages.ListShown(TablePage::Stock).headers.empty()) << "incomplete: nothing";

    ChooseEarlyCar(pages);
    pages.Press("StockGetRPMButton");
    const MainPages::Shown& shown = pages.ListShown(TablePage::Stock);
    EXPECT_EQ(shown.headers,
              (std::vector<std::string>{"MPH", "1st Gear", "2nd Gear", "3rd Gear", "4th Gear"}));
    ASSERT_EQ(shown.rows.size(), 15U);
    EXPECT_EQ(shown.rows[0], (std::vector<std::string>{"   10", " 1671", " 1076", " 659", " 457"}));
    EXPECT_EQ(shown.rows[14][1], "") << "10000 RPM and more is blank";
    EXPECT_TRUE(pages.ListShown(TablePage::Generic).headers.empty()) << "the other page's list";

    EXPECT_TRUE(pages.CopyText(TablePage::Stock).starts_with("MPH\t1st Gear\t"));
    EXPECT_TRUE(pages.CsvText(TablePage::Stock).starts_with("MPH,1st Gear,"));
    EXPECT_EQ(pages.CsvFileName(TablePage::Stock),
              "stock-rpm_early-car-1961-1963_axle-3.27_tire-24.csv");
    EXPECT_EQ(pages.PrintTitle(TablePage::Stock),
              "Stock Corvair Gearing: Early Car (1961-1964), 1961-1963, axle 3.27, tire 24 in");
}

TEST(MainPages, FailureStaysUntilAPressSucceeds) {
    MainPages pages(".");
    ChooseEarlyCar(pages);
    pages.Type("StockTire", "E78-14");
    pages.Press("StockGetMPHButton");
    const std::string failure = pages.Failure(TablePage::Stock);
    EXPECT_NE(failure.find("E78-14"), std::string::npos) << failure;
    EXPECT_EQ(pages.Failure(TablePage::Generic), "");

    // A tire that reads as 0 makes the press do nothing: the failure stays.
    pages.Type("StockTire", "0");
    pages.Press("StockGetMPHButton");
    EXPECT_EQ(pages.Failure(TablePage::Stock), failure);

    pages.Type("StockTire", "185/80R13");
    pages.Press("StockGetMPHButton");
    EXPECT_EQ(pages.Failure(TablePage::Stock), "");
    EXPECT_EQ(pages.ListShown(TablePage::Stock).rows.size(), 14U);
}

TEST(MainPages, GenericBoxesReadTheUsersDecimalSeparator) {
    struct Case {
        const char* separator;
        const char* axle;
        bool reads;
        const char* defaultAxle;  // written into an empty box
    };
    for (const Case& c : std::vector<Case>{
             {",", "3,27", true, "3,27"},
             {",", "3.27", false, "3,27"},
             {".", "3.27", true, "3.27"},
             {".", "3,27", false, "3.27"},
             {"\u2019", "3.27", true, "3.27"},  // any other separator reads as "."
             {"", "3.27", true, "3.27"},
         }) {
        SCOPED_TRACE(std::string(c.separator) + " " + c.axle);
        MainPages pages(c.separator);
        pages.Press("Gen_GetRPMButton");
        EXPECT_EQ(pages.BoxText("TireBox"), "24");
        EXPECT_EQ(pages.BoxText("DiffBox"), c.defaultAxle);
        EXPECT_EQ(pages.BoxText("TransBox"), "1");
        EXPECT_EQ(pages.Failure(TablePage::Generic), "");
        const auto defaults = pages.ListShown(TablePage::Generic).rows;

        pages.Type("DiffBox", c.axle);
        pages.Press("Gen_GetRPMButton");
        EXPECT_EQ(pages.Failure(TablePage::Generic).empty(), c.reads)
            << pages.Failure(TablePage::Generic);
        EXPECT_EQ(pages.ListShown(TablePage::Generic).headers,
                  (std::vector<std::string>{"MPH", "RPM"}));
        EXPECT_EQ(pages.ListShown(TablePage::Generic).rows.empty(), !c.reads);
        if (c.reads) {
            EXPECT_EQ(pages.ListShown(TablePage::Generic).rows, defaults);
        }
    }
}

// Whatever is typed, no text the page shows holds an exponent, "NaN" or
// infinity. The quoted input is left out: it is the user's own text.
TEST(MainPages, ShowNoNumberInAFormNobodyReads) {
    const std::regex unreadable(R"(\d[eE][+-]?\d|nan|NaN|inf\b|Inf|\u221E)");
    const auto withoutQuotes = [](std::string text) {
        return std::regex_replace(text, std::regex("\"[^\"]*\""), "\"\"");
    };
    const std::string nines(400, '9');
    const std::vector<std::string> texts = {nines,
                                            "-" + nines.substr(0, 300),
                                            "0." + std::string(400, '0') + "1",
                                            "1" + std::string(300, '0'),
                                            std::string(100000, '7'),
                                            "1e400",
                                            "-1e-400",
                                            "0",
                                            "-0",
                                            "1e300",
                                            "185/80R" + nines,
                                            "1e308x1e308R1e308",
                                            "9999999999 rev/mi",
                                            "NaN",
                                            "inf"};
    for (const char* separator : {".", ","}) {
        for (const std::string& text : texts) {
            for (const char* box : {"TireBox", "DiffBox", "TransBox", "StockTire"}) {
                MainPages pages(separator);
                ChooseEarlyCar(pages);
                pages.Type(box, text);
                for (const char* button : {"Gen_GetRPMButton", "Gen_GetMPHButton",
                                           "StockGetRPMButton", "StockGetMPHButton"}) {
                    pages.Press(button);
                    for (const TablePage page : {TablePage::Generic, TablePage::Stock}) {
                        std::vector<std::string> shown = {pages.Failure(page),
                                                          pages.TireReading(page)};
                        const MainPages::Shown& list = pages.ListShown(page);
                        shown.insert(shown.end(), list.headers.begin(), list.headers.end());
                        for (const auto& row : list.rows) {
                            shown.insert(shown.end(), row.begin(), row.end());
                        }
                        for (const std::string& said : shown) {
                            EXPECT_FALSE(std::regex_search(withoutQuotes(said), unreadable))
                                << box << " " << text.substr(0, 40) << " " << button << ": "
                                << said.substr(0, 200);
                        }
                    }
                }
            }
        }
    }
}

TEST(PointNumbers, ReadAndWriteWithTheGivenPoint) {
    struct Case {
        char point;
        const char* text;
        std::optional<double> value;
    };
    const double inf = HUGE_VAL;
    for (const Case& c : std::vector<Case>{
             {',', "3,27", 3.27},
             {',', " 3,27 ", 3.27},
             {',', "3.27", std::nullopt},
             {',', "1.000,5", std::nullopt},
             {'.', "3.27", 3.27},
             {'.', "3,27", std::nullopt},
             {'.', "-2.5e3", -2500.0},
             {'.', "1e400", inf},
             {'.', "1e-400", 0.0},
             {'.', "inf", std::nullopt},
             {'.', "nan", std::nullopt},
             {'.', "", std::nullopt},
             {'.', "24 in", std::nullopt},
         }) {
        EXPECT_EQ(PointNumberConverter(c.point).ToNumber(c.text), c.value) << c.text;
    }
    EXPECT_EQ(PointNumberConverter(',').ToText(3.27), "3,27");
    EXPECT_EQ(PointNumberConverter('x').DecimalPoint(), '.');

    struct Written {
        double value;
        const char* text;
    };
    for (const Written& w : std::vector<Written>{
             {0.0, "0"},
             {-0.0, "0"},
             {24.0, "24"},
             {3.27, "3.27"},
             {1e21, "1000000000000000000000"},
             {-1.5e20, "-150000000000000000000"},
             {123456789012345678.0, "123456789012346000"},
             {1.25e15, "1250000000000000"},
             {1e-7, "0.0000001"},
             {-1.234e-10, "-0.0000000001234"},
         }) {
        EXPECT_EQ(PointNumberConverter('.').ToText(w.value), w.text) << w.value;
    }
    EXPECT_EQ(PlainDigits(1e300).size(), 301U);
}

TEST(PrintedOn, NamesTheDayAsTheDesktopDoes) {
    EXPECT_EQ(PrintedOn(2026, 12, 7), "Printed by Tachoria on Monday, December 7, 2026");
    EXPECT_EQ(PrintedOn(2024, 2, 29), "Printed by Tachoria on Thursday, February 29, 2024");
    EXPECT_EQ(PrintedOn(2023, 2, 29), "");
    EXPECT_EQ(PrintedOn(2023, 13, 1), "");
}

}  // namespace
}  // namespace tachoria
