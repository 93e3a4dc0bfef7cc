// The Gearing Questions window, offscreen: from opening it, filled from the
// stock page, to its first paint; beside two floors, a plain window of the
// same size and a window holding as many of the same stock widgets in plain
// layouts, so that figures are read as ratios to them.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "catalogue/StockCatalogue.h"
#include "comparison/Gearing.h"
#include "ui/LocaleNumbers.h"
#include "ui/QuestionsWindow.h"

namespace {

using tachoria::QuestionsStart;
using tachoria::QuestionsWindow;

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

// What the stock page hands over as the desktop test leaves it: the early
// car, its first years, a 3.27 axle and 24-inch tires.
QuestionsStart StockPageStart() {
    const std::string_view model = tachoria::ModelTexts().front();
    const std::string_view years = tachoria::YearRangeTexts(model).front();
    return {
        .setup = tachoria::StockSetupTexts(model, years, "3.27", "24", tachoria::LocaleNumbers()),
        .model = std::string(model),
        .yearRange = std::string(years),
        .stockPage = true};
}

// The list under the first question: painted in the same pass as the rest
// of the window, and on screen whatever the window is clamped to.
QWidget& AxleList(QuestionsWindow& window) {
    return *window.findChild<QTreeWidget*>(QStringLiteral("axleList"));
}

void OpenQuestionsToFirstPaint(benchmark::State& state) {
    const QuestionsStart start = StockPageStart();
    for (auto _ : state) {
        QuestionsWindow window(nullptr, start);
        ShowUntilPainted(window, AxleList(window));
    }
}
BENCHMARK(OpenQuestionsToFirstPaint)->Unit(benchmark::kMillisecond);

// The share of the above spent before the window is shown: building its
// widgets and answering the four questions for the page.
void BuildAndFillQuestions(benchmark::State& state) {
    const QuestionsStart start = StockPageStart();
    for (auto _ : state) {
        QuestionsWindow window(nullptr, start);
        benchmark::DoNotOptimize(window.size());
    }
}
BENCHMARK(BuildAndFillQuestions)->Unit(benchmark::kMillisecond);

// The size and widgets of the questions window as it first shows.
struct Shape {
    QSize size;
    int lineEdits = 0;
    int labels = 0;
    int comboBoxes = 0;
    int lists = 0;
    int groups = 0;
};

template <typename Widget>
int Count(const QWidget& window) {
    return static_cast<int>(window.findChildren<Widget*>().size());
}

Shape ShownShape() {
    QuestionsWindow window;
    window.Fill(StockPageStart());
    ShowUntilPainted(window, AxleList(window));
    // The spin box's own line edit counts as one more.
    return {.size = window.size(),
            .lineEdits = Count<QLineEdit>(window),
            .labels = Count<QLabel>(window),
            .comboBoxes = Count<QComboBox>(window),
            .lists = Count<QTreeWidget>(window),
            .groups = Count<QGroupBox>(window)};
}

void FloorPlainWindowToFirstPaint(benchmark::State& state) {
    const QSize size = ShownShape().size;
    for (auto _ : state) {
        QWidget window;
        window.resize(size);
        ShowUntilPainted(window, window);
    }
    state.counters["width"] = size.width();
    state.counters["height"] = size.height();
}
BENCHMARK(FloorPlainWindowToFirstPaint)->Unit(benchmark::kMillisecond);

// As many line edits, labels, drop-down lists, lists and groups, with text
// in them, in a grid per group: what Qt costs to lay out and paint that
// many stock widgets, with no gearing worked out.
void FloorSameWidgetsToFirstPaint(benchmark::State& state) {
    const Shape shape = ShownShape();
    for (auto _ : state) {
        QWidget window;
        auto* columns = new QVBoxLayout(&window);
        std::vector<QGridLayout*> grids;
        for (int g = 0; g < shape.groups; ++g) {
            auto* group = new QGroupBox(QStringLiteral("Group"), &window);
            grids.push_back(new QGridLayout(group));
            columns->addWidget(group);
        }
        int next = 0;
        const auto place = [&grids, &next](QWidget* widget) {
            QGridLayout& grid = *grids[static_cast<std::size_t>(next) % grids.size()];
            widget->setParent(grid.parentWidget());
            grid.addWidget(widget, next / static_cast<int>(grids.size()), 0);
            ++next;
        };
        for (int i = 0; i < shape.lineEdits; ++i) {
            place(new QLineEdit(QStringLiteral("2800")));
        }
        for (int i = 0; i < shape.labels; ++i) {
            place(new QLabel(QStringLiteral("Engine RPM")));
        }
        for (int i = 0; i < shape.comboBoxes; ++i) {
            auto* box = new QComboBox;
            box->addItems({QStringLiteral("MPH"), QStringLiteral("km/h")});
            place(box);
        }
        QTreeWidget* first = nullptr;
        for (int i = 0; i < shape.lists; ++i) {
            auto* list = new QTreeWidget;
            list->setHeaderLabels({QStringLiteral("Axle"), QStringLiteral("RPM")});
            list->addTopLevelItem(
                new QTreeWidgetItem({QStringLiteral("3.27"), QStringLiteral("2800")}));
            place(list);
            first = first != nullptr ? first : list;
        }
        window.resize(shape.size);
        ShowUntilPainted(window, first != nullptr ? *static_cast<QWidget*>(first) : window);
    }
    state.counters["lineEdits"] = shape.lineEdits;
    state.counters["labels"] = shape.labels;
    state.counters["comboBoxes"] = shape.comboBoxes;
    state.counters["lists"] = shape.lists;
}
BENCHMARK(FloorSameWidgetsToFirstPaint)->Unit(benchmark::kMillisecond);

}  // namespace
