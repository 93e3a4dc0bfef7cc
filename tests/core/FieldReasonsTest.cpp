#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

#include "arith/NumberReading.h"
#include "commandline/CommandLine.h"
#include "commandline/OptionReading.h"
#include "comparison/ComparisonModel.h"
#include "questions/AxleQuestion.h"
#include "questions/IdentifyQuestion.h"
#include "questions/SpeedometerQuestion.h"

// Each kind of field given bad texts: the reason the windows show (through
// the models they bind to) and the one the command line prints are one
// sentence, framed by the field's label or by the option and its text.
namespace tachoria {
namespace {

const PlainNumberConverter kNumbers;

// The line tachoria-cli writes to its error stream for `args`, without
// the program's name and the line end; empty when it succeeds.
std::string CliProblem(std::vector<std::string> args) {
    args.insert(args.begin(), "tachoria-cli");
    std::ostringstream out;
    std::ostringstream err;
    if (RunCommandLine(args, out, err) == 0) {
        return {};
    }
    std::string line = err.str();
    const std::string program = "tachoria-cli: ";
    if (line.starts_with(program)) {
        line.erase(0, program.size());
    }
    while (line.ends_with('\n')) {
        line.pop_back();
    }
    return line;
}

// How a window and the command line are given one field's text.
struct FieldKind {
    std::string name;
    std::string option;
    // The window's state of the field once it holds `text`.
    std::function<FieldState(const std::string& text)> window;
    // The command line with the option given `text`.
    std::function<std::vector<std::string>(const std::string& text)> command;
    std::vector<std::string> badTexts;
};

std::vector<std::string> Axle(const std::string& option, const std::string& text,
                              const std::string& unit = "mph") {
    std::vector<std::string> args = {"solve",  "axle", "--rpm",  "2800", "--speed", "70",
                                     "--tire", "24",   "--gear", "1",    "--unit",  unit};
    for (std::size_t i = 2; i + 1 < args.size(); i += 2) {
        if (args[i] == option) {
            args[i + 1] = text;
        }
    }
    return args;
}

FieldState AxleField(AxleQuestion::Field field, const std::string& text,
                     SpeedUnit unit = SpeedUnit::MPH) {
    AxleQuestion question(kNumbers);
    question.SetUnit(unit);
    question.SetText(field, text);
    return question.Answer().fields.at(field);
}

std::vector<FieldKind> Kinds() {
    const std::vector<std::string> numbers = {"", "  ", "x", "3,5", "0", "-2", "1e-400", "1e9"};
    const auto with = [&numbers](std::vector<std::string> more) {
        more.insert(more.begin(), numbers.begin(), numbers.end());
        return more;
    };
    const auto comparison = [](const std::function<void(ComparisonModel&)>& set,
                               const std::function<FieldState(const ComparisonAnswer&)>& get) {
        ComparisonModel model(kNumbers);
        set(model);
        return get(model.Answer());
    };
    const std::vector<std::string> compare = {
        "compare", "--a-tire", "24",   "--a-axle",  "3.27", "--a-gears", "1",   "--b-tire",
        "24",      "--b-axle", "3.55", "--b-gears", "1",    "--redline", "5500"};
    const auto compareWith = [compare](const std::string& option, const std::string& text) {
        std::vector<std::string> args = compare;
        for (std::size_t i = 1; i + 1 < args.size(); i += 2) {
            if (args[i] == option) {
                args[i + 1] = text;
            }
        }
        return args;
    };
    return {
        {"ratio", "--gear", [](const std::string& t) { return AxleField(AxleQuestion::kGear, t); },
         [](const std::string& t) { return Axle("--gear", t); }, with({"0.049", "50.01"})},
        {"axle ratio of a setup", "--a-axle",
         [comparison](const std::string& t) {
             return comparison(
                 [&t](ComparisonModel& m) {
                     SetupTexts texts = m.Texts(Setup::A);
                     texts.axle = t;
                     m.SetTexts(Setup::A, texts);
                 },
                 [](const ComparisonAnswer& a) { return a.a.axle; });
         },
         [compareWith](const std::string& t) { return compareWith("--a-axle", t); }, with({"51"})},
        {"tire", "--tire", [](const std::string& t) { return AxleField(AxleQuestion::kTire, t); },
         [](const std::string& t) { return Axle("--tire", t); },
         with({"4.99", "101", "7.50-14", "225/45R", "1e-400 in", "4 in"})},
        {"tire of a setup", "--b-tire",
         [comparison](const std::string& t) {
             return comparison(
                 [&t](ComparisonModel& m) {
                     SetupTexts texts = m.Texts(Setup::B);
                     texts.tire = t;
                     m.SetTexts(Setup::B, texts);
                 },
                 [](const ComparisonAnswer& a) { return a.b.tire; });
         },
         [compareWith](const std::string& t) { return compareWith("--b-tire", t); },
         with({"7.50-14"})},
        {"redline", "--redline",
         [comparison](const std::string& t) {
             return comparison([&t](ComparisonModel& m) { m.SetRedline(t); },
                               [](const ComparisonAnswer& a) { return a.redline; });
         },
         [compareWith](const std::string& t) { return compareWith("--redline", t); },
         with({"99", "30001"})},
        {"engine speed", "--rpm",
         [](const std::string& t) { return AxleField(AxleQuestion::kRpm, t); },
         [](const std::string& t) { return Axle("--rpm", t); }, with({"99", "30001"})},
        {"road speed in MPH", "--speed",
         [](const std::string& t) { return AxleField(AxleQuestion::kSpeed, t); },
         [](const std::string& t) { return Axle("--speed", t); }, with({"0.5", "301"})},
        {"road speed in km/h", "--speed",
         [](const std::string& t) { return AxleField(AxleQuestion::kSpeed, t, SpeedUnit::KMH); },
         [](const std::string& t) { return Axle("--speed", t, "kmh"); }, with({"501"})},
        {"gear ratios",
         "--gears",
         [](const std::string& t) {
             IdentifyQuestion question(kNumbers);
             question.SetGearbox(std::nullopt);
             question.SetText(IdentifyQuestion::kGears, t);
             return question.Answer().fields.at(IdentifyQuestion::kGears);
         },
         [](const std::string& t) -> std::vector<std::string> {
             return {"solve",  "identify", "--rpm",   "2900", "--speed",   "60",
                     "--tire", "24",       "--gears", t,      "--in-gear", "1"};
         },
         {"", " ", ",", "3.65,,1", "1,x", "0", "1,1,1,1,1,1,1", "3.65, 2.35, 99", "1e-400"}},
        {"teeth", "--teeth",
         [](const std::string& t) {
             SpeedometerQuestion question(kNumbers);
             question.SetText(SpeedometerQuestion::kTeeth, t);
             return question.Answer().fields.at(SpeedometerQuestion::kTeeth);
         },
         [](const std::string& t) -> std::vector<std::string> {
             return {"solve", "speedometer", "--teeth", t, "--error", "3"};
         },
         with({"18.5", "101"})},
        {"error in %",
         "--error",
         [](const std::string& t) {
             SpeedometerQuestion question(kNumbers);
             question.SetText(SpeedometerQuestion::kOffPercent, t);
             return question.Answer().fields.at(SpeedometerQuestion::kOffPercent);
         },
         [](const std::string& t) -> std::vector<std::string> {
             return {"solve", "speedometer", "--teeth", "18", "--error", t};
         },
         {"", "x", "-50.1", "50.1", "1e9", "-1e9"}},
    };
}

TEST(FieldReasons, AreOneSentenceInTheWindowsAndOnTheCommandLine) {
    for (const FieldKind& kind : Kinds()) {
        for (const std::string& text : kind.badTexts) {
            SCOPED_TRACE(kind.name + " \"" + text + "\"");
            const FieldState field = kind.window(text);
            ASSERT_TRUE(field.bad()) << "the window takes it";
            EXPECT_FALSE(field.reason->empty());
            EXPECT_EQ(field.Line(), field.label + ": " + *field.reason);
            EXPECT_EQ(CliProblem(kind.command(text)),
                      OptionProblem(kind.option, text, *field.reason));
        }
    }
}

TEST(FieldReasons, TellZeroFromANumberTooSmallForADouble) {
    // 0 divides nothing; 1e-400 is a number, only too small.
    const struct {
        std::string text;
        std::string reason;
    } cases[] = {
        {"0", "Must be greater than 0: type a number from 0.05 to 50."},
        {"-0", "Must be greater than 0: type a number from 0.05 to 50."},
        {"0e5", "Must be greater than 0: type a number from 0.05 to 50."},
        {"1e-400", "Too small: type a number from 0.05 to 50."},
        {"0.0000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000000000000000000000"
         "0000000000000000000000000000000000000000000000000000000000000000000000000000000001",
         "Too small: type a number from 0.05 to 50."},
        {"-1e-400", "Must be greater than 0: type a number from 0.05 to 50."},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text);
        const Outcome<double> ratio = ReadRatioField(c.text, kNumbers);
        ASSERT_FALSE(ratio);
        EXPECT_EQ(ratio.message(), c.reason);
    }
    // Where 0 lies in the range, a number too small for a double is 0.
    EXPECT_EQ(ReadErrorField("1e-400", kNumbers).value_or(99), 0);
}

// "3.55:1" as owners write a ratio; what is not "per one" stays refused,
// for the number's reason.
TEST(FieldReasons, ARatioMayEndInPerOne) {
    const struct {
        const char* text;
        double ratio;
    } read[] = {{"3.55:1", 3.55}, {" 3.55 : 1 ", 3.55}, {"1:1", 1}, {"0.7:1", 0.7}};
    for (const auto& c : read) {
        EXPECT_EQ(ReadRatioField(c.text, kNumbers).value_or(0), c.ratio) << c.text;
    }
    const struct {
        const char* text;
        const char* reason;
    } refused[] = {
        {":1", "Not a number: type a number from 0.05 to 50."},
        {"3.55:2", "Not a number: type a number from 0.05 to 50."},
        {"3.55:1:1", "Not a number: type a number from 0.05 to 50."},
        {"3.55:1.0", "Not a number: type a number from 0.05 to 50."},
        {"0:1", "Must be greater than 0: type a number from 0.05 to 50."},
        {"51:1", "Too large: type a number from 0.05 to 50."},
    };
    for (const auto& c : refused) {
        EXPECT_EQ(ReadRatioField(c.text, kNumbers).message(), c.reason) << c.text;
    }
    EXPECT_EQ(*ReadGearsField("3.65:1, 2.35:1, 1.44:1, 1:1", kNumbers),
              (std::vector<double>{3.65, 2.35, 1.44, 1}));
    // The tool windows read through the same reader.
    ComparisonModel model(kNumbers);
    model.SetTexts(Setup::A, {.tire = "24", .axle = "3.55:1", .gears = {"3.65:1", "1"}});
    EXPECT_FALSE(model.Answer().a.axle.bad());
    EXPECT_EQ(model.Answer().a.axle.value, 3.55);
}

TEST(FieldReasons, GearRatiosAreSeparatedByTheirFieldsSeparators) {
    // A comma decimal point leaves ";" and "/" between ratios.
    class CommaNumbers final : public NumberConverter {
    public:
        [[nodiscard]] std::optional<double> ToNumber(std::string_view text) const override {
            std::string dotted(text);
            for (char& c : dotted) {
                c = c == ',' ? '.' : c == '.' ? ',' : c;
            }
            return PlainNumberConverter().ToNumber(dotted);
        }
        [[nodiscard]] std::string ToText(double value) const override {
            std::string text = PlainNumberConverter().ToText(value);
            for (char& c : text) {
                c = c == '.' ? ',' : c;
            }
            return text;
        }
        [[nodiscard]] char DecimalPoint() const override { return ','; }
    };
    const CommaNumbers comma;
    EXPECT_EQ(*ReadGearsField("3,65; 2,35/1,44 ;1", comma),
              (std::vector<double>{3.65, 2.35, 1.44, 1}));
    EXPECT_EQ(*ReadGearsField("3.65, 2.35/1.44;1", kNumbers),
              (std::vector<double>{3.65, 2.35, 1.44, 1}));
    EXPECT_EQ(ReadGearsField("1;1;1;1;1;1;1", comma).message(),
              "Too many: type 1 to 6 gear ratios, first gear first, with \";\" between them.");
    EXPECT_EQ(GearsText({"3,65", "1"}, comma), "3,65; 1");
    EXPECT_EQ(GearsText({"3.65", "1"}, kNumbers), "3.65, 1");
}

}  // namespace
}  // namespace tachoria
