#include "ui/TablePrinting.h"

#include <QFontMetricsF>
#include <QLocale>
#include <QPrintDialog>
#include <QPrinter>
#include <algorithm>
#include <memory>

#include "ui/ControlLook.h"

namespace tachoria {
namespace {

// Font sizes in points; the device's resolution turns them into pixels.
constexpr double kTitlePoints = 14;
constexpr double kTablePoints = 11;

QFont PrintFont(double points, bool bold, const QPaintDevice& device) {
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(std::max(1, qRound(points * device.logicalDpiY() / 72.0)));
    font.setBold(bold);
    return font;
}

}  // namespace

void PaintTablePage(QPainter& painter, const QRectF& page, const QString& title, const Table& table,
                    const QDate& date) {
    const QPaintDevice& device = *painter.device();
    double y = page.top();

    painter.setFont(PrintFont(kTitlePoints, true, device));
    const QRectF titleBox(page.left(), y, page.width(), page.height());
    QRectF used;
    painter.drawText(titleBox, Qt::TextWordWrap | Qt::AlignLeft | Qt::AlignTop, title, &used);
    y += used.height();

    const QFont header = PrintFont(kTablePoints, true, device);
    const QFont cells = PrintFont(kTablePoints, false, device);
    const double line = QFontMetricsF(cells).height() * 1.3;
    y += line;

    // Equal columns, as on screen, no wider than a readable table needs.
    const auto columns = static_cast<double>(std::max<std::size_t>(table.headers.size(), 1));
    const double width =
        std::min(page.width(),
                 columns * QFontMetricsF(header).horizontalAdvance(QStringLiteral("00000000000")));
    const double column = width / columns;
    const auto drawRow = [&](const std::vector<std::string_view>& texts) {
        for (std::size_t i = 0; i < texts.size(); ++i) {
            const QRectF cell(page.left() + static_cast<double>(i) * column, y, column * 0.92,
                              line);
            painter.drawText(cell, Qt::AlignRight | Qt::AlignVCenter,
                             ToQString(texts[i]).trimmed());
        }
        y += line;
    };

    painter.setFont(header);
    drawRow({table.headers.begin(), table.headers.end()});
    painter.drawLine(QPointF(page.left(), y), QPointF(page.left() + width, y));
    painter.setFont(cells);
    for (const TableRow& row : table.rows) {
        std::vector<std::string_view> texts = {row.label};
        texts.insert(texts.end(), row.cells.begin(), row.cells.end());
        drawRow(texts);
    }
    if (table.failure) {
        y += line / 2;
        painter.drawText(QRectF(page.left(), y, page.width(), page.bottom() - y), Qt::TextWordWrap,
                         ToQString(*table.failure));
    }

    painter.setFont(cells);
    painter.drawText(page, Qt::AlignLeft | Qt::AlignBottom,
                     QStringLiteral("Printed by Tachoria on %1")
                         .arg(QLocale().toString(date, QLocale::LongFormat)));
}

void PrintTable(QWidget& parent, const QString& title, const Table& table) {
    auto printer = std::make_shared<QPrinter>(QPrinter::HighResolution);
    printer->setDocName(title);
    auto* dialog = new QPrintDialog(printer.get(), &parent);
    dialog->setObjectName(QStringLiteral("printTableDialog"));
    dialog->setWindowTitle(QStringLiteral("Print Table"));
    dialog->setAttribute(Qt::WA_DeleteOnClose);
    // The printer lives as long as the dialog that prints to it.
    QObject::connect(dialog, &QDialog::accepted, &parent, [printer, title, copy = table] {
        QPainter painter;
        if (painter.begin(printer.get())) {
            // The painter's origin is the corner of the printable area.
            const QRect area = printer->pageLayout().paintRectPixels(printer->resolution());
            PaintTablePage(painter, QRectF(0, 0, area.width(), area.height()), title, copy,
                           QDate::currentDate());
            painter.end();
        }
    });
    // Held here too, so that the dialog never outlives its printer.
    QObject::connect(dialog, &QObject::destroyed, [printer] {});
    dialog->open();
}

}  // namespace tachoria
