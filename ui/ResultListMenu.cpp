#include "ui/ResultListCopy.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <algorithm>
#include <vector>

#include "tables/TableText.h"

namespace tachoria {
namespace {

// The numbers of the selected rows, top to bottom.
std::vector<std::size_t> SelectedRows(const QTreeWidget& list) {
    std::vector<std::size_t> rows;
    for (QTreeWidgetItem* item : list.selectedItems()) {
        rows.push_back(static_cast<std::size_t>(list.indexOfTopLevelItem(item)));
    }
    std::sort(rows.begin(), rows.end());
    return rows;
}

void ToClipboard(const std::string& text) {
    QGuiApplication::clipboard()->setText(QString::fromStdString(text));
}

}  // namespace

void AddCopyActions(QTreeWidget& list, const ShownTable& shown) {
    auto* copy = new QAction(QStringLiteral("Copy"), &list);
    copy->setObjectName(QStringLiteral("copyRows"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    // Always enabled, so that the list's own copy of the current cell never
    // answers the shortcut instead; with no rows selected it copies nothing.
    QObject::connect(copy, &QAction::triggered, &list, [&list, shown] {
        const Table* table = shown();
        const std::vector<std::size_t> rows = SelectedRows(list);
        if (table != nullptr && !rows.empty()) {
            ToClipboard(TabSeparatedText(*table, rows));
        }
    });

    auto* copyTable = new QAction(QStringLiteral("Copy Table"), &list);
    copyTable->setObjectName(QStringLiteral("copyTable"));
    QObject::connect(copyTable, &QAction::triggered, &list, [shown] {
        if (const Table* table = shown()) {
            ToClipboard(TabSeparatedText(*table));
        }
    });

    list.addAction(copy);
    list.addAction(copyTable);
    list.setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace tachoria
