#pragma once

#include <QWidget>

#include "comparison/ChartGeometry.h"

namespace tachoria {

// Draws the comparison chart that comparison/ChartGeometry lays out: engine
// speed against road speed, a line per gear (A solid, B dashed), the
// redline and each setup's upshift sawtooth. Under the pointer it shows the
// speed and each gear's engine speed there.
class ChartWidget final : public QWidget {
    Q_OBJECT

public:
    explicit ChartWidget(QWidget* parent = nullptr);

    // The chart to draw, and its description for screen readers.
    void SetChart(Chart chart, const QString& description);
    // Where the plot lies inside the widget, in pixels.
    [[nodiscard]] PlotArea Area() const;
    // The values under the pointer, as shown over the plot; empty while the
    // pointer is off it.
    [[nodiscard]] QString PointerText() const;

protected:
    void paintEvent(QPaintEvent* event) override;
    void mouseMoveEvent(QMouseEvent* event) override;
    void leaveEvent(QEvent* event) override;

private:
    Chart chart_;
    std::optional<double> pointerSpeed_;
};

}  // namespace tachoria
