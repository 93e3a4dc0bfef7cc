#include "ui/ResultListKeys.h"

#include <QContextMenuEvent>
#include <QCoreApplication>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QTreeWidget>

namespace tachoria {
namespace {

void OpenMenu(QTreeWidget& list) {
    const QRect current = list.inputMethodQuery(Qt::ImCursorRectangle).toRect();
    const QPoint at = list.viewport()->mapTo(&list, current.center());
    QContextMenuEvent menu(QContextMenuEvent::Keyboard, at, list.mapToGlobal(at));
    QCoreApplication::sendEvent(&list, &menu);
}

// Whether Down was taken to select the current row.
bool SelectCurrentRow(QTreeWidget& list) {
    QItemSelectionModel& selection = *list.selectionModel();
    if (selection.hasSelection() || list.topLevelItemCount() == 0) {
        return false;
    }
    QModelIndex current = list.currentIndex();
    if (!current.isValid()) {
        current = list.model()->index(0, 0);
    }
    selection.setCurrentIndex(current,
                              QItemSelectionModel::ClearAndSelect | QItemSelectionModel::Rows);
    list.scrollTo(current);
    return true;
}

class ResultListKeys final : public QObject {
public:
    using QObject::QObject;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        auto& list = *static_cast<QTreeWidget*>(watched);
        const auto* key = static_cast<QKeyEvent*>(event);
        const Qt::KeyboardModifiers modifiers = key->modifiers() & ~Qt::KeypadModifier;
        if (key->key() == Qt::Key_F10 && modifiers == Qt::ShiftModifier) {
            OpenMenu(list);
            return true;
        }
        if (key->key() == Qt::Key_Down && modifiers == Qt::NoModifier) {
            return SelectCurrentRow(list);
        }
        return false;
    }
};

}  // namespace

void AddResultListKeys(QTreeWidget& list) { list.installEventFilter(new ResultListKeys(&list)); }

}  // namespace tachoria
