#pragma once

#include <QTreeWidget>
#include <string>

#include "tables/Table.h"

namespace tachoria {

struct ResultListCommands;

// A result list read whole, not scrolled: it holds the Table it shows, and
// asks for the size of its rows and columns (AdjustToContents), so that a
// layout gives it no empty frame and no scroll bar.
class TableResultList final : public QTreeWidget {
public:
    // `name` is its object name, `accessibleName` what screen readers call
    // it; `menu` its context menu's commands, whose shown table is this one.
    TableResultList(const QString& name, const QString& accessibleName, ResultListCommands menu,
                    QWidget* parent = nullptr);

    // Shows `table`, numbers with `decimalPoint`; a first column of words
    // (`wordsColumn`) reads from the left. A table of no rows keeps the
    // width of the last one that had rows: a question being corrected
    // does not narrow.
    void Show(const Table& table, const std::string& decimalPoint, bool wordsColumn);
    [[nodiscard]] const Table& Shown() const { return table_; }
    // Each column as wide as its widest text again, after cells were
    // marked (a sign added) since they were shown.
    void FitColumns();

protected:
    [[nodiscard]] QSize viewportSizeHint() const override;

private:
    Table table_;
    int rowsWidth_ = 0;  // of the last table with rows
};

}  // namespace tachoria
