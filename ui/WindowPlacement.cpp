#include "ui/WindowPlacement.h"

#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <QWidget>
#include <algorithm>

namespace tachoria {

void BringToFront(QWidget& window) {
    if (window.isMinimized()) {
        window.setWindowState(window.windowState() & ~Qt::WindowMinimized);
    }
    window.show();
    window.raise();
    window.activateWindow();
}

void FitOnScreen(QWidget& window) {
    const QWidget* parent = window.parentWidget();
    const QScreen* screen = parent != nullptr ? parent->screen() : window.screen();
    const QRect free = screen->availableGeometry();
    constexpr int kFrameRoom = 40;
    const QSize size(std::min(window.width(), free.width() - 8),
                     std::min(window.height(), free.height() - kFrameRoom));
    window.resize(size);
    const QPoint corner(
        std::clamp(window.x(), free.left(), free.right() - size.width()),
        std::clamp(window.y(), free.top(), free.bottom() - size.height() - kFrameRoom / 2));
    window.move(corner);
}

QScrollArea& ScrollingContent(QWidget& window, QWidget& content) {
    auto* scroll = new QScrollArea(&window);
    scroll->setObjectName(QStringLiteral("scroll"));
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setWidget(&content);
    auto* outer = new QVBoxLayout(&window);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll);
    return *scroll;
}

}  // namespace tachoria
