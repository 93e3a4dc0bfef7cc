#include "ui/TableResultList.h"

#include <QHeaderView>
#include <algorithm>

#include "tables/DecimalPoint.h"
#include "tables/ToolsListView.h"
#include "ui/ControlAdapters.h"
#include "ui/ControlLook.h"
#include "ui/ResultListMenu.h"

namespace tachoria {

TableResultList::TableResultList(const QString& name, const QString& accessibleName,
                                 ResultListCommands menu, QWidget* parent)
    : QTreeWidget(parent) {
    setObjectName(name);
    SetUpResultList(*this, true);
    setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    setSizeAdjustPolicy(QAbstractScrollArea::AdjustToContents);
    setSizePolicy(QSizePolicy::Fixed, QSizePolicy::Fixed);
    Describe(*this, accessibleName);
    menu.shown = [this] { return &table_; };
    AddResultListMenu(*this, menu);
}

void TableResultList::Show(const Table& table, const std::string& decimalPoint, bool wordsColumn) {
    table_ = table;
    TreeResultList adapter(*this);
    ShowTable(adapter, WithDecimalPoint(table, decimalPoint));
    for (int r = 0; wordsColumn && r < topLevelItemCount(); ++r) {
        topLevelItem(r)->setTextAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
    }
    FitColumns();
}

void TableResultList::FitColumns() {
    header()->resizeSections(QHeaderView::ResizeToContents);
    if (!table_.rows.empty()) {
        rowsWidth_ = header()->length();
    }
    updateGeometry();
}

QSize TableResultList::viewportSizeHint() const {
    // Its rows, or room for one while there are none; hidden, Qt's own hint
    // has no laid-out rows to go by.
    const int rows = std::max(topLevelItemCount(), 1);
    const int hinted = sizeHintForRow(0);
    const int rowHeight = hinted > 0 ? hinted : fontMetrics().height() + 4;
    const int width =
        table_.rows.empty() ? std::max(header()->length(), rowsWidth_) : header()->length();
    return {width + 2, header()->sizeHint().height() + rows * rowHeight + 2};
}

}  // namespace tachoria
