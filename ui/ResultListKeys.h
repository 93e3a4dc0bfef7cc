#pragma once

class QTreeWidget;

namespace tachoria {

// The keys a result list answers beyond Qt's own:
// - Shift+F10 opens its menu, as the Menu key does: at the current row, as
//   a menu asked for by the keyboard;
// - Down, while no row is selected, selects the current row (the first one
//   when none is current) instead of the next. Tabbing into a list makes its
//   first row current without selecting it, so Down used to select the
//   second.
void AddResultListKeys(QTreeWidget& list);

}  // namespace tachoria
