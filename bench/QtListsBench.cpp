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

void Press(benchmark::State& state, void (*press)(MainForm&), const char* listName) {
    MainForm form;
    form.show();
    form.findChild<QLineEdit*>(QStringLiteral("StockTire"))->setText(QStringLiteral("24"));
    Choose(form, "StockModel", "Early Car (1961-1964)");
    Choose(form, "StockYear", "1961-1963");
    Choose(form, "StockDiff", "3.27");
    auto* list = form.findChild<QTreeWidget*>(QString::fromLatin1(listName));
    for (auto _ : state) {
        press(form);
        list->repaint();
    }
    state.counters["rows"] = list->topLevelItemCount();
}
void GenericGetMPH(MainForm& form) { form.Generic().Gen_GetMPHButton_Click(); }
void GenericGetRPM(MainForm& form) { form.Generic().Gen_GetRPMButton_Click(); }
void StockGetRPM(MainForm& form) { form.Stock().StockGetRPMButton_Click(); }
void StockGetMPH(MainForm& form) { form.Stock().StockGetMPHButton_Click(); }

BENCHMARK_CAPTURE(Press, GenericGetMPH, GenericGetMPH, "ListView1")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Press, GenericGetRPM, GenericGetRPM, "ListView1")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Press, StockGetRPM, StockGetRPM, "ListView")->Unit(benchmark::kMicrosecond);
BENCHMARK_CAPTURE(Press, StockGetMPH, StockGetMPH, "ListView")->Unit(benchmark::kMicrosecond);

}  // namespace
