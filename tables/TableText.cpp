#include "tables/TableText.h"
#include "tables/TableJson.h"
#include "tires/TireReader.h"

#include <algorithm>
#include <numeric>
#include <string_view>
#include <utility>
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
Json PageInputs(const TableInputs& in) {
    Json json = Json::object();
    if (in.page == TablePage::Stock) {
        json["model"] = in.model;
        json["yearRange"] = in.yearRange;
    }
    json["tire"] = in.tireText;
    // What a size was read as ("... (metric, no aspect ratio: read as 82-series)").
    if (const Outcome<Tire> tire = ReadTire(in.tireText); tire && tire->form != TireForm::Inches) {
        json["tireReadsAs"] = tire->readsAs;
    }
    json["tireDiameter"] = JsonNumber(in.tireDiameter);
    json["axleRatio"] = JsonNumber(in.axleRatio);
    json["gearRatios"] = JsonNumbers(in.gearRatios);
    return json;
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
        return !TrimBlanks(row.label).empty() && !PlainNumberConverter().ToNumber(row.label);
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
    Json members = Json::object();
    if (table.inputs) {
        members["page"] = table.inputs->page == TablePage::Stock ? "stock" : "generic";
        members["inputs"] = PageInputs(*table.inputs);
    }
    return JsonDocument(JsonTable(table, std::move(members)));
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

}  // namespace tachoria
