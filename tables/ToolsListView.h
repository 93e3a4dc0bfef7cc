#pragma once

#include <span>
#include <string_view>

#include "tables/Controls.h"

namespace tachoria {

// Fix: every column gets the list's width divided by the column count.
// ListDefault: the list chooses the widths.
enum class ColumnMode { Fix, ListDefault };

// Replaces all columns of `list` with one per header, in order.
void SetHeaders(ResultList& list, std::span<const std::string_view> headers, ColumnMode mode);

// Removes all rows of `list`.
void ClearItems(ResultList& list);

}  // namespace tachoria
