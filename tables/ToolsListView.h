#pragma once

#include <string>
#include <vector>

#include "tables/Controls.h"
#include "tables/Table.h"

namespace tachoria {

// Fix: every column gets the list's width divided by the column count.
// ListDefault: the list chooses the widths.
enum class ColumnMode { Fix, ListDefault };

// Replaces all columns of `list` with one per header, in order.
void SetHeaders(ResultList& list, const std::vector<std::string>& headers, ColumnMode mode);

// Removes all rows of `list`.
void ClearItems(ResultList& list);

// Rebuilds `list` as `table`: its headers at equal widths, then its rows.
void ShowTable(ResultList& list, const Table& table);

}  // namespace tachoria
