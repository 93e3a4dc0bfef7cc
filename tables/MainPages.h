#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "tables/Table.h"

namespace tachoria {

// The main window's two pages for a front end that draws from state rather
// than owning widgets (the web page): every box, list and result list held
// here, driven by the same page logic as the desktop's. A front end sends
// what the user typed, picked and pressed, and shows what this holds.
// Controls go by the window's names: "TireBox", "DiffBox", "TransBox",
// "StockTire", "StockModel", "StockYear", "StockDiff", "Gen_GetRPMButton",
// "Gen_GetMPHButton", "StockGetRPMButton", "StockGetMPHButton".
class MainPages {
public:
    // `decimalPoint` is the user's decimal separator for the generic boxes:
    // "," reads "3,27"; any other reads as ".". The stock box always uses ".".
    explicit MainPages(std::string_view decimalPoint);
    ~MainPages();
    MainPages(const MainPages&) = delete;
    MainPages& operator=(const MainPages&) = delete;

    // A drop-down list as it stands.
    struct List {
        std::vector<std::string> items;
        std::string text;  // the chosen item
        bool enabled = true;
    };

    // What a result list shows: no columns before the first press; each row
    // its label first, then its cells ("" stays empty).
    struct Shown {
        std::vector<std::string> headers;
        std::vector<std::vector<std::string>> rows;
    };

    // A box's text as typed. False, and nothing changed, for a name that is
    // not a box.
    bool Type(std::string_view box, std::string_view text);
    [[nodiscard]] std::string BoxText(std::string_view box) const;
    // The user picks `item` in a list: the cascade refills the lists after
    // it. False, and nothing changed, for an unknown list, a disabled one or
    // an item it does not hold.
    bool Choose(std::string_view list, std::string_view item);
    [[nodiscard]] const List* ListNamed(std::string_view list) const;
    // A button press, as the window's. False for a name that is no button.
    bool Press(std::string_view button);

    [[nodiscard]] const Shown& ListShown(TablePage page) const;
    // The table the page's list shows, for copying, saving and printing.
    [[nodiscard]] const std::optional<Table>& ShownTable(TablePage page) const;
    // Why the page's last press failed; "" after a press that succeeded.
    [[nodiscard]] const std::string& Failure(TablePage page) const;
    // What the page's tire box reads as.
    [[nodiscard]] std::string TireReading(TablePage page) const;
    // Copy Table's text (tab-separated), Save Table's CSV and the file name
    // it offers, and the printed page's title; "" before the first table.
    [[nodiscard]] std::string CopyText(TablePage page) const;
    [[nodiscard]] std::string CsvText(TablePage page) const;
    [[nodiscard]] std::string CsvFileName(TablePage page) const;
    [[nodiscard]] std::string PrintTitle(TablePage page) const;

private:
    struct Controls;
    std::unique_ptr<Controls> controls_;
};

}  // namespace tachoria
