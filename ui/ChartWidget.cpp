#include "ui/ChartWidget.h"

#include <QMouseEvent>
#include <QPainter>
#include <QPainterPath>
#include <QStyle>
#include <QStyleOptionFocusRect>
#include <algorithm>

#include "inputs/InputRanges.h"
#include "tables/Captions.h"
#include "tables/DecimalPoint.h"
#include "ui/CheckedField.h"
#include "ui/ControlLook.h"
#include "ui/LegibleColours.h"

namespace tachoria {
namespace {

constexpr double kMargin = 8;
constexpr double kLegendLines = 2;

// One colour for each gear, the same in both setups, lightened or darkened
// as far as the palette's Base needs to show it.
QColor GearColour(const QPalette& palette, int gear) {
    static const QColor kColours[] = {QColor(0x1f, 0x77, 0xb4), QColor(0xd6, 0x27, 0x28),
                                      QColor(0x2c, 0xa0, 0x2c), QColor(0x94, 0x67, 0xbd),
                                      QColor(0xff, 0x7f, 0x0e), QColor(0x8c, 0x56, 0x4b)};
    return Legible(kColours[(gear - 1) % 6], {palette.color(QPalette::Base)}, kLineContrast);
}

// The sawtooth's pale band, in the colour of the text.
QPen BandPen(const QPalette& palette, Setup setup) {
    QColor band = palette.text().color();
    band.setAlpha(70);
    // Bevelled corners: a mitre would spike above the redline at each shift.
    return {band, 6, setup == Setup::A ? Qt::SolidLine : Qt::DashLine, Qt::FlatCap, Qt::BevelJoin};
}

// Everything one drawing needs, worked out once.
struct Canvas {
    QPainter& painter;
    const Chart& chart;
    const ChartLook& look;
    PlotArea area;
    QRectF plot;
    QFontMetricsF metrics;

