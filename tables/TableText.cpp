#include "tables/TableText.h"
#include "tires/TireReader.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <optional>
#include <string_view>
#include <vector>

#include "arith/AsciiText.h"
#include "arith/Blanks.h"
#include "arith/NumberReading.h"

namespace tachoria {
namespace {

// A table's header row and rows as lines of cells, label first.
std::vector<std::vector<std::string_view>> Lines(const Table& table,
                                                 std::span<const std::size_t> rows) {
    std::vector<std::vector<std::string_view>> lines;
    lines.emplace_back(table.headers.begin(), table.headers.end());
    for (const std::size_t row : rows) {
        if (row < table.rows.size()) {
            std::vector<std::string_view>& line = lines.emplace_back();
            line.emplace_back(table.rows[row].label);
            line.insert(line.end(), table.rows[row].cells.begin(), table.rows[row].cells.end());
        }
    }
    return lines;
}

std::vector<std::size_t> AllRows(const Table& table) {
    std::vector<std::size_t> all(table.rows.size());
    std::iota(all.begin(), all.end(), std::size_t{0});
    return all;
}

std::string CsvField(std::string_view cell) {
    cell = TrimBlanks(cell);
    if (cell == kNoValue) {
        return {};
    }
    if (cell.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(cell);
    }
    std::string field = "\"";
    for (const char c : cell) {
        field += c;
        if (c == '"') {
            field += '"';
        }
    }
    return field + "\"";
}

// Characters, not bytes, so that "—" takes one column as on screen.
std::size_t Width(std::string_view text) {
    return static_cast<std::size_t>(std::count_if(text.begin(), text.end(), [](char c) {
        return (static_cast<unsigned char>(c) & 0xC0U) != 0x80U;
    }));
}

std::size_t Digits(std::string_view text, std::size_t at) {
    std::size_t end = at;
    while (end < text.size() && IsDigit(text[end])) {
        ++end;
    }
    return end - at;
}

// A number as the tables write one ("457", "-3.5", "+4.2", ".57", "1e-5")
// in JSON's stricter form, or nothing when `text` is not one.
std::optional<std::string> JsonNumberText(std::string_view text) {
    std::string json;
    std::size_t at = 0;
    if (at < text.size() && (text[at] == '-' || text[at] == '+')) {
        if (text[at] == '-') {
            json += '-';
        }
        ++at;
    }
    std::size_t whole = Digits(text, at);
    std::string_view wholeDigits = text.substr(at, whole);
    at += whole;
    std::string_view fraction;
    if (at < text.size() && text[at] == '.') {
        fraction = text.substr(at + 1, Digits(text, at + 1));
        at += 1 + fraction.size();
    }
    if (wholeDigits.empty() && fraction.empty()) {
        return std::nullopt;
    }
    // JSON has no leading zeros, and a digit on each side of the point.
    while (wholeDigits.size() > 1 && wholeDigits.front() == '0') {
        wholeDigits.remove_prefix(1);
    }
    json += wholeDigits.empty() ? std::string_view("0") : wholeDigits;
    if (!fraction.empty()) {
        json += '.';
        json += fraction;
    }
    if (at < text.size() && (text[at] == 'e' || text[at] == 'E')) {
        std::size_t exponent = at + 1;
        if (exponent < text.size() && (text[exponent] == '-' || text[exponent] == '+')) {
            ++exponent;
        }
        const std::size_t digits = Digits(text, exponent);
        if (digits == 0) {
            return std::nullopt;
        }
        json += 'e';
        json += text.substr(at + 1, exponent + digits - at - 1);
        at = exponent + digits;
    }
    if (at != text.size()) {
        return std::nullopt;
    }
    return json;
}

// Each line's cells written by `field`, separated by `separator`, and each
// line ended by `end`.
template <typename Field>
std::string Delimited(const std::vector<std::vector<std::string_view>>& lines, char separator,
                      std::string_view end, Field field) {
    std::string text;
    for (const auto& line : lines) {
        for (std::size_t i = 0; i < line.size(); ++i) {
            if (i > 0) {
                text += separator;
            }
            text += field(line[i]);
        }
        text += end;
    }
    return text;
}

// The inputs of a page's table, as one JSON object.
std::string PageInputs(const TableInputs& in) {
    std::string json = "{";
    if (in.page == TablePage::Stock) {
        json += "\"model\": " + JsonString(in.model) +
                ", \"yearRange\": " + JsonString(in.yearRange) + ", ";
    }
    json += "\"tire\": " + JsonString(in.tireText);
    // What a size was read as ("... (metric, no aspect ratio: read as 82-series)").
    if (const Outcome<Tire> tire = ReadTire(in.tireText); tire && tire->form != TireForm::Inches) {
        json += ", \"tireReadsAs\": " + JsonString(tire->readsAs);
    }
    json += ", \"tireDiameter\": " + JsonNumber(in.tireDiameter) +
            ", \"axleRatio\": " + JsonNumber(in.axleRatio) + ", \"gearRatios\": [";
    for (std::size_t i = 0; i < in.gearRatios.size(); ++i) {
        json += (i == 0 ? "" : ", ") + JsonNumber(in.gearRatios[i]);
    }
    return json + "]}";
}

// One JSON array per row, as an array member's lines.
template <typename Row>
std::string JsonRows(const Table& table, std::string_view indent, Row row) {
    std::string json = "[";
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        json += r == 0 ? "\n" : ",\n";
        json += indent;
        json += "    [" + row(table.rows[r]) + "]";
    }
    if (!table.rows.empty()) {
        json += "\n";
        json += indent;
        json += "  ";
    }
    return json + "]";
}

}  // namespace

