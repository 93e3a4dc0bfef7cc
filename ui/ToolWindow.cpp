#include "ui/ToolWindow.h"

#include <QApplication>
#include <QLayout>
#include <QScreen>
#include <QScrollArea>
#include <QVBoxLayout>
#include <algorithm>

#include "ui/ControlLook.h"

namespace tachoria {
namespace {

// The frame a window manager is assumed to draw before it has drawn one:
// a title bar above, thin borders elsewhere.
constexpr QMargins kAssumedFrame(4, 40, 4, 8);

// Whether no part of `content` below `focus` takes the focus by Tab: then
// what lies below it (footnotes, which take no focus) is scrolled into view
// with it, or the keyboard could never reach them.
bool IsLowestStop(const QWidget& content, const QWidget& focus) {
    const int bottom = focus.mapTo(&content, QPoint(0, focus.height())).y();
    const QList<QWidget*> widgets = content.findChildren<QWidget*>();
    return std::none_of(widgets.begin(), widgets.end(), [&](const QWidget* widget) {
        return widget != &focus && widget->isVisibleTo(&content) && widget->isEnabled() &&
               (widget->focusPolicy() & Qt::TabFocus) != 0 &&
               widget->mapTo(&content, QPoint(0, 0)).y() >= bottom;
    });
}

}  // namespace

QRect FittedGeometry(const QRect& inside, const QMargins& frame, const QRect& free) {
    const QRect room = free.marginsRemoved(frame);
    const QSize size(std::min(inside.width(), room.width()),
                     std::min(inside.height(), room.height()));
    const QPoint corner(std::clamp(inside.x(), room.left(), room.right() + 1 - size.width()),
                        std::clamp(inside.y(), room.top(), room.bottom() + 1 - size.height()));
    return {corner, size};
}

ToolWindow::ToolWindow(QWidget* parent, const QString& objectName, const QString& title)
    : QWidget(parent, Qt::Window) {
    setObjectName(objectName);
    setWindowTitle(title);
    scroll_ = new QScrollArea(this);
    scroll_->setObjectName(QStringLiteral("scroll"));
    scroll_->setFrameShape(QFrame::NoFrame);
    scroll_->setWidgetResizable(true);
    // It shows no focus of its own; the keyboard moves among its content.
    scroll_->setFocusPolicy(Qt::NoFocus);
    auto* outer = new QVBoxLayout(this);
    outer->setContentsMargins(0, 0, 0, 0);
    outer->addWidget(scroll_);
    connect(qApp, &QApplication::focusChanged, this, &ToolWindow::FollowFocus);
}

ToolWindow::~ToolWindow() {
    // Focus moves while Qt takes the children down; by then this is no
    // longer a ToolWindow to follow it.
    disconnect(qApp, &QApplication::focusChanged, this, &ToolWindow::FollowFocus);
}

void ToolWindow::SetContent(QWidget& content) {
    scroll_->setWidget(&content);
    // Sizes taken while hidden, which the layouts around them have not
    // heard of, and word-wrapped lines whose hinted height is too tall: the
    // height the content takes at its width.
    for (QWidget* widget : content.findChildren<QWidget*>()) {
        widget->updateGeometry();
    }
    for (QLayout* layout : content.findChildren<QLayout*>()) {
        layout->invalidate();
    }
    const QSize wanted = content.sizeHint();
    const int height =
        content.hasHeightForWidth() ? content.heightForWidth(wanted.width()) : wanted.height();
    resize(wanted.width() + 4, height + 4);
    FollowFocus(nullptr, QApplication::focusWidget());
}

void ToolWindow::FocusMoved(QWidget* /*focus*/) {}

void ToolWindow::FollowFocus(QWidget* /*old*/, QWidget* focus) {
    // Tabbing to a part off screen scrolls it into view.
    if (focus != nullptr && scroll_->widget() != nullptr &&
        scroll_->widget()->isAncestorOf(focus)) {
        if (IsLowestStop(*scroll_->widget(), *focus)) {
            scroll_->ensureVisible(0, scroll_->widget()->height(), 0, 0);
        }
        scroll_->ensureWidgetVisible(focus, 0, 0);
    }
    FocusMoved(focus);
}

void ToolWindow::Present() {
    if (isMinimized()) {
        setWindowState(windowState() & ~Qt::WindowMinimized);
    }
    show();
    raise();
    activateWindow();
}

void ToolWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) {
        return;
    }
    placed_ = true;
    const QWidget* parent = parentWidget();
    const QScreen* screen = parent != nullptr ? parent->screen() : this->screen();
    const QRect frame = frameGeometry();
    const QRect inside = geometry();
    // The frame as drawn once the window manager has drawn one.
    const QMargins drawn(inside.left() - frame.left(), inside.top() - frame.top(),
                         frame.right() - inside.right(), frame.bottom() - inside.bottom());
    const bool framed = drawn.top() > 0;
    setGeometry(
        FittedGeometry(inside, framed ? drawn : kAssumedFrame, screen->availableGeometry()));
}

void ToolWindow::Report(const std::string& message) {
    ShowWarning(*this, QString::fromStdString(message));
}

}  // namespace tachoria
