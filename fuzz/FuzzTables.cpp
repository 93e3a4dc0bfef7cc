// The four table operations through fake controls, with typed texts and
// drop-down choices taken from the input.
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

#include "FakeStockPage.h"
#include "arith/NumberReading.h"
#include "tables/ToolsGenericMPH.h"
#include "tables/ToolsGenericRPM.h"

namespace {

using namespace tachoria;
using namespace tachoria::testing;

// Splits the input at NUL bytes into the fields the operations read.
std::vector<std::string> Fields(std::string_view text, std::size_t count) {
    std::vector<std::string> fields(count);
    for (std::size_t i = 0; i < count && !text.empty(); ++i) {
        const std::size_t end = text.find('\0');
        fields[i] = text.substr(0, end);
        text = end == std::string_view::npos ? std::string_view() : text.substr(end + 1);
    }
    return fields;
}

void Check(bool condition) {
    if (!condition) {
        std::abort();
    }
}

// Labels and cells are numbers or empty: never "inf", "nan" or an exponent.
void CheckCells(const FakeResultList& list) {
    for (const auto& row : list.rows) {
        for (const std::string& cell : row) {
            Check(cell.find_first_not_of(" -0123456789") == std::string::npos);
        }
    }
}

// A complete table, or one message and the rows before the failing one.
void CheckOutcome(const FakeResultList& list, const RecordingFailureSink& failures,
                  std::size_t rows, std::size_t columns) {
    Check(list.columns.size() == columns);
    if (failures.messages.empty()) {
        Check(list.rows.size() == rows);
    } else {
        Check(failures.messages.size() == 1 && list.rows.size() < rows);
    }
    CheckCells(list);
}

void Generic(const std::vector<std::string>& f, bool getMPH) {
    FakeTextBox tire(f[1]);
    FakeTextBox diff(f[2]);
    FakeTextBox trans(f[3]);
    FakeResultList list;
    PlainNumberConverter numbers;
    RecordingFailureSink failures;
    const GenericPage page{tire, diff, trans, list, numbers, failures};
    getMPH ? ShowGenericMPH(page) : ShowGenericRPM(page);
    CheckOutcome(list, failures, getMPH ? 14 : 12, 2);
    Check(list.Headers() == (getMPH ? std::vector<std::string>{"RPM", "MPH"}
                                    : std::vector<std::string>{"MPH", "RPM"}));
}

// The item `pick` names, modulo the list's length, placeholder included.
std::string Pick(const FakeDropDownList& list, const std::string& pick) {
    const std::size_t n = pick.empty() ? 0 : static_cast<unsigned char>(pick[0]);
    return list.items[n % list.items.size()];
}

void Stock(const std::vector<std::string>& f, TableMode mode) {
    FakeStockPage stock;
    stock.tire.SetText(f[1]);
    stock.ChooseModel(Pick(stock.model, f[2]));
    stock.ChooseYear(Pick(stock.year, f[3]));
    stock.ChooseAxle(Pick(stock.diff, f[4]));

    stock.list.rows = {{"previous"}};
    RunStockTable(stock.page, mode);
    const bool complete = stock.model.text != kSelectModel && stock.year.text != kSelectYear &&
                          stock.diff.text != kSelectDifferential &&
                          ReadStockInputs(stock.controls).has_value();
    if (!complete) {
        Check(stock.list.rows.size() == 1 && stock.list.rows[0][0] == "previous" &&
              stock.failures.messages.empty());
        return;
    }
    CheckOutcome(stock.list, stock.failures, mode == TableMode::GetRPM ? 15 : 14, 5);
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const std::vector<std::string> f =
        Fields(std::string_view(reinterpret_cast<const char*>(data), size), 5);
    switch (f[0].empty() ? 0 : f[0][0] % 4) {
        case 0:
            Generic(f, true);
            break;
        case 1:
            Generic(f, false);
            break;
        case 2:
            Stock(f, TableMode::GetRPM);
            break;
        default:
            Stock(f, TableMode::GetMPH);
            break;
    }
    return 0;
}
