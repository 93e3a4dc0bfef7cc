#include "tables/MainPages.h"

#include <algorithm>
#include <array>

#include "arith/PointNumbers.h"
#include "tables/FileNames.h"
#include "tables/GenericPage.h"
#include "tables/StockPage.h"
#include "tables/StockSelection.h"
#include "tables/TableText.h"
#include "tables/TireReading.h"

namespace tachoria {
namespace {

class HeldBox final : public TextBox {
public:
    [[nodiscard]] std::string Text() const override { return text; }
    void SetText(const std::string& newText) override { text = newText; }
    std::string text;
};

class HeldList final : public DropDownList {
public:
    void Clear() override { state = {.items = {}, .text = {}, .enabled = state.enabled}; }
    void AddItem(std::string_view item) override { state.items.emplace_back(item); }
    [[nodiscard]] std::string Text() const override { return state.text; }
    void SetText(std::string_view text) override { state.text = text; }
    void SetEnabled(bool enabled) override { state.enabled = enabled; }
    MainPages::List state;
};

// Column widths mean nothing where the front end lays the table out; a
// row or sub-item that does not exist is ignored, as the desktop's adapters
// ignore it.
class HeldResultList final : public ResultList {
public:
    [[nodiscard]] int Width() const override { return kListWidth; }
    [[nodiscard]] int ColumnCount() const override {
        return static_cast<int>(shown.headers.size());
    }
    void RemoveColumn(int column) override {
        if (column >= 1 && column <= ColumnCount()) {
            shown.headers.erase(shown.headers.begin() + (column - 1));
        }
    }
    void AddColumn(std::string_view header, std::optional<int> /*width*/) override {
        shown.headers.emplace_back(header);
    }
    [[nodiscard]] int RowCount() const override { return static_cast<int>(shown.rows.size()); }
    void RemoveRow(int row) override {
        if (row >= 1 && row <= RowCount()) {
            shown.rows.erase(shown.rows.begin() + (row - 1));
        }
    }
    int AddRow() override {
        shown.rows.emplace_back(std::max<std::size_t>(shown.headers.size(), 1));
        return RowCount();
    }
    void SetRowText(int row, std::string_view text) override { Set(row, 0, text); }
    void SetSubItemText(int row, int subItem, std::string_view text) override {
        if (subItem >= 1) {
            Set(row, subItem, text);
        }
    }
    MainPages::Shown shown;

private:
    static constexpr int kListWidth = 8415;  // the window's lists, in twips
    void Set(int row, int column, std::string_view text) {
        if (row < 1 || row > RowCount()) {
            return;
        }
        auto& cells = shown.rows[static_cast<std::size_t>(row - 1)];
        if (static_cast<std::size_t>(column) < cells.size()) {
            cells[static_cast<std::size_t>(column)] = text;
        }
    }
};

// The last thing a press said; the front end shows it until a press that
// succeeds.
class HeldFailure final : public FailureSink {
public:
    void Report(const std::string& message) override { said = message; }
    std::string said;
};

struct HeldPage {
    HeldResultList list;
    HeldFailure failures;
    std::optional<Table> shown;
    std::string failure;
};

}  // namespace

struct MainPages::Controls {
    explicit Controls(char point) : numbers(point) {}

    PointNumberConverter numbers;
    PointNumberConverter stockNumbers{'.'};
    HeldBox tireBox, diffBox, transBox, stockTire;
    HeldList model, year, diff;
    HeldPage generic, stock;

    [[nodiscard]] StockControls StockInputs() { return {stockTire, model, year, diff}; }

    HeldBox* Box(std::string_view name) {
        const std::array<std::pair<std::string_view, HeldBox*>, 4> boxes = {{
            {"TireBox", &tireBox},
            {"DiffBox", &diffBox},
            {"TransBox", &transBox},
            {"StockTire", &stockTire},
        }};
        for (const auto& [boxName, box] : boxes) {
            if (boxName == name) {
                return box;
            }
        }
        return nullptr;
    }

