#include "ui/ResultListCopy.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>

#include "tables/TableText.h"

namespace tachoria {
namespace {

enum class Rows { Selected, All };

void CopyRows(const QTreeWidget& list, Rows which) {
    std::vector<std::string> headers;
    headers.reserve(static_cast<std::size_t>(list.columnCount()));
    for (int column = 0; column < list.columnCount(); ++column) {
        headers.push_back(list.headerItem()->text(column).toStdString());
    }
    std::vector<std::vector<std::string>> rows;
    for (int row = 0; row < list.topLevelItemCount(); ++row) {
        const QTreeWidgetItem* item = list.topLevelItem(row);
        if (which == Rows::Selected && !item->isSelected()) {
            continue;
        }
        std::vector<std::string>& cells = rows.emplace_back();
        for (int column = 0; column < list.columnCount(); ++column) {
            cells.push_back(item->text(column).toStdString());
        }
    }
    QGuiApplication::clipboard()->setText(QString::fromStdString(TabSeparatedText(headers, rows)));
}

}  // namespace

void AddCopyActions(QTreeWidget& list) {
    auto* copy = new QAction(QStringLiteral("Copy"), &list);
    copy->setObjectName(QStringLiteral("copyRows"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    // Always enabled, so that the list's own copy of the current cell never
    // answers the shortcut instead; with no rows selected it copies nothing.
    QObject::connect(copy, &QAction::triggered, &list, [&list] {
        if (!list.selectedItems().isEmpty()) {
            CopyRows(list, Rows::Selected);
        }
    });

    auto* copyTable = new QAction(QStringLiteral("Copy Table"), &list);
    copyTable->setObjectName(QStringLiteral("copyTable"));
    QObject::connect(copyTable, &QAction::triggered, &list, [&list] { CopyRows(list, Rows::All); });

    list.addAction(copy);
    list.addAction(copyTable);
    list.setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace tachoria
