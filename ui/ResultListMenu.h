#pragma once

#include <QTreeWidget>
#include <functional>

#include "tables/Table.h"

namespace tachoria {

// The table a result list shows, or null before its first table.
using ShownTable = std::function<const Table*()>;

// Gives a result list the platform's copy shortcut and a context menu with
// "Copy" (the selected rows) and "Copy Table" (every row). The clipboard gets
// the header row and the rows as tab-separated text. The actions are
// disabled while the list has no rows.
void AddResultListMenu(QTreeWidget& list, const ShownTable& shown);

}  // namespace tachoria
