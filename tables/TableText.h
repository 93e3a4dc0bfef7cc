#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

#include "tables/Table.h"

// A result table written out as text: for the clipboard, a file or the
// command line. Cells are written as the lists show them, or, where a
// program reads them, without the blanks that pad them ("  457" is "457")
// and with blank cells empty. Numbers always use "." as the decimal point.
namespace tachoria {

// The forms the command line writes a table in.
enum class TextFormat { Text, Tsv, Csv, Json };

// The header row, then one line per row, cells separated by tabs, without
// padding: what a spreadsheet pastes into columns.
std::string TabSeparatedText(const Table& table);

// The same, with only the rows numbered in `rows` (counted from 0, in
// the order given).
std::string TabSeparatedText(const Table& table, std::span<const std::size_t> rows);

// RFC 4180: a header line, then the rows, comma-separated, each line ended
// by CR LF, fields quoted where they hold a comma, quote or line break. A
// missing value (kNoValue) is an empty field.
std::string CommaSeparatedText(const Table& table);

// The cells as the lists show them, each column right-aligned under its
// header, for reading in a terminal.
std::string AlignedText(const Table& table);

// One JSON object: "page", "inputs" (the numbers used and the texts they
// came from), "headers", and "rows" as arrays of cells (see JsonCell).
std::string JsonText(const Table& table);

// The table in `format`: AlignedText, TabSeparatedText, CommaSeparatedText
// or JsonText.
std::string FormattedText(const Table& table, TextFormat format);

// A JSON member whose value is already written as JSON.
struct JsonMember {
    std::string_view name;
    std::string value;
};

// One JSON object: `members` first, then "headers", "rows" and, when a cell
// is marked, "notes" (one array per row, null where a cell is unmarked).
// Each line after the first starts with `indent`, so that the object can
// stand inside another; no line end after the closing brace.
std::string JsonTable(const Table& table, std::span<const JsonMember> members,
                      std::string_view indent);

// `text` as a JSON string: quotes, backslashes and control characters
// escaped. The text must be UTF-8.
std::string JsonString(std::string_view text);

// A cell as JSON: a number as a number ("  457", "+4.2" and " .5" are 457,
// 4.2 and 0.5), a blank cell or kNoValue null, any other text a string.
std::string JsonCell(std::string_view cell);

// A finite number as JSON, null for any other.
std::string JsonNumber(double value);

}  // namespace tachoria
