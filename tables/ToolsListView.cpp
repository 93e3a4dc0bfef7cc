#include "tables/ToolsListView.h"

#include <optional>

namespace tachoria {

void SetHeaders(ResultList& list, std::span<const std::string_view> headers, ColumnMode mode) {
    for (int column = list.ColumnCount(); column >= 1; --column) {
        list.RemoveColumn(column);
    }
    const int count = static_cast<int>(headers.size());
    for (const std::string_view header : headers) {
        const std::optional<int> width =
            mode == ColumnMode::Fix ? std::optional<int>(list.Width() / count) : std::nullopt;
        list.AddColumn(header, width);
    }
}

void ClearItems(ResultList& list) {
    for (int row = list.RowCount(); row >= 1; --row) {
        list.RemoveRow(row);
    }
}

}  // namespace tachoria