    [[nodiscard]] QPointF At(const ChartPoint& point) const {
        const Pixel pixel = ToPixel(chart, area, point);
        return {pixel.x, pixel.y};
    }
    [[nodiscard]] QString Text(const std::string& text) const {
        return ToQString(WithDecimalPoint(text, look.decimalPoint));
    }
};

void PaintAxes(const Canvas& c, const QRectF& bounds) {
    const QPen grid(c.look.palette.midlight().color(), 0);
    const QPen ink(c.look.palette.text().color(), 0);
    const double h = c.metrics.height();
    for (const double speed : c.chart.speedTicks) {
        const QPointF bottom = c.At({speed, 0});
        c.painter.setPen(grid);
        c.painter.drawLine(bottom, QPointF(bottom.x(), c.plot.top()));
        c.painter.setPen(ink);
        c.painter.drawText(QRectF(bottom.x() - 40, c.plot.bottom() + 3, 80, h),
                           Qt::AlignHCenter | Qt::AlignTop, c.Text(TickText(speed)));
    }
    for (const double rpm : c.chart.rpmTicks) {
        const QPointF left = c.At({0, rpm});
        c.painter.setPen(grid);
        c.painter.drawLine(left, QPointF(c.plot.right(), left.y()));
        c.painter.setPen(ink);
        c.painter.drawText(
            QRectF(bounds.left(), left.y() - h / 2, c.plot.left() - 4 - bounds.left(), h),
            Qt::AlignRight | Qt::AlignVCenter, c.Text(TickText(rpm)));
    }
    c.painter.drawRect(c.plot);
    c.painter.drawText(QRectF(c.plot.left(), bounds.bottom() - kMargin - h, c.plot.width(), h),
                       Qt::AlignHCenter,
                       QStringLiteral("Road speed, ") + ToQString(UnitName(c.chart.unit)));
    // Its own line above the plot, clear of the top tick's label.
    c.painter.drawText(QRectF(bounds.left() + kMargin, c.plot.top() - 2 * h, c.plot.width(), h),
                       Qt::AlignLeft, QStringLiteral("Engine RPM"));
}

void PaintRedline(const Canvas& c) {
    if (!c.chart.redline) {
        // The lines end at the redline: without one there are none to draw.
        c.painter.setPen(c.look.palette.text().color());
        c.painter.drawText(c.plot.adjusted(8, 8, -8, -8), Qt::AlignCenter | Qt::TextWordWrap,
                           QStringLiteral("The lines need a redline ") +
                               c.Text(RangeText(kRedlineRange, PlainNumberConverter())) +
                               QStringLiteral("."));
        return;
    }
    c.painter.setPen(QPen(RedlineColour(c.look.palette), 1.5));
    const QPointF left = c.At({0, *c.chart.redline});
    c.painter.drawLine(left, QPointF(c.plot.right(), left.y()));
    c.painter.drawText(QRectF(c.plot.left() + 4, left.y() - c.metrics.height() - 1,
                              c.plot.width() - 8, c.metrics.height()),
                       Qt::AlignRight,
                       QStringLiteral("redline ") + c.Text(TickText(*c.chart.redline)));
}

// The sawtooths as broad pale bands, each gear's line over them.
void PaintLines(const Canvas& c) {
    c.painter.save();
    c.painter.setClipRect(c.plot.adjusted(-1, -1, 1, 1));
    for (const ChartLine& line : c.chart.sawtooths) {
        QPainterPath path(c.At(line.points.front()));
        for (std::size_t i = 1; i < line.points.size(); ++i) {
            path.lineTo(c.At(line.points[i]));
        }
        c.painter.setPen(BandPen(c.look.palette, line.setup));
        c.painter.drawPath(path);
    }
    for (const ChartLine& line : c.chart.gearLines) {
        c.painter.setPen(QPen(GearColour(c.look.palette, line.gear), 2,
                              line.setup == Setup::A ? Qt::SolidLine : Qt::DashLine));
        c.painter.drawLine(c.At(line.points.front()), c.At(line.points.back()));
    }
    c.painter.restore();
}

// Which colour is which gear, and what the band is; nothing while there
// are no lines.
void PaintLegend(const Canvas& c, const QRectF& bounds) {
    int gears = 0;
    for (const ChartLine& line : c.chart.gearLines) {
        gears = std::max(gears, line.gear);
    }
    if (gears == 0) {
        return;
    }
    const double h = c.metrics.height();
    const double top = bounds.top() + kMargin;
    double x = c.plot.left();
    const QString key = QStringLiteral("A solid, B dashed:");
    c.painter.setPen(c.look.palette.text().color());
    c.painter.drawText(QPointF(x, top + c.metrics.ascent()), key);
    x += c.metrics.horizontalAdvance(key) + 10;
    for (int gear = 1; gear <= gears; ++gear) {
        c.painter.setPen(QPen(GearColour(c.look.palette, gear), 3));
        c.painter.drawLine(QPointF(x, top + h / 2), QPointF(x + 18, top + h / 2));
        c.painter.setPen(c.look.palette.text().color());
        c.painter.drawText(QPointF(x + 22, top + c.metrics.ascent()), ToQString(GearName(gear)));
        x += 30 + c.metrics.horizontalAdvance(QStringLiteral("6th"));
    }
    if (!c.chart.sawtooths.empty()) {
        const double y = top + h;
        x = c.plot.left();
        c.painter.setPen(BandPen(c.look.palette, Setup::A));
        c.painter.drawLine(QPointF(x, y + h / 2), QPointF(x + 24, y + h / 2));
        c.painter.setPen(c.look.palette.text().color());
        c.painter.drawText(QPointF(x + 30, y + c.metrics.ascent()),
                           QStringLiteral("Grey band: shifting up at the redline, and the RPM "
                                          "each shift drops to"));
    }
}

// What lies under the pointer, every line whole: wrapped, never cut off.
void PaintReadout(const Canvas& c) {
    if (!c.look.pointerSpeed) {
        return;
    }
    const QString text = c.Text(ValuesAt(c.chart, *c.look.pointerSpeed));
    if (text.isEmpty()) {
        return;
    }
    const double x = c.At({std::floor(*c.look.pointerSpeed * 10) / 10, 0}).x();
    c.painter.setPen(QPen(c.look.palette.text().color(), 0, Qt::DotLine));
    c.painter.drawLine(QPointF(x, c.plot.top()), QPointF(x, c.plot.bottom()));
    const QRectF room = c.plot.adjusted(4, 4, -4, -4);
    const QRectF needed =
        c.metrics.boundingRect(room.adjusted(6, 3, -6, -3), Qt::AlignLeft | Qt::TextWordWrap, text);
    // In the half of the plot away from the pointer, so that it hides
    // nothing being pointed at.
    const double boxWidth = needed.width() + 12;
    const bool right = x < c.plot.center().x();
    const QRectF box(right ? room.right() - boxWidth : room.left(), room.top() + c.metrics.height(),
                     boxWidth, needed.height() + 6);
    c.painter.fillRect(box, c.look.palette.toolTipBase());
    c.painter.setPen(c.look.palette.toolTipText().color());
    c.painter.drawText(box.adjusted(6, 3, -6, -3), Qt::AlignLeft | Qt::TextWordWrap, text);
}

}  // namespace

PlotArea ChartPlotArea(const QRectF& bounds, const QFont& font) {
    const QFontMetricsF metrics(font);
    const double h = metrics.height();
    const double left = kMargin + metrics.horizontalAdvance(QStringLiteral("00000")) + 6;
    // The legend, then the axis title, then half a tick label's room.
    const double top = kMargin + h * kLegendLines + h * 2.2;
    const double bottom = kMargin + h * 2 + 6;
    const double right = kMargin + metrics.horizontalAdvance(QStringLiteral("000")) / 2.0;
    return {bounds.left() + left, bounds.top() + top, std::max(1.0, bounds.width() - left - right),
            std::max(1.0, bounds.height() - top - bottom)};
}

void PaintChart(QPainter& painter, const QRectF& bounds, const Chart& chart,
                const ChartLook& look) {
    painter.fillRect(bounds, look.palette.base());
    if (chart.speedMax <= 0 || chart.rpmMax <= 0) {
        return;
    }
    painter.save();
    painter.setFont(look.font);
    const PlotArea area = ChartPlotArea(bounds, look.font);
    const Canvas canvas{painter,
                        chart,
                        look,
                        area,
                        QRectF(area.left, area.top, area.width, area.height),
                        QFontMetricsF(look.font, painter.device())};
    PaintAxes(canvas, bounds);
    PaintRedline(canvas);
    PaintLines(canvas);
    PaintLegend(canvas, bounds);
    PaintReadout(canvas);
    painter.restore();
}

ChartWidget::ChartWidget(QWidget* parent) : QWidget(parent) {
    setObjectName(QStringLiteral("chart"));
    setMouseTracking(true);
    setMinimumSize(320, 260);
    setAccessibleName(QStringLiteral("Chart of engine RPM against road speed"));
    setFocusPolicy(Qt::TabFocus);  // so that screen readers reach its description
}

void ChartWidget::SetChart(Chart chart, const QString& description,
                           const std::string& decimalPoint) {
    chart_ = std::move(chart);
    decimalPoint_ = decimalPoint;
    Redescribe(*this, description);
    update();
}

QSize ChartWidget::sizeHint() const {
    constexpr int kPreferredHeight = 340;
    return {minimumWidth(), kPreferredHeight};
}

PlotArea ChartWidget::Area() const { return ChartPlotArea(QRectF(rect()), font()); }

void ChartWidget::paintEvent(QPaintEvent* /*event*/) {
    QPainter painter(this);
    PaintChart(painter, QRectF(rect()), chart_, {palette(), font(), decimalPoint_, pointerSpeed_});
    if (hasFocus()) {
        // Reached by Tab: it shows so, as the fields do.
        QStyleOptionFocusRect frame;
        frame.initFrom(this);
        frame.rect = rect().adjusted(1, 1, -1, -1);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &frame, &painter, this);
    }
}

QString ChartWidget::PointerText() const {
    return pointerSpeed_
               ? ToQString(WithDecimalPoint(ValuesAt(chart_, *pointerSpeed_), decimalPoint_))
               : QString();
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
