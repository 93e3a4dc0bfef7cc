#include "tables/ToolsListView.h"

#include <optional>

namespace tachoria {

void SetHeaders(ResultList& list, const std::vector<std::string>& headers, ColumnMode mode) {
    for (int column = list.ColumnCount(); column >= 1; --column) {
        list.RemoveColumn(column);
    }
    const int count = static_cast<int>(headers.size());
    for (const std::string& header : headers) {
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

void ShowTable(ResultList& list, const Table& table) {
    SetHeaders(list, table.headers, ColumnMode::Fix);
    ClearItems(list);
    for (const TableRow& row : table.rows) {
        const int number = list.AddRow();
        list.SetRowText(number, row.label);
        int subItem = 1;
        for (const std::string& cell : row.cells) {
            list.SetSubItemText(number, subItem++, cell);
        }
    }
}

}  // namespace tachoria
