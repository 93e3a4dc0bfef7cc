#include "ui/ComparisonPrinting.h"

#include <QDir>
#include <QFontMetricsF>
#include <QLocale>
#include <QPrinter>
#include <QTextLayout>
#include <QTextOption>
#include <algorithm>

#include "tables/DecimalPoint.h"
#include "ui/ControlLook.h"

namespace tachoria {
namespace {

constexpr double kTitlePoints = 14;
constexpr double kCaptionPoints = 10;
constexpr double kInputPoints = 9.5;
constexpr double kNotePoints = 8.5;
// The tables' type shrinks in these steps, from the largest to the
// smallest, until they leave the chart its share of the page.
constexpr double kLargestTablePoints = 10;
constexpr double kSmallestTablePoints = 5;
constexpr double kTableStep = 0.5;
constexpr double kChartShare = 0.35;
// A chart lower than this says nothing: the space stays empty.
constexpr double kLeastChartPoints = 72;
constexpr double kScreenDpi = 96;

// Lines of text wrapped to a width, at word boundaries where there are
// any, so that no line is wider than the width; placed relative to the
// block's top left corner.
struct TextBlock {
    QFont font;
    std::vector<std::pair<QRectF, QString>> lines;
    double height = 0;
};

TextBlock Wrapped(const QString& text, const QFont& font, const QPaintDevice& device,
                  double width) {
    TextBlock block{.font = font, .lines = {}, .height = 0};
    if (text.isEmpty()) {
        return block;
    }
    QTextLayout layout(text, font, &device);
    QTextOption option;
    option.setWrapMode(QTextOption::WrapAtWordBoundaryOrAnywhere);
    layout.setTextOption(option);
    const double spacing = QFontMetricsF(font, &device).lineSpacing();
    layout.beginLayout();
    for (QTextLine line = layout.createLine(); line.isValid(); line = layout.createLine()) {
        line.setLineWidth(width);
        const QString part = text.mid(line.textStart(), line.textLength()).trimmed();
        block.lines.emplace_back(QRectF(0, block.height, width, spacing), part);
        block.height += spacing;
    }
    layout.endLayout();
    return block;
}

void Draw(QPainter& painter, const TextBlock& block, const QPointF& at) {
    painter.setFont(block.font);
    for (const auto& [box, text] : block.lines) {
        painter.drawText(box.translated(at), Qt::AlignLeft | Qt::AlignTop, text);
    }
}

struct PlacedTable {
    TextBlock caption;
    QPointF captionAt;
    TableLayout table;
};

struct PlacedTables {
    std::vector<PlacedTable> tables;
    double bottom = 0;
};

// The tables in rows from `top`, each under its caption, left to right
// while they fit within `left` to `left + width`, at `points`.
PlacedTables PlaceTables(const std::vector<std::pair<QString, Table>>& tables, double left,
                         double top, double width, double points, const QPaintDevice& device) {
    const QFont captionFont = PrintFont(points + 0.5, true, device);
    const double gapAcross = PointsToPixels(2 * points, device);
    const double gapDown = PointsToPixels(points, device);
    PlacedTables placed;
    placed.bottom = top;
    double x = left;
    double rowTop = top;
    for (const auto& [caption, table] : tables) {
        const double tableWidth = LayOutTable(table, {}, width, points, device).bounds.width();
        const double captionWidth =
            std::min(width, QFontMetricsF(captionFont, &device).horizontalAdvance(caption) + 1.0);
        // A caption wider than its table wraps when that keeps the table
        // in the row.
        double blockWidth = std::max(tableWidth, captionWidth);
        const double right = left + width;
        if (x > left && x + blockWidth > right && x + tableWidth <= right) {
            blockWidth = tableWidth;
        }
        if (x > left && x + blockWidth > right) {
            x = left;
            rowTop = placed.bottom + gapDown;
        }
        PlacedTable block{.caption = Wrapped(caption, captionFont, device, blockWidth),
                          .captionAt = QPointF(x, rowTop),
                          .table = {}};
        block.table = LayOutTable(table, QPointF(x, rowTop + block.caption.height), blockWidth,
                                  points, device);
        placed.bottom = std::max(placed.bottom, block.table.bounds.bottom());
        placed.tables.push_back(std::move(block));
        x += blockWidth + gapAcross;
    }
    return placed;
}

}  // namespace

void PaintComparisonPage(QPainter& painter, const QRectF& page, const ComparisonPrintout& printout,
                         const QDate& date) {
    const QPaintDevice& device = *painter.device();
    const double gap = PointsToPixels(8, device);

    // From the top: the title and the inputs.
    const TextBlock title =
        Wrapped(printout.title, PrintFont(kTitlePoints, true, device), device, page.width());
    Draw(painter, title, page.topLeft());
    const double inputsTop = page.top() + title.height + gap;
    double inputsBottom = inputsTop;
    const double columnGap = PointsToPixels(12, device);
    const double columnsWidth = page.width() - 2 * columnGap;
    const struct {
        const QString& caption;
        const QStringList& lines;
        double share;
    } columns[] = {
        {printout.aCaption, printout.aInputs, 0.375},
        {printout.bCaption, printout.bInputs, 0.375},
        {printout.sharedCaption, printout.shared, 0.25},
    };
    double x = page.left();
    for (const auto& column : columns) {
        const double width = columnsWidth * column.share;
        double y = inputsTop;
        const TextBlock caption =
            Wrapped(column.caption, PrintFont(kCaptionPoints, true, device), device, width);
        Draw(painter, caption, {x, y});
        y += caption.height;
        for (const QString& line : column.lines) {
            const TextBlock text =
                Wrapped(line, PrintFont(kInputPoints, false, device), device, width);
            Draw(painter, text, {x, y});
            y += text.height;
        }
        inputsBottom = std::max(inputsBottom, y);
        x += width + columnGap;
    }

    // From the bottom: the date, and above it the footnote.
    const QFont noteFont = PrintFont(kNotePoints, false, device);
    const TextBlock footer = Wrapped(PrintedOn(date), noteFont, device, page.width());
    Draw(painter, footer, {page.left(), page.bottom() - footer.height});
    const TextBlock footnote = Wrapped(printout.footnote, noteFont, device, page.width());
    const double footnoteTop = page.bottom() - footer.height - gap / 2 - footnote.height;
    Draw(painter, footnote, {page.left(), footnoteTop});
    const double chartBottom = footnoteTop - gap;

    // Between them the tables, as large as leaves the chart its share.
    std::vector<std::pair<QString, Table>> tables;
    for (const auto& [caption, table] : printout.tables) {
        tables.emplace_back(caption, WithDecimalPoint(table, printout.decimalPoint));
    }
    const double tablesTop = inputsBottom + gap * 1.5;
    const double tablesLimit = chartBottom - page.height() * kChartShare;
    PlacedTables placed;
    for (double points = kLargestTablePoints; points >= kSmallestTablePoints;
         points -= kTableStep) {
        placed = PlaceTables(tables, page.left(), tablesTop, page.width(), points, device);
        if (placed.bottom <= tablesLimit) {
            break;
        }
    }
    for (const PlacedTable& table : placed.tables) {
        Draw(painter, table.caption, table.captionAt);
        DrawTable(painter, table.table);
    }

    const QRectF chart(page.left(), placed.bottom + gap * 1.5, page.width(),
                       chartBottom - placed.bottom - gap * 1.5);
    if (printout.paintChart && chart.height() >= PointsToPixels(kLeastChartPoints, device)) {
        painter.save();
        painter.setClipRect(chart);
        // Drawn as on a screen: a chart made for the window keeps its
        // proportions, its pen widths and its margins for the labels.
        const double scale = device.logicalDpiY() / kScreenDpi;
        painter.translate(chart.topLeft());
        painter.scale(scale, scale);
        printout.paintChart(painter, QRectF(0, 0, chart.width() / scale, chart.height() / scale));
        painter.restore();
    }
}

void PrintComparison(QWidget& parent, const ComparisonPrintout& printout, FailureSink& failures) {
    PrintWithDialog(
        parent,
        {.dialogTitle = QStringLiteral("Print Comparison"),
         .dialogName = QStringLiteral("printComparisonDialog"),
         .baseName = printout.baseName.isEmpty() ? QStringLiteral("comparison") : printout.baseName,
         .documentTitle = printout.title,
         .what = QStringLiteral("comparison"),
         .paint =
             [printout](QPainter& painter, const QRectF& area) {
                 PaintComparisonPage(painter, area, printout, QDate::currentDate());
             }},
        &failures);
}

Outcome<> WriteComparisonPdf(const QString& path, const ComparisonPrintout& printout) {
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(path);
    printer.setDocName(printout.title);
    printer.setPageOrientation(QPageLayout::Portrait);
    const Outcome<> written =
        PaintOnPrinter(printer, [&printout](QPainter& painter, const QRectF& area) {
            PaintComparisonPage(painter, area, printout, QDate::currentDate());
        });
    if (!written) {
        return Failure{QStringLiteral("The comparison could not be written to %1: %2")
                           .arg(QDir::toNativeSeparators(path), ToQString(written.message()))
                           .toStdString()};
    }
    return Done{};
}

}  // namespace tachoria
