#pragma once

#include <nlohmann/json.hpp>
#include <span>
#include <string>
#include <string_view>

#include "tables/Table.h"

// The JSON that the command line writes, built as nlohmann/json values and
// written out in one place. Members keep the order they are added in, the
// order the README documents.
namespace tachoria {

using Json = nlohmann::ordered_json;

// A finite number, rounded to the 15 significant digits the tables write
// numbers with (24.6535433070866, not 24.653543307086615); a whole one is
// written without a point. Null for any other.
Json JsonNumber(double value);

// The numbers as one array, each as JsonNumber writes it.
Json JsonNumbers(std::span<const double> values);

// A cell: a number as a number ("  457", "+4.2" and " .5" are 457, 4.2
// and 0.5), a blank cell or kNoValue null, any other text a string.
Json JsonCell(std::string_view cell);

// The object `members` (added to in order), then "headers", "rows" as
// arrays of cells (see JsonCell) and, when a cell is marked, "notes" (one
// array per row, null where a cell is unmarked).
Json JsonTable(const Table& table, Json members);

// `json` as text, indented by two spaces and ended by a line end. Bytes that
// are not UTF-8 are written as U+FFFD: writing refuses no text, so it throws
// nothing.
std::string JsonDocument(const Json& json);

}  // namespace tachoria
