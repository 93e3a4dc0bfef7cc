#include "tables/TableJson.h"

#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <utility>

#include "arith/Blanks.h"
#include "arith/NumberReading.h"

namespace tachoria {
namespace {

// Below this a whole number is written out digit by digit, as the tables'
// 15 significant digits write it; from here on with an exponent (1e+15).
constexpr double kWholeDigitsBelow = 1e15;

// One array per row, each from `row`.
template <typename Row>
Json JsonRows(const Table& table, Row row) {
    Json rows = Json::array();
    for (const TableRow& tableRow : table.rows) {
        rows.push_back(row(tableRow));
    }
    return rows;
}

// `value` to 15 significant digits, through the tables' own text, so that
// JSON gives the digits a table shows. A finite number read back from that
// text cannot fail. A zero keeps its sign: a cell may show "-0.0".
double Rounded(double value) {
    if (value == 0.0) {
        return value;
    }
    const PlainNumberConverter numbers;
    return numbers.ToNumber(numbers.ToText(value)).value_or(value);
}

}  // namespace

Json JsonNumber(double value) {
    if (!std::isfinite(value)) {
        return nullptr;
    }
    const double rounded = Rounded(value);
    if (std::trunc(rounded) == rounded && std::fabs(rounded) < kWholeDigitsBelow) {
        return static_cast<std::int64_t>(rounded);
    }
    return rounded;
}

Json JsonNumbers(std::span<const double> values) {
    Json numbers = Json::array();
    for (const double value : values) {
        numbers.push_back(JsonNumber(value));
    }
    return numbers;
}

Json JsonCell(std::string_view cell) {
    cell = TrimBlanks(cell);
    if (cell.empty() || cell == kNoValue) {
        return nullptr;
    }
    if (const std::optional<double> number = PlainNumberConverter().ToNumber(cell)) {
        // A cell written with a point stays a fraction ("0.0" is not 0):
        // programs that read JSON tell the two apart.
        if (cell.find_first_of(".eE") != std::string_view::npos && std::isfinite(*number)) {
            return Rounded(*number);
        }
        return JsonNumber(*number);
    }
    return cell;
}

Json JsonTable(const Table& table, Json members) {
    // Members of anything but an object would make adding throw.
    Json json = members.is_object() ? std::move(members) : Json::object();
    Json headers = Json::array();
    for (const std::string& header : table.headers) {
        headers.push_back(header);
    }
    json["headers"] = std::move(headers);
    json["rows"] = JsonRows(table, [](const TableRow& row) {
        Json cells = Json::array({JsonCell(row.label)});
        for (const std::string& cell : row.cells) {
            cells.push_back(JsonCell(cell));
        }
        return cells;
    });
    if (HasNotes(table)) {
        json["notes"] = JsonRows(table, [](const TableRow& row) {
            Json notes = Json::array({nullptr});
            for (std::size_t i = 0; i < row.cells.size(); ++i) {
                const bool marked = i < row.notes.size() && !row.notes[i].empty();
                notes.push_back(marked ? Json(row.notes[i]) : Json());
            }
            return notes;
        });
    }
    return json;
}

std::string JsonDocument(const Json& json) {
    return json.dump(2, ' ', false, Json::error_handler_t::replace) + "\n";
}

}  // namespace tachoria
