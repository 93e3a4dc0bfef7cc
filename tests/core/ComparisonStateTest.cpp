// The comparison as the web page shows it: the fields by tachoria-cli's
// option names, the same tables as the command line's (with the window's
// marks and the browser's decimal point), a chart to draw as SVG, the
// readout under a pointer, and the "compare" address both ways.
#include "web/ComparisonState.h"

#include <gtest/gtest.h>

#include <cmath>
#include <regex>
#include <string>
#include <vector>

#include "ReadJson.h"
#include "WebGrids.h"
#include "commandline/CompareCommand.h"

namespace tachoria {
namespace {

using testing::Json;
using testing::ReadJson;

struct Setups {
    std::string aTire;
    std::string aAxle;
    std::vector<std::string> aGears;
    std::string bTire;
    std::string bAxle;
    std::vector<std::string> bGears;
    std::string redline = "5500";
    bool kmh = false;
    bool wheel = false;
};

std::string WithComma(std::string text) {
    static const std::regex kPoint("([0-9])\\.([0-9])");
    return std::regex_replace(text, kPoint, "$1,$2");
}

// Types `setups` into `state` as a user would, with the browser's point.
void Type(ComparisonState& state, const Setups& s, bool comma) {
    const auto text = [comma](const std::string& t) { return comma ? WithComma(t) : t; };
    for (const auto& [side, tire, axle, gears] : {std::tuple{"a", &s.aTire, &s.aAxle, &s.aGears},
                                                  std::tuple{"b", &s.bTire, &s.bAxle, &s.bGears}}) {
        const std::string letter = side;
        ASSERT_TRUE(state.SetField(letter + "-tire", text(*tire)));
        ASSERT_TRUE(state.SetField(letter + "-axle", text(*axle)));
        ASSERT_TRUE(state.SetGearCount(letter, static_cast<int>(gears->size())));
        for (std::size_t i = 0; i < gears->size(); ++i) {
            ASSERT_TRUE(
                state.SetField(letter + "-gear-" + std::to_string(i + 1), text((*gears)[i])));
        }
    }
    ASSERT_TRUE(state.SetField("redline", text(s.redline)));
    ASSERT_TRUE(state.Pick("unit", s.kmh ? "km/h" : "MPH"));
    ASSERT_TRUE(state.Pick("driven-from", state.PickerEntries("driven-from").at(s.wheel ? 1 : 0)));
}

std::string Joined(const std::vector<std::string>& gears) {
    std::string joined;
    for (const std::string& gear : gears) {
        joined += (joined.empty() ? "" : ",") + gear;
    }
    return joined;
}

const std::vector<Setups> kSetups = {
    {"24",
     "3.27",
     {"3.65", "2.35", "1.44", "1"},
     "185/80R13",
     "3.55",
     {"3.65", "2.35", "1.44", "1"}},
    {"185/80R13",
     "3.55",
     {"3.11", "2.05", "1.37", "0.90"},
     "195/70R14",
     "3.27",
     {"2.9"},
     "4800",
     true,
     true},
    {"26.5",
     "4.11",
     {"3", "2", "1.5", "1.2", "1", "0.8"},
     "24",
     "3.08",
     {"2.5", "1.5", "1"},
     "3000"},
    {"23", "3.89", {"1.82", "1"}, "225/60R15", "3.27", {"3.65", "2.35", "1.44", "1"}, "7200", true},
};

TEST(ComparisonState, TablesAreTheCommandLinesWithTheWindowsMarks) {
    for (const bool comma : {false, true}) {
        for (const Setups& s : kSetups) {
            ComparisonState state(comma ? "," : ".");
            Type(state, s, comma);
            CompareOptions options{.aTire = s.aTire,
                                   .aAxle = s.aAxle,
                                   .aGears = Joined(s.aGears),
                                   .aModel = std::nullopt,
                                   .aYears = std::nullopt,
                                   .bTire = s.bTire,
                                   .bAxle = s.bAxle,
                                   .bGears = Joined(s.bGears),
                                   .bModel = std::nullopt,
                                   .bYears = std::nullopt,
                                   .redline = s.redline,
                                   .unit = s.kmh ? "kmh" : "mph",
                                   .drivenFrom = s.wheel ? "wheel" : "transmission"};
            const Outcome<std::string> tsv = RunCompare(options, TextFormat::Tsv);
            ASSERT_TRUE(tsv) << tsv.message();
            const std::vector<testing::Grid> expected = testing::TsvGrids(*tsv);
            ASSERT_EQ(expected.size(), 3U);
            const Json json = ReadJson(state.Json());
            ASSERT_FALSE(json.is_discarded());
            const Json& tables = json.at("tables");
            EXPECT_EQ(testing::JsonGrid(tables.at("cruise")), expected[0]) << s.aTire << comma;
            EXPECT_EQ(testing::JsonGrid(tables.at("gears")), expected[1]) << s.aTire << comma;
            EXPECT_EQ(testing::JsonGrid(tables.at("speedometer")), expected[2]) << s.aTire;
            if (comma) {
                EXPECT_NE(tables.at("cruise").at("rows").dump().find(','), std::string::npos);
            }
        }
    }
}

TEST(ComparisonState, MarksCellsPastTheRedlineAndSaysWhy) {
    ComparisonState state(".");
    ASSERT_TRUE(state.SetField("redline", "2500"));
    const Json json = ReadJson(state.Json());
    int marked = 0;
    for (const Json& row : json.at("tables").at("cruise").at("rows")) {
        for (std::size_t c = 0; c < row.at("cells").size(); ++c) {
            const std::string cell = row.at("cells")[c];
            const bool sign = cell.ends_with(" \u25B2");
            EXPECT_EQ(sign, row.at("notes")[c] == "over the redline") << cell;
            marked += sign ? 1 : 0;
        }
    }
    EXPECT_GT(marked, 0);
    EXPECT_EQ(json.at("overRedline"), "\u25B2 over the redline");
    EXPECT_NE(
        json.at("printout").at("footnote").get<std::string>().find("\u25B2: over the redline."),
        std::string::npos);
    ASSERT_TRUE(state.SetField("redline", "5500"));
    EXPECT_EQ(ReadJson(state.Json()).at("overRedline"), "");
}

TEST(ComparisonState, BadFieldsHaveTheirReasonsAndTheTablesNoValues) {
    ComparisonState state(",");
    ASSERT_TRUE(state.SetField("a-tire", "-5"));
    ASSERT_TRUE(state.SetField("b-axle", "3.55"));  // a group mark where the point is ","
    ASSERT_TRUE(state.SetField("redline", "abc"));
    const Json json = ReadJson(state.Json());
    const Json& a = json.at("setups").at("a");
    EXPECT_EQ(a.at("fields")[0].at("name"), "a-tire");
    EXPECT_NE(a.at("fields")[0].at("reason"), "");
    EXPECT_EQ(a.at("fields")[1].at("reason"), "");
    ASSERT_EQ(a.at("problems").size(), 1U);
    EXPECT_TRUE(a.at("problems")[0].get<std::string>().starts_with("Tire: "));
    EXPECT_NE(json.at("setups").at("b").at("fields")[1].at("reason"), "");
    EXPECT_NE(json.at("redline").at("reason"), "");
    EXPECT_EQ(json.at("redlineProblems").size(), 1U);
    EXPECT_EQ(json.at("tables").at("cruise").at("rows")[0].at("cells")[0], "\u2014");
    EXPECT_EQ(json.at("chart").at("redline"), nullptr);
    EXPECT_NE(json.at("chart").at("noLines"), "");
}

TEST(ComparisonState, RefusesNamesAndEntriesThatAreNone) {
    ComparisonState state(".");
    EXPECT_FALSE(state.SetField("c-tire", "24"));
    EXPECT_FALSE(state.SetField("a-gear-5", "1")) << "four gears on show";
    EXPECT_FALSE(state.SetField("a-gear-0", "1"));
    EXPECT_FALSE(state.SetField("a-", "1"));
    EXPECT_FALSE(state.SetGearCount("a", 7));
    EXPECT_FALSE(state.SetGearCount("a", 0));
    EXPECT_FALSE(state.Pick("unit", "furlongs"));
    EXPECT_FALSE(state.Pick("a-gearbox", "Model T, 1908"));
    EXPECT_FALSE(state.Pick("colour", "red"));
    EXPECT_TRUE(state.PickerEntries("colour").empty());
    ASSERT_TRUE(state.SetGearCount("a", 5));
    EXPECT_TRUE(state.SetField("a-gear-5", "0.8"));
}

TEST(ComparisonState, PickersListTheWindowsEntriesAndAGearboxFillsTheGears) {
    ComparisonState state(",");
    const std::vector<std::string> gearboxes = state.PickerEntries("a-gearbox");
    ASSERT_GT(gearboxes.size(), 3U);
    EXPECT_EQ(gearboxes.front(), "Custom gears");
    EXPECT_EQ(state.PickerEntries("unit"), (std::vector<std::string>{"MPH", "km/h"}));
    EXPECT_EQ(state.PickerEntries("driven-from").size(), 2U);
    const Json start = ReadJson(state.Json());
    EXPECT_EQ(start.at("pickers").at("a-gearbox"), gearboxes.at(1)) << "the catalogue's first";
    EXPECT_EQ(start.at("setups").at("a").at("fields")[2].at("text"), "3,65");

    const auto late = std::find_if(gearboxes.begin(), gearboxes.end(), [](const std::string& g) {
        return g.starts_with("Late Car") && g.find("Powerglide") != std::string::npos;
    });
    ASSERT_NE(late, gearboxes.end());
    ASSERT_TRUE(state.Pick("a-gearbox", *late));
    const Json picked = ReadJson(state.Json());
    EXPECT_EQ(picked.at("setups").at("a").at("gearCount"), "2");
    EXPECT_EQ(picked.at("setups").at("a").at("fields")[2].at("text"), "1,82");
    EXPECT_EQ(picked.at("pickers").at("driven-from"), state.PickerEntries("driven-from")[1])
        << "a late car's speedometer is driven from the wheel";
    ASSERT_TRUE(state.SetField("a-gear-1", "1,9"));
    EXPECT_EQ(ReadJson(state.Json()).at("pickers").at("a-gearbox"), "Custom gears");
}

TEST(ComparisonState, ChartIsDrawableInThePlotGiven) {
    ComparisonState state(",");
    ASSERT_TRUE(state.SetGearCount("b", 3));
    const Json chart = ReadJson(state.Json({800, 400})).at("chart");
    EXPECT_EQ(chart.at("width"), "800");
    EXPECT_TRUE(chart.at("drawn").get<bool>());
    ASSERT_EQ(chart.at("lines").size(), 7U) << "A's four gears and B's three";
    const double redlineY = std::stod(chart.at("redline").at("y").get<std::string>());
    EXPECT_GT(redlineY, 0);
    EXPECT_LT(redlineY, 400);
    const std::regex points(
        "^(-?[0-9]+(\\.[0-9]+)?,-?[0-9]+(\\.[0-9]+)?)( "
        "-?[0-9]+(\\.[0-9]+)?,-?[0-9]+(\\.[0-9]+)?)*$");
    for (const Json& line : chart.at("lines")) {
        const std::string text = line.at("points");
        ASSERT_TRUE(std::regex_match(text, points)) << text;
        EXPECT_EQ(line.at("dashed").get<bool>(), line.at("setup") == "B");
        // From standstill at the plot's bottom left to the redline.
        EXPECT_TRUE(text.starts_with("0,400 ")) << text;
        const std::string last = text.substr(text.rfind(',') + 1);
        EXPECT_NEAR(std::stod(last), redlineY, 0.011) << text;
        const double x = std::stod(text.substr(text.rfind(' ') + 1));
        EXPECT_GT(x, 0);
        EXPECT_LE(x, 800);
    }
    ASSERT_EQ(chart.at("bands").size(), 2U);
    for (const Json& tick : chart.at("rpmTicks")) {
        EXPECT_EQ(tick.at("label").get<std::string>().find('.'), std::string::npos);
    }
    EXPECT_EQ(chart.at("legend").at("gears").size(), 4U);
    EXPECT_EQ(chart.at("xTitle"), "Road speed, MPH");
    EXPECT_NE(chart.at("description").get<std::string>().find("A:"), std::string::npos);
}

TEST(ComparisonState, ReadoutUnderAPointerIsTheDesktops) {
    ComparisonState state(",");
    const Json middle = ReadJson(state.ReadoutJson(0.5));
    const std::string text = middle.at("text");
    // "62,0 MPH\nA: 3rd …": the speed truncated to 0.1, in the browser's form.
    EXPECT_TRUE(std::regex_search(text, std::regex("^[0-9]+,[0-9] MPH\nA: "))) << text;
    const double x = std::stod(middle.at("x").get<std::string>());
    EXPECT_GT(x, 490);
    EXPECT_LE(x, 500);
    for (const double off : {-0.1, 1.5, std::nan("")}) {
        EXPECT_EQ(ReadJson(state.ReadoutJson(off)).at("text"), "") << off;
    }
    ASSERT_TRUE(state.SetField("redline", "x"));
    const std::string speedOnly = ReadJson(state.ReadoutJson(0.5)).at("text");
    EXPECT_EQ(speedOnly.find("\nA:"), std::string::npos) << "no lines, no gear under the pointer";
}

TEST(ComparisonState, PrintoutAndFileNamesAreTheWindows) {
    ComparisonState state(",");
    ASSERT_TRUE(state.SetField("b-tire", "185/80R13"));
    ASSERT_TRUE(state.SetField("b-axle", "3,55"));
    const Json json = ReadJson(state.Json());
    const Json& printout = json.at("printout");
    EXPECT_EQ(printout.at("title"), "Compare Gearing");
    EXPECT_EQ(printout.at("a")[2], "Gears: 3,65 / 2,35 / 1,44 / 1");
    EXPECT_TRUE(printout.at("b")[0].get<std::string>().starts_with("Tire: 185/80R13 ("));
    EXPECT_EQ(printout.at("fileName"), "comparison_A_tire-24_axle-3.27_B_tire-185-80R13_axle-3.55");
    EXPECT_EQ(json.at("tables").at("cruise").at("fileName"),
              "comparison-cruise_A_tire-24_axle-3.27_B_tire-185-80R13_axle-3.55");
    EXPECT_TRUE(
        json.at("tables")
            .at("gears")
            .at("printTitle")
            .get<std::string>()
            .starts_with("Compare Gearing: Each gear at the redline (A: tire 24; axle 3,27"));
    const std::string csv = json.at("tables").at("cruise").at("csv");
    EXPECT_EQ(csv.find("\u2014"), std::string::npos);
    EXPECT_NE(json.at("tables").at("cruise").at("copyText").get<std::string>().find('\t'),
              std::string::npos);
}

TEST(ComparisonState, AddressOpensTheSameComparison) {
    for (const bool comma : {false, true}) {
        for (const Setups& s : kSetups) {
            ComparisonState typed(comma ? "," : ".");
            Type(typed, s, comma);
            const std::string address = typed.AddressText();
            EXPECT_TRUE(address.starts_with("compare?a-tire=")) << address;
            EXPECT_EQ(address.find(",5"), std::string::npos) << "numbers travel with \".\"";
            ComparisonState opened(comma ? "," : ".");
            EXPECT_TRUE(opened.Open(ReadAddress(address)).empty());
            EXPECT_EQ(opened.Json(), typed.Json()) << address;
        }
    }
    // A stock gearbox travels by its name, its speedometer's drive with it.
    ComparisonState stock(".");
    const std::vector<std::string> gearboxes = stock.PickerEntries("b-gearbox");
    for (const std::string& gearbox : gearboxes) {
        ASSERT_TRUE(stock.Pick("a-gearbox", gearbox));
        ASSERT_TRUE(stock.Pick("b-gearbox", gearbox));
        ASSERT_TRUE(stock.SetField("b-tire", "bad tire"));
        ComparisonState opened(".");
        EXPECT_TRUE(opened.Open(ReadAddress(stock.AddressText())).empty());
        EXPECT_EQ(opened.Json(), stock.Json()) << stock.AddressText();
    }
}

TEST(ComparisonState, OpeningAnAddressStartsFromTheStartingSetupAndSaysWhatItCannotUse) {
    ComparisonState state(",");
    ASSERT_TRUE(state.SetField("a-tire", "30"));
    const std::vector<std::string> said = state.Open(ReadAddress(
        "compare?b-axle=3.55&a-model=Model%20T&a-years=1908&unit=furlongs&driven-from=air"));
    ASSERT_EQ(said.size(), 3U);
    EXPECT_NE(said[0].find("Model T, 1908"), std::string::npos) << said[0];
    EXPECT_NE(said[1].find("furlongs"), std::string::npos);
    const Json json = ReadJson(state.Json());
    EXPECT_EQ(json.at("setups").at("a").at("fields")[0].at("text"), "24") << "the starting tire";
    EXPECT_EQ(json.at("setups").at("b").at("fields")[1].at("text"), "3,55");
    EXPECT_EQ(json.at("pickers").at("unit"), "MPH");
    // Texts that are no numbers travel as typed and are marked when opened.
    const std::vector<std::string> none =
        state.Open(ReadAddress("compare?a-axle=%3Cb%3E&a-gears=3.65,x"));
    EXPECT_TRUE(none.empty());
    const Json bad = ReadJson(state.Json());
    EXPECT_EQ(bad.at("setups").at("a").at("fields")[1].at("text"), "<b>");
    EXPECT_NE(bad.at("setups").at("a").at("fields")[1].at("reason"), "");
    EXPECT_EQ(bad.at("setups").at("a").at("gearCount"), "2");
    EXPECT_EQ(bad.at("setups").at("a").at("fields")[2].at("text"), "3,65");

    // A unit in capitals is read as the command line reads it; a seventh
    // gear cannot be shown, and is said to be left out.
    const std::vector<std::string> seven =
        state.Open(ReadAddress("compare?unit=KMH&b-gears=4,3,2,1.5,1.2,1,0.8"));
    ASSERT_EQ(seven.size(), 1U);
    EXPECT_NE(seven[0].find("B's gears: 7 given"), std::string::npos) << seven[0];
    const Json shown = ReadJson(state.Json());
    EXPECT_EQ(shown.at("pickers").at("unit"), "km/h");
    EXPECT_EQ(shown.at("setups").at("b").at("gearCount"), "6");
}

TEST(ComparisonState, HostileAddressesOpenAsTextsInTheirFields) {
    const std::vector<std::string> hostile = {
        "compare?a-tire=" + std::string(kAddressLimit, '9'),
        "compare?a-gears=" + std::string(kAddressLimit, ','),
        "compare?a-axle=%3Cscript%3Ealert(1)%3C%2Fscript%3E&b-tire=%00&redline=%FF%FE",
        "compare?a-model=%3Cb%3E&a-years=%00",
    };
    for (const std::string& text : hostile) {
        ComparisonState state(",");
        state.Open(ReadAddress(text));
        const Json json = ReadJson(state.Json());
        ASSERT_FALSE(json.is_discarded()) << text.substr(0, 40);
        EXPECT_LE(json.at("setups").at("a").at("fields").size(), 8U);
        // What opened is written back as it came, to open the same again.
        ComparisonState again(",");
        again.Open(ReadAddress(state.AddressText()));
        EXPECT_EQ(again.Json(), state.Json()) << text.substr(0, 40);
    }
}

TEST(ComparisonState, FillsBothSetupsFromAMainPage) {
    MainPages pages(",");
    ASSERT_TRUE(pages.Choose("StockModel", "Late Car (1965-1969)"));
    ASSERT_TRUE(pages.Choose("StockYear", pages.ListNamed("StockYear")->items.at(1)));
    ASSERT_TRUE(pages.Choose("StockDiff", pages.ListNamed("StockDiff")->items.at(1)));
    ASSERT_TRUE(pages.Type("StockTire", "185/80R13"));
    ComparisonState state(",");
    state.Fill(pages, TablePage::Stock);
    const Json json = ReadJson(state.Json());
    for (const char* side : {"a", "b"}) {
        EXPECT_EQ(json.at("setups").at(side).at("fields")[0].at("text"), "185/80R13");
        EXPECT_TRUE(json.at("pickers")
                        .at(std::string(side) + "-gearbox")
                        .get<std::string>()
                        .starts_with("Late Car (1965-1969), "));
    }
    EXPECT_EQ(json.at("pickers").at("driven-from"), state.PickerEntries("driven-from")[1]);

    ASSERT_TRUE(pages.Type("DiffBox", "3,55"));
    state.Fill(pages, TablePage::Generic);
    const Json generic = ReadJson(state.Json());
    EXPECT_EQ(generic.at("setups").at("a").at("fields")[0].at("text"), "24")
        << "an empty box's default";
    EXPECT_EQ(generic.at("setups").at("a").at("fields")[1].at("text"), "3,55");
    EXPECT_EQ(generic.at("setups").at("a").at("gearCount"), "1");
    EXPECT_EQ(generic.at("pickers").at("a-gearbox"), "Custom gears");
}

}  // namespace
}  // namespace tachoria
