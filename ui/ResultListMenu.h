#pragma once

#include <QAction>
#include <QTreeWidget>
#include <functional>
#include <string>
#include <vector>

#include "tables/Controls.h"
#include "tables/Table.h"

namespace tachoria {

// The table a result list shows, or null before its first table.
using ShownTable = std::function<const Table*()>;

// What a result list's menu works with.
struct ResultListCommands {
    ShownTable shown = {};
    FailureSink* failures = nullptr;  // where a failed save or print is reported
    // Opens the comparison of gearings from the page's inputs; no menu item
    // when empty.
    std::function<void()> compare = {};
    // Opens the gearing questions from the page's inputs; no menu item when
    // empty.
    std::function<void()> questions = {};
    // The printed title; by default it comes from the table's inputs.
    std::function<QString(const Table&)> title = {};
    // The name offered for a saved (".csv") or printed (".pdf") file,
    // without its extension and made only of safe characters
    // (tables/FileNames), asked for at each save or print, so that it names
    // what the table shows then; by default TableBaseName of the table.
    std::function<QString(const Table&)> fileName = {};
    // The decimal point of copied and printed numbers; saved files keep ".".
    std::string decimalPoint = ".";
    // Whether Save's and Print's keys work anywhere in the window, or only
    // while the list has the focus. A window with several lists makes it
    // false and gives the keys to its own actions while no list has the
    // focus: two actions answering the same keys in one window make Qt
    // trigger neither.
    bool windowShortcuts = true;
    // More actions for the menu, after a separator; the caller owns them.
    std::vector<QAction*> extra = {};
};

// Gives a result list a context menu and shortcuts:
// - "Copy" (Ctrl+C, while the list has the focus): the selected rows;
// - "Copy Table": every row, both as tab-separated text;
// - "Save Table As…" (Ctrl+S) as CSV and "Print Table…" (Ctrl+P);
// - "Compare Gearing…" (Ctrl+G) and "Gearing Questions…" (Ctrl+Shift+G);
// - then the extra actions.
// It opens on the Menu key and Shift+F10 too (ui/ResultListKeys).
// The menu opens on the Menu key and Shift+F10 as well as by the mouse.
// The shortcuts other than Ctrl+C work anywhere in the window while the
// list's page is shown (Save and Print only in the list, unless
// `windowShortcuts`). Copying, saving and printing are disabled while
// the list has no rows.
void AddResultListMenu(QTreeWidget& list, const ResultListCommands& commands);

}  // namespace tachoria
