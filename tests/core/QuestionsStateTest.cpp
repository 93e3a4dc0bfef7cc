// The gearing questions as the web page shows them: fields by tachoria-cli
// solve's option names, the same tables as the command line's in the
// browser's form, the window's pickers, and each question's address both
// ways.
#include "web/QuestionsState.h"

#include <gtest/gtest.h>

#include <regex>
#include <string>
#include <vector>

#include "ReadJson.h"
#include "WebGrids.h"
#include "commandline/SolveCommand.h"

namespace tachoria {
namespace {

using testing::Json;
using testing::ReadJson;

// The command line's options for an address's.
SolveOptions OptionsOf(const Address& address) {
    SolveOptions options;
    for (const AddressOption& o : address.options) {
        const std::string& v = o.value;
        if (o.name == "rpm") {
            options.rpm = v;
        } else if (o.name == "speed") {
            options.speed = v;
        } else if (o.name == "tire") {
            options.tire = v;
        } else if (o.name == "axle") {
            options.axle = v;
        } else if (o.name == "gear") {
            options.gear = v;
        } else if (o.name == "rim") {
            options.rim = v;
        } else if (o.name == "gears") {
            options.gears = v;
        } else if (o.name == "model") {
            options.model = v;
        } else if (o.name == "years") {
            options.years = v;
        } else if (o.name == "in-gear") {
            options.inGear = v;
        } else if (o.name == "teeth") {
            options.teeth = v;
        } else if (o.name == "error") {
            options.error = v;
        } else if (o.name == "driven-from") {
            options.drivenFrom = v;
        } else if (o.name == "a-tire") {
            options.aTire = v;
        } else if (o.name == "a-axle") {
            options.aAxle = v;
        } else if (o.name == "b-tire") {
            options.bTire = v;
        } else if (o.name == "b-axle") {
            options.bAxle = v;
        } else if (o.name == "unit") {
            options.unit = v;
        }
    }
    return options;
}

SolveQuestion QuestionOf(std::string_view view) {
    return view == "solve-axle"       ? SolveQuestion::Axle
           : view == "solve-tire"     ? SolveQuestion::Tire
           : view == "solve-identify" ? SolveQuestion::Identify
                                      : SolveQuestion::Speedometer;
}

// Answered addresses, each as tachoria-cli solve would take its options.
const std::vector<std::string> kAddresses = {
    "solve-axle?rpm=2800&speed=70&tire=24&gear=1&unit=mph",
    "solve-axle?rpm=3000&speed=112.5&tire=185%2F80R13&gear=0.9&unit=kmh",
    "solve-tire?rpm=2800&speed=70&axle=3.27&gear=1&unit=mph",
    "solve-tire?rpm=2600&speed=65&axle=3.55&gear=0.89&rim=15&unit=mph",
    "solve-identify?rpm=2900&speed=60&tire=24&gears=3.65%2C2.35%2C1.44%2C1&in-gear=4&unit=mph",
    "solve-identify?rpm=3100&speed=100&tire=24.5&gears=3.2%2C1.9%2C1.3&in-gear=3&unit=kmh",
    "solve-identify?rpm=2400&speed=60&tire=185%2F80R13&model=Late%20Car%20(1965-1969)&years=1966-"
    "1969&in-gear=3&unit=mph",
    "solve-speedometer?teeth=18&error=%2B5&unit=mph",
    "solve-speedometer?teeth=19&a-tire=24&a-axle=3.27&b-tire=185%2F80R13&b-axle=3.55&unit=mph",
    "solve-speedometer?a-tire=24&b-tire=26&driven-from=wheel&unit=mph",
};

TEST(QuestionsState, TablesAreTheCommandLinesInTheBrowsersForm) {
    for (const bool comma : {false, true}) {
        for (const std::string& text : kAddresses) {
            const Address address = ReadAddress(text);
            ASSERT_TRUE(address.unknownOptions.empty()) << text;
            const Outcome<std::string> tsv =
                RunSolve(QuestionOf(address.view), OptionsOf(address), TextFormat::Tsv);
            ASSERT_TRUE(tsv) << text << ": " << tsv.message();
            QuestionsState state(comma ? "," : ".");
            EXPECT_TRUE(state.Open(address).empty()) << text;
            const Json json = ReadJson(state.QuestionJson(address.view.substr(6)));
            ASSERT_FALSE(json.is_discarded());
            EXPECT_TRUE(json.at("problems").empty()) << text << json.at("problems").dump();
            const testing::Grid grid = testing::JsonGrid(json.at("table"));
            EXPECT_EQ(grid, testing::TsvGrids(*tsv).at(0)) << text << " comma " << comma;
            EXPECT_GT(grid.size(), 1U) << text;
            EXPECT_EQ(grid.at(0).at(0), "") << "an empty first header, as on the desktop";
            if (comma && address.view != "solve-speedometer") {
                EXPECT_TRUE(std::regex_search(json.at("table").at("rows").dump(),
                                              std::regex("[0-9],[0-9]")))
                    << text;
            }
            EXPECT_NE(json.at("sentence"), "\u2014");
            EXPECT_FALSE(json.at("csv").get<std::string>().empty());
        }
    }
}

TEST(QuestionsState, AddressOpensTheSameQuestion) {
    for (const bool comma : {false, true}) {
        for (const std::string& text : kAddresses) {
            QuestionsState typed(comma ? "," : ".");
            ASSERT_TRUE(typed.Open(ReadAddress(text)).empty());
            const std::string question = ReadAddress(text).view.substr(6);
            const std::string address = typed.AddressText(question);
            QuestionsState opened(comma ? "," : ".");
            EXPECT_TRUE(opened.Open(ReadAddress(address)).empty()) << address;
            EXPECT_EQ(opened.QuestionJson(question), typed.QuestionJson(question)) << address;
            EXPECT_EQ(address.find("%2C5"), std::string::npos);
        }
    }
    // Texts that are no numbers, the other form and the wheel travel too.
    QuestionsState typed(",");
    ASSERT_TRUE(typed.SetField("speedometer", "a-tire", "x<y"));
    ASSERT_TRUE(typed.SetField("speedometer", "b-axle", "3,55"));
    ASSERT_TRUE(typed.Pick("speedometer", "form", "Change from A to B"));
    ASSERT_TRUE(typed.Pick("speedometer", "driven-from",
                           typed.PickerEntries("speedometer", "driven-from")[1]));
    ASSERT_TRUE(typed.Pick("tire", "rim", "14 in"));
    ASSERT_TRUE(typed.SetField("tire", "gear", "0,9"));
    for (const char* question : {"speedometer", "tire"}) {
        const std::string address = typed.AddressText(question);
        QuestionsState opened(",");
        EXPECT_TRUE(opened.Open(ReadAddress(address)).empty());
        EXPECT_EQ(opened.QuestionJson(question), typed.QuestionJson(question)) << address;
    }
    EXPECT_NE(typed.AddressText("speedometer").find("b-axle=3.55"), std::string::npos);
    EXPECT_NE(typed.AddressText("tire").find("rim=14"), std::string::npos);
}

TEST(QuestionsState, OpeningSaysWhatItCannotUseAndMarksBadTexts) {
    QuestionsState state(".");
    const std::vector<std::string> said = state.Open(
        ReadAddress("solve-identify?rpm=abc&model=Model%20T&years=1908&in-gear=9&unit=furlongs"));
    ASSERT_EQ(said.size(), 3U);
    EXPECT_NE(said[0].find("furlongs"), std::string::npos);
    EXPECT_NE(said[1].find("Model T, 1908"), std::string::npos);
    EXPECT_NE(said[2].find('9'), std::string::npos);
    const Json json = ReadJson(state.QuestionJson("identify"));
    EXPECT_EQ(json.at("fields")[0].at("text"), "abc");
    EXPECT_NE(json.at("fields")[0].at("reason"), "");
    EXPECT_EQ(json.at("problems").size(), 1U);
    EXPECT_EQ(json.at("sentence"), "\u2014");
    EXPECT_TRUE(json.at("table").at("rows").empty());
    EXPECT_EQ(json.at("copyText"), "");
    EXPECT_EQ(state.Open(ReadAddress("solve-tire?rim=12")).size(), 1U);
    EXPECT_TRUE(state.Open(ReadAddress("stock?tire=24")).empty()) << "not a question's view";
    for (const std::string& hostile :
         {"solve-identify?gears=" + std::string(kAddressLimit / 4, ','),
          "solve-speedometer?teeth=%00&error=%FF%3Cscript%3E" +
              std::string(kAddressLimit / 2, 'x')}) {
        const std::string question = ReadAddress(hostile).view.substr(6);
        state.Open(ReadAddress(hostile));
        ASSERT_FALSE(ReadJson(state.QuestionJson(question)).is_discarded());
        QuestionsState again(".");
        again.Open(ReadAddress(state.AddressText(question)));
        EXPECT_EQ(again.QuestionJson(question), state.QuestionJson(question));
    }
}

TEST(QuestionsState, PickersActAsTheWindows) {
    QuestionsState state(",");
    // One unit for all four questions, and their captions with it.
    ASSERT_TRUE(state.Pick("axle", "unit", "km/h"));
    const Json all = ReadJson(state.Json());
    EXPECT_EQ(all.at("unit"), "km/h");
    EXPECT_EQ(all.at("questions").at("tire").at("fields")[1].at("label"), "Speed, km/h");
    EXPECT_EQ(all.at("questions").at("axle").at("fields")[1].at("text"), "112,65")
        << "70 MPH written in km/h";
    // A late car's gearbox for the tachometer: its gears not for typing, and
    // its speedometer driven from the wheel.
    const std::vector<std::string> gearboxes = state.PickerEntries("identify", "gearbox");
    ASSERT_EQ(gearboxes.front(), "Typed gears");
    const auto late = std::find_if(gearboxes.begin(), gearboxes.end(), [](const std::string& g) {
        return g == "Late Car (1965-1969), 1966-1969";
    });
    ASSERT_NE(late, gearboxes.end());
    ASSERT_TRUE(state.Pick("identify", "gearbox", *late));
    const Json identify = ReadJson(state.QuestionJson("identify"));
    EXPECT_TRUE(identify.at("fields")[3].at("readOnly").get<bool>());
    EXPECT_FALSE(state.SetField("identify", "gears", "1")) << "filled from the catalogue";
    EXPECT_EQ(identify.at("pickers").at("in-gear").at("entries").size(), 4U);
    EXPECT_EQ(
        ReadJson(state.QuestionJson("speedometer")).at("pickers").at("driven-from").at("chosen"),
        state.PickerEntries("speedometer", "driven-from")[1]);
    ASSERT_TRUE(state.Pick("identify", "in-gear", "2"));
    EXPECT_EQ(ReadJson(state.QuestionJson("identify")).at("pickers").at("in-gear").at("chosen"),
              "2");
    EXPECT_FALSE(state.Pick("identify", "in-gear", "5"));
    // The speedometer's other form leaves the error aside.
    ASSERT_TRUE(state.Pick("speedometer", "form", "Change from A to B"));
    const Json speedometer = ReadJson(state.QuestionJson("speedometer"));
    EXPECT_FALSE(speedometer.at("fields")[1].at("enabled").get<bool>());
    EXPECT_EQ(speedometer.at("footnotes").size(), 1U) << "the cable adapter's";
    EXPECT_FALSE(state.Pick("axle", "rim", "14 in")) << "the tire question's picker";
    EXPECT_FALSE(state.SetField("axle", "teeth", "18"));
    EXPECT_FALSE(state.SetField("gearbox", "rpm", "1"));
    EXPECT_EQ(state.QuestionJson("gearbox"), "null");
}

TEST(QuestionsState, FillsFromAMainPageAndKeepsTheTargets) {
    MainPages pages(",");
    ASSERT_TRUE(pages.Type("TireBox", "26"));
    ASSERT_TRUE(pages.Type("TransBox", "0,9"));
    QuestionsState state(",");
    ASSERT_TRUE(state.SetField("axle", "rpm", "3100"));
    state.Fill(pages, TablePage::Generic);
    const Json axle = ReadJson(state.QuestionJson("axle"));
    EXPECT_EQ(axle.at("fields")[0].at("text"), "3100");
    EXPECT_EQ(axle.at("fields")[2].at("text"), "26");
    EXPECT_EQ(axle.at("fields")[3].at("text"), "0,9");
    EXPECT_EQ(ReadJson(state.QuestionJson("tire")).at("fields")[2].at("text"), "3,27")
        << "an empty box's default";
    const Json json = ReadJson(state.Json());
    EXPECT_NE(json.at("footnote").get<std::string>().find("0,1"), std::string::npos);
    EXPECT_TRUE(json.at("questions")
                    .at("axle")
                    .at("printTitle")
                    .get<std::string>()
                    .starts_with("Gearing Questions: Axle ratio for a target (3100 RPM"));
    EXPECT_TRUE(json.at("questions")
                    .at("axle")
                    .at("fileName")
                    .get<std::string>()
                    .starts_with("questions-axle_3100-rpm"));
}

}  // namespace
}  // namespace tachoria
