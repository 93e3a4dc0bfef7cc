// The Compare Gearing window, offscreen: from opening it to its first
// paint, and a repaint of its chart; each beside a floor, a plain window
// or widget of the same size doing the same, so that figures are read as
// ratios to it.
#include <benchmark/benchmark.h>

#include <QApplication>

#include "ui/ChartWidget.h"
#include "ui/CompareWindow.h"
#include "ui/LocaleNumbers.h"

namespace {

using tachoria::ChartWidget;
using tachoria::CompareWindow;

// Counts the paint events a widget gets.
class PaintCounter final : public QObject {
public:
    int paints = 0;

protected:
    bool eventFilter(QObject* watched, QEvent* event) override {
        if (event->type() == QEvent::Paint) {
            ++paints;
        }
        return QObject::eventFilter(watched, event);
    }
};

// Shows `window` and runs the event loop until `painted` has been painted.
void ShowUntilPainted(QWidget& window, QWidget& painted) {
    PaintCounter counter;
    painted.installEventFilter(&counter);
    window.show();
    while (counter.paints == 0) {
        QApplication::processEvents(QEventLoop::AllEvents, 5);
    }
    painted.removeEventFilter(&counter);
}

void OpenToFirstPaint(benchmark::State& state) {
    const tachoria::LocaleNumbers numbers;
    for (auto _ : state) {
        CompareWindow window;
        window.Fill(tachoria::DefaultSetupTexts(numbers), false);
        ShowUntilPainted(window, *window.findChild<ChartWidget*>());
    }
}
BENCHMARK(OpenToFirstPaint)->Unit(benchmark::kMillisecond);

void FloorOpenToFirstPaint(benchmark::State& state) {
    for (auto _ : state) {
        QWidget window;
        window.resize(1180, 820);
        ShowUntilPainted(window, window);
    }
}
BENCHMARK(FloorOpenToFirstPaint)->Unit(benchmark::kMillisecond);

void ChartRepaint(benchmark::State& state) {
    CompareWindow window;
    window.Fill(tachoria::DefaultSetupTexts(tachoria::LocaleNumbers()), false);
    window.show();
    QApplication::processEvents();
    auto* chart = window.findChild<ChartWidget*>();
    for (auto _ : state) {
        chart->repaint();
    }
    state.counters["width"] = chart->width();
    state.counters["height"] = chart->height();
}
BENCHMARK(ChartRepaint)->Unit(benchmark::kMicrosecond);

void FloorWidgetRepaint(benchmark::State& state) {
    CompareWindow window;
    window.show();
    QApplication::processEvents();
    QWidget plain;
    plain.resize(window.findChild<ChartWidget*>()->size());
    plain.show();
    QApplication::processEvents();
    for (auto _ : state) {
        plain.repaint();
    }
}
BENCHMARK(FloorWidgetRepaint)->Unit(benchmark::kMicrosecond);

}  // namespace
