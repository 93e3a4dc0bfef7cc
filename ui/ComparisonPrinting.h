#pragma once

#include <QDate>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QStringList>
#include <QWidget>
#include <optional>
#include <string>
#include <utility>
#include <vector>

#include "tables/Controls.h"
#include "tables/Table.h"
#include "ui/TablePrinting.h"

// The whole comparison of two gearings on one printed page, readable on
// its own: what was compared, the result tables and the chart.
namespace tachoria {

struct ComparisonPrintout {
    QString title;  // the page's heading
    // Each setup's inputs, a line each: the tire as typed and its diameter,
    // the axle, the gears; and what both share (redline, unit).
    QString aCaption = QStringLiteral("A: now");
    QStringList aInputs;
    QString bCaption = QStringLiteral("B: planned");
    QStringList bInputs;
    QString sharedCaption = QStringLiteral("Both");
    QStringList shared;
    // The result tables, each under its caption.
    std::vector<std::pair<QString, Table>> tables;
    // The decimal point the tables' numbers are printed with.
    std::string decimalPoint = ".";
    // How the numbers are rounded; none when empty.
    QString footnote;
    // Draws the chart into the rectangle it is given, as on a screen: in
    // units of 1/96 inch, so fonts need a pixel size (11 px is 8 points).
    // Without it the space stays empty.
    PagePainter paintChart;
    // The PDF file name offered, without ".pdf" (tables/FileNames'
    // ComparisonBaseName); "comparison" when empty.
    QString baseName;
};

// Draws the printout within `page` (device pixels), portrait: the title,
// A's, B's and the shared inputs side by side, the tables (smaller type
// rather than clipped, side by side where they fit), the chart filling the
// rest, the footnote and the date it was printed.
void PaintComparisonPage(QPainter& painter, const QRectF& page, const ComparisonPrintout& printout,
                         const QDate& date);

// Opens the print dialog for the printout and prints it once accepted; a
// failure is reported to `failures`. The dialog does not block.
void PrintComparison(QWidget& parent, const ComparisonPrintout& printout, FailureSink& failures);

// Writes the printout as a one-page PDF to `path`. Returns why it could
// not, as a sentence for the user, or nothing.
Outcome<> WriteComparisonPdf(const QString& path, const ComparisonPrintout& printout);

}  // namespace tachoria
