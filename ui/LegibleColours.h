#pragma once

#include <QColor>
#include <QPalette>
#include <initializer_list>

// Colours worked out from the palette, so that what is marked stays
// readable under a dark desktop theme as under the light one.
namespace tachoria {

// The WCAG 2 contrast ratio of two opaque colours, from 1 to 21.
double ContrastRatio(const QColor& a, const QColor& b);

// The smallest contrast of text with its background (WCAG's 4.5:1), and of
// lines and marks that are not text (3:1).
inline constexpr double kTextContrast = 4.5;
inline constexpr double kLineContrast = 3.0;

// `wanted` itself when it has `ratio` against every one of `backgrounds`;
// otherwise its hue made lighter or darker, whichever moves it away from the
// backgrounds, just far enough (or as far as black or white goes).
QColor Legible(const QColor& wanted, std::initializer_list<QColor> backgrounds, double ratio);

// The background of a field whose text cannot be used: its Base taken part
// of the way toward red, no further than keeps its Text readable. Under a
// white Base it is the light red (255, 221, 221).
QColor ProblemBackground(const QPalette& palette);

// The red of a problem's words and of marked results: #A00000, or that red
// made lighter until it reads on the palette's Base, AlternateBase and
// Window.
QColor ProblemText(const QPalette& palette);

// The chart's redline and its label: #CC0000, or that red made readable on
// the palette's Base.
QColor RedlineColour(const QPalette& palette);

// A desktop's dark theme, as a user's platform theme would give it: what the
// screenshots and the tests try the colours under.
QPalette ExampleDarkPalette();

}  // namespace tachoria
