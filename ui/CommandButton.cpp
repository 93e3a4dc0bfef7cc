#include "ui/CommandButton.h"

#include <QKeyEvent>

namespace tachoria {

void CommandButton::keyPressEvent(QKeyEvent* event) {
    const bool enter = event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter;
    // Keypad Enter carries the keypad modifier; any other modifier makes it
    // another shortcut.
    if (enter && (event->modifiers() & ~Qt::KeypadModifier) == Qt::NoModifier) {
        event->accept();
        click();
        return;
    }
    QPushButton::keyPressEvent(event);
}

}  // namespace tachoria
