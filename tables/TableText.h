#pragma once

#include <cstddef>
#include <span>
#include <string>

#include "tables/Table.h"

namespace tachoria {

// A result table as plain text for the clipboard: the header row first, then
// one line per row, cells separated by tabs and stripped of the blanks that
// pad them, so that a spreadsheet pastes numbers into columns.
std::string TabSeparatedText(const Table& table);

// The same, with only the rows numbered in `rows` (counted from 0, in
// the order given).
std::string TabSeparatedText(const Table& table, std::span<const std::size_t> rows);

}  // namespace tachoria
