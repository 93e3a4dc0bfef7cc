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

// A setup as read, or the first problem of its fields.
Outcome<Gearing> ReadSetup(char letter, const std::string& tire, const std::string& axle,
                           const std::string& gears) {
    const std::string prefix = std::string("--") + letter + "-";
    const Outcome<double> tireReading = ReadTireField(tire, kNumbers);
    if (!tireReading) {
        return Failure{OptionProblem(prefix + "tire", tire, tireReading.message())};
    }
    const Outcome<double> axleReading = ReadRatioField(axle, kNumbers);
    if (!axleReading) {
        return Failure{OptionProblem(prefix + "axle", axle, axleReading.message())};
    }
    const Outcome<std::vector<double>> gearReadings = ReadGearsField(gears, kNumbers);
    if (!gearReadings) {
        return Failure{OptionProblem(prefix + "gears", gears, gearReadings.message())};
    }
    return Gearing{*tireReading, *axleReading, *gearReadings};
}

Json SetupJson(const std::string& tire, const Gearing& gearing) {
    Json json = Json::object();
    json["tire"] = tire;
    json["tireDiameter"] = JsonNumber(gearing.tireDiameter);
    json["axleRatio"] = JsonNumber(gearing.axleRatio);
    json["gearRatios"] = JsonNumbers(gearing.gears);
    return json;
}

// What the tables were computed from, as the JSON's "inputs".
Json InputsJson(const CompareOptions& options, const Gearing& a, const Gearing& b, double redline,
                SpeedUnit unit) {
    Json json = Json::object();
    json["a"] = SetupJson(options.aTire, a);
    json["b"] = SetupJson(options.bTire, b);
    json["redline"] = JsonNumber(redline);
    json["unit"] = UnitName(unit);
    json["drivenFrom"] = options.drivenFrom;
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
    const Outcome<Gearing> a = ReadSetup('a', options.aTire, options.aAxle, options.aGears);
    if (!a) {
        return a.failure();
    }
    const Outcome<Gearing> b = ReadSetup('b', options.bTire, options.bAxle, options.bGears);
    if (!b) {
        return b.failure();
    }
    const Outcome<double> redline = ReadRedlineField(options.redline, kNumbers);
    if (!redline) {
        return Failure{OptionProblem("--redline", options.redline, redline.message())};
    }
    const SpeedUnit unit = options.unit == "kmh" ? SpeedUnit::KMH : SpeedUnit::MPH;

    // Every gear row of both setups, as the window shows them.
    const Comparison comparison =
        Compare(*a, *b, *redline, unit, std::max(a->gears.size(), b->gears.size()),
                options.drivenFrom == "wheel" ? SpeedometerDrive::FrontWheel
                                              : SpeedometerDrive::Transmission);
    const Json inputs = InputsJson(options, *a, *b, *redline, unit);
    const std::array<Captioned, 3> tables = {{
        {"cruise", kCruiseCaption, CruiseTable(comparison)},
        {"gears", kGearsCaption, GearTable(comparison)},
        {"speedometer", kSpeedometerCaption, SpeedometerTable(comparison)},
    }};
    return Written(tables, format, inputs);
}

}  // namespace tachoria
