// The four buttons of the real window, offscreen: the table written into a
// QTreeWidget and the list repainted, as after a user's press.
#include <benchmark/benchmark.h>

#include <QApplication>
#include <QComboBox>
#include <QLineEdit>
#include <QTreeWidget>

#include "ui/MainForm.h"

namespace {

using tachoria::MainForm;

void Choose(MainForm& form, const char* name, const char* text) {
    auto* combo = form.findChild<QComboBox*>(QString::fromLatin1(name));
    combo->setCurrentIndex(combo->findText(QString::fromLatin1(text)));
    emit combo->activated(combo->currentIndex());
}

void Press(benchmark::State& state, void (MainForm::*handler)(), const char* listName) {
    MainForm form;
    form.show();
    form.findChild<QLineEdit*>(QStringLiteral("StockTire"))->setText(QStringLiteral("24"));
    Choose(form, "StockModel", "Early Car (1961-1964)");
    Choose(form, "StockYear", "1961-1963");
    Choose(form, "StockDiff", "3.27");
    auto* list = form.findChild<QTreeWidget*>(QString::fromLatin1(listName));
    for (auto _ : state) {
        (form.*handler)();
        list->repaint();
    }
    state.counters["rows"] = list->topLevelItemCount();
}
BENCHMARK_CAPTURE(Press, GenericGetMPH, &MainForm::Gen_GetMPHButton_Click, "ListView1")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Press, GenericGetRPM, &MainForm::Gen_GetRPMButton_Click, "ListView1")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Press, StockGetRPM, &MainForm::StockGetRPMButton_Click, "ListView")
    ->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Press, StockGetMPH, &MainForm::StockGetMPHButton_Click, "ListView")
    ->Unit(benchmark::kMicrosecond);

}  // namespace
