#include "commandline/CompareCommand.h"

#include <algorithm>
#include <array>
#include <string>
#include <utility>
#include <vector>

#include "commandline/OptionReading.h"
#include "comparison/Comparison.h"
#include "tables/TableJson.h"

namespace tachoria {
namespace {

// The options' "." as the decimal point.
const PlainNumberConverter kNumbers;

// One setup's options.
struct SetupOptions {
    char letter;
    const std::string& tire;
    const std::string& axle;
    const std::optional<std::string>& gears;
    const std::optional<std::string>& model;
    const std::optional<std::string>& years;
};

// A setup as read, with its stock gearbox when given by model line and
// years, or the first problem of its options.
struct SetupRead {
    Gearing gearing;
    std::optional<StockGearbox> gearbox;
};
Outcome<SetupRead> ReadSetupOptions(const SetupOptions& options) {
    const std::string prefix = std::string("--") + options.letter + "-";
    const Outcome<double> tireReading = ReadTireField(options.tire, kNumbers);
    if (!tireReading) {
        return Failure{OptionProblem(prefix + "tire", options.tire, tireReading.message())};
    }
    const Outcome<double> axleReading = ReadRatioField(options.axle, kNumbers);
    if (!axleReading) {
        return Failure{OptionProblem(prefix + "axle", options.axle, axleReading.message())};
    }
    if (options.gears) {
        const Outcome<std::vector<double>> gears = ReadGearsField(*options.gears, kNumbers);
        if (!gears) {
            return Failure{OptionProblem(prefix + "gears", *options.gears, gears.message())};
        }
        return SetupRead{Gearing{*tireReading, *axleReading, *gears}, std::nullopt};
    }
    const Outcome<StockGearbox> gearbox =
        ReadStockGearboxOptions(options.model.value_or(""), options.years.value_or(""),
                                std::string(1, options.letter) + "-");
    if (!gearbox) {
        return gearbox.failure();
    }
    return SetupRead{Gearing{*tireReading, *axleReading, StockGearRatios(*gearbox)}, *gearbox};
}

Json SetupJson(const std::string& tire, const SetupRead& setup) {
    Json json = Json::object();
    json["tire"] = tire;
    json["tireDiameter"] = JsonNumber(setup.gearing.tireDiameter);
    json["axleRatio"] = JsonNumber(setup.gearing.axleRatio);
    if (setup.gearbox) {
        json["model"] = setup.gearbox->model;
        json["yearRange"] = setup.gearbox->yearRange;
    }
    json["gearRatios"] = JsonNumbers(setup.gearing.gears);
    return json;
}

// What the tables were computed from, as the JSON's "inputs".
Json InputsJson(const CompareOptions& options, const SetupRead& a, const SetupRead& b,
                double redline, SpeedUnit unit, SpeedometerDrive drive) {
    Json json = Json::object();
    json["a"] = SetupJson(options.aTire, a);
    json["b"] = SetupJson(options.bTire, b);
    json["redline"] = JsonNumber(redline);
    json["unit"] = UnitName(unit);
    json["drivenFrom"] = drive == SpeedometerDrive::FrontWheel ? "wheel" : "transmission";
    return json;
}

// Adds the notes of `table` not yet in `notes`, for a footnote.
void CollectNotes(const Table& table, std::vector<std::string>& notes) {
    for (const TableRow& row : table.rows) {
        for (const std::string& note : row.notes) {
            if (!note.empty() && std::find(notes.begin(), notes.end(), note) == notes.end()) {
                notes.push_back(note);
            }
        }
    }
}

struct Captioned {
    std::string_view key;
    std::string_view caption;
    Table table;
};

std::string Written(const std::array<Captioned, 3>& tables, TextFormat format, const Json& inputs) {
    if (format == TextFormat::Json) {
        Json json = Json::object();
        for (const Captioned& t : tables) {
            Json members = Json::object();
            members["page"] = "compare";
            members["caption"] = t.caption;
            members["inputs"] = inputs;
            json[std::string(t.key)] = JsonTable(t.table, std::move(members));
        }
        return JsonDocument(json);
    }
    std::string text;
    std::vector<std::string> notes;
    for (const Captioned& t : tables) {
        // An empty line between tables, ended as the format ends its lines.
        text += text.empty() ? "" : format == TextFormat::Csv ? "\r\n" : "\n";
        if (format == TextFormat::Text) {
            text += t.caption;
            text += "\n";
            text += AlignedText(WithNoteSigns(t.table));
            CollectNotes(t.table, notes);
        } else {
            text += FormattedText(t.table, format);
        }
    }
    if (format == TextFormat::Text) {
        text += "\n";
        text += kRoundingNote;
        for (const std::string& note : notes) {
            text += " ";
            text += kNoteSign;
            text += ": " + note + ".";
        }
        text += "\n";
    }
    return text;
}

}  // namespace

Outcome<std::string> RunCompare(const CompareOptions& options, TextFormat format) {
    const Outcome<SetupRead> a = ReadSetupOptions(
        {'a', options.aTire, options.aAxle, options.aGears, options.aModel, options.aYears});
    if (!a) {
        return a.failure();
    }
    const Outcome<SetupRead> b = ReadSetupOptions(
        {'b', options.bTire, options.bAxle, options.bGears, options.bModel, options.bYears});
    if (!b) {
        return b.failure();
    }
    const Outcome<double> redline = ReadRedlineField(options.redline, kNumbers);
    if (!redline) {
        return Failure{OptionProblem("--redline", options.redline, redline.message())};
    }
    const SpeedUnit unit = options.unit == "kmh" ? SpeedUnit::KMH : SpeedUnit::MPH;
    // As the window: A's model line says what drives its speedometer,
    // unless the drive is given.
    const SpeedometerDrive drive =
        options.drivenFrom ? (*options.drivenFrom == "wheel" ? SpeedometerDrive::FrontWheel
                                                             : SpeedometerDrive::Transmission)
                           : DriveOf(a->gearbox);

    // Every gear row of both setups, as the window shows them.
    const Comparison comparison =
        Compare(a->gearing, b->gearing, *redline, unit,
                std::max(a->gearing.gears.size(), b->gearing.gears.size()), drive);
    const Json inputs = InputsJson(options, *a, *b, *redline, unit, drive);
    const std::array<Captioned, 3> tables = {{
        {"cruise", kCruiseCaption, CruiseTable(comparison)},
        {"gears", kGearsCaption, GearTable(comparison)},
        {"speedometer", kSpeedometerCaption, SpeedometerTable(comparison)},
    }};
    return Written(tables, format, inputs);
}

}  // namespace tachoria
