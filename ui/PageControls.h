#pragma once

#include <functional>
#include <string>
#include <string_view>

class QLineEdit;
class QPushButton;
class QTreeWidget;
class QWidget;

namespace tachoria {

class FailureSink;
struct Table;

// The controls that both pages of the main window have: the tire box, the
// two buttons that make a table and the list that shows it.
struct PageControls {
    QWidget& page;
    std::string_view pageName;  // as screen readers announce it
    QLineEdit& tire;
    QPushButton& getRPM;
    QPushButton& getMPH;
    QTreeWidget& list;
    bool alternatingRows;  // the list's
};

// What those controls work with.
struct PageCommands {
    std::function<const Table*()> shown;  // the table the list shows, or null
    FailureSink& failures;                // a failed save or print of the list
    std::function<void()> compare;        // "Compare Gearing…" from the page's inputs
    std::function<void()> questions;      // "Gearing Questions…" from the page's inputs
    // What the tire box's text reads as.
    std::function<std::string(std::string_view text)> tireReading;
};

// Gives the buttons their captions, the list its look and its menu
// (AddResultListMenu), and all three the names screen readers announce:
// the buttons' captions repeat on the other page, so their names also say
// which page they are on. The tire box shows what its text reads as, now
// and after each change.
void SetUpPageControls(const PageControls& controls, const PageCommands& commands);

}  // namespace tachoria
