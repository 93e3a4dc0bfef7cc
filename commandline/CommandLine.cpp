#include "commandline/CommandLine.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <array>
#include <optional>
#include <ostream>
#include <span>
#include <sstream>
#include <tuple>

#include "arith/NumberReading.h"
#include "catalogue/StockCatalogue.h"
#include "commandline/CatalogueText.h"
#include "commandline/CompareCommand.h"
#include "commandline/HelpFormatter.h"
#include "commandline/OptionReading.h"
#include "commandline/SolveCommand.h"
#include "commandline/Utf8Text.h"
#include "comparison/Comparison.h"
#include "inputs/InputRanges.h"
#include "tables/FailureMessage.h"
#include "tables/GenericPage.h"
#include "tables/ReadForm.h"
#include "tables/TableText.h"
#include "tables/ToolsWriteData.h"

#ifndef TACHORIA_VERSION
#define TACHORIA_VERSION "unknown"
#endif

namespace tachoria {
namespace {

constexpr std::array<std::string_view, 5> kSubcommands = {"generic", "stock", "compare",
                                                          "catalogue", "solve"};
constexpr std::array<std::string_view, 4> kQuestions = {"axle", "tire", "identify", "speedometer"};

struct FormatRequest {
    std::string format = "text";
};

struct TableRequest : FormatRequest {
    std::string get;
};

struct GenericRequest : TableRequest {
    std::optional<std::string> tire;
    std::optional<std::string> axle;
    std::optional<std::string> gear;
};

struct StockRequest : TableRequest {
    std::string model;
    std::string years;
    std::string axle;
    std::string tire;
};

struct SolveRequest : FormatRequest {
    SolveOptions options;
};

// A reason on one line, whatever characters the user's text held.
std::string OneLine(std::string message) {
    std::replace_if(
        message.begin(), message.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, '?');
    return message;
}

void AddFormatOption(CLI::App& command, FormatRequest& request) {
    command
        .add_option("--format", request.format,
                    "text (aligned, as the window shows it), tsv, csv or json; default text")
        ->transform(CLI::IsMember({"text", "tsv", "csv", "json"}, CLI::ignore_case));
}

void AddUnitOption(CLI::App& command, std::string& unit, std::string_view what) {
    unit = "mph";
    command.add_option("--unit", unit, "mph or kmh; default mph" + std::string(what))
        ->transform(CLI::IsMember({"mph", "kmh"}, CLI::ignore_case));
}

void AddTableOptions(CLI::App& command, TableRequest& request) {
    command.add_option("--get", request.get, "rpm: engine speed for road speeds; mph: the reverse")
        ->required()
        ->transform(CLI::IsMember({"rpm", "mph"}, CLI::ignore_case));
    AddFormatOption(command, request);
}

TextFormat FormatOf(const FormatRequest& request) {
    if (request.format == "tsv") {
        return TextFormat::Tsv;
    }
    if (request.format == "csv") {
        return TextFormat::Csv;
    }
    return request.format == "json" ? TextFormat::Json : TextFormat::Text;
}

TableMode ModeOf(const TableRequest& request) {
    return request.get == "rpm" ? TableMode::GetRPM : TableMode::GetMPH;
}

Outcome<Table> TableOrFailure(Table table) {
    if (table.failure) {
        return *table.failure;
    }
    return table;
}

Outcome<Table> GenericTable(const GenericRequest& request) {
    const PlainNumberConverter numbers;
    // An empty option takes the default, as an empty box on the page does.
    const auto given = [&numbers](const std::optional<std::string>& text, double fallback) {
        return text && !text->empty() ? *text : numbers.ToText(fallback);
    };
    std::array<GivenText, 3> texts = {{
        {"--tire", given(request.tire, kDefaultTireDiameter)},
        {"--axle", given(request.axle, kDefaultDiffRatio)},
        {"--gear", given(request.gear, kDefaultTransRatio)},
    }};
    using Reader = Outcome<double> (*)(std::string_view, const NumberConverter&);
    const Reader readers[] = {ReadTireField, ReadRatioField, ReadRatioField};
    for (std::size_t i = 0; i < texts.size(); ++i) {
        const Outcome<double> reading = readers[i](texts[i].text, numbers);
        if (!reading) {
            return Failure{OptionProblem(texts[i].name, texts[i].text, reading.message())};
        }
    }
    // A ratio's ":1" is left off for the table, which reads as the page's
    // boxes do.
    for (GivenText& ratio : std::span(texts).subspan(1)) {
        ratio.text = std::string(RatioNumberText(ratio.text));
    }
    return TableOrFailure(ComputeGenericTable(ModeOf(request), texts, numbers));
}

Outcome<Table> StockTable(const StockRequest& request) {
    const Outcome<StockGearbox> gearbox = ReadStockGearboxOptions(request.model, request.years);
    if (!gearbox) {
        return gearbox.failure();
    }
    const Outcome<std::string_view> axle = ReadStockAxleOption(*gearbox, request.axle);
    if (!axle) {
        return axle.failure();
    }
    const Outcome<double> tire = ReadStockTireOption(request.tire);
    if (!tire) {
        return Failure{OptionProblem("--tire", request.tire, tire.message())};
    }
    // The catalogue's own texts, as the stock page's lists would hold them.
    const std::optional<StockInputs> inputs =
        StockInputsOf(request.tire, gearbox->model, gearbox->yearRange, *axle);
    if (!inputs) {
        return Failure{OptionProblem("--tire", request.tire, "not a tire diameter.")};
    }
    return TableOrFailure(ComputeStockTable(ModeOf(request), *inputs, "--tire"));
}

// "a, b and c".
std::string Listed(std::span<const std::string_view> words) {
    std::string list;
    for (std::size_t i = 0; i < words.size(); ++i) {
        list += (i == 0 ? "" : i + 1 == words.size() ? " and " : ", ") + std::string(words[i]);
    }
    return list;
}

// A first word that is no subcommand, or a word after "solve" that is no
// question: CLI11 would only say that one is required, or that the word
// was not expected.
std::optional<std::string> UnknownSubcommand(const std::vector<std::string>& args) {
    const auto unknown = [&args](std::size_t at, std::span<const std::string_view> words) {
        return args.size() > at && !args[at].starts_with('-') &&
               std::find(words.begin(), words.end(), args[at]) == words.end();
    };
    if (unknown(1, kSubcommands)) {
        return Quote(args[1]) + " is not a subcommand; the subcommands are " +
               Listed(kSubcommands) + ".";
    }
    if (args.size() > 1 && args[1] == "solve" && unknown(2, kQuestions)) {
        return Quote(args[2]) + " is not a question of solve; the questions are " +
               Listed(kQuestions) + ".";
    }
    return std::nullopt;
}

constexpr std::string_view kTireExamples = "185/80R13, 33x12.50R15 or 818 rev/mi";

// "5 to 100": a range in the options' help, whose sentence names the unit.
std::string Bounds(const InputRange& range) {
    const PlainNumberConverter numbers;
    return numbers.ToText(range.least) + " to " + numbers.ToText(range.most);
}

std::string Default(double value) { return "default " + PlainNumberConverter().ToText(value); }

// The options of every subcommand, filled in as the arguments are parsed.
struct Requests {
    GenericRequest generic;
    StockRequest stock;
    CompareOptions compare;
    FormatRequest compareFormat;
    FormatRequest catalogue;
    SolveRequest solve;
};

// The questions of solve, in the order of kQuestions.
using SolveCommands = std::array<CLI::App*, kQuestions.size()>;

struct Subcommands {
    CLI::App* generic;
    CLI::App* stock;
    CLI::App* compare;
    CLI::App* catalogue;
    SolveCommands solve;
};

CLI::App* AddGenericCommand(CLI::App& app, GenericRequest& generic) {
    CLI::App* command =
        app.add_subcommand("generic", "The Generic Vehicle tables: one gear of any car.");
    command->add_option("--tire", generic.tire,
                        "tire diameter in inches, " + Bounds(kTireRange) + ", or a size (" +
                            std::string(kTireExamples) + "); " + Default(kDefaultTireDiameter));
    command->add_option(
        "--axle", generic.axle,
        "differential (axle) ratio, " + Bounds(kRatioRange) + "; " + Default(kDefaultDiffRatio));
    command->add_option(
        "--gear", generic.gear,
        "transmission gear ratio, " + Bounds(kRatioRange) + "; " + Default(kDefaultTransRatio));
    AddTableOptions(*command, generic);
    return command;
}

// How --model and --years may be written (catalogue/CatalogueLookup).
constexpr const char* kModelHelp =
    "model line, as the catalogue lists it, in any case, or the start of its name (early, late, "
    "forward)";
constexpr const char* kYearsHelp =
    "year range, as the catalogue lists it, or one year that only one range holds";

CLI::App* AddStockCommand(CLI::App& app, StockRequest& stock) {
    CLI::App* command = app.add_subcommand(
        "stock", "The Stock Corvair Gearing tables: all four gears of a factory gearbox.");
    command->add_option("--model", stock.model, kModelHelp)->required();
    command->add_option("--years", stock.years, kYearsHelp)->required();
    command
        ->add_option("--axle", stock.axle,
                     "axle ratio offered with the gearbox, by its value (3.270 is 3.27)")
        ->required();
    command
        ->add_option("--tire", stock.tire,
                     "tire diameter, " + Bounds(kTireRange) + " in: a size (" +
                         std::string(kTireExamples) +
                         "), or else the number it starts with (\"24 in\" is 24)")
        ->required();
    AddTableOptions(*command, stock);
    return command;
}

CLI::App* AddCompareCommand(CLI::App& app, CompareOptions& compare, FormatRequest& format) {
    compare.redline = PlainNumberConverter().ToText(kDefaultRedline);
    CLI::App* command = app.add_subcommand(
        "compare",
        "Two gearings side by side, A (now) and B (planned), as the Compare Gearing "
        "window shows them.");
    // Each setup's gears: typed, or a model line's gearbox.
    std::vector<std::tuple<std::string, CLI::Option*, CLI::Option*>> gearboxes;
    for (const auto& [letter, tire, axle, gears, model, years] :
         {std::tuple{"a", &compare.aTire, &compare.aAxle, &compare.aGears, &compare.aModel,
                     &compare.aYears},
          std::tuple{"b", &compare.bTire, &compare.bAxle, &compare.bGears, &compare.bModel,
                     &compare.bYears}}) {
        const std::string setup = std::string(letter) == "a" ? "A's" : "B's";
        const std::string option = std::string("--") + letter;
        command
            ->add_option(option + "-tire", *tire,
                         setup + " tire diameter, " + Bounds(kTireRange) + " in, or a size (" +
                             std::string(kTireExamples) + ")")
            ->required();
        command->add_option(option + "-axle", *axle, setup + " axle ratio, " + Bounds(kRatioRange))
            ->required();
        CLI::Option* gearsOption =
            command->add_option(option + "-gears", *gears,
                                setup +
                                    " forward gear ratios, first gear first, separated by commas: "
                                    "one to six, each " +
                                    Bounds(kRatioRange));
        std::string modelHelp = "instead of " + option + "-gears: ";
        modelHelp += setup;
        modelHelp += " model line as the catalogue lists it, with ";
        modelHelp += option;
        modelHelp += "-years; its gearbox's ratios are used";
        if (std::string(letter) == "a") {
            modelHelp += ", and its speedometer's drive";
        }
        CLI::Option* modelOption = command->add_option(option + "-model", *model, modelHelp);
        CLI::Option* yearsOption = command->add_option(
            option + "-years", *years, setup + " year range, as the catalogue lists it");
        gearsOption->excludes(modelOption)->excludes(yearsOption);
        modelOption->needs(yearsOption);
        yearsOption->needs(modelOption);
        gearboxes.emplace_back(option, gearsOption, modelOption);
    }
    command->callback([gearboxes] {
        for (const auto& [option, gears, model] : gearboxes) {
            if (gears->count() == 0 && model->count() == 0) {
                std::string wanted = option + "-gears, or ";
                wanted += option;
                wanted += "-model with ";
                wanted += option;
                wanted += "-years,";
                throw CLI::RequiredError(wanted);
            }
        }
    });
    command->add_option("--redline", compare.redline,
                        "engine speed to shift up at, " + Bounds(kRedlineRange) + " RPM; " +
                            Default(kDefaultRedline));
    AddUnitOption(*command, compare.unit, "");
    command
        ->add_option("--driven-from", compare.drivenFrom,
                     "what drives A's speedometer: transmission (on a Corvair, the transaxle: "
                     "it follows the tire and the axle ratio) or wheel (the left front wheel: "
                     "only the tires count); default: as A's --a-model (the late cars: wheel), "
                     "else transmission")
        ->transform(CLI::IsMember({"transmission", "wheel"}, CLI::ignore_case));
    AddFormatOption(*command, format);
    return command;
}

// --rpm and --speed, which every question but the speedometer's starts from.
void AddTargetOptions(CLI::App& command, SolveOptions& options, std::string_view rpm,
                      std::string_view speed) {
    command
        .add_option("--rpm", options.rpm, std::string(rpm) + ", " + Bounds(kRedlineRange) + " RPM")
        ->required();
    command
        .add_option("--speed", options.speed,
                    std::string(speed) + ", " + Bounds(kMphRange) + " MPH or " + Bounds(kKmhRange) +
                        " km/h (--unit)")
        ->required();
}

std::string TireHelp(std::string_view whose) {
    return std::string(whose) + ": a diameter, " + Bounds(kTireRange) + " in, or a size (" +
           std::string(kTireExamples) + ")";
}

CLI::App* AddAxleQuestion(CLI::App& solve, SolveOptions& options) {
    CLI::App* command = solve.add_subcommand(
        "axle",
        "The axle ratio that gives an engine speed at a road speed in one gear, and the two "
        "factory ratios nearest to it.");
    AddTargetOptions(*command, options, "engine speed wanted", "road speed it is wanted at");
    command->add_option("--tire", options.tire, TireHelp("tire"))->required();
    command->add_option("--gear", options.gear, "transmission gear ratio, " + Bounds(kRatioRange))
        ->required();
    return command;
}

CLI::App* AddTireQuestion(CLI::App& solve, SolveOptions& options) {
    CLI::App* command = solve.add_subcommand(
        "tire",
        "The tire diameter that gives an engine speed at a road speed in one gear, and the "
        "ten metric sizes nearest to it.");
    AddTargetOptions(*command, options, "engine speed wanted", "road speed it is wanted at");
    command->add_option("--axle", options.axle, "axle ratio, " + Bounds(kRatioRange))->required();
    command->add_option("--gear", options.gear, "transmission gear ratio, " + Bounds(kRatioRange))
        ->required();
    command->add_option("--rim", options.rim,
                        "only sizes on this rim, a whole number " + Bounds(kRimRange) +
                            " in (the car's wheels); default any");
    return command;
}

CLI::App* AddIdentifyQuestion(CLI::App& solve, SolveOptions& options) {
    CLI::App* command = solve.add_subcommand(
        "identify",
        "The axle ratio a car has, by its tachometer's reading at a true road speed: each "
        "factory axle ratio checked against the reading, best first.");
    AddTargetOptions(*command, options, "the tachometer's reading",
                     "the true road speed at that reading (by GPS or mile posts)");
    command->add_option("--tire", options.tire, TireHelp("tire"))->required();
    CLI::Option* gears = command->add_option(
        "--gears", options.gears,
        "the gear ratios, first gear first, separated by commas: one to six, each " +
            Bounds(kRatioRange) + "; every factory axle ratio is checked");
    CLI::Option* model =
        command->add_option("--model", options.model,
                            "instead of --gears, with --years: " + std::string(kModelHelp) +
                                "; its gearbox's ratios and axle ratios are used");
    CLI::Option* years = command->add_option("--years", options.years, std::string(kYearsHelp));
    gears->excludes(model)->excludes(years);
    model->needs(years);
    years->needs(model);
    command
        ->add_option("--in-gear", options.inGear,
                     "the gear the car was in, 1 to the number of gears (4 for --model)")
        ->required();
    command->callback([&options] {
        if (!options.gears && !options.model) {
            throw CLI::RequiredError("--gears, or --model with --years,");
        }
    });
    return command;
}

CLI::App* AddSpeedometerQuestion(CLI::App& solve, SolveOptions& options) {
    CLI::App* command = solve.add_subcommand(
        "speedometer",
        "The teeth of the speedometer's driven gear that make it read true, from the error it "
        "reads with or from a change of tire or axle ratio.");
    command->add_option("--teeth", options.teeth,
                        "teeth of the driven gear fitted now, a whole number, " +
                            Bounds(kTeethRange) + "; not needed when driven from a wheel");
    CLI::Option* error =
        command->add_option("--error", options.error,
                            "how far the speedometer reads off now, " + Bounds(kErrorRange) +
                                " %: + when it reads high (63 at a true 60 is +5), - when low");
    command
        ->add_option("--driven-from", options.drivenFrom,
                     "what drives the speedometer: transmission (on a Corvair, the transaxle: "
                     "it follows the tire and the axle ratio; the answer is the driven gear's "
                     "teeth) or wheel (the left front wheel: only the tires count, the axles "
                     "may be left out, and the answer is a cable ratio adapter); default: as "
                     "--model, else transmission")
        ->transform(CLI::IsMember({"transmission", "wheel"}, CLI::ignore_case));
    CLI::Option* model = command->add_option(
        "--model", options.model,
        "the car's model line as the catalogue lists it, with --years: what drives its "
        "speedometer (the early cars and the Forward Control: transmission; the late cars: "
        "wheel)");
    CLI::Option* years =
        command->add_option("--years", options.years, "year range, as the catalogue lists it");
    model->needs(years);
    years->needs(model);
    for (const auto& [letter, setup, tire, axle] :
         {std::tuple{"a", "the speedometer is true with (A)", &options.aTire, &options.aAxle},
          std::tuple{"b", "fitted now (B)", &options.bTire, &options.bAxle}}) {
        const std::string option = std::string("--") + letter;
        error->excludes(command->add_option(
            option + "-tire", *tire,
            "instead of --error: " + TireHelp("the tire " + std::string(setup))));
        error->excludes(command->add_option(option + "-axle", *axle,
                                            "instead of --error: the axle ratio " +
                                                std::string(setup) + ", " + Bounds(kRatioRange) +
                                                "; not needed when driven from a wheel"));
    }
    command->callback([&options] {
        // A model line not in the catalogue is told of when the question
        // is run.
        const std::optional<SpeedometerDrive> modelDrive =
            options.model ? SpeedometerDriveOf(*options.model) : std::nullopt;
        if (options.model && !modelDrive && !options.drivenFrom) {
            return;
        }
        const bool wheel = options.drivenFrom ? *options.drivenFrom == "wheel"
                                              : modelDrive == SpeedometerDrive::FrontWheel;
        if (!options.error &&
            (!options.aTire || !options.bTire || (!wheel && (!options.aAxle || !options.bAxle)))) {
            throw CLI::RequiredError(
                wheel ? "--error, or --a-tire and --b-tire,"
                      : "--error, or --a-tire, --a-axle, --b-tire and --b-axle,");
        }
    });
    return command;
}

SolveCommands AddSolveCommand(CLI::App& app, SolveRequest& request) {
    CLI::App* solve = app.add_subcommand(
        "solve",
        "Reverse questions: the axle ratio or the tire for an engine speed at a road speed, "
        "the axle ratio a car has by its tachometer, the speedometer gear that makes it true.");
    solve->require_subcommand(1);
    const SolveCommands questions = {AddAxleQuestion(*solve, request.options),
                                     AddTireQuestion(*solve, request.options),
                                     AddIdentifyQuestion(*solve, request.options),
                                     AddSpeedometerQuestion(*solve, request.options)};
    for (CLI::App* question : questions) {
        AddUnitOption(*question, request.options.unit,
                      question == questions.back() ? " (the teeth and % do not depend on it)" : "");
        AddFormatOption(*question, request);
    }
    return questions;
}

Subcommands AddSubcommands(CLI::App& app, Requests& requests) {
    Subcommands commands{};
    commands.generic = AddGenericCommand(app, requests.generic);
    commands.stock = AddStockCommand(app, requests.stock);
    commands.compare = AddCompareCommand(app, requests.compare, requests.compareFormat);
    commands.catalogue = app.add_subcommand(
        "catalogue", "Lists the models, their year ranges, gear ratios and axle ratios.");
    AddFormatOption(*commands.catalogue, requests.catalogue);
    commands.solve = AddSolveCommand(app, requests.solve);
    return commands;
}

// What the parsed subcommand writes, or why it writes nothing.
Outcome<std::string> RunSubcommand(const Subcommands& commands, const Requests& requests) {
    if (commands.catalogue->parsed()) {
        return CatalogueText(FormatOf(requests.catalogue));
    }
    if (commands.compare->parsed()) {
        return RunCompare(requests.compare, FormatOf(requests.compareFormat));
    }
    constexpr std::array<SolveQuestion, kQuestions.size()> kSolved = {
        SolveQuestion::Axle, SolveQuestion::Tire, SolveQuestion::Identify,
        SolveQuestion::Speedometer};
    for (std::size_t i = 0; i < kSolved.size(); ++i) {
        if (commands.solve[i]->parsed()) {
            return RunSolve(kSolved[i], requests.solve.options, FormatOf(requests.solve));
        }
    }
    const bool isGeneric = commands.generic->parsed();
    const Outcome<Table> table =
        isGeneric ? GenericTable(requests.generic) : StockTable(requests.stock);
    if (!table) {
        return table.failure();
    }
    return FormattedText(
        *table,
        FormatOf(isGeneric ? static_cast<const FormatRequest&>(requests.generic) : requests.stock));
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    // Whatever bytes the arguments hold, what is written of them is UTF-8.
    std::vector<std::string> texts;
    texts.reserve(args.size());
    for (const std::string& arg : args) {
        texts.push_back(AsUtf8(arg));
    }
    if (const std::optional<std::string> unknown = UnknownSubcommand(texts)) {
        err << "tachoria-cli: " << OneLine(*unknown) << "\n";
        return kUsageError;
    }

    CLI::App app{"Tachoria's gearing tables: engine speed against road speed.", "tachoria-cli"};
    app.set_version_flag("--version", std::string("tachoria-cli ") + TACHORIA_VERSION);
    app.require_subcommand(1);
    // Before the subcommands, which take the formatter they are added with.
    app.formatter(MakeHelpFormatter());
    app.footer(
        "Numbers are written with \".\" as the decimal point. Exit status: 0 with a table, "
        "1 when the inputs give none or the output cannot be written, 2 for a usage error.");
    Requests requests;
    const Subcommands commands = AddSubcommands(app, requests);
    // One line, named as the program's other messages are.
    app.failure_message([](const CLI::App* /*app*/, const CLI::Error& error) {
        return "tachoria-cli: " + OneLine(error.what()) + " (see --help)\n";
    });

    std::vector<const char*> argv;
    argv.reserve(texts.size());
    for (const std::string& text : texts) {
        argv.push_back(text.c_str());
    }
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error, out, err);
        return status == 0 ? kSuccess : kUsageError;
    }

    const Outcome<std::string> text = RunSubcommand(commands, requests);
    if (!text) {
        err << "tachoria-cli: " << OneLine(text.message()) << "\n";
        return kNoTable;
    }
    out << *text;
    return kSuccess;
}

}  // namespace tachoria
