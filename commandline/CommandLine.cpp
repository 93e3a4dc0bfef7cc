#include "commandline/CommandLine.h"

#include <CLI/CLI.hpp>
#include <algorithm>
#include <optional>
#include <ostream>
#include <sstream>

#include "arith/NumberReading.h"
#include "catalogue/StockCatalogue.h"
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

struct TableRequest {
    std::string get;
    std::string format = "text";
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

// A reason on one line, whatever characters the user's text held.
std::string OneLine(std::string message) {
    std::replace_if(
        message.begin(), message.end(),
        [](char c) { return static_cast<unsigned char>(c) < 0x20 || c == 0x7F; }, '?');
    return message;
}

std::string QuotedList(const auto& texts) {
    std::string list;
    for (const std::string_view text : texts) {
        list += (list.empty() ? "" : ", ") + Quote(text);
    }
    return list;
}

void AddTableOptions(CLI::App& command, TableRequest& request) {
    command.add_option("--get", request.get, "rpm: engine speed for road speeds; mph: the reverse")
        ->required()
        ->check(CLI::IsMember({"rpm", "mph"}));
    command
        .add_option("--format", request.format,
                    "text (aligned, as the window shows it), tsv, csv or json; default text")
        ->check(CLI::IsMember({"text", "tsv", "csv", "json"}));
}

std::string Formatted(const Table& table, const std::string& format) {
    if (format == "tsv") {
        return TabSeparatedText(table);
    }
    if (format == "csv") {
        return CommaSeparatedText(table);
    }
    if (format == "json") {
        return JsonText(table);
    }
    return AlignedText(table);
}

TableMode ModeOf(const TableRequest& request) {
    return request.get == "rpm" ? TableMode::GetRPM : TableMode::GetMPH;
}

// The table, or the reason there is none.
struct Outcome {
    std::optional<Table> table;
    std::string failure;
};

Outcome GenericTable(const GenericRequest& request) {
    const PlainNumberConverter numbers;
    const Table table = ComputeGenericTable(
        ModeOf(request),
        {{{"--tire", request.tire.value_or(numbers.ToText(kDefaultTireDiameter))},
          {"--axle", request.axle.value_or(numbers.ToText(kDefaultDiffRatio))},
          {"--gear", request.gear.value_or(numbers.ToText(kDefaultTransRatio))}}},
        numbers);
    if (table.failure) {
        return {std::nullopt, *table.failure};
    }
    return {table, {}};
}

Outcome StockTable(const StockRequest& request) {
    const auto models = ModelTexts();
    if (std::find(models.begin(), models.end(), request.model) == models.end()) {
        return {std::nullopt, "--model " + Quote(request.model) +
                                  " is not a model of the catalogue; the models are " +
                                  QuotedList(models) + "."};
    }
    const auto years = YearRangeTexts(request.model);
    if (std::find(years.begin(), years.end(), request.years) == years.end()) {
        return {std::nullopt, "--years " + Quote(request.years) + " is not a year range of " +
                                  Quote(request.model) + "; it has " + QuotedList(years) + "."};
    }
    const auto axles = AxleRatioTexts(GearboxCodeOf(request.model, request.years));
    if (std::find(axles.begin(), axles.end(), request.axle) == axles.end()) {
        return {std::nullopt, "--axle " + Quote(request.axle) + " is not offered with " +
                                  Quote(request.model) + ", " + Quote(request.years) + "; it has " +
                                  QuotedList(axles) + "."};
    }
    const std::optional<StockInputs> inputs =
        StockInputsOf(request.tire, request.model, request.years, request.axle);
    if (!inputs) {
        return {std::nullopt, "--tire " + Quote(request.tire) +
                                  " reads as 0; give a diameter in inches or a size code such "
                                  "as 185/80R13."};
    }
    const Table table = ComputeStockTable(ModeOf(request), *inputs, "--tire");
    if (table.failure) {
        return {std::nullopt, *table.failure};
    }
    return {table, {}};
}

std::string CatalogueText() {
    const PlainNumberConverter numbers;
    std::string text;
    for (const std::string_view model : ModelTexts()) {
        text += std::string(model) + "\n";
        for (const std::string_view years : YearRangeTexts(model)) {
            const GearboxCode code = GearboxCodeOf(model, years);
            text += "    " + std::string(years) + ": gears";
            for (const Gear gear : kForwardGears) {
                text +=
                    (gear == Gear::First ? " " : ", ") + numbers.ToText(RatioSetOf(code).Of(gear));
            }
            text += "; axle ratios";
            for (const std::string_view axle : AxleRatioTexts(code)) {
                text += (axle == AxleRatioTexts(code).front() ? " " : ", ") + std::string(axle);
            }
            text += "\n";
        }
    }
    return text;
}

}  // namespace

int RunCommandLine(const std::vector<std::string>& args, std::ostream& out, std::ostream& err) {
    CLI::App app{"Tachoria's gearing tables: engine speed against road speed.", "tachoria-cli"};
    app.set_version_flag("--version", std::string("tachoria-cli ") + TACHORIA_VERSION);
    app.require_subcommand(1);
    app.footer(
        "Numbers are written with \".\" as the decimal point. Exit status: 0 with a table, "
        "1 when the inputs give none, 2 for a usage error.");

    GenericRequest generic;
    CLI::App* genericCommand =
        app.add_subcommand("generic", "The Generic Vehicle tables: one gear of any car.");
    genericCommand->add_option("--tire", generic.tire,
                               "tire diameter in inches, or a size code such as 185/80R13; "
                               "default 24");
    genericCommand->add_option("--axle", generic.axle, "differential (axle) ratio; default 3.27");
    genericCommand->add_option("--gear", generic.gear, "transmission gear ratio; default 1");
    AddTableOptions(*genericCommand, generic);

    StockRequest stock;
    CLI::App* stockCommand = app.add_subcommand(
        "stock", "The Stock Corvair Gearing tables: all four gears of a factory gearbox.");
    stockCommand->add_option("--model", stock.model, "model line, as the catalogue lists it")
        ->required();
    stockCommand->add_option("--years", stock.years, "year range, as the catalogue lists it")
        ->required();
    stockCommand->add_option("--axle", stock.axle, "axle ratio, as the catalogue lists it")
        ->required();
    stockCommand
        ->add_option("--tire", stock.tire,
                     "tire diameter: the number it starts with (\"24 in\" is 24), or a size "
                     "code such as 185/80R13")
        ->required();
    AddTableOptions(*stockCommand, stock);

    CLI::App* catalogueCommand = app.add_subcommand(
        "catalogue", "Lists the models, their year ranges, gear ratios and axle ratios.");

    std::vector<const char*> argv;
    argv.reserve(args.size());
    for (const std::string& arg : args) {
        argv.push_back(arg.c_str());
    }
    try {
        app.parse(static_cast<int>(argv.size()), argv.data());
    } catch (const CLI::ParseError& error) {
        const int status = app.exit(error, out, err);
        return status == 0 ? kSuccess : kUsageError;
    }

    if (catalogueCommand->parsed()) {
        out << CatalogueText();
        return kSuccess;
    }
    const bool isGeneric = genericCommand->parsed();
    const Outcome outcome = isGeneric ? GenericTable(generic) : StockTable(stock);
    if (!outcome.table) {
        err << "tachoria-cli: " << OneLine(outcome.failure) << "\n";
        return kNoTable;
    }
    out << Formatted(*outcome.table, isGeneric ? generic.format : stock.format);
    return kSuccess;
}

}  // namespace tachoria
