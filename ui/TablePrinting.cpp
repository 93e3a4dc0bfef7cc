#include "ui/TablePrinting.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QFontMetricsF>
#include <QLocale>
#include <QPrintDialog>
#include <algorithm>
#include <cmath>
#include <memory>
#include <numeric>
#include <utility>

#include "ui/ControlLook.h"
#include "ui/SaveDialog.h"

namespace tachoria {
namespace {

constexpr double kTitlePoints = 14;
constexpr double kTablePoints = 11;
constexpr double kLeastPoints = 4;
// Rows are this many times the font's height apart.
constexpr double kLineSpacing = 1.3;

int PixelSize(double points, const QPaintDevice& device) {
    return std::max(1, static_cast<int>(std::lround(PointsToPixels(points, device))));
}

QFont PixelFont(int pixels, bool bold) {
    QFont font(kFontFamily);
    font.setPixelSize(pixels);
    font.setBold(bold);
    return font;
}

QString CellText(std::string_view text) { return ToQString(text).trimmed(); }

std::size_t ColumnCount(const Table& table) {
    std::size_t columns = table.headers.size();
    for (const TableRow& row : table.rows) {
        columns = std::max(columns, row.cells.size() + 1);
    }
    return columns;
}

// Each column's width: its widest text, and before every column but the
// label column a gap of two digits.
std::vector<double> ColumnWidths(const Table& table, const QFont& header, const QFont& cells,
                                 const QPaintDevice& device) {
    const QFontMetricsF headerMetrics(header, &device);
    const QFontMetricsF cellMetrics(cells, &device);
    std::vector<double> widths(ColumnCount(table), 0.0);
    for (std::size_t i = 0; i < table.headers.size(); ++i) {
        widths[i] = headerMetrics.horizontalAdvance(CellText(table.headers[i]));
    }
    for (const TableRow& row : table.rows) {
        widths[0] = std::max(widths[0], cellMetrics.horizontalAdvance(CellText(row.label)));
        for (std::size_t i = 0; i < row.cells.size(); ++i) {
            widths[i + 1] =
                std::max(widths[i + 1], cellMetrics.horizontalAdvance(CellText(row.cells[i])));
        }
    }
    const double gap = cellMetrics.horizontalAdvance(QStringLiteral("00"));
    for (std::size_t i = 1; i < widths.size(); ++i) {
        widths[i] += gap;
    }
    return widths;
}

double Sum(const std::vector<double>& values) {
    return std::accumulate(values.begin(), values.end(), 0.0);
}

// Whether the file at `path` ends as a PDF does: "%%EOF" in its last bytes.
bool EndsAsPdf(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() < 8) {
        return false;
    }
    file.seek(file.size() - 8);
    return file.read(8).contains("%%EOF");
}

// Why a painter could not begin on `printer`.
QString WhyNotStarted(const QPrinter& printer) {
    const QString path = printer.outputFileName();
    if (path.isEmpty()) {
        return QStringLiteral("the printer could not be started");
    }
    const QFileInfo file(path);
    const QFileInfo folder(file.absolutePath());
    if (!folder.isDir()) {
        return QStringLiteral("the folder does not exist");
    }
    if (file.isDir()) {
        return QStringLiteral("that is a folder");
    }
    if (!folder.isWritable() || (file.exists() && !file.isWritable())) {
        return QStringLiteral("permission denied");
    }
    return QStringLiteral("the file could not be opened");
}

// The file or printer printed to.
QString PrintTarget(const QPrinter& printer) {
    return printer.outputFileName().isEmpty() ? printer.printerName()
                                              : QDir::toNativeSeparators(printer.outputFileName());
}

}  // namespace

double PointsToPixels(double points, const QPaintDevice& device) {
    return points * device.logicalDpiY() / 72.0;
}

QString PrintedOn(const QDate& date) {
    // In the words of the rest of the page, whatever the locale.
    return QStringLiteral("Printed by Tachoria on %1")
        .arg(QLocale(QLocale::English).toString(date, QLocale::LongFormat));
}

QFont PrintFont(double points, bool bold, const QPaintDevice& device) {
    return PixelFont(PixelSize(points, device), bold);
}

TableLayout LayOutTable(const Table& table, const QPointF& topLeft, double width, double points,
                        const QPaintDevice& device) {
    const int least = PixelSize(kLeastPoints, device);
    int pixels = PixelSize(points, device);
    std::vector<double> widths =
        ColumnWidths(table, PixelFont(pixels, true), PixelFont(pixels, false), device);
    while (Sum(widths) > width && pixels > least) {
        // Five percent smaller at a time, at least a pixel.
        pixels = std::max(least, std::min(pixels - 1, static_cast<int>(pixels * 0.95)));
        widths = ColumnWidths(table, PixelFont(pixels, true), PixelFont(pixels, false), device);
    }

    TableLayout layout{.cellFont = PixelFont(pixels, false),
                       .headerFont = PixelFont(pixels, true),
                       .texts = {},
                       .rule = {},
                       .bounds = {}};
    const double line = QFontMetricsF(layout.cellFont, &device).height() * kLineSpacing;
    double y = topLeft.y();
    const auto addRow = [&](const std::vector<std::string_view>& texts, bool header) {
        const QFontMetricsF metrics(header ? layout.headerFont : layout.cellFont, &device);
        double x = topLeft.x();
        for (std::size_t i = 0; i < texts.size() && i < widths.size(); ++i) {
            const QString text = CellText(texts[i]);
            if (!text.isEmpty()) {
                // The label column starts at the left; a number ends at its
                // column's right, after the gap.
                const double textWidth = i == 0 ? widths[0] : metrics.horizontalAdvance(text);
                const double left = i == 0 ? x : x + widths[i] - textWidth;
                layout.texts.push_back(
                    {.box = QRectF(left, y, textWidth, line),
                     .text = text,
                     .alignment = (i == 0 ? Qt::AlignLeft : Qt::AlignRight) | Qt::AlignVCenter,
                     .header = header});
            }
            x += widths[i];
        }
        y += line;
    };
    addRow({table.headers.begin(), table.headers.end()}, true);
    const double total = Sum(widths);
    layout.rule = QLineF(topLeft.x(), y, topLeft.x() + total, y);
    for (const TableRow& row : table.rows) {
        std::vector<std::string_view> texts = {row.label};
        texts.insert(texts.end(), row.cells.begin(), row.cells.end());
        addRow(texts, false);
    }
    layout.bounds = QRectF(topLeft, QPointF(topLeft.x() + total, y));
    return layout;
}

