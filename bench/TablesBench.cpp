// The table operations through the fake controls, and the number text.
#include <benchmark/benchmark.h>

#include "FakeStockPage.h"
#include "arith/Num2String.h"
#include "tables/ToolsGenericMPH.h"
#include "tables/ToolsGenericRPM.h"

namespace {

using namespace tachoria;
using namespace tachoria::testing;

void Num2StringCell(benchmark::State& state) {
    double value = 0;
    for (auto _ : state) {
        benchmark::DoNotOptimize(Num2String(value, 0, 5));
        value = value < 9999 ? value + 1 : 0;
    }
}
BENCHMARK(Num2StringCell);

void GenericTable(benchmark::State& state, Table (*show)(const GenericPage&)) {
    FakeTextBox tire("24");
    FakeTextBox diff("3.27");
    FakeTextBox trans("1");
    FakeResultList list;
    PlainNumberConverter numbers;
    RecordingFailureSink failures;
    const GenericPage page{tire, diff, trans, list, numbers, failures};
    for (auto _ : state) {
        show(page);
        benchmark::DoNotOptimize(list.rows.data());
    }
}
BENCHMARK_CAPTURE(GenericTable, GetMPH, ShowGenericMPH);
BENCHMARK_CAPTURE(GenericTable, GetRPM, ShowGenericRPM);

void StockTable(benchmark::State& state, TableMode mode) {
    FakeStockPage stock;
    stock.tire.SetText("24");
    stock.Select("Early Car (1961-1964)", "1961-1963", "3.27");
    for (auto _ : state) {
        RunStockTable(stock.page, mode);
        benchmark::DoNotOptimize(stock.list.rows.data());
    }
}
BENCHMARK_CAPTURE(StockTable, GetRPM, TableMode::GetRPM);
BENCHMARK_CAPTURE(StockTable, GetMPH, TableMode::GetMPH);

}  // namespace
