#pragma once

#include <QDate>
#include <QPainter>
#include <QRectF>
#include <QString>
#include <QWidget>

#include "tables/Table.h"

namespace tachoria {

// Draws one printed page within `page` (device pixels): the title, the
// table with its headers and right-aligned cells, and the date it was
// printed, in Arial scaled to the device.
void PaintTablePage(QPainter& painter, const QRectF& page, const QString& title, const Table& table,
                    const QDate& date);

// Opens the print dialog for a copy of `table`, titled `title`, and prints
// it once the dialog is accepted; "Print to File (PDF)" works as any
// printer. The dialog does not block.
void PrintTable(QWidget& parent, const QString& title, const Table& table);

}  // namespace tachoria
