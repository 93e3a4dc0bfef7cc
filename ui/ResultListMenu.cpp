#include "ui/ResultListMenu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QList>
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

// Keeps `actions` enabled exactly while `list` has rows. It asks the list's
// model, not the list: the model outlives the list's own part while the
// list is destroyed, and says it was reset as it goes.
void EnableWhileRows(const QTreeWidget& list, const QList<QAction*>& actions) {
    QAbstractItemModel* model = list.model();
    const auto update = [model, actions] {
        const bool rows = model->rowCount() > 0;
        for (QAction* action : actions) {
            action->setEnabled(rows);
        }
    };
    QObject::connect(model, &QAbstractItemModel::rowsInserted, model, update);
    QObject::connect(model, &QAbstractItemModel::rowsRemoved, model, update);
    QObject::connect(model, &QAbstractItemModel::modelReset, model, update);
    update();
}

}  // namespace

void AddResultListMenu(QTreeWidget& list, const ShownTable& shown) {
    auto* copy = new QAction(QStringLiteral("Copy"), &list);
    copy->setObjectName(QStringLiteral("copyRows"));
    copy->setShortcut(QKeySequence::Copy);
    copy->setShortcutContext(Qt::WidgetShortcut);
    // With rows but none selected it copies nothing. (Disabled, with no
    // rows, the list's own copy of the current cell has nothing to copy.)
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
    EnableWhileRows(list, {copy, copyTable});
    list.setContextMenuPolicy(Qt::ActionsContextMenu);
}

}  // namespace tachoria