void DrawTable(QPainter& painter, const TableLayout& layout) {
    for (const PrintedText& text : layout.texts) {
        painter.setFont(text.header ? layout.headerFont : layout.cellFont);
        painter.drawText(text.box, static_cast<int>(text.alignment), text.text);
    }
    painter.drawLine(layout.rule);
}

void PaintTablePage(QPainter& painter, const QRectF& page, const QString& title, const Table& table,
                    const QDate& date) {
    const QPaintDevice& device = *painter.device();
    double y = page.top();

    painter.setFont(PrintFont(kTitlePoints, true, device));
    QRectF used;
    painter.drawText(QRectF(page.left(), y, page.width(), page.height()),
                     Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, title, &used);
    y += used.height();

    const QFont cells = PrintFont(kTablePoints, false, device);
    const double line = QFontMetricsF(cells, &device).height() * kLineSpacing;
    y += line;
    const TableLayout layout =
        LayOutTable(table, QPointF(page.left(), y), page.width(), kTablePoints, device);
    DrawTable(painter, layout);
    y = layout.bounds.bottom();

    painter.setFont(cells);
    if (table.failure) {
        y += line / 2;
        painter.drawText(QRectF(page.left(), y, page.width(), page.bottom() - y), Qt::TextWordWrap,
                         ToQString(table.failure->message));
    }
    painter.drawText(page, Qt::AlignLeft | Qt::AlignBottom | Qt::TextWordWrap, PrintedOn(date));
}

Outcome<> PaintOnPrinter(QPrinter& printer, const PagePainter& paint) {
    const QString path =
        printer.outputFormat() == QPrinter::PdfFormat ? printer.outputFileName() : QString();
    // A device or a pipe under the name is written into, never replaced,
    // and may not take a file at all (/dev/full).
    if (const QFileInfo target(path);
        !path.isEmpty() && target.exists() && !target.isFile() && !target.isDir()) {
        return Failure{"that is not a regular file"};
    }
    QPainter painter;
    if (!painter.begin(&printer)) {
        return Failure{WhyNotStarted(printer).toStdString()};
    }
    // The painter's origin is the corner of the printable area.
    const QRect area = printer.pageLayout().paintRectPixels(printer.resolution());
    paint(painter, QRectF(0, 0, area.width(), area.height()));
    if (!painter.end() || printer.printerState() == QPrinter::Error) {
        return Failure{"the printer stopped with an error"};
    }
    // Qt's PDF writer does not report a write that failed (a full disk):
    // a whole PDF ends with "%%EOF", and a cut-off one is no use to keep.
    if (!path.isEmpty() && !EndsAsPdf(path)) {
        QFile::remove(path);
        return Failure{"the file could not be written whole (is the disk full?)"};
    }
    return Done{};
}

void PrintWithDialog(QWidget& parent, PrintJob job, FailureSink* failures) {
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    // The dialog on X11 offers the document's name, cut at its last ".",
    // with ".pdf" as the file to print to: the safe name, with an ending
    // to cut. The readable title is the document's once a file is chosen.
    printer->setDocName(job.baseName + QStringLiteral(".pdf"));
    auto* dialog = new QPrintDialog(printer.get(), &parent);
    dialog->setObjectName(job.dialogName);
    dialog->setWindowTitle(job.dialogTitle);
    ListFilesByNameOnly(*dialog);
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The printer lives as long as the dialog that prints to it.
    QObject::connect(
        dialog, &QDialog::accepted, &parent, [printer, job = std::move(job), failures] {
            printer->setDocName(job.documentTitle);
            const Outcome<> printed = PaintOnPrinter(*printer, job.paint);
            if (!printed && failures != nullptr) {
                failures->Report(
                    QStringLiteral("The %1 could not be printed to %2: %3")
                        .arg(job.what, PrintTarget(*printer), ToQString(printed.message()))
                        .toStdString());
            }
        });
    // Held here too, so that the dialog never outlives its printer.
    QObject::connect(dialog, &QObject::destroyed, [printer] {});
    dialog->open();
}

void PrintTable(QWidget& parent, const QString& title, const Table& table, const QString& baseName,
                FailureSink* failures) {
    PrintWithDialog(parent,
                    {.dialogTitle = QStringLiteral("Print Table"),
                     .dialogName = QStringLiteral("printTableDialog"),
                     .baseName = baseName,
                     .documentTitle = title,
                     .what = QStringLiteral("table"),
                     .paint =
                         [title, table](QPainter& painter, const QRectF& area) {
                             PaintTablePage(painter, area, title, table, QDate::currentDate());
                         }},
                    failures);
}

}  // namespace tachoria
