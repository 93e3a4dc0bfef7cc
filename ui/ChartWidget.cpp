#include "ui/ChartWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>

#include "arith/Blanks.h"
#include "arith/Num2String.h"
#include "ui/ControlLook.h"

namespace tachoria {
namespace {

constexpr int kMargin = 8;

// One colour for each gear, the same in both setups.
QColor GearColour(int gear) {
    static const QColor kColours[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28),
                                      QColor(0x2c, 0xa0, 0x2c), QColor(0x94, 0x67, 0xbd),
                                      QColor(0xff, 0x7f, 0x0e), QColor(0x8c, 0x56, 0x4b)};
    return kColours[(gear - 1) % 6];
}

QString Tick(double value) { return ToQString(TrimBlanks(NumberText(value))); }

QPointF At(const Chart& chart, const PlotArea& area, const ChartPoint& point) {
    const Pixel pixel = ToPixel(chart, area, point);
    return {pixel.x, pixel.y};
}

}  // namespace

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chart"));
    setMouseTracking(true);
    setMinimumSize(360, 240);
    setAccessibleName(QStringLiteral("Chart of engine RPM against road speed"));
    setFocusPolicy(Qt::TabFocus);  // so that screen readers reach its description
}

void ChartWidget::SetChart(Chart chart, const QString& description) {
    chart_ = std::move(chart);
    setAccessibleDescription(description);
    update();
}

PlotArea ChartWidget::Area() const {
    const QFontMetrics metrics(font());
    const double left = kMargin + metrics.horizontalAdvance(QStringLiteral("00000")) + 6;
    const double top = kMargin + metrics.height() * 2.5;
    const double bottom = kMargin + metrics.height() * 2 + 6;
    const double right = kMargin + metrics.horizontalAdvance(QStringLiteral("000")) / 2.0;
    return {left, top, std::max(1.0, width() - left - right),
            std::max(1.0, height() - top - bottom)};
}

void ChartWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    painter.fillRect(rect(), palette().base());
    if (chart_.speedMax <= 0 || chart_.rpmMax <= 0) {
        return;
    }
    const PlotArea area = Area();
    const QRectF plot(area.left, area.top, area.width, area.height);
    const QFontMetrics metrics(font());

    // Grid and tick labels.
    const QPen grid(palette().midlight().color(), 0);
    const QPen ink(palette().text().color(), 0);
    for (const double speed : chart_.speedTicks) {
        const QPointF bottom = At(chart_, area, {speed, 0});
        painter.setPen(grid);
        painter.drawLine(bottom, QPointF(bottom.x(), plot.top()));
        painter.setPen(ink);
        painter.drawText(QRectF(bottom.x() - 30, plot.bottom() + 3, 60, metrics.height()),
                         Qt::AlignHCenter | Qt::AlignTop, Tick(speed));
    }
    for (const double rpm : chart_.rpmTicks) {
        const QPointF left = At(chart_, area, {0, rpm});
        painter.setPen(grid);
        painter.drawLine(left, QPointF(plot.right(), left.y()));
        painter.setPen(ink);
        painter.drawText(
            QRectF(0, left.y() - metrics.height() / 2.0, plot.left() - 4, metrics.height()),
            Qt::AlignRight | Qt::AlignVCenter, Tick(rpm));
    }
    painter.setPen(palette().text().color());
    painter.drawRect(plot);
    painter.drawText(
        QRectF(plot.left(), height() - kMargin - metrics.height(), plot.width(), metrics.height()),
        Qt::AlignHCenter, QStringLiteral("Road speed, ") + ToQString(UnitName(chart_.unit)));
    painter.drawText(
        QRectF(kMargin, kMargin + metrics.height() * 1.2, plot.width(), metrics.height()),
        Qt::AlignLeft, QStringLiteral("Engine RPM"));

    // The redline.
    if (chart_.redline) {
        painter.setPen(QPen(QColor(0xcc, 0, 0), 1.5));
        const QPointF left = At(chart_, area, {0, *chart_.redline});
        painter.drawLine(left, QPointF(plot.right(), left.y()));
        painter.drawText(QRectF(plot.left() + 4, left.y() - metrics.height() - 1, plot.width() - 8,
                                metrics.height()),
                         Qt::AlignRight, QStringLiteral("redline ") + Tick(*chart_.redline));
    }

    // The sawtooths as broad pale bands, with each gear's line drawn over them.
    painter.save();
    painter.setClipRect(plot.adjusted(-1, -1, 1, 1));
    for (const ChartLine& line : chart_.sawtooths) {
        QPainterPath path(At(chart_, area, line.points.front()));
        for (std::size_t i = 1; i < line.points.size(); ++i) {
            path.lineTo(At(chart_, area, line.points[i]));
        }
        QColor band = palette().text().color();
        band.setAlpha(70);
        painter.setPen(QPen(band, 6, line.setup == Setup::A ? Qt::SolidLine : Qt::DashLine,
                            Qt::FlatCap, Qt::MiterJoin));
        painter.drawPath(path);
    }
    for (const ChartLine& line : chart_.gearLines) {
        painter.setPen(
            QPen(GearColour(line.gear), 2, line.setup == Setup::A ? Qt::SolidLine : Qt::DashLine));
        painter.drawLine(At(chart_, area, line.points.front()),
                         At(chart_, area, line.points.back()));
    }
    painter.restore();

    // The legend: which colour is which gear, and the sawtooth.
    double x = plot.left();
    const double legendY = kMargin;
    painter.setPen(palette().text().color());
    painter.drawText(QPointF(x, legendY + metrics.ascent()), QStringLiteral("A solid, B dashed:"));
    x += metrics.horizontalAdvance(QStringLiteral("A solid, B dashed:")) + 10;
    int gears = 0;
    for (const ChartLine& line : chart_.gearLines) {
        gears = std::max(gears, line.gear);
    }
    static const char* const kNames[] = {"1st", "2nd", "3rd", "4th", "5th", "6th"};
    for (int gear = 1; gear <= gears; ++gear) {
        painter.setPen(QPen(GearColour(gear), 3));
        painter.drawLine(QPointF(x, legendY + metrics.height() / 2.0),
                         QPointF(x + 18, legendY + metrics.height() / 2.0));
        painter.setPen(palette().text().color());
        painter.drawText(QPointF(x + 22, legendY + metrics.ascent()),
                         QString::fromLatin1(kNames[gear - 1]));
        x += 30 + metrics.horizontalAdvance(QStringLiteral("6th"));
    }

    // What lies under the pointer.
    if (pointerSpeed_) {
        const QString text = PointerText();
        if (!text.isEmpty()) {
            const double pointerX = At(chart_, area, {*pointerSpeed_, 0}).x();
            painter.setPen(QPen(palette().text().color(), 0, Qt::DotLine));
            painter.drawLine(QPointF(pointerX, plot.top()), QPointF(pointerX, plot.bottom()));
            const QRectF box(plot.left() + 4, plot.top() + 4,
                             std::min(plot.width() - 8, metrics.horizontalAdvance(text) + 12.0),
                             metrics.height() + 6);
            painter.fillRect(box, palette().toolTipBase());
            painter.setPen(palette().toolTipText().color());
            painter.drawText(
                box, Qt::AlignCenter,
                metrics.elidedText(text, Qt::ElideRight, static_cast<int>(box.width()) - 8));
        }
    }
}

QString ChartWidget::PointerText() const {
    return pointerSpeed_ ? ToQString(ValuesAt(chart_, *pointerSpeed_)) : QString();
}

void ChartWidget::mouseMoveEvent(QMouseEvent* event) {
    const PlotArea area = Area();
    const Pixel pixel{event->position().x(), event->position().y()};
    const bool inside = pixel.x >= area.left && pixel.x <= area.left + area.width &&
                        pixel.y >= area.top && pixel.y <= area.top + area.height;
    pointerSpeed_ = inside ? std::optional(FromPixel(chart_, area, pixel).speed) : std::nullopt;
    update();
}

void ChartWidget::leaveEvent(QEvent* event) {
    pointerSpeed_.reset();
    update();
    QWidget::leaveEvent(event);
}

}  // namespace tachoria
