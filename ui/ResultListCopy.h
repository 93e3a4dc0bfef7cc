#pragma once

#include <QTreeWidget>

namespace tachoria {

// Gives a result list the platform's copy shortcut and a context menu with
// "Copy" (the selected rows) and "Copy Table" (every row). The clipboard gets
// the header row and the rows as tab-separated text.
void AddCopyActions(QTreeWidget& list);

}  // namespace tachoria
