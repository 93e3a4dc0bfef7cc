#include "tables/FileNames.h"

#include <gtest/gtest.h>

#include <set>

#include "catalogue/StockCatalogue.h"
#include "tables/GenericPage.h"
#include "tables/ReadForm.h"
#include "tables/ToolsWriteData.h"

namespace tachoria {
namespace {

constexpr std::string_view kSafe =
    "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789-_.";

Table Generic(TableMode mode, const std::string& tire, const std::string& axle) {
    return ComputeGenericTable(
        mode, {GivenText{"tire", tire}, GivenText{"axle", axle}, GivenText{"gear", "0.82"}},
        PlainNumberConverter());
}

TEST(FileNamePart, KeepsSafeCharactersAndDecimals) {
    const std::pair<std::string_view, std::string_view> cases[] = {
        {" P185/80 R13 ", "P185-80-R13"},
        {"3,55", "3.55"},          // a decimal comma
        {"axle 3.", "axle-3"},     // a dot that is no decimal point
        {"..\\..:x*?\"<>|", "x"},  // nothing that climbs folders or that Windows refuses
        {"1961(late)-1963", "1961-late-1963"},
        {"\u2014", ""},
    };
    for (const auto& [text, part] : cases) {
        EXPECT_EQ(FileNamePart(text), part) << text;
    }
    EXPECT_EQ(FileNamePart(std::string(300, 'x')).size(), 40U);
}

// Every stock selection of the catalogue, both tables, and generic tables
// with size codes and axles that differ only after the decimal point: each
// name safe, and no two tables named alike.
TEST(TableBaseName, SafeAndDistinctForEveryTable) {
    std::vector<Table> tables;
    for (const std::string_view model : ModelTexts()) {
        for (const std::string_view years : YearRangeTexts(model)) {
            for (const std::string_view axle : AxleRatioTexts(GearboxCodeOf(model, years))) {
                for (const TableMode mode : {TableMode::GetRPM, TableMode::GetMPH}) {
                    tables.push_back(
                        ComputeStockTable(mode, *StockInputsOf("185/80R13", model, years, axle)));
                }
            }
        }
    }
    for (const char* tire : {"24", "24.5", "185/80R13", "195/70-14"}) {
        for (const char* axle : {"3.27", "3.55", "3.5"}) {
            tables.push_back(Generic(TableMode::GetRPM, tire, axle));
            tables.push_back(Generic(TableMode::GetMPH, tire, axle));
        }
    }
    std::set<std::string> names;
    for (const Table& table : tables) {
        const std::string name = TableBaseName(table);
        EXPECT_EQ(name.find_first_not_of(kSafe), std::string::npos) << name;
        names.insert(name);
    }
    EXPECT_EQ(names.size(), tables.size());

    EXPECT_EQ(TableBaseName(tables.front()),
              "stock-rpm_early-car-1961-1963_axle-3.08_tire-185-80R13");
    EXPECT_EQ(TableBaseName(Generic(TableMode::GetMPH, "24", "3.55")),
              "generic-mph_tire-24_axle-3.55_transmission-0.82");
}

TEST(ComparisonBaseName, NamesBothSetupsAndTheTable) {
    EXPECT_EQ(ComparisonBaseName("cruise", {"24", "3.27"}, {"185/80R13", "3,55"}),
              "comparison-cruise_A_tire-24_axle-3.27_B_tire-185-80R13_axle-3.55");
    // Fields that hold nothing usable leave their part out.
    EXPECT_EQ(ComparisonBaseName("", {"", "/"}, {"x/y", ""}), "comparison_A_B_tire-x-y");
}

}  // namespace
}  // namespace tachoria
