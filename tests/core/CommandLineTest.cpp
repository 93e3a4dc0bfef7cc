#include "commandline/CommandLine.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cstring>
#include <sstream>
#include <string>
#include <vector>

#include "tests/golden/EarlyCarTables.h"

namespace tachoria {
namespace {

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

const std::vector<std::string> kEarlyCar = {
    "stock", "--model", "Early Car (1961-1964)", "--years", "1961-1963", "--axle", "3.27"};

std::vector<std::string> EarlyCar(std::vector<std::string> more) {
    std::vector<std::string> args = kEarlyCar;
    args.insert(args.end(), more.begin(), more.end());
    return args;
}

// The golden table as tab-separated text, padding stripped.
std::string GoldenTsv(const auto& headers, const auto& rows) {
    const auto append = [](std::string& text, std::string_view cell, bool first) {
        if (!first) {
            text += '\t';
        }
        text.append(cell.substr(std::min(cell.find_first_not_of(' '), cell.size())));
    };
    std::string text;
    for (std::size_t i = 0; i < headers.size(); ++i) {
        append(text, headers[i], i == 0);
    }
    text += '\n';
    for (const auto& row : rows) {
        append(text, row.label, true);
        for (const std::string_view cell : row.cells) {
            append(text, cell, false);
        }
        text += '\n';
    }
    return text;
}

TEST(CommandLine, PrintsTheEarlyCarsGoldenTables) {
    const Outcome rpm = RunWith(EarlyCar({"--tire", "24", "--get", "rpm", "--format", "tsv"}));
    EXPECT_EQ(rpm.status, 0);
    EXPECT_EQ(rpm.out, GoldenTsv(golden::kEarlyCarRPMHeaders, golden::kEarlyCarRPM));
    EXPECT_EQ(rpm.err, "");
    const Outcome mph = RunWith(EarlyCar({"--tire", "24 in", "--get", "mph", "--format", "tsv"}));
    EXPECT_EQ(mph.out, GoldenTsv(golden::kEarlyCarMPHHeaders, golden::kEarlyCarMPH));
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
        {"tsv", "MPH\t1st Gear\t2nd Gear\t3rd Gear\t4th Gear\n10\t1671\t1076\t659\t457\n"},
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
}

TEST(CommandLine, GenericTakesThePagesDefaults) {
    const Outcome defaults = RunWith({"generic", "--get", "mph", "--format", "tsv"});
    const Outcome given = RunWith({"generic", "--tire", "24", "--axle", "3.27", "--gear", "1",
                                   "--get", "mph", "--format", "tsv"});
    EXPECT_EQ(defaults.status, 0);
    EXPECT_EQ(defaults.out, given.out);
    EXPECT_TRUE(defaults.out.starts_with("RPM\tMPH\n500\t10\n1000\t21\n"));
    EXPECT_TRUE(defaults.out.ends_with("\n7000\t152\n"));
    // 10 MPH × 2 × 3.55 × 336.135 / 24.6535 (185/80R13) = 968.0
    EXPECT_TRUE(RunWith({"generic", "--tire", "185/80R13", "--axle", "3.55", "--gear", "2", "--get",
                         "rpm", "--format", "tsv"})
                    .out.starts_with("MPH\tRPM\n10\t968\n"));
}

// No table: status 1, one line naming the option and its value, and
// nothing at all on standard output.
TEST(CommandLine, ExplainsInputsThatGiveNoTable) {
    const struct {
        std::vector<std::string> args;
        const char* message;
    } cases[] = {
        {{"generic", "--tire", "abc", "--get", "rpm"}, "--tire \"abc\" is not a number."},
        {{"generic", "--axle", "3,27", "--get", "rpm"}, "--axle \"3,27\" is not a number."},
        {{"generic", "--tire", "0", "--get", "rpm"},
         "--tire \"0\" is zero, and the table divides by it. Enter a number other than 0."},
        {{"generic", "--gear", "0", "--get", "mph"},
         "--gear \"0\" is zero, and the table divides by it. Enter a number other than 0."},
        {{"generic", "--gear", "1e400", "--get", "mph"}, "--gear \"1e400\" is too large a number."},
        {{"generic", "--tire", "1e-300", "--get", "rpm"},
         "--tire \"1e-300\", --axle \"3.27\" and --gear \"1\" are too large or too small: the "
         "table's speeds cannot be computed."},
        {{"generic", "--tire", "2\n4", "--get", "rpm"}, "--tire \"2?4\" is not a number."},
        {{"stock", "--model", "Early Car", "--years", "1964", "--axle", "3.27", "--tire", "24",
          "--get", "rpm"},
         "--model \"Early Car\" is not a model of the catalogue; the models are \"Early Car "
         "(1961-1964)\", \"Forward Control\", \"Late Car (1965-1969)\"."},
        {{"stock", "--model", "Early Car (1961-1964)", "--years", "1965", "--axle", "3.27",
          "--tire", "24", "--get", "rpm"},
         "--years \"1965\" is not a year range of \"Early Car (1961-1964)\"; it has "
         "\"1961-1963\", \"1964\"."},
        {{"stock", "--model", "Late Car (1965-1969)", "--years", "1966-1969", "--axle", "3.08",
          "--tire", "24", "--get", "rpm"},
         "--axle \"3.08\" is not offered with \"Late Car (1965-1969)\", \"1966-1969\"; it has "
         "\"3.27\", \"3.55\"."},
        {EarlyCar({"--tire", "in 24", "--get", "mph"}),
         "--tire \"in 24\" reads as 0; give a diameter in inches or a size code such as "
         "185/80R13."},
        {EarlyCar({"--tire", "1e400", "--get", "mph"}), "--tire \"1e400\" is too large a number."},
        {EarlyCar({"--tire", "1e-320", "--get", "mph"}),
         "--tire \"1e-320\" is too large or too small: the table's speeds cannot be computed."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.message);
        const Outcome run = RunWith(c.args);
        EXPECT_EQ(run.status, 1);
        EXPECT_EQ(run.out, "");
        EXPECT_EQ(run.err, std::string("tachoria-cli: ") + c.message + "\n");
    }
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
        EXPECT_NE(run.err, "");
    }
}

TEST(CommandLine, AnswersHelpVersionAndCatalogue) {
    const Outcome help = RunWith({"--help"});
    EXPECT_EQ(help.status, 0);
    EXPECT_NE(help.out.find("generic"), std::string::npos);
    EXPECT_NE(help.out.find("catalogue"), std::string::npos);
    const Outcome version = RunWith({"--version"});
    EXPECT_EQ(version.status, 0);
    EXPECT_TRUE(version.out.starts_with("tachoria-cli "));
    const Outcome catalogue = RunWith({"catalogue"});
    EXPECT_EQ(catalogue.status, 0);
    EXPECT_NE(catalogue.out.find("Forward Control\n    1961 (early): gears 4.26, 2.55, 1.68, 1; "
                                 "axle ratios 3.27\n"),
              std::string::npos);
    EXPECT_EQ(std::count(catalogue.out.begin(), catalogue.out.end(), '\n'), 3 + 7);
}

}  // namespace
}  // namespace tachoria
