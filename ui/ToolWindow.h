#pragma once

#include <QMargins>
#include <QRect>
#include <QWidget>
#include <string>

#include "tables/Controls.h"

class QScrollArea;

namespace tachoria {

// Where a window of `inside` (its geometry without the frame) goes so that
// it and its `frame` lie wholly within `free`, a screen's free area: no
// larger than that leaves, and moved no further than it must.
QRect FittedGeometry(const QRect& inside, const QMargins& frame, const QRect& free);

// What the program's own windows besides the main one share: their content
// in a scroll area that follows the keyboard's focus, so that on a small
// screen the window scrolls rather than running off it; a size that fits
// the screen when first shown; coming to the front when asked again; and
// failed saves and prints reported over the window.
class ToolWindow : public QWidget, protected FailureSink {
    Q_OBJECT

public:
    ~ToolWindow() override;

    // Shows the window, restored if minimized, in front and wholly on its
    // screen.
    void Present();

protected:
    ToolWindow(QWidget* parent, const QString& objectName, const QString& title);

    // Puts `content` in the window's scroll area (named "scroll") and sizes
    // the window to it: the height it takes at its width, for word-wrapped
    // lines.
    void SetContent(QWidget& content);
    // Told of each move of the focus within this window, after a part off
    // screen has been scrolled into view.
    virtual void FocusMoved(QWidget* focus);

    void showEvent(QShowEvent* event) override;
    // A failed save or print, shown over this window.
    void Report(const std::string& message) override;

private:
    void FollowFocus(QWidget* old, QWidget* focus);

    QScrollArea* scroll_ = nullptr;
    bool placed_ = false;
};

}  // namespace tachoria
