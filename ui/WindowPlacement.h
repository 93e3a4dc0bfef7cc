#pragma once

class QWidget;

// Where the program's own windows (besides the main one) appear.
namespace tachoria {

// Shows `window`, restored if it was minimized, raised and active.
void BringToFront(QWidget& window);

// Makes `window` fit wholly within its screen's free area, less room for
// the window manager's frame, moving it there if it stood partly outside.
void FitOnScreen(QWidget& window);

}  // namespace tachoria