    HeldList* List(std::string_view name) {
        if (name == "StockModel") {
            return &model;
        }
        if (name == "StockYear") {
            return &year;
        }
        return name == "StockDiff" ? &diff : nullptr;
    }

    HeldPage& Page(TablePage page) { return page == TablePage::Generic ? generic : stock; }

    void PressGeneric(TableMode mode) {
        generic.failures.said.clear();
        generic.shown = ShowGenericTable(
            {tireBox, diffBox, transBox, generic.list, numbers, generic.failures}, mode);
        generic.failure = generic.failures.said;
    }

    void PressStock(TableMode mode) {
        stock.failures.said.clear();
        // An incomplete selection does nothing, so what the page said stays.
        if (std::optional<Table> table =
                RunStockTable({StockInputs(), stock.list, stock.failures}, mode)) {
            stock.shown = std::move(table);
            stock.failure = stock.failures.said;
        }
    }
};

MainPages::MainPages(std::string_view decimalPoint)
    : controls_(std::make_unique<Controls>(decimalPoint == "," ? ',' : '.')) {
    PrepareStockLists(controls_->StockInputs());
}

MainPages::~MainPages() = default;

bool MainPages::Type(std::string_view box, std::string_view text) {
    HeldBox* held = controls_->Box(box);
    if (held == nullptr) {
        return false;
    }
    held->text = text;
    return true;
}

std::string MainPages::BoxText(std::string_view box) const {
    const HeldBox* held = controls_->Box(box);
    return held == nullptr ? std::string() : held->text;
}

bool MainPages::Choose(std::string_view list, std::string_view item) {
    HeldList* held = controls_->List(list);
    if (held == nullptr || !held->state.enabled ||
        std::find(held->state.items.begin(), held->state.items.end(), item) ==
            held->state.items.end()) {
        return false;
    }
    held->state.text = item;
    if (held == &controls_->model) {
        RefillYearRanges(controls_->StockInputs());
    } else if (held == &controls_->year) {
        RefillAxleRatios(controls_->StockInputs());
    }
    // A differential is read when a stock button is pressed.
    return true;
}

const MainPages::List* MainPages::ListNamed(std::string_view list) const {
    const HeldList* held = controls_->List(list);
    return held == nullptr ? nullptr : &held->state;
}

bool MainPages::Press(std::string_view button) {
    if (button == "Gen_GetRPMButton") {
        controls_->PressGeneric(TableMode::GetRPM);
    } else if (button == "Gen_GetMPHButton") {
        controls_->PressGeneric(TableMode::GetMPH);
    } else if (button == "StockGetRPMButton") {
        controls_->PressStock(TableMode::GetRPM);
    } else if (button == "StockGetMPHButton") {
        controls_->PressStock(TableMode::GetMPH);
    } else {
        return false;
    }
    return true;
}

const MainPages::Shown& MainPages::ListShown(TablePage page) const {
    return controls_->Page(page).list.shown;
}

const std::optional<Table>& MainPages::ShownTable(TablePage page) const {
    return controls_->Page(page).shown;
}

const std::string& MainPages::Failure(TablePage page) const {
    return controls_->Page(page).failure;
}

std::string MainPages::TireReading(TablePage page) const {
    return page == TablePage::Generic
               ? GenericTireReading(controls_->tireBox.text, controls_->numbers)
               : StockTireReading(controls_->stockTire.text, controls_->stockNumbers);
}

std::string MainPages::CopyText(TablePage page) const {
    const std::optional<Table>& table = ShownTable(page);
    return table ? TabSeparatedText(*table) : std::string();
}

std::string MainPages::CsvText(TablePage page) const {
    const std::optional<Table>& table = ShownTable(page);
    return table ? CommaSeparatedText(*table) : std::string();
}

std::string MainPages::CsvFileName(TablePage page) const {
    const std::optional<Table>& table = ShownTable(page);
    return table ? TableBaseName(*table) + ".csv" : std::string();
}

std::string MainPages::PrintTitle(TablePage page) const {
    const std::optional<Table>& table = ShownTable(page);
    return table && table->inputs ? TableTitle(*table->inputs) : std::string();
}

}  // namespace tachoria
