// Writes docs/screenshots/stock.png and generic.png, the main window
// rendered offscreen with each page's table filled as a user would fill it,
// and compare.png, the comparison opened from the stock page's table with
// a 3.55 axle and 185/80R13 tires planned.
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPixmap>
#include <QPushButton>
#include <QStyleFactory>
#include <QTabWidget>
#include <cstdio>

#include "ui/ChartWidget.h"
#include "ui/CompareWindow.h"
#include "ui/MainForm.h"

namespace {

void Choose(QComboBox& combo, const QString& text) {
    combo.setCurrentIndex(combo.findText(text));
    emit combo.activated(combo.currentIndex());
}

}  // namespace

int main(int argc, char* argv[]) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    // As main() sets them up.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(QFont(QStringLiteral("Arial"), 12));
    const QString outDir = argc > 1 ? QString::fromLocal8Bit(argv[1]) : QStringLiteral(".");
    QDir().mkpath(outDir);

    tachoria::MainForm window;
    window.show();
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("StockTab"));

    window.findChild<QLineEdit*>(QStringLiteral("StockTire"))->setText(QStringLiteral("24"));
    Choose(*window.findChild<QComboBox*>(QStringLiteral("StockModel")),
           QStringLiteral("Early Car (1961-1964)"));
    Choose(*window.findChild<QComboBox*>(QStringLiteral("StockYear")), QStringLiteral("1961-1963"));
    Choose(*window.findChild<QComboBox*>(QStringLiteral("StockDiff")), QStringLiteral("3.27"));
    window.findChild<QPushButton*>(QStringLiteral("StockGetRPMButton"))->click();
    QApplication::processEvents();
    const bool stockSaved = window.grab().save(outDir + QStringLiteral("/stock.png"));

    tabs->setCurrentIndex(tachoria::MainForm::kGenericPage);
    window.findChild<QPushButton*>(QStringLiteral("Gen_GetMPHButton"))->click();
    QApplication::processEvents();
    const bool genericSaved = window.grab().save(outDir + QStringLiteral("/generic.png"));

    tabs->setCurrentIndex(tachoria::MainForm::kStockPage);
    window.Stock().List().findChild<QAction*>(QStringLiteral("compareGearing"))->trigger();
    tachoria::CompareWindow& compare = *window.Compare();
    compare.findChild<QLineEdit*>(QStringLiteral("axleB"))->setText(QStringLiteral("3.55"));
    compare.findChild<QLineEdit*>(QStringLiteral("tireB"))->setText(QStringLiteral("185/80R13"));
    QApplication::processEvents();
    // The pointer over the chart at 60 MPH shows the engine speeds there.
    auto* chart = compare.findChild<tachoria::ChartWidget*>();
    const tachoria::PlotArea area = chart->Area();
    const QPointF at(area.left + area.width * 60 / 140, area.top + area.height / 2);
    QMouseEvent move(QEvent::MouseMove, at, chart->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(chart, &move);
    QApplication::processEvents();
    const bool compareSaved = compare.grab().save(outDir + QStringLiteral("/compare.png"));

    if (!stockSaved || !genericSaved || !compareSaved) {
        std::fprintf(stderr, "could not write the screenshots to %s\n", qPrintable(outDir));
        return 1;
    }
    return 0;
}
