#pragma once

#include <QWidget>
#include <optional>
#include <string>

#include "comparison/ChartGeometry.h"

class QPainter;

namespace tachoria {

// How a chart is drawn: its colours and font, the decimal point its numbers
// are written with, and the speed under the pointer, if any.
struct ChartLook {
    QPalette palette;
    QFont font;
    std::string decimalPoint = ".";
    std::optional<double> pointerSpeed;
};

// Where the plot lies inside `bounds`, leaving room for the legend, the axis
// titles and the tick labels.
PlotArea ChartPlotArea(const QRectF& bounds, const QFont& font);

// Draws `chart` into `bounds`: the legend, the axes with their ticks, the
// redline, each setup's upshift sawtooth, a line per gear (A solid, B
// dashed) and the values under the pointer. The window and the printed page
// both draw it so.
void PaintChart(QPainter& painter, const QRectF& bounds, const Chart& chart, const ChartLook& look);

// The comparison chart on screen. Under the pointer it shows the speed and
// each gear's engine speed there.
class ChartWidget final : public QWidget {
    Q_OBJECT

public:
    explicit ChartWidget(QWidget* parent = nullptr);

    // The chart to draw, its description for screen readers, and the
    // decimal point of its numbers.
    void SetChart(Chart chart, const QString& description, const std::string& decimalPoint);
    [[nodiscard]] const Chart& Shown() const { return chart_; }
    // Where the plot lies inside the widget, in pixels.
    [[nodiscard]] PlotArea Area() const;
    // The values under the pointer, as shown over the plot, one line each;
    // empty while the pointer is off it.
    [[nodiscard]] QString PointerText() const;
    // Taller than its least: the window opens with room for the chart to
    // read well, which it gives up to lines of problems over it before
    // anything scrolls.
    [[nodiscard]] QSize sizeHint() const override;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Chart chart_;
    std::string decimalPoint_ = ".";
    std::optional<double> pointerSpeed_;
};

}  // namespace tachoria
