#pragma once

#include <cstddef>
#include <span>
#include <string>

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
// came from), "headers", and "rows" as arrays of cells (see JsonCell in
// tables/TableJson.h).
std::string JsonText(const Table& table);

// The table in `format`: AlignedText, TabSeparatedText, CommaSeparatedText
// or JsonText.
std::string FormattedText(const Table& table, TextFormat format);

}  // namespace tachoria
