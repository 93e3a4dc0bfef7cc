#include "tables/TableText.h"

#include <algorithm>
#include <cmath>
#include <numeric>
#include <string_view>
#include <vector>

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

// A cell as a JSON number, or null when blank.
std::string JsonNumber(std::string_view cell) {
    cell = TrimBlanks(cell);
    return cell.empty() ? "null" : std::string(cell);
}

std::string JsonNumber(double value) {
    return std::isfinite(value) ? PlainNumberConverter().ToText(value) : "null";
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
            widths[i] = std::max(widths[i], line[i].size());
        }
    }
    std::string text;
    for (const auto& line : lines) {
        for (std::size_t i = 0; i < line.size() && i < widths.size(); ++i) {
            text.append(i == 0 ? 0 : 2, ' ');
            text.append(widths[i] - line[i].size(), ' ');
            text += line[i];
        }
        text += '\n';
    }
    return text;
}

std::string JsonText(const Table& table) {
    const TableInputs& in = table.inputs;
    std::string json = "{\n  \"page\": ";
    json += in.page == TablePage::Stock ? "\"stock\"" : "\"generic\"";
    json += ",\n  \"inputs\": {";
    if (in.page == TablePage::Stock) {
        json += "\"model\": " + JsonString(in.model) +
                ", \"yearRange\": " + JsonString(in.yearRange) + ", ";
    }
    json += "\"tire\": " + JsonString(in.tireText) +
            ", \"tireDiameter\": " + JsonNumber(in.tireDiameter) +
            ", \"axleRatio\": " + JsonNumber(in.axleRatio) + ", \"gearRatios\": [";
    for (std::size_t i = 0; i < in.gearRatios.size(); ++i) {
        json += (i == 0 ? "" : ", ") + JsonNumber(in.gearRatios[i]);
    }
    json += "]},\n  \"headers\": [";
    for (std::size_t i = 0; i < table.headers.size(); ++i) {
        json += (i == 0 ? "" : ", ") + JsonString(table.headers[i]);
    }
    json += "],\n  \"rows\": [";
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        json += (r == 0 ? "\n    [" : ",\n    [") + JsonNumber(table.rows[r].label);
        for (const std::string& cell : table.rows[r].cells) {
            json += ", " + JsonNumber(cell);
        }
        json += "]";
    }
    json += table.rows.empty() ? "]\n}\n" : "\n  ]\n}\n";
    return json;
}

}  // namespace tachoria
