#include <gtest/gtest.h>

#include <algorithm>
#include <cstddef>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

#include "ReadJson.h"
#include "commandline/CommandLine.h"
#include "questions/GearingQuestions.h"

namespace tachoria {
namespace {

struct Ran {
    int status;
    std::string out;
    std::string err;
};

Ran Solve(std::vector<std::string> args) {
    args.insert(args.begin(), {"tachoria-cli", "solve"});
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCommandLine(args, out, err);
    return {status, out.str(), err.str()};
}

// `args` with the values of `options` (pairs of an option and its value)
// given: replacing those `args` has, after those it does not.
std::vector<std::string> With(std::vector<std::string> args,
                              const std::vector<std::string>& options) {
    for (std::size_t i = 0; i + 1 < options.size(); i += 2) {
        const auto at = std::find(args.begin(), args.end(), options[i]);
        if (at == args.end()) {
            args.insert(args.end(), {options[i], options[i + 1]});
        } else {
            *(at + 1) = options[i + 1];
        }
    }
    return args;
}

// The lines of tab-separated output after the header, each cut at its tabs.
std::vector<std::vector<std::string>> TsvRows(const std::string& text) {
    std::vector<std::vector<std::string>> rows;
    std::istringstream lines(text);
    std::string line;
    std::getline(lines, line);
    while (std::getline(lines, line)) {
        std::vector<std::string>& row = rows.emplace_back();
        std::istringstream cells(line);
        for (std::string cell; std::getline(cells, cell, '\t');) {
            row.push_back(cell);
        }
    }
    return rows;
}

const std::vector<std::string> kAxle = {"axle",   "--rpm", "2800",   "--speed", "70",
                                        "--tire", "24",    "--gear", "1"};
const std::vector<std::string> kIdentify = {"identify", "--model",   "Early Car (1961-1964)",
                                            "--years",  "1961-1963", "--in-gear",
                                            "4",        "--tire",    "185/80R13",
                                            "--rpm",    "2900",      "--speed",
                                            "60"};
const std::vector<std::string> kSpeedometer = {"speedometer", "--teeth", "18", "--error", "5.7"};
const std::vector<std::string> kTire = {"tire",   "--rpm", "3000",   "--speed", "60",
                                        "--axle", "3.55",  "--gear", "1"};

// A row of tab-separated cells as JSON writes it: numbers as numbers
// (without a "+"), other cells as strings.
std::string JsonRow(const std::vector<std::string>& cells) {
    std::string row = "[";
    for (const std::string& cell : cells) {
        row += row.size() == 1 ? "" : ", ";
        if (cell == "\u2014") {
            row += "null";  // no value
        } else if (cell.find_first_not_of("+-.0123456789") != std::string::npos) {
            row += "\"" + cell + "\"";
        } else {
            row += cell.starts_with('+') ? cell.substr(1) : cell;
        }
    }
    return row + "]";
}

// Worked by hand: the ratio is rpm × tire ÷ (speed × 336.135 × gear), the
// diameter speed × 336.135 × axle × gear ÷ rpm, and the driven gear's teeth
// grow with the error: 18 × 1.057 = 19.03.
TEST(SolveCommand, AnswersEachQuestionInTextTableAndJson) {
    const struct {
        std::vector<std::string> args;
        const char* question;
        std::string summary;
        std::vector<std::vector<std::string>> firstRows;
        std::string inputs;
    } cases[] = {
        {kAxle,
         "axle",
         "2800 RPM at 70 MPH takes an axle ratio of 2.86.",
         {{"Needed", "2.86", "2803", "+0.1"},
          {"Factory", "3.08", "3019", "+7.8"},
          {"Factory", "3.27", "3205", "+14.5"}},
         R"j({"rpm": 2800, "speed": 70, "unit": "MPH", "tire": "24", "tireDiameter": 24, )j"
         R"j("gearRatio": 1})j"},
        // 60 × 336.135 × 3.55 ÷ 3000 = 23.866 in; 225/50R15 is 15 + 225 ÷ 25.4 = 23.858.
        {kTire,
         "tire",
         "3000 RPM at 60 MPH takes a tire of 23.87 in (845 revolutions per mile).",
         {{"Needed", "\u2014", "23.87", "845", "0.0"},
          {"Size", "225/50R15", "23.86", "845", "0.0"}},
         R"j({"rpm": 3000, "speed": 60, "unit": "MPH", "axleRatio": 3.55, "gearRatio": 1})j"},
        // 100 km/h is 62.137 MPH: 62.137 × 336.135 × 3.27 ÷ 2500 = 27.32 in.
        {{"tire", "--rpm", "2500", "--speed", "100", "--unit", "KMH", "--axle", "3.27", "--gear",
          "1"},
         "tire",
         "2500 RPM at 100 km/h takes a tire of 27.32 in (738 revolutions per mile).",
         {{"Needed", "\u2014", "27.32", "738", "0.0"}},
         R"j({"rpm": 2500, "speed": 100, "unit": "km/h", "axleRatio": 3.27, "gearRatio": 1})j"},
        {kIdentify,
         "identify",
         "The reading implies an axle ratio of 3.54; the best factory fit is 3.55, which gives "
         "2904 RPM (+0.1 %).",
         {{"Reading", "3.54", "2900", "0.0", "24.65", "818"},
          {"Factory", "3.55", "2904", "+0.1", "24.69", "817"}},
         R"j({"rpm": 2900, "speed": 60, "unit": "MPH", "tire": "185/80R13", )j"
         R"j("tireDiameter": 24.6535433070866, "model": "Early Car (1961-1964)", )j"
         R"j("yearRange": "1961-1963", "gearRatios": [3.65, 2.35, 1.44, 1], "inGear": 4})j"},
        {kSpeedometer,
         "speedometer",
         "The speedometer reads 5.7 % high; 19.03 teeth on the driven gear make it true: 19 teeth "
         "leave +0.1 %, 20 "
         "teeth leave -4.9 %.",
         {{"Now", "18", "+5.7"},
          {"True", "19.03", "0.0"},
          {"Nearest", "19", "+0.1"},
          {"Nearest", "20", "-4.9"}},
         R"j({"teeth": 18, "drivenFrom": "transmission", "errorPercent": 5.7})j"},
        // 24 ÷ 3.27 against 24.654 ÷ 3.55 (185/80R13): reads 5.68 % high.
        {{"speedometer", "--teeth", "18", "--a-tire", "24", "--a-axle", "3.27", "--b-tire",
          "185/80R13", "--b-axle", "3.55"},
         "speedometer",
         "The speedometer reads 5.7 % high; 19.02 teeth on the driven gear make it true: 19 teeth "
         "leave +0.1 %, 20 "
         "teeth leave -4.9 %.",
         {{"Now", "18", "+5.7"}, {"True", "19.02", "0.0"}},
         R"j({"teeth": 18, "drivenFrom": "transmission", "a": {"tire": "24", "tireDiameter": 24, )j"
         R"j("axleRatio": 3.27}, "b": {"tire": "185/80R13", "tireDiameter": 24.6535433070866, )j"
         R"j("axleRatio": 3.55}, "errorPercent": 5.6847916221039})j"},
        // From a wheel only the tires count: 24 against 24.654 reads 2.65 % low,
        // and a wheel has no driven gear: an adapter of 1 ÷ 0.97349 = 1.027.
        {{"speedometer", "--teeth", "18", "--driven-from", "Wheel", "--a-tire", "24", "--b-tire",
          "185/80R13"},
         "speedometer",
         "The speedometer reads 2.7 % low; the left front wheel drives it with no driven gear to "
         "change, so a cable ratio adapter of 1.027 (1.027 turns out for each turn in) makes it "
         "true.",
         {{"Now", "1.000", "-2.7"}, {"True", "1.027", "0.0"}},
         R"j({"drivenFrom": "wheel", "a": {"tire": "24", "tireDiameter": 24, )j"
         R"j("axleRatio": null}, "b": {"tire": "185/80R13", "tireDiameter": 24.6535433070866, )j"
         R"j("axleRatio": null}, "errorPercent": -2.65091025231556})j"},
        // The early car's transaxle: k = (3.55 ÷ 24.6535) ÷ (3.27 ÷ 24) = 1.0568.
        {{"speedometer", "--teeth", "18", "--model", "Early Car (1961-1964)", "--years",
          "1961-1963", "--a-tire", "24", "--a-axle", "3.27", "--b-tire", "185/80R13", "--b-axle",
          "3.55"},
         "speedometer",
         "The speedometer reads 5.7 % high; 19.02 teeth on the driven gear make it true: 19 teeth "
         "leave +0.1 %, 20 teeth leave -4.9 %.",
         {{"Now", "18", "+5.7"}, {"True", "19.02", "0.0"}},
         R"j({"teeth": 18, "drivenFrom": "transmission", "model": "Early Car (1961-1964)", )j"
         R"j("yearRange": "1961-1963", "a": {"tire": "24", "tireDiameter": 24, )j"
         R"j("axleRatio": 3.27}, "b": {"tire": "185/80R13", "tireDiameter": 24.6535433070866, )j"
         R"j("axleRatio": 3.55}, "errorPercent": 5.6847916221039})j"},
        // The late car's front wheel, no teeth needed: k = 25.3 ÷ 24.748 = 1.0223,
        // and an adapter of 1 ÷ 1.0223 = 0.978.
        {{"speedometer", "--model", "Late Car (1965-1969)", "--years", "1966-1969", "--a-tire",
          "25.3", "--b-tire", "195/70R14"},
         "speedometer",
         "The speedometer reads 2.2 % high; the left front wheel drives it with no driven gear to "
         "change, so a cable ratio adapter of 0.978 (0.978 turns out for each turn in) makes it "
         "true.",
         {{"Now", "1.000", "+2.2"}, {"True", "0.978", "0.0"}},
         R"j({"drivenFrom": "wheel", "model": "Late Car (1965-1969)", "yearRange": "1966-1969", )j"
         R"j("a": {"tire": "25.3", "tireDiameter": 25.3, "axleRatio": null}, "b": {"tire": )j"
         R"j("195/70R14", "tireDiameter": 24.7480314960630, "axleRatio": null}, )j"
         R"j("errorPercent": 2.23035316576519})j"},
        // --driven-from overrides the model line; the error counts from a wheel too.
        {{"speedometer", "--teeth", "18", "--model", "Late Car (1965-1969)", "--years", "1966-1969",
          "--driven-from", "transmission", "--error", "5.7"},
         "speedometer",
         "The speedometer reads 5.7 % high; 19.03 teeth on the driven gear make it true: 19 teeth "
         "leave +0.1 %, 20 teeth leave -4.9 %.",
         {{"Now", "18", "+5.7"}},
         R"j({"teeth": 18, "drivenFrom": "transmission", "model": "Late Car (1965-1969)", )j"
         R"j("yearRange": "1966-1969", "errorPercent": 5.7})j"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.summary);
        const Ran text = Solve(c.args);
        EXPECT_EQ(text.status, 0) << text.err;
        EXPECT_EQ(text.err, "");
        EXPECT_TRUE(text.out.starts_with(c.summary + "\n\n")) << text.out;
        // The notes after an empty line, each on its own.
        std::string notes = "\n\n";
        const bool adapter = c.summary.find("adapter") != std::string::npos;
        for (const std::string_view note :
             {kQuestionsRoundingNote, kRollingTireNote, kCableAdapterNote}) {
            if (note == kQuestionsRoundingNote ||
                (note == kRollingTireNote && std::string(c.question) == "identify") ||
                (note == kCableAdapterNote && adapter)) {
                notes += note;
                notes += "\n";
            }
        }
        EXPECT_TRUE(text.out.ends_with(notes)) << text.out;

        const Ran tsv = Solve(With(c.args, {"--format", "tsv"}));
        const auto rows = TsvRows(tsv.out);
        ASSERT_GE(rows.size(), c.firstRows.size()) << tsv.out;
        EXPECT_EQ(std::vector(rows.begin(),
                              rows.begin() + static_cast<std::ptrdiff_t>(c.firstRows.size())),
                  c.firstRows);
        EXPECT_EQ(tsv.out.find(c.summary), std::string::npos) << "the table only";

        const Ran json = Solve(With(c.args, {"--format", "json"}));
        testing::Json answer = testing::ReadJson(json.out);
        ASSERT_FALSE(answer.is_discarded()) << json.out;
        EXPECT_EQ(testing::Keys(answer),
                  (std::vector<std::string>{"question", "summary", "inputs", "headers", "rows"}));
        EXPECT_EQ(answer["question"], c.question);
        EXPECT_EQ(answer["summary"], c.summary);
        EXPECT_EQ(answer["inputs"], testing::Json::parse(c.inputs)) << json.out;
        ASSERT_GE(answer["rows"].size(), c.firstRows.size()) << json.out;
        for (std::size_t i = 0; i < c.firstRows.size(); ++i) {
            EXPECT_EQ(answer["rows"][i], testing::Json::parse(JsonRow(c.firstRows[i])));
        }
    }
}

// Driven from a wheel, axle ratios change nothing, so they may be left out.
TEST(SolveCommand, IgnoresAxlesForASpeedometerDrivenFromAWheel) {
    const std::vector<std::string> tires = {"speedometer", "--teeth",  "18", "--driven-from",
                                            "wheel",       "--a-tire", "24", "--b-tire",
                                            "185/80R13"};
    const Ran without = Solve(tires);
    const Ran with = Solve(With(tires, {"--a-axle", "3.27", "--b-axle", "3.89"}));
    EXPECT_EQ(without.status, 0) << without.err;
    EXPECT_EQ(with.out, without.out);
    // Given, they are still read: a mistyped one is no answer.
    EXPECT_EQ(Solve(With(tires, {"--a-axle", "x", "--b-axle", "3.89"})).status, 1);
}

// The typed gears and the catalogue's early car give the same ratio in
// fourth; typed gears are checked against every factory axle ratio.
// The catalogue's gearbox by an owner's words, written out by its own texts.
TEST(SolveCommand, IdentifiesFromTheCatalogueAsOwnersNameIt) {
    const Ran owners =
        Solve(With(kIdentify, {"--model", "early car", "--years", "1962", "--format", "json"}));
    ASSERT_EQ(owners.status, 0) << owners.err;
    EXPECT_EQ(owners.out, Solve(With(kIdentify, {"--format", "json"})).out);
    const Ran perOne = Solve(With(kTire, {"--axle", "3.55:1", "--format", "json"}));
    EXPECT_EQ(perOne.status, 0) << perOne.err;
    EXPECT_EQ(testing::ReadJson(perOne.out)["inputs"]["axleRatio"], 3.55);
}

TEST(SolveCommand, IdentifiesFromTypedGearsAsFromTheCatalogue) {
    const Ran typed = Solve({"identify", "--gears", "3.65,2.35,1.44,1", "--in-gear", "4", "--tire",
                             "185/80R13", "--rpm", "2900", "--speed", "60", "--format", "tsv"});
    const Ran stock = Solve(With(kIdentify, {"--format", "tsv"}));
    EXPECT_EQ(typed.status, 0) << typed.err;
    EXPECT_EQ(TsvRows(typed.out).at(1), TsvRows(stock.out).at(1));
    EXPECT_EQ(TsvRows(typed.out).size(), 1 + CatalogueAxleRatios(kNoGearbox).size());
}

// 3000 RPM at 60 MPH with 3.55 takes 23.86 in: on 13-in wheels only 13-in
// sizes are listed, nearest first; any rim lists others too.
TEST(SolveCommand, ListsTiresOnlyOnTheRimAsked) {
    for (const char* rim : {"13", "14", "20"}) {
        SCOPED_TRACE(rim);
        const Ran run = Solve(With(kTire, {"--rim", rim, "--format", "tsv"}));
        ASSERT_EQ(run.status, 0) << run.err;
        const std::vector<std::vector<std::string>> rows = TsvRows(run.out);
        ASSERT_EQ(rows.size(), 11U);
        for (std::size_t i = 1; i < rows.size(); ++i) {
            EXPECT_TRUE(rows[i].at(1).ends_with(std::string("R") + rim)) << rows[i].at(1);
        }
        const testing::Json json =
            testing::ReadJson(Solve(With(kTire, {"--rim", rim, "--format", "json"})).out);
        EXPECT_EQ(json["inputs"]["rim"], std::stoi(rim));
    }
    const Ran any = Solve(With(kTire, {"--format", "tsv"}));
    const std::vector<std::vector<std::string>> rows = TsvRows(any.out);
    EXPECT_TRUE(std::any_of(rows.begin() + 1, rows.end(),
                            [](const auto& row) { return !row.at(1).ends_with("R13"); }));
    EXPECT_FALSE(
        testing::ReadJson(Solve(With(kTire, {"--format", "json"})).out)["inputs"].contains("rim"));
    for (const auto& [rim, reason] :
         {std::pair{"12", "Too small: type a whole number from 13 to 20 in."},
          std::pair{"21", "Too large: type a whole number from 13 to 20 in."},
          std::pair{"13.5", "Not a whole number: type a whole number from 13 to 20 in."},
          std::pair{"13in", "Not a number: type a whole number from 13 to 20 in."},
          std::pair{"", "Empty: type a whole number from 13 to 20 in."}}) {
        const Ran run = Solve(With(kTire, {"--rim", rim}));
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.err, "tachoria-cli: --rim \"" + std::string(rim) + "\": " + reason + "\n");
    }
}

// No answer: status 1, one line naming the option, quoting its text and
// saying why, with the range that works.
TEST(SolveCommand, NamesTheOptionOfEveryBadNumber) {
    const std::vector<std::string> axle = {"axle", "--tire", "24", "--gear", "1"};
    const std::vector<std::string> setups = {"speedometer", "--teeth",  "18", "--a-tire",
                                             "24",          "--b-tire", "24"};
    const struct {
        std::vector<std::string> args;
        std::string named;
        const char* reason;
    } cases[] = {
        {With(axle, {"--rpm", "abc", "--speed", "70"}), "--rpm \"abc\"",
         "Not a number: type a number from 100 to 30000 RPM."},
        {With(axle, {"--rpm", "2800", "--speed", "0"}), "--speed \"0\"",
         "Must be greater than 0: type a number from 1 to 300 MPH."},
        {With(axle, {"--rpm", "2800", "--speed", "1e-400"}), "--speed \"1e-400\"", "Too small"},
        {With(axle, {"--rpm", "2800", "--speed", "501", "--unit", "kmh"}), "--speed \"501\"",
         "Too large: type a number from 1 to 500 km/h."},
        {With(kAxle, {"--tire", "7.50-14"}), "--tire \"7.50-14\"", "inch-width"},
        {With(kAxle, {"--gear", "0"}), "--gear \"0\"", "from 0.05 to 50"},
        {With(kTire, {"--axle", "51"}), "--axle \"51\"", "Too large"},
        {{"identify", "--gears", "3.65,,1", "--in-gear", "1", "--tire", "24", "--rpm", "2900",
          "--speed", "60"},
         "--gears \"3.65,,1\"",
         "2nd gear: Empty"},
        {With(kIdentify, {"--in-gear", "5"}), "--in-gear \"5\"",
         "Too large: type a whole number from 1 to 4."},
        {With(kIdentify, {"--in-gear", "2.5"}), "--in-gear \"2.5\"", "Not a whole number"},
        {With(kSpeedometer, {"--teeth", "18.5"}), "--teeth \"18.5\"",
         "Not a whole number: type a whole number from 1 to 100."},
        {With(kSpeedometer, {"--error", "-50.1"}), "--error \"-50.1\"",
         "Too small: type a number from -50 to 50 %."},
        {With(setups, {"--a-axle", "0", "--b-axle", "3.55"}), "--a-axle \"0\"",
         "Must be greater than 0"},
        {With(setups, {"--a-axle", "3.27", "--b-axle", "3,55"}), "--b-axle \"3,55\"",
         "Not a number"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.named);
        const Ran run = Solve(c.args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("tachoria-cli: " + c.named + ": ")) << run.err;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

// What the catalogue does not have, and targets no gearing in range meets.
TEST(SolveCommand, ExplainsInputsThatGiveNoAnswer) {
    const struct {
        std::vector<std::string> args;
        const char* start;
    } cases[] = {
        {With(kIdentify, {"--years", "1965"}),
         "--years \"1965\" is not a year range of \"Early Car (1961-1964)\"; it has"},
        {With(kIdentify, {"--model", "forward", "--years", "1961"}),
         R"(--years "1961" is in more than one year range of "Forward Control"; it has)"},
        {With(kIdentify, {"--model", "Corvair"}),
         "--model \"Corvair\" is not a model of the catalogue; the models are"},
        // The speedometer's drive from a model line the catalogue lacks, and
        // a driven gear not given where there is one.
        {{"speedometer", "--model", "Corsa", "--years", "1965", "--error", "3"},
         "--model \"Corsa\" is not a model of the catalogue"},
        {{"speedometer", "--model", "Early Car (1961-1964)", "--years", "1964", "--error", "3"},
         "solve speedometer: give --teeth"},
        // 500 MPH at 100 RPM would take a tire of 5966 in.
        {{"tire", "--rpm", "100", "--speed", "300", "--axle", "3.55", "--gear", "1"},
         "solve tire: "},
        {{"axle", "--rpm", "30000", "--speed", "1", "--tire", "100", "--gear", "0.05"},
         "solve axle: "},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.start);
        const Ran run = Solve(c.args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with(std::string("tachoria-cli: ") + c.start)) << run.err;
        EXPECT_TRUE(run.err.ends_with(".\n")) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

TEST(SolveCommand, RefusesUsageErrorsWithStatusTwo) {
    const std::vector<std::string> identify = {"identify", "--tire",  "24", "--rpm",
                                               "2900",     "--speed", "60"};
    const std::vector<std::vector<std::string>> cases = {
        {},
        With(identify, {"--gears", "1", "--model", "Early Car (1961-1964)", "--years", "1961-1963",
                        "--in-gear", "1"}),
        With(identify, {"--gears", "3.65,2.35,1.44,1"}),
        With(identify, {"--in-gear", "1"}),
        With(identify, {"--model", "Early Car (1961-1964)", "--in-gear", "1"}),
        {"speedometer", "--teeth", "18"},
        {"speedometer", "--teeth", "18", "--a-tire", "24", "--b-tire", "24"},
        With(kSpeedometer, {"--a-tire", "24"}),
        // The drive counts with --error too; a model line needs its years.
        With(kSpeedometer, {"--model", "Late Car (1965-1969)"}),
        {"speedometer", "--model", "Late Car (1965-1969)", "--years", "1965", "--a-tire", "24"},
        {"speedometer", "--teeth", "18", "--driven-from", "cable", "--a-tire", "24", "--b-tire",
         "24"},
        {"axle", "--rpm", "2800", "--speed", "70", "--tire", "24"},
        With(kTire, {"--format", "xml"}),
    };
    for (const auto& args : cases) {
        std::string line;
        for (const std::string& arg : args) {
            line += arg + " ";
        }
        SCOPED_TRACE(line);
        const Ran run = Solve(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("tachoria-cli: ")) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
    EXPECT_EQ(Solve({"axel"}).err,
              "tachoria-cli: \"axel\" is not a question of solve; the questions are axle, tire, "
              "identify and speedometer.\n");
}

TEST(SolveCommand, HelpListsTheFourQuestions) {
    const Ran help = Solve({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* question : {"\n  axle ", "\n  tire ", "\n  identify ", "\n  speedometer "}) {
        EXPECT_NE(help.out.find(question), std::string::npos) << question << help.out;
    }
}

}  // namespace
}  // namespace tachoria
