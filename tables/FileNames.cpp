#include "tables/FileNames.h"

#include "arith/AsciiText.h"
#include "arith/NumberReading.h"
#include "tires/TireReader.h"

namespace tachoria {
namespace {

constexpr std::size_t kLongestPart = 40;

bool IsKept(char c) { return IsAsciiAlnum(c) || c == '-' || c == '_'; }

// The model line without its parenthesized years, which the year range
// repeats: "Early Car (1961-1964)" is "Early Car ".
std::string WithoutParentheses(std::string_view text) {
    std::string result;
    int depth = 0;
    for (const char c : text) {
        depth += c == '(' ? 1 : 0;
        if (depth == 0) {
            result += c;
        }
        depth -= c == ')' && depth > 0 ? 1 : 0;
    }
    return result;
}

std::string Plain(double value) { return PlainNumberConverter().ToText(value); }

// A tire size as typed, else the diameter the table used.
std::string TirePart(const TableInputs& inputs) {
    const Outcome<Tire> tire = ReadTire(inputs.tireText);
    return tire && tire->form != TireForm::Inches ? FileNamePart(inputs.tireText)
                                                  : FileNamePart(Plain(inputs.tireDiameter));
}

// "_name-value", or nothing when the value leaves nothing to write.
// (Appended piece by piece: GCC 12 warns wrongly about "_" + a temporary.)
std::string Field(std::string_view name, const std::string& value) {
    std::string field;
    if (!value.empty()) {
        field.append("_").append(name).append("-").append(value);
    }
    return field;
}

std::string Setup(std::string_view letter, const SetupName& setup) {
    std::string part("_");
    part.append(letter)
        .append(Field("tire", FileNamePart(setup.tire)))
        .append(Field("axle", FileNamePart(setup.axle)));
    return part;
}

}  // namespace

std::string FileNamePart(std::string_view text) {
    std::string part;
    bool gap = false;  // something left out since the last character kept
    for (std::size_t i = 0; i < text.size(); ++i) {
        const char c = text[i];
        const bool decimal = (c == '.' || c == ',') && IsBetweenDigits(text, i);
        if (!decimal && (!IsKept(c) || c == '-')) {
            gap = true;
            continue;
        }
        const bool dash = gap && !part.empty();
        if (part.size() + (dash ? 2 : 1) > kLongestPart) {
            break;
        }
        part += dash ? "-" : "";
        part += decimal ? '.' : c;
        gap = false;
    }
    return part;
}

std::string TableBaseName(const Table& table) {
    if (!table.inputs) {
        switch (table.kind) {
            case TableKind::Catalogue:
                return "catalogue";
            case TableKind::Question:
                return "questions";
            default:
                return "comparison";
        }
    }
    const TableInputs& inputs = *table.inputs;
    const std::string kind = table.kind == TableKind::GetRPM ? "rpm" : "mph";
    if (inputs.page == TablePage::Stock) {
        const std::string vehicle =
            FileNamePart(ToLowerAscii(WithoutParentheses(inputs.model) + " " + inputs.yearRange));
        std::string name = "stock-" + kind;
        if (!vehicle.empty()) {
            name.append("_").append(vehicle);
        }
        return name.append(Field("axle", FileNamePart(Plain(inputs.axleRatio))))
            .append(Field("tire", TirePart(inputs)));
    }
    const double gear = inputs.gearRatios.empty() ? 0.0 : inputs.gearRatios.front();
    std::string name = "generic-" + kind;
    return name.append(Field("tire", TirePart(inputs)))
        .append(Field("axle", FileNamePart(Plain(inputs.axleRatio))))
        .append(Field("transmission", FileNamePart(Plain(gear))));
}

std::string ComparisonBaseName(std::string_view what, const SetupName& a, const SetupName& b) {
    const std::string table = FileNamePart(what);
    std::string name = "comparison";
    if (!table.empty()) {
        name.append("-").append(table);
    }
    return name.append(Setup("A", a)).append(Setup("B", b));
}

}  // namespace tachoria
