#include "commandline/CommandLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <span>
#include <sstream>
#include <string>
#include <vector>

#include "ReadJson.h"
#include "arith/NumberReading.h"
#include "commandline/Utf8Text.h"
#include "comparison/Comparison.h"
#include "inputs/InputRanges.h"
#include "tables/TableJson.h"
#include "tests/golden/EarlyCarTables.h"

namespace tachoria {
namespace {

using testing::Keys;
using testing::ReadJson;

struct Outcome {
    int status;
    std::string out;
    std::string err;
};

Outcome RunWith(std::vector<std::string> args) {
    args.insert(args.begin(), "tachoria-cli");
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCommandLine(args, out, err);
    return {status, out.str(), err.str()};
}

std::string_view Unpadded(std::string_view cell) {
    return cell.substr(std::min(cell.find_first_not_of(' '), cell.size()));
}

// `text` cut at each `separator`, empty parts kept.
std::vector<std::string> Split(std::string_view text, char separator) {
    std::vector<std::string> parts;
    for (std::size_t start = 0;;) {
        const std::size_t end = text.find(separator, start);
        parts.emplace_back(text.substr(start, end - start));
        if (end == std::string_view::npos) {
            return parts;
        }
        start = end + 1;
    }
}

using Cells = std::vector<std::vector<std::string>>;

// Tab-separated output read back into its cells, line by line. Every line
// must end, so that comparing the cells compares the whole text.
Cells TsvCells(std::string_view text) {
    Cells lines;
    if (!text.ends_with('\n')) {
        ADD_FAILURE() << "the last line does not end: " << text;
        return lines;
    }
    text.remove_suffix(1);
    for (const std::string& line : Split(text, '\n')) {
        lines.push_back(Split(line, '\t'));
    }
    return lines;
}

// The read-back row whose first cell is `label`; empty if there is none.
std::vector<std::string> RowOf(const Cells& lines, std::string_view label) {
    const auto row = std::find_if(lines.begin(), lines.end(),
                                  [label](const auto& cells) { return cells.at(0) == label; });
    return row == lines.end() ? std::vector<std::string>{} : *row;
}

// The golden table's cells without their padding, as the text forms give them.
Cells GoldenCells(std::span<const std::string_view> headers,
                  std::span<const golden::GoldenRow> rows) {
    Cells cells = {std::vector<std::string>(headers.begin(), headers.end())};
    for (const golden::GoldenRow& row : rows) {
        std::vector<std::string>& line = cells.emplace_back(1, std::string(Unpadded(row.label)));
        for (const std::string_view cell : row.cells) {
            line.emplace_back(Unpadded(cell));
        }
    }
    return cells;
}

const std::vector<std::string> kEarlyCar = {
    "stock", "--model", "Early Car (1961-1964)", "--years", "1961-1963", "--axle", "3.27"};

std::vector<std::string> EarlyCar(std::vector<std::string> more) {
    std::vector<std::string> args = kEarlyCar;
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

TEST(CommandLine, PrintsTheEarlyCarsGoldenTables) {
    const Outcome rpm = RunWith(EarlyCar({"--tire", "24", "--get", "rpm", "--format", "tsv"}));
    EXPECT_EQ(rpm.status, 0);
    EXPECT_EQ(TsvCells(rpm.out), GoldenCells(golden::kEarlyCarRPMHeaders, golden::kEarlyCarRPM));
    EXPECT_EQ(rpm.err, "");
    const Outcome mph = RunWith(EarlyCar({"--tire", "24 in", "--get", "mph", "--format", "tsv"}));
    EXPECT_EQ(TsvCells(mph.out), GoldenCells(golden::kEarlyCarMPHHeaders, golden::kEarlyCarMPH));
}

TEST(CommandLine, WritesEachFormat) {
    const auto first = [](const std::string& text, int lines) {
        std::size_t end = 0;
        for (int i = 0; i < lines; ++i) {
            end = text.find('\n', end) + 1;
        }
        return text.substr(0, end);
    };
    const struct {
        const char* format;
        const char* start;
    } cases[] = {
        {"text",
         "  MPH  1st Gear  2nd Gear  3rd Gear  4th Gear\n   10      1671      1076       659       "
         "457\n"},
        {"csv", "MPH,1st Gear,2nd Gear,3rd Gear,4th Gear\r\n10,1671,1076,659,457\r\n"},
        {"json", "{\n  \"page\": \"stock\",\n"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.format);
        const Outcome run =
            RunWith(EarlyCar({"--tire", "24", "--get", "rpm", "--format", c.format}));
        EXPECT_EQ(run.status, 0);
        const int lines = static_cast<int>(std::count(c.start, c.start + strlen(c.start), '\n'));
        EXPECT_EQ(first(run.out, lines), c.start);
    }
    EXPECT_EQ(RunWith(EarlyCar({"--tire", "24", "--get", "rpm"})).out,
              RunWith(EarlyCar({"--tire", "24", "--get", "rpm", "--format", "text"})).out);
    // Choices in capitals, as people type them.
    EXPECT_EQ(RunWith(EarlyCar({"--tire", "24", "--get", "RPM", "--format", "CSV"})).out,
              RunWith(EarlyCar({"--tire", "24", "--get", "rpm", "--format", "csv"})).out);
}

TEST(CommandLine, GenericTakesThePagesDefaults) {
    const Outcome defaults = RunWith({"generic", "--get", "mph", "--format", "tsv"});
    const Outcome given = RunWith({"generic", "--tire", "24", "--axle", "3.27", "--gear", "1",
                                   "--get", "mph", "--format", "tsv"});
    // An empty option is an empty box: it takes the default too.
    const Outcome empty = RunWith(
        {"generic", "--tire", "", "--axle", "", "--gear", "", "--get", "mph", "--format", "tsv"});
    EXPECT_EQ(defaults.status, 0);
    EXPECT_EQ(defaults.out, given.out);
    EXPECT_EQ(empty.out, given.out);
    EXPECT_TRUE(defaults.out.starts_with("RPM\tMPH\n500\t10\n1000\t21\n"));
    EXPECT_TRUE(defaults.out.ends_with("\n7000\t152\n"));
    // 10 MPH × 2 × 3.55 × 336.135 / 24.6535 (185/80R13) = 968.0
    EXPECT_TRUE(RunWith({"generic", "--tire", "185/80R13", "--axle", "3.55", "--gear", "2", "--get",
                         "rpm", "--format", "tsv"})
                    .out.starts_with("MPH\tRPM\n10\t968\n"));
}

// The factory bias sizes in every tire option, at their nominal diameters:
// 60 MPH x 3.27 x 336.135 / 24.7 (6.50-13) = 2670.03 in 4th, and / 26.2
// (7.00-14) = 2517.2 in a 1.00 gear; other inch widths are still refused.
TEST(CommandLine, ReadsTheFactoryBiasSizesInEveryTireOption) {
    const struct {
        std::vector<std::string> args;
        const char* line;  // a line of the TSV output, or the start of the error
    } cases[] = {
        {EarlyCar({"--tire", "6.50-13", "--get", "rpm"}), "60\t9745\t6274\t3844\t2670\n"},
        {EarlyCar({"--tire", "650x13 4PR", "--get", "rpm"}), "60\t9745\t6274\t3844\t2670\n"},
        {{"generic", "--tire", "7.00 B 14", "--axle", "3.27", "--gear", "1", "--get", "rpm"},
         "60\t2517\n"},
        {{"compare", "--a-tire", "6.50-13", "--a-axle", "3.27", "--a-gears", "1", "--b-tire",
          "7.00-13 bias", "--b-axle", "3.27", "--b-gears", "1"},
         "60\t2670\t2606\t-64\t-2.4\n"},
        {EarlyCar({"--tire", "6.50-14", "--get", "rpm"}),
         "tachoria-cli: --tire \"6.50-14\": An inch-width size"},
        {{"generic", "--tire", "7.00x15", "--axle", "3.27", "--gear", "1", "--get", "rpm"},
         "tachoria-cli: --tire \"7.00x15\": An inch-width size"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.args.at(0) + " " + c.line);
        std::vector<std::string> args = c.args;
        args.insert(args.end(), {"--format", "tsv"});
        const Outcome run = RunWith(args);
        if (std::string_view(c.line).starts_with("tachoria-cli")) {
            EXPECT_EQ(run.status, 1);
            EXPECT_TRUE(run.err.starts_with(c.line)) << run.err;
        } else {
            EXPECT_EQ(run.status, 0) << run.err;
            EXPECT_NE(run.out.find(c.line), std::string::npos) << run.out;
        }
    }
}

const std::vector<std::string> kCompare = {
    "compare",          "--a-tire", "24", "--a-axle", "3.27", "--a-gears",
    "3.65,2.35,1.44,1", "--b-tire", "24", "--b-axle", "3.55", "--b-gears",
    "3.65,2.35,1.44,1"};

// kCompare with the value of `option` replaced, or `option` added.
std::vector<std::string> Compare(const std::string& option, const std::string& value) {
    std::vector<std::string> args = kCompare;
    const auto at = std::find(args.begin(), args.end(), option);
    if (at == args.end()) {
        args.insert(args.end(), {option, value});
    } else {
        *(at + 1) = value;
    }
    return args;
}

const std::string kTires = RangeText(kTireRange, PlainNumberConverter());
const std::string kRatios = RangeText(kRatioRange, PlainNumberConverter());
const std::string kRedlines = RangeText(kRedlineRange, PlainNumberConverter());
const std::string kLongZero = "0." + std::string(400, '0') + "1";

// No table: status 1, one line that names the option, quotes its text and
// says why, with the range that works, and nothing on standard output.
TEST(CommandLine, ExplainsNumbersOutsideTheWorkingRanges) {
    const struct {
        std::vector<std::string> args;
        std::string named;  // the option and its quoted text
        const char* reason;
        const std::string& range;
    } cases[] = {
        {{"generic", "--tire", "-5", "--get", "rpm"},
         "--tire \"-5\"",
         "Must be greater than 0",
         kTires},
        {{"generic", "--tire", "0", "--get", "rpm"},
         "--tire \"0\"",
         "Must be greater than 0",
         kTires},
        {{"generic", "--tire", "4.99", "--get", "rpm"}, "--tire \"4.99\"", "Too small", kTires},
        {{"generic", "--tire", "1e400", "--get", "rpm"}, "--tire \"1e400\"", "Too large", kTires},
        {{"generic", "--tire", "1e-400", "--get", "rpm"}, "--tire \"1e-400\"", "Too small", kTires},
        {{"generic", "--tire", kLongZero, "--get", "rpm"},
         "--tire \"0.00000000000000000\u2026" + std::string(19, '0') + "1\"",
         "Too small",
         kTires},
        {{"generic", "--tire", "80/50R1", "--get", "rpm"},
         "--tire \"80/50R1\"",
         "The size gives 4.15 in",
         kTires},
        {{"generic", "--tire", "abc", "--get", "rpm"}, "--tire \"abc\"", "Not a number", kTires},
        {{"generic", "--axle", "3,27", "--get", "rpm"}, "--axle \"3,27\"", "Not a number", kRatios},
        {{"generic", "--axle", "0.04", "--get", "mph"}, "--axle \"0.04\"", "Too small", kRatios},
        {{"generic", "--gear", "50.5", "--get", "mph"}, "--gear \"50.5\"", "Too large", kRatios},
        {{"generic", "--gear", "-1e-400", "--get", "mph"},
         "--gear \"-1e-400\"",
         "Must be greater than 0",
         kRatios},
        {{"generic", "--tire", "2\n4", "--get", "rpm"}, "--tire \"2?4\"", "Not a number", kTires},
        {EarlyCar({"--tire", "", "--get", "mph"}), "--tire \"\"", "Empty", kTires},
        {EarlyCar({"--tire", "in 24", "--get", "mph"}), "--tire \"in 24\"", "Not a number", kTires},
        {EarlyCar({"--tire", "4 in", "--get", "mph"}), "--tire \"4 in\"", "Too small", kTires},
        {EarlyCar({"--tire", "-26", "--get", "mph"}), "--tire \"-26\"", "Must be greater than 0",
         kTires},
        {EarlyCar({"--tire", "1e-400 in", "--get", "mph"}), "--tire \"1e-400 in\"", "Too small",
         kTires},
        {Compare("--a-tire", "101"), "--a-tire \"101\"", "Too large", kTires},
        {Compare("--b-axle", "0"), "--b-axle \"0\"", "Must be greater than 0", kRatios},
        {Compare("--a-gears", "3.65,,1"), "--a-gears \"3.65,,1\"", "2nd gear: Empty", kRatios},
        {Compare("--b-gears", "1,x"), "--b-gears \"1,x\"", "2nd gear: Not a number", kRatios},
        {Compare("--redline", "50"), "--redline \"50\"", "Too small", kRedlines},
        {Compare("--redline", "1e-400"), "--redline \"1e-400\"", "Too small", kRedlines},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.named);
        const Outcome run = RunWith(c.args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("tachoria-cli: " + c.named + ": ")) << run.err;
        EXPECT_NE(run.err.find(c.reason), std::string::npos) << run.err;
        EXPECT_NE(run.err.find(c.range), std::string::npos) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

TEST(CommandLine, ExplainsSelectionsAndGearCountsThatGiveNoTable) {
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"stock", "--model", "Car", "--years", "1964", "--axle", "3.27", "--tire", "24", "--get",
          "rpm"},
         "--model \"Car\" is not a model of the catalogue; the models are \"Early Car "
         "(1961-1964)\", \"Forward Control\", \"Late Car (1965-1969)\"."},
        {{"stock", "--model", "Early Car (1961-1964)", "--years", "1965", "--axle", "3.27",
          "--tire", "24", "--get", "rpm"},
         "--years \"1965\" is not a year range of \"Early Car (1961-1964)\"; it has "
         "\"1961-1963\", \"1964\"."},
        {{"stock", "--model", "Late Car (1965-1969)", "--years", "1966-1969", "--axle", "3.08",
          "--tire", "24", "--get", "rpm"},
         "--axle \"3.08\" is not offered with \"Late Car (1965-1969)\", \"1966-1969\"; it has "
         "\"3.27\", \"3.55\"."},
        {Compare("--a-gears", "4,3,2,1.5,1,0.8,0.7"),
         "--a-gears \"4,3,2,1.5,1,0.8,0.7\": Too many: type 1 to 6 gear ratios, first gear first, "
         "with \",\" between them."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const Outcome run = RunWith(c.args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, std::string("tachoria-cli: ") + c.message + "\n");
    }
}

// A model line, year and axle ratio as owners write them select what the
// catalogue's own texts select; what could be more than one is refused
// with the choices.
TEST(CommandLine, ReadsTheCatalogueChoicesAsOwnersWriteThem) {
    const auto stock = [](const char* model, const char* years, const char* axle) {
        return RunWith({"stock", "--model", model, "--years", years, "--axle", axle, "--tire", "24",
                        "--get", "rpm", "--format", "json"});
    };
    const struct {
        const char* model;
        const char* years;
        const char* axle;
        const char* catalogues[3];
    } cases[] = {
        {"Early Car", "1962", "3.270", {"Early Car (1961-1964)", "1961-1963", "3.27"}},
        {"early car (1961-1964)",
         "1961-1963",
         "3.55:1",
         {"Early Car (1961-1964)", "1961-1963", "3.55"}},
        {"early", "1964", "3.27 : 1", {"Early Car (1961-1964)", "1964", "3.27"}},
        {"forward", "1965", "3.2700", {"Forward Control", "1964-1965", "3.27"}},
        {"FORWARD CONTROL", "1961 (early)", "3.27", {"Forward Control", "1961 (early)", "3.27"}},
        {"Late Car", "1967", "3.55", {"Late Car (1965-1969)", "1966-1969", "3.55"}},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(std::string(c.model) + ", " + c.years + ", " + c.axle);
        const Outcome owners = stock(c.model, c.years, c.axle);
        EXPECT_EQ(owners.status, 0) << owners.err;
        EXPECT_EQ(owners.out, stock(c.catalogues[0], c.catalogues[1], c.catalogues[2]).out);
    }

    const struct {
        const char* model;
        const char* years;
        const char* axle;
        const char* message;
    } refused[] = {
        {"", "1962", "3.27",
         "--model \"\" names more than one model of the catalogue; the models are \"Early Car "
         "(1961-1964)\", \"Forward Control\", \"Late Car (1965-1969)\"."},
        {"forward", "1961", "3.27",
         "--years \"1961\" is in more than one year range of \"Forward Control\"; it has "
         "\"1961 (early)\", \"1961(late)-1963\", \"1964-1965\"."},
        {"late", "1964", "3.27",
         "--years \"1964\" is not a year range of \"Late Car (1965-1969)\"; it has \"1965\", "
         "\"1966-1969\"."},
        {"early", "1962", "3.271",
         "--axle \"3.271\" is not offered with \"Early Car (1961-1964)\", \"1961-1963\"; it "
         "has \"3.08\", \"3.27\", \"3.55\", \"3.89\"."},
        {"early", "1962", "3.27:2",
         "--axle \"3.27:2\" is not offered with \"Early Car (1961-1964)\", \"1961-1963\"; it "
         "has \"3.08\", \"3.27\", \"3.55\", \"3.89\"."},
    };
    for (const auto& c : refused) {
        SCOPED_TRACE(c.message);
        const Outcome run = stock(c.model, c.years, c.axle);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, std::string("tachoria-cli: ") + c.message + "\n");
    }
}

// A ratio's ":1" in the generic table's options, as in every ratio field.
TEST(CommandLine, GenericReadsARatioThatEndsInPerOne) {
    const auto generic = [](const char* axle, const char* gear) {
        return RunWith({"generic", "--tire", "24", "--axle", axle, "--gear", gear, "--get", "rpm",
                        "--format", "csv"});
    };
    const Outcome owners = generic("3.55:1", "1:1");
    EXPECT_EQ(owners.status, 0) << owners.err;
    EXPECT_EQ(owners.out, generic("3.55", "1").out);
}

TEST(CommandLine, RefusesUsageErrorsWithStatusTwo) {
    const std::vector<std::vector<std::string>> cases = {
        {},
        {"generic"},
        {"generic", "--get"},
        {"generic", "--get", "kph"},
        {"generic", "--get", "rpm", "--format", "xml"},
        {"generic", "--get", "rpm", "--bogus"},
        {"generic", "--get", "rpm", "extra"},
        {"stock", "--get", "rpm"},
        {"convert"},
        {"catalogue", "--format", "xml"},
        {"compare", "--a-tire", "24", "--a-axle", "3.27", "--a-gears", "1"},
        Compare("--unit", "mps"),
        // Gears typed and from the catalogue exclude each other; a model
        // needs its years.
        Compare("--a-model", "Early Car (1961-1964)"),
        {"compare", "--a-tire", "24", "--a-axle", "3.27", "--a-model", "Forward Control",
         "--b-tire", "24", "--b-axle", "3.55", "--b-gears", "1"},
    };
    for (const auto& args : cases) {
        std::string line;
        for (const std::string& arg : args) {
            line += arg + " ";
        }
        SCOPED_TRACE(line);
        const Outcome run = RunWith(args);
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        // One line, named as the program's other messages are.
        EXPECT_TRUE(run.err.starts_with("tachoria-cli: ")) << run.err;
        EXPECT_EQ(std::count(run.err.begin(), run.err.end(), '\n'), 1) << run.err;
    }
}

TEST(CommandLine, NamesAMistypedSubcommandAndTheValidOnes) {
    for (const char* word : {"Generic", "catalog", "compair", "\xff"}) {
        SCOPED_TRACE(word);
        const Outcome run = RunWith({word, "--get", "rpm"});
        EXPECT_EQ(run.status, 2);
        EXPECT_EQ(run.out, "");
        EXPECT_TRUE(run.err.starts_with("tachoria-cli: \"" + AsUtf8(word) +
                                        "\" is not a subcommand; the subcommands are generic, "
                                        "stock, compare, catalogue and solve.\n"))
            << run.err;
    }
}

TEST(CommandLine, AnswersHelpAndVersion) {
    const Outcome help = RunWith({"--help"});
    EXPECT_EQ(help.status, 0);
    for (const char* subcommand : {"generic", "stock", "compare", "catalogue", "solve"}) {
        EXPECT_NE(help.out.find(subcommand), std::string::npos) << subcommand;
    }
    const Outcome version = RunWith({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("tachoria-cli "));
}

// Every row of the catalogue's table is a selection the stock subcommand
// takes, with the gear ratios its table is computed from.
TEST(CommandLine, ListsTheCatalogueInEachFormat) {
    const Outcome text = RunWith({"catalogue"});
    EXPECT_EQ(text.status, 0);
    EXPECT_NE(text.out.find("Forward Control\n    1961 (early): gears 4.26, 2.55, 1.68, 1; "
                            "axle ratios 3.27\n"),
              std::string::npos);
    EXPECT_EQ(std::count(text.out.begin(), text.out.end(), '\n'), 3 + 7);

    // One object per gearbox, in the text's order.
    const Outcome json = RunWith({"catalogue", "--format", "json"});
    EXPECT_EQ(json.status, 0);
    Json catalogue = ReadJson(json.out);
    ASSERT_FALSE(catalogue.is_discarded()) << json.out;
    EXPECT_EQ(Keys(catalogue), std::vector<std::string>{"gearboxes"});
    Json& gearboxes = catalogue["gearboxes"];
    ASSERT_EQ(gearboxes.size(), 7U) << json.out;
    for (const Json& gearbox : gearboxes) {
        EXPECT_EQ(Keys(gearbox),
                  (std::vector<std::string>{"model", "yearRange", "gearRatios", "axleRatios"}));
    }
    EXPECT_EQ(gearboxes[2],
              Json::parse(R"j({"model": "Forward Control", "yearRange": "1961 (early)",
        "gearRatios": [4.26, 2.55, 1.68, 1], "axleRatios": [3.27]})j"));

    const Outcome tsv = RunWith({"catalogue", "--format", "tsv"});
    std::istringstream lines(tsv.out);
    std::string line;
    std::getline(lines, line);
    EXPECT_EQ(line, "Model\tYear range\tAxle ratio\t1st Gear\t2nd Gear\t3rd Gear\t4th Gear");
    int selections = 0;
    while (std::getline(lines, line)) {
        std::vector<std::string> cells;
        std::istringstream fields(line);
        for (std::string cell; std::getline(fields, cell, '\t');) {
            cells.push_back(cell);
        }
        ASSERT_EQ(cells.size(), 7U) << line;
        const Outcome stock =
            RunWith({"stock", "--model", cells[0], "--years", cells[1], "--axle", cells[2],
                     "--tire", "24", "--get", "mph", "--format", "json"});
        EXPECT_EQ(stock.status, 0) << line << stock.err;
        const Json gears =
            Json::parse("[" + cells[3] + ", " + cells[4] + ", " + cells[5] + ", " + cells[6] + "]");
        EXPECT_EQ(ReadJson(stock.out)["inputs"]["gearRatios"], gears) << line;
        // The same gearbox in the catalogue's JSON, with this axle ratio.
        const auto listed = std::find_if(gearboxes.begin(), gearboxes.end(), [&cells](Json& g) {
            return g["model"] == cells[0] && g["yearRange"] == cells[1];
        });
        ASSERT_NE(listed, gearboxes.end()) << line;
        EXPECT_EQ((*listed)["gearRatios"], gears) << line;
        const Json& axles = (*listed)["axleRatios"];
        EXPECT_NE(std::find(axles.begin(), axles.end(), Json::parse(cells[2])), axles.end())
            << line;
        ++selections;
    }
    EXPECT_EQ(selections, 17);

    const Outcome csv = RunWith({"catalogue", "--format", "csv"});
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\n'), 18);
    EXPECT_EQ(std::count(csv.out.begin(), csv.out.end(), '\r'), 18);
}

// The tables of one run of compare, split at the empty lines between them.
std::vector<std::string> Tables(const std::string& out, const std::string& end) {
    std::vector<std::string> tables;
    std::size_t start = 0;
    for (std::size_t gap = out.find(end + end); gap != std::string::npos;
         gap = out.find(end + end, start)) {
        tables.push_back(out.substr(start, gap + end.size() - start));
        start = gap + 2 * end.size();
    }
    tables.push_back(out.substr(start));
    return tables;
}

// The early car against itself with a 3.55 axle: A's numbers are the
// golden tables' fourth gear when cruising, and each gear's speed at 5500.
TEST(CommandLine, ComparesTwoSetupsInEachFormat) {
    const Outcome tsv = RunWith(Compare("--format", "tsv"));
    EXPECT_EQ(tsv.status, 0) << tsv.err;
    const std::vector<std::string> tables = Tables(tsv.out, "\n");
    ASSERT_EQ(tables.size(), 3U) << tsv.out;
    const Cells cruise = TsvCells(tables[0]);
    for (const std::string_view mph : {"50", "60", "70", "80"}) {
        const auto golden = std::find_if(
            golden::kEarlyCarRPM.begin(), golden::kEarlyCarRPM.end(),
            [&mph](const golden::GoldenRow& row) { return Unpadded(row.label) == mph; });
        const std::vector<std::string> row = RowOf(cruise, mph);
        ASSERT_GE(row.size(), 2U) << mph << "\n" << tables[0];
        EXPECT_EQ(row[1], Unpadded(golden->cells[3])) << tables[0];
    }
    // 5500 RPM: 32.9, 51.1, 83.3 and 120.0 MPH; the golden table truncates
    // them to whole.
    const auto atRedline =
        std::find_if(golden::kEarlyCarMPH.begin(), golden::kEarlyCarMPH.end(),
                     [](const golden::GoldenRow& row) { return row.label == " 5500"; });
    const Cells gears = TsvCells(tables[1]);
    for (std::size_t gear = 0; gear < 4; ++gear) {
        const std::vector<std::string> row = RowOf(gears, std::to_string(gear + 1));
        ASSERT_GE(row.size(), 2U) << gear + 1 << "\n" << tables[1];
        EXPECT_TRUE(row[1].starts_with(std::string(Unpadded(atRedline->cells[gear])) + "."))
            << row[1];
    }
    EXPECT_EQ(RunWith(Compare("--redline", "5500")).out, RunWith(kCompare).out);

    const Outcome text = RunWith(kCompare);
    std::size_t at = 0;
    for (const char* caption :
         {"Cruise: engine RPM in top gear\nMPH  A RPM",
          "\n\nEach gear at the redline: speed, and RPM after shifting up\nGear  ",
          "\n\nSpeedometer after the change\n"}) {
        at = text.out.find(caption, at);
        EXPECT_NE(at, std::string::npos) << caption << "\n" << text.out;
    }
    const Outcome csv = RunWith(Compare("--format", "csv"));
    EXPECT_EQ(Tables(csv.out, "\r\n").size(), 3U) << csv.out;
    const Outcome kmh = RunWith(Compare("--unit", "kmh"));
    EXPECT_TRUE(kmh.out.starts_with("Cruise: engine RPM in top gear\nkm/h")) << kmh.out;

    // One object of the three tables, each with the inputs of both setups.
    const Outcome json = RunWith(Compare("--format", "json"));
    Json compared = ReadJson(json.out);
    ASSERT_FALSE(compared.is_discarded()) << json.out;
    EXPECT_EQ(Keys(compared), (std::vector<std::string>{"cruise", "gears", "speedometer"}));
    const Json inputs = Json::parse(R"j({
        "a": {"tire": "24", "tireDiameter": 24, "axleRatio": 3.27,
              "gearRatios": [3.65, 2.35, 1.44, 1]},
        "b": {"tire": "24", "tireDiameter": 24, "axleRatio": 3.55,
              "gearRatios": [3.65, 2.35, 1.44, 1]},
        "redline": 5500, "unit": "MPH", "drivenFrom": "transmission"})j");
    for (const auto& [key, caption] :
         {std::pair{"cruise", kCruiseCaption}, std::pair{"gears", kGearsCaption},
          std::pair{"speedometer", kSpeedometerCaption}}) {
        SCOPED_TRACE(key);
        Json& table = compared[key];
        std::vector<std::string> keys = {"page", "caption", "inputs", "headers", "rows"};
        if (table.contains("notes")) {
            keys.emplace_back("notes");
        }
        EXPECT_EQ(Keys(table), keys);
        EXPECT_EQ(table["page"], "compare");
        EXPECT_EQ(table["caption"], caption);
        EXPECT_EQ(table["inputs"], inputs);
    }
    // The cruise table's rows are the TSV's cells, numbers as numbers.
    const Cells cruiseCells = TsvCells(tables[0]);
    ASSERT_EQ(compared["cruise"]["rows"].size() + 1, cruiseCells.size());
    for (std::size_t row = 1; row < cruiseCells.size(); ++row) {
        for (std::size_t cell = 0; cell < cruiseCells[row].size(); ++cell) {
            EXPECT_EQ(compared["cruise"]["rows"][row - 1][cell], JsonCell(cruiseCells[row][cell]))
                << row << " " << cell;
        }
    }
}

std::vector<std::string> Joined(std::vector<std::string> first,
                                const std::vector<std::string>& then) {
    first.insert(first.end(), then.begin(), then.end());
    return first;
}

// A setup given by model line and years takes the catalogue's gears, and
// A's model line says what drives the speedometer unless --driven-from
// does; typed gears start with the transmission, even a stock gearbox's.
TEST(CommandLine, ComparesModelLinesWithTheirSpeedometersDrive) {
    const std::vector<std::string> earlyA = {"--a-model", "Early Car (1961-1964)", "--a-years",
                                             "1961-1963"};
    const std::vector<std::string> lateA = {"--a-model", "Late Car (1965-1969)", "--a-years",
                                            "1966-1969"};
    const auto run = [](std::vector<std::string> a, std::vector<std::string> b,
                        std::vector<std::string> more) {
        std::vector<std::string> args = {"compare", "--format", "json"};
        args.insert(args.end(), a.begin(), a.end());
        args.insert(args.end(), b.begin(), b.end());
        args.insert(args.end(), more.begin(), more.end());
        return RunWith(args);
    };
    const struct {
        const char* what;
        std::vector<std::string> a;
        std::vector<std::string> b;
        std::vector<std::string> more;
        const char* drivenFrom;
        const char* reads;  // the speedometer at a true 60 MPH
        const char* error;
    } cases[] = {
        // k = (3.55 ÷ 24.6535) ÷ (3.27 ÷ 24) = 1.0568: 63.4 at a true 60.
        {"early car, transaxle",
         Joined({"--a-tire", "24", "--a-axle", "3.27"}, earlyA),
         {"--b-tire", "185/80R13", "--b-axle", "3.55", "--b-gears", "3.65,2.35,1.44,1"},
         {},
         "transmission",
         "63.4",
         "5.7 % high"},
        {"early car, driven from a wheel as given",
         Joined({"--a-tire", "24", "--a-axle", "3.27"}, earlyA),
         {"--b-tire", "185/80R13", "--b-axle", "3.55", "--b-gears", "3.65,2.35,1.44,1"},
         {"--driven-from", "wheel"},
         "wheel",
         "58.4",
         "2.7 % low"},
        // k = 25.3 ÷ 24.748 = 1.0223, whatever the axle.
        {"late car, front wheel",
         Joined({"--a-tire", "25.3", "--a-axle", "3.55"}, lateA),
         {"--b-tire", "195/70R14", "--b-axle", "3.27", "--b-model", "Late Car (1965-1969)",
          "--b-years", "1966-1969"},
         {},
         "wheel",
         "61.3",
         "2.2 % high"},
        {"late car's ratios typed",
         {"--a-tire", "25.3", "--a-axle", "3.55", "--a-gears", "3.2,2.2,1.47,1"},
         {"--b-tire", "195/70R14", "--b-axle", "3.55", "--b-gears", "3.2,2.2,1.47,1"},
         {},
         "transmission",
         "61.3",
         "2.2 % high"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.what);
        const Outcome json = run(c.a, c.b, c.more);
        ASSERT_EQ(json.status, 0) << json.err;
        const Json compared = ReadJson(json.out);
        const Json& speedometer = compared["speedometer"];
        EXPECT_EQ(speedometer["inputs"]["drivenFrom"], c.drivenFrom);
        EXPECT_EQ(speedometer["rows"][0][1], Json::parse(c.reads)) << json.out;
        EXPECT_EQ(speedometer["rows"][2][1], c.error) << json.out;
    }
    // The catalogue's gears, and its texts in the inputs.
    const Json late = ReadJson(run(Joined({"--a-tire", "24", "--a-axle", "3.27"}, lateA),
                                   {"--b-tire", "24", "--b-axle", "3.27", "--b-gears", "1"}, {})
                                   .out);
    EXPECT_EQ(late["cruise"]["inputs"]["a"],
              Json::parse(R"j({"tire": "24", "tireDiameter": 24, "axleRatio": 3.27,
                  "model": "Late Car (1965-1969)", "yearRange": "1966-1969",
                  "gearRatios": [3.2, 2.2, 1.47, 1]})j"));
    // A model or years the catalogue lacks, named by the option given.
    const Outcome bad = run({"--a-tire", "24", "--a-axle", "3.27", "--a-gears", "1"},
                            {"--b-tire", "24", "--b-axle", "3.27", "--b-model",
                             "Late Car (1965-1969)", "--b-years", "1964"},
                            {});
    EXPECT_EQ(bad.status, 1);
    EXPECT_TRUE(bad.err.starts_with("tachoria-cli: --b-years \"1964\" is not a year range of"))
        << bad.err;
}

// Arguments are bytes; whatever they hold, what is written is UTF-8 and
// the JSON parses.
TEST(CommandLine, KeepsEveryOutputUtf8) {
    const struct {
        std::vector<std::string> args;
        int status;
    } cases[] = {
        {EarlyCar({"--tire", "24\xff\xfe", "--get", "rpm", "--format", "json"}), 0},
        {EarlyCar({"--tire", "24 \xed\xa0\x80", "--get", "mph", "--format", "json"}), 0},
        {Compare("--a-tire", "24\xc0\xaf"), 1},
        {Compare("--b-gears", "1,\xe2\x82"), 1},
        {{"stock", "--model", "Early Car\xc3", "--years", "1964", "--axle", "3.27", "--tire", "24",
          "--get", "rpm"},
         1},
        {{"generic", "--tire", "\xf4\x90\x80\x80", "--get", "rpm"}, 1},
        {{"generic", "--get", "\x80rpm"}, 2},
        {{"generic", "--get", "rpm", "--\xfe"}, 2},
    };
    for (const auto& c : cases) {
        const Outcome run = RunWith(c.args);
        SCOPED_TRACE(run.err);
        EXPECT_EQ(run.status, c.status);
        EXPECT_TRUE(IsUtf8(run.out));
        EXPECT_TRUE(IsUtf8(run.err));
        EXPECT_EQ(run.err.empty(), c.status == 0);
        if (c.status == 0) {
            EXPECT_FALSE(ReadJson(run.out).is_discarded()) << run.out;
            EXPECT_NE(run.out.find("\xef\xbf\xbd"), std::string::npos);
        }
    }
}

}  // namespace
}  // namespace tachoria
