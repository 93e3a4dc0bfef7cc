#pragma once

class QScrollArea;
class QWidget;

// Where the program's own windows (besides the main one) appear.
namespace tachoria {

// Shows `window`, restored if it was minimized, raised and active.
void BringToFront(QWidget& window);

// Makes `window` fit wholly within its screen's free area, less room for
// the window manager's frame, moving it there if it stood partly outside.
void FitOnScreen(QWidget& window);

// Puts `content` into `window` inside a scroll area (named "scroll"), so
// that on a small screen the window scrolls rather than running off it.
QScrollArea& ScrollingContent(QWidget& window, QWidget& content);

}  // namespace tachoria
