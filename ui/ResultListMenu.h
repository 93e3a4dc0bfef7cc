#pragma once

#include <QTreeWidget>
#include <functional>

#include "tables/Controls.h"
#include "tables/Table.h"

namespace tachoria {

// The table a result list shows, or null before its first table.
using ShownTable = std::function<const Table*()>;

// What a result list's menu works with.
struct ResultListCommands {
    ShownTable shown;
    FailureSink* failures = nullptr;  // where a failed save is reported
    // Opens the comparison of gearings from the page's inputs; no menu item
    // when empty.
    std::function<void()> compare;
    // The printed title and the file name offered; by default they come
    // from the table's inputs ("stock-rpm.csv").
    std::function<QString(const Table&)> title;
    QString fileName;
};

// Gives a result list a context menu and shortcuts:
// - "Copy" (Ctrl+C, while the list has the focus): the selected rows;
// - "Copy Table": every row, both as tab-separated text;
// - "Save Table As…" (Ctrl+S) as CSV and "Print Table…" (Ctrl+P);
// - "Compare Gearing…" (Ctrl+G).
// The shortcuts other than Ctrl+C work anywhere in the window while the
// list's page is shown. Copying, saving and printing are disabled while
// the list has no rows.
void AddResultListMenu(QTreeWidget& list, const ResultListCommands& commands);

}  // namespace tachoria