std::string TabSeparatedText(const Table& table) { return TabSeparatedText(table, AllRows(table)); }

std::string TabSeparatedText(const Table& table, std::span<const std::size_t> rows) {
    return Delimited(Lines(table, rows), '\t', "\n",
                     [](std::string_view cell) { return std::string(TrimBlanks(cell)); });
}

std::string CommaSeparatedText(const Table& table) {
    return Delimited(Lines(table, AllRows(table)), ',', "\r\n", CsvField);
}

std::string AlignedText(const Table& table) {
    const auto lines = Lines(table, AllRows(table));
    std::vector<std::size_t> widths(table.headers.size(), 0);
    for (const auto& line : lines) {
        for (std::size_t i = 0; i < line.size() && i < widths.size(); ++i) {
            widths[i] = std::max(widths[i], Width(line[i]));
        }
    }
    // Labels that are words ("reads at a true 60 MPH") read better from the
    // left; numbers line up on the right.
    const bool wordLabels = std::any_of(table.rows.begin(), table.rows.end(), [](const auto& row) {
        return !TrimBlanks(row.label).empty() && !JsonNumberText(TrimBlanks(row.label));
    });
    std::string text;
    for (const auto& line : lines) {
        for (std::size_t i = 0; i < line.size() && i < widths.size(); ++i) {
            const std::size_t padding = widths[i] - Width(line[i]);
            text.append(i == 0 ? 0 : 2, ' ');
            if (i == 0 && wordLabels) {
                text += line[i];
                text.append(padding, ' ');
            } else {
                text.append(padding, ' ');
                text += line[i];
            }
        }
        text += '\n';
    }
    return text;
}

std::string JsonText(const Table& table) {
    if (!table.inputs) {
        return JsonTable(table, {}, "") + "\n";
    }
    const JsonMember members[] = {
        {"page", table.inputs->page == TablePage::Stock ? "\"stock\"" : "\"generic\""},
        {"inputs", PageInputs(*table.inputs)},
    };
    return JsonTable(table, members, "") + "\n";
}

std::string FormattedText(const Table& table, TextFormat format) {
    switch (format) {
        case TextFormat::Tsv:
            return TabSeparatedText(table);
        case TextFormat::Csv:
            return CommaSeparatedText(table);
        case TextFormat::Json:
            return JsonText(table);
        case TextFormat::Text:
            break;
    }
    return AlignedText(table);
}

std::string JsonTable(const Table& table, std::span<const JsonMember> members,
                      std::string_view indent) {
    const std::string start = std::string(indent) + "  ";
    std::string json = "{\n";
    for (const JsonMember& member : members) {
        json += start + JsonString(member.name) + ": " + member.value + ",\n";
    }
    json += start + "\"headers\": [";
    for (std::size_t i = 0; i < table.headers.size(); ++i) {
        json += (i == 0 ? "" : ", ") + JsonString(table.headers[i]);
    }
    json += "],\n" + start + "\"rows\": ";
    json += JsonRows(table, indent, [](const TableRow& row) {
        std::string cells = JsonCell(row.label);
        for (const std::string& cell : row.cells) {
            cells += ", " + JsonCell(cell);
        }
        return cells;
    });
    if (HasNotes(table)) {
        json += ",\n" + start + "\"notes\": ";
        json += JsonRows(table, indent, [](const TableRow& row) {
            std::string notes = "null";
            for (std::size_t i = 0; i < row.cells.size(); ++i) {
                const bool marked = i < row.notes.size() && !row.notes[i].empty();
                notes += ", " + (marked ? JsonString(row.notes[i]) : std::string("null"));
            }
            return notes;
        });
    }
    return json + "\n" + std::string(indent) + "}";
}

std::string JsonString(std::string_view text) {
    std::string json = "\"";
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (c == '"' || c == '\\') {
            json += '\\';
            json += c;
        } else if (byte < 0x20) {
            static constexpr char kHex[] = "0123456789abcdef";
            json += "\\u00";
            json += kHex[byte >> 4U];
            json += kHex[byte & 0xFU];
        } else {
            json += c;
        }
    }
    return json + "\"";
}

std::string JsonCell(std::string_view cell) {
    cell = TrimBlanks(cell);
    if (cell.empty() || cell == kNoValue) {
        return "null";
    }
    return JsonNumberText(cell).value_or(JsonString(cell));
}

std::string JsonNumber(double value) {
    if (!std::isfinite(value)) {
        return "null";
    }
    return JsonNumberText(PlainNumberConverter().ToText(value)).value_or("null");
}

}  // namespace tachoria
