// The main pages' addresses: what the stock and generic pages show written
// as tachoria-cli's options, and opened as the user would pick, type and
// press.
#include "web/MainAddress.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace tachoria {
namespace {

constexpr const char* kEarlyCar = "Early Car (1961-1964)";

TEST(MainAddress, StockPageWrittenAsTheCommandLinesOptions) {
    MainPages pages(",");
    EXPECT_EQ(MainPageAddress(pages, TablePage::Stock, "", ","), "stock")
        << "placeholders are left out";
    ASSERT_TRUE(pages.Choose("StockModel", kEarlyCar));
    ASSERT_TRUE(pages.Choose("StockYear", "1961-1963"));
    ASSERT_TRUE(pages.Choose("StockDiff", "3.27"));
    ASSERT_TRUE(pages.Type("StockTire", "185/80R13"));
    EXPECT_EQ(MainPageAddress(pages, TablePage::Stock, "rpm", ","),
              "stock?model=Early%20Car%20(1961-1964)&years=1961-1963&axle=3.27&tire=185%2F80R13&"
              "get=rpm");
}

TEST(MainAddress, GenericNumbersTravelWithAPoint) {
    MainPages pages(",");
    ASSERT_TRUE(pages.Type("TireBox", "24,5"));
    ASSERT_TRUE(pages.Type("DiffBox", "3,27"));
    ASSERT_TRUE(pages.Type("TransBox", "x"));
    const std::string address = MainPageAddress(pages, TablePage::Generic, "mph", ",");
    EXPECT_EQ(address, "generic?tire=24.5&axle=3.27&gear=x&get=mph");
    MainPages opened(",");
    EXPECT_TRUE(OpenMainAddress(opened, ReadAddress(address), ",").empty());
    for (const char* box : {"TireBox", "DiffBox", "TransBox"}) {
        EXPECT_EQ(opened.BoxText(box), pages.BoxText(box)) << box;
    }
    EXPECT_FALSE(opened.Failure(TablePage::Generic).empty()) << "the press's failure, as a press";
}

TEST(MainAddress, OpeningPicksTypesAndPressesAsTheUser) {
    struct Case {
        std::string address;
        TablePage page;
        std::vector<std::string> buttons;  // what the user would press after typing
    };
    const std::vector<Case> cases = {
        {"stock?model=Early%20Car%20(1961-1964)&years=1961-1963&axle=3.27&tire=24&get=rpm",
         TablePage::Stock,
         {"StockGetRPMButton"}},
        {"stock?model=Late%20Car%20(1965-1969)&years=1966-1969&axle=3.55&tire=185%2F80R13&get=MPH",
         TablePage::Stock,
         {"StockGetMPHButton"}},
        {"generic?tire=26&axle=3.55&gear=0.9&get=rpm", TablePage::Generic, {"Gen_GetRPMButton"}},
        {"generic?tire=26&format=csv", TablePage::Generic, {}},
    };
    for (const Case& c : cases) {
        const Address address = ReadAddress(c.address);
        MainPages opened(".");
        EXPECT_TRUE(OpenMainAddress(opened, address, ".").empty()) << c.address;
        MainPages byHand(".");
        if (c.page == TablePage::Stock) {
            ASSERT_TRUE(byHand.Choose("StockModel", *address.Find("model")));
            ASSERT_TRUE(byHand.Choose("StockYear", *address.Find("years")));
            ASSERT_TRUE(byHand.Choose("StockDiff", *address.Find("axle")));
            ASSERT_TRUE(byHand.Type("StockTire", *address.Find("tire")));
        } else {
            for (const auto& [name, box] :
                 {std::pair{"tire", "TireBox"}, std::pair{"axle", "DiffBox"},
                  std::pair{"gear", "TransBox"}}) {
                if (const std::string* value = address.Find(name)) {
                    ASSERT_TRUE(byHand.Type(box, *value));
                }
            }
        }
        for (const std::string& button : c.buttons) {
            ASSERT_TRUE(byHand.Press(button));
        }
        EXPECT_EQ(opened.ListShown(c.page).rows, byHand.ListShown(c.page).rows) << c.address;
        EXPECT_EQ(opened.ListShown(c.page).rows.empty(), c.buttons.empty()) << c.address;
        EXPECT_EQ(opened.CsvFileName(c.page), byHand.CsvFileName(c.page));
        // Read back, the page gives its own address.
        const std::string get = c.buttons.empty()                                    ? ""
                                : c.buttons.front().find("RPM") != std::string::npos ? "rpm"
                                                                                     : "mph";
        EXPECT_EQ(ReadAddress(MainPageAddress(opened, c.page, get, ".")).options.size(),
                  address.options.size() - (address.Find("format") ? 1 : 0))
            << c.address;
    }
}

TEST(MainAddress, AListValueNotInItsListLeavesThePlaceholderAndIsNamedOnce) {
    MainPages pages(".");
    const std::vector<std::string> said = OpenMainAddress(
        pages, ReadAddress("stock?model=Model%20T&years=1908&axle=3.27&tire=24&get=rpm"), ".");
    ASSERT_EQ(said.size(), 1U);
    EXPECT_EQ(said[0],
              "Not in its list, so not chosen: Model \"Model T\", Year range \"1908\", "
              "Differential ratio \"3.27\".");
    EXPECT_EQ(pages.ListNamed("StockModel")->text, "<select model>");
    EXPECT_EQ(pages.BoxText("StockTire"), "24");
    EXPECT_TRUE(pages.ListShown(TablePage::Stock).rows.empty()) << "an incomplete selection";

    MainPages axle(".");
    const std::vector<std::string> wrongAxle = OpenMainAddress(
        axle, ReadAddress("stock?model=Early%20Car%20(1961-1964)&years=1961-1963&axle=9.99"), ".");
    ASSERT_EQ(wrongAxle.size(), 1U);
    EXPECT_NE(wrongAxle[0].find("Differential ratio \"9.99\""), std::string::npos);
    EXPECT_EQ(wrongAxle[0].find("Model"), std::string::npos);
    EXPECT_EQ(axle.ListNamed("StockDiff")->text, axle.ListNamed("StockDiff")->items.front());
}

TEST(MainAddress, AnAxleRatioMayBeGivenByItsValue) {
    MainPages pages(".");
    EXPECT_TRUE(OpenMainAddress(
                    pages,
                    ReadAddress("stock?model=Early%20Car%20(1961-1964)&years=1961-1963&axle=3.270"),
                    ".")
                    .empty());
    EXPECT_EQ(pages.ListNamed("StockDiff")->text, "3.27");
}

TEST(MainAddress, AGetThatIsNoButtonPressesNothing) {
    MainPages pages(".");
    const std::vector<std::string> said =
        OpenMainAddress(pages, ReadAddress("generic?tire=24&get=%3Cscript%3E"), ".");
    ASSERT_EQ(said.size(), 1U);
    EXPECT_NE(said[0].find("<script>"), std::string::npos) << "named as text";
    EXPECT_TRUE(pages.ListShown(TablePage::Generic).rows.empty());
    EXPECT_TRUE(OpenMainAddress(pages, ReadAddress("compare?a-tire=24"), ".").empty());
    EXPECT_EQ(pages.BoxText("TireBox"), "24");
}

}  // namespace
}  // namespace tachoria
