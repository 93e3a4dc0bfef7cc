// Writes docs/screenshots/stock.png and generic.png: the window rendered
// offscreen, each page with a table filled as a user would fill it.
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPixmap>
#include <QPushButton>
#include <QStyleFactory>
#include <QTabWidget>
#include <cstdio>

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
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
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

    if (!stockSaved || !genericSaved) {
        std::fprintf(stderr, "could not write the screenshots to %s\n", qPrintable(outDir));
        return 1;
    }
    return 0;
}
