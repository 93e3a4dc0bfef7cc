#pragma once

#include <QString>
#include <functional>
#include <string>
#include <string_view>

class QColor;
class QFont;
class QLineEdit;
class QTreeWidget;
class QWidget;

// How the main window's controls look and what they are called, shared by
// both pages.
namespace tachoria {

// The window's font, Arial 12: menus, message boxes and the printed tables
// take its family too.
inline constexpr QLatin1String kFontFamily("Arial");
inline constexpr int kFontPoints = 12;

// The window's font with only its family and size set, for the whole
// application, so that menus and message boxes match the window.
QFont ApplicationFont();
// The window's font, regular or bold.
QFont ArialFont(bool bold);

QString ToQString(std::string_view text);

// Gives `control` its object name, the name the tests and tools find it by.
template <typename Control>
Control* Named(Control* control, const char* name) {
    control->setObjectName(QString::fromLatin1(name));
    return control;
}

// The name and description screen readers announce.
void Describe(QWidget& control, const QString& name, const QString& description = {});

// A flat report list: no tree decoration, whole rows selected, no editing,
// right-aligned headers.
void SetUpResultList(QTreeWidget& list, bool alternatingRows);

// A warning box over `parent` that does not block: the handler that found
// the problem ends before it is read, and the box goes with its parent.
void ShowWarning(QWidget& parent, const QString& message);

// The colour of a problem's words and of marked results on `widget`, from
// its palette: #A00000 on a light one, a lighter red on a dark one
// (ui/LegibleColours).
QColor ProblemColour(const QWidget& widget);

// A reddened background (ProblemBackground of the palette) behind a field
// whose text cannot be used, and its "problem" property set for tests and
// tools; the field's own look otherwise.
void MarkProblem(QLineEdit& field, bool problem);

// A line of text in the problem colour, such as why fields are marked.
void ShowInProblemColour(QWidget& label);

// Runs `reapply` soon after the application's palette changes (the desktop
// switches between a light and a dark theme), while `widget` lives: for
// colours worked out from the palette and set on widgets or items, which
// would otherwise keep those of the old one.
void FollowPaletteChanges(QWidget& widget, std::function<void()> reapply);

// Shows what a tire box's text reads as, in its tooltip and, for screen
// readers, its description.
void ShowTireReading(QLineEdit& box, const std::string& reading);

}  // namespace tachoria
