#include "ui/ResultListMenu.h"

#include <QAction>
#include <QClipboard>
#include <QGuiApplication>
#include <QList>
#include <algorithm>
#include <vector>

#include "tables/DecimalPoint.h"
#include "tables/FileNames.h"
#include "tables/TableText.h"
#include "ui/ControlLook.h"
#include "ui/ResultListKeys.h"
#include "ui/TablePrinting.h"
#include "ui/TableSaving.h"

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

// The base name of a table's files: the given one, or one from its inputs.
QString BaseName(const ResultListCommands& commands, const Table& table) {
    QString name = commands.fileName ? commands.fileName(table) : ToQString(TableBaseName(table));
    if (name.endsWith(QStringLiteral(".csv"))) {
        name.chop(4);
    }
    return name;
}

QAction* NewAction(QTreeWidget& list, const QString& text, const char* name,
                   const QKeySequence& shortcut = {}) {
    auto* action = new QAction(text, &list);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    // A hidden page's list does not answer, so each page's shortcut is its own.
    action->setShortcutContext(Qt::WindowShortcut);
    list.addAction(action);
    return action;
}

QAction* Separator(QTreeWidget& list) {
    auto* separator = new QAction(&list);
    separator->setSeparator(true);
    list.addAction(separator);
    return separator;
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

void AddResultListMenu(QTreeWidget& list, const ResultListCommands& commands) {
    const ShownTable& shown = commands.shown;
    const std::string point = commands.decimalPoint;

    QAction* copy = NewAction(list, QStringLiteral("Copy"), "copyRows", QKeySequence::Copy);
    // Only while the list has the focus: the text boxes copy their own text.
    copy->setShortcutContext(Qt::WidgetShortcut);
    // With rows but none selected it copies nothing. (Disabled, with no
    // rows, the list's own copy of the current cell has nothing to copy.)
    QObject::connect(copy, &QAction::triggered, &list, [&list, shown, point] {
        const Table* table = shown();
        const std::vector<std::size_t> rows = SelectedRows(list);
        if (table != nullptr && !rows.empty()) {
            ToClipboard(WithDecimalPoint(TabSeparatedText(*table, rows), point));
        }
    });

    QAction* copyTable = NewAction(list, QStringLiteral("Copy Table"), "copyTable");
    QObject::connect(copyTable, &QAction::triggered, &list, [shown, point] {
        if (const Table* table = shown()) {
            ToClipboard(WithDecimalPoint(TabSeparatedText(*table), point));
        }
    });

    Separator(list);
    QAction* save =
        NewAction(list, QStringLiteral("Save Table As\u2026"), "saveTable", QKeySequence::Save);
    QObject::connect(save, &QAction::triggered, &list, [&list, shown, commands] {
        if (const Table* table = shown(); table != nullptr && commands.failures != nullptr) {
            SaveTableAs(list, *table, BaseName(commands, *table) + QStringLiteral(".csv"),
                        *commands.failures);
        }
    });
    QAction* print =
        NewAction(list, QStringLiteral("Print Table\u2026"), "printTable", QKeySequence::Print);
    if (!commands.windowShortcuts) {
        save->setShortcutContext(Qt::WidgetShortcut);
        print->setShortcutContext(Qt::WidgetShortcut);
    }
    QObject::connect(print, &QAction::triggered, &list, [&list, shown, commands] {
        if (const Table* table = shown()) {
            PrintTable(list,
                       commands.title  ? commands.title(*table)
                       : table->inputs ? ToQString(TableTitle(*table->inputs))
                                       : QString(),
                       WithDecimalPoint(*table, commands.decimalPoint), BaseName(commands, *table),
                       commands.failures);
        }
    });

    if (commands.compare || commands.questions) {
        Separator(list);
    }
    if (commands.compare) {
        QAction* compare = NewAction(list, QStringLiteral("Compare Gearing\u2026"),
                                     "compareGearing", QKeySequence(Qt::CTRL | Qt::Key_G));
        QObject::connect(compare, &QAction::triggered, &list, commands.compare);
    }
    if (commands.questions) {
        // Ctrl+Shift+G: beside the comparison's key, and kept by no text box
        // (Qt's text fields take Ctrl+Shift+Z, not G).
        QAction* questions =
            NewAction(list, QStringLiteral("Gearing Questions\u2026"), "gearingQuestions",
                      QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G));
        QObject::connect(questions, &QAction::triggered, &list, commands.questions);
    }
    if (!commands.extra.empty()) {
        Separator(list);
        for (QAction* action : commands.extra) {
            list.addAction(action);
        }
    }

    list.setContextMenuPolicy(Qt::ActionsContextMenu);
    AddResultListKeys(list);
    EnableWhileRows(list, {copy, copyTable, save, print});
}

}  // namespace tachoria
