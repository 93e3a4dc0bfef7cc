#pragma once

#include <QDate>
#include <QFont>
#include <QLineF>
#include <QPainter>
#include <QPrinter>
#include <QRectF>
#include <QString>
#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "outcome/Outcome.h"
#include "tables/Controls.h"
#include "tables/Table.h"

namespace tachoria {

// Arial at `points` on `device`: sizes are given in points and the
// device's resolution turns them into pixels.
QFont PrintFont(double points, bool bold, const QPaintDevice& device);

// One text of a printed table and the box it is drawn in.
struct PrintedText {
    QRectF box;
    QString text;
    Qt::Alignment alignment;
    bool header = false;  // drawn in bold
};

// A table laid out for print.
struct TableLayout {
    QFont cellFont;
    QFont headerFont;
    std::vector<PrintedText> texts;  // the headers, then row by row
    QLineF rule;                     // under the headers
    QRectF bounds;                   // everything the table covers
};

// `table` laid out with its top left corner at `topLeft`: each column as
// wide as its widest text, header or cell, plus a gap; the label column
// left-aligned, the numbers right-aligned. When that is wider than `width`
// at `points`, the font shrinks until it fits (down to 4 points). Cells
// are written as they are, blanks around them trimmed.
TableLayout LayOutTable(const Table& table, const QPointF& topLeft, double width, double points,
                        const QPaintDevice& device);

void DrawTable(QPainter& painter, const TableLayout& layout);

// A length given in points, in `device`'s pixels.
double PointsToPixels(double points, const QPaintDevice& device);

// "Printed by Tachoria on Monday, December 7, 2026": the foot of a page.
QString PrintedOn(const QDate& date);

// Draws one printed page within `page` (device pixels): the title, the
// table, why it stopped early if it did, and the date it was printed.
void PaintTablePage(QPainter& painter, const QRectF& page, const QString& title, const Table& table,
                    const QDate& date);

// Draws on `printer` with `paint`, given the printable area with the
// painter's origin at its corner. Fails saying why nothing could be drawn
// (the PDF's folder does not exist or is not writable, the printer does not
// start).
using PagePainter = std::function<void(QPainter&, const QRectF&)>;
Outcome<> PaintOnPrinter(QPrinter& printer, const PagePainter& paint);

// What a print dialog prints.
struct PrintJob {
    QString dialogTitle;  // "Print Table"
    QString dialogName;   // the dialog's object name
    // The PDF file name the dialog offers, without ".pdf": safe characters
    // only (tables/FileNames).
    QString baseName;
    QString documentTitle;  // the PDF's title and the print job's name
    QString what;           // "table": "The table could not be printed to …"
    PagePainter paint;
};

// Opens the print dialog and prints `job` once it is accepted; "Print to
// File (PDF)" works as any printer. A failure is reported to `failures`,
// if given. The dialog does not block.
void PrintWithDialog(QWidget& parent, PrintJob job, FailureSink* failures);

// Prints a copy of `table` under the heading `title`, offering
// `baseName` + ".pdf" as the file name.
void PrintTable(QWidget& parent, const QString& title, const Table& table, const QString& baseName,
                FailureSink* failures);

}  // namespace tachoria
