#include "web/PageState.h"

#include <array>
#include <nlohmann/json.hpp>

namespace tachoria {

using Json = nlohmann::ordered_json;

std::optional<TablePage> PageNamed(std::string_view name) {
    if (name == "generic") {
        return TablePage::Generic;
    }
    if (name == "stock") {
        return TablePage::Stock;
    }
    return std::nullopt;
}

std::string PageStateJson(const MainPages& pages, TablePage page) {
    constexpr std::array<std::string_view, 3> kGenericBoxes = {"TireBox", "DiffBox", "TransBox"};
    constexpr std::array<std::string_view, 3> kStockLists = {"StockModel", "StockYear",
                                                             "StockDiff"};
    Json state = Json::object();
    Json boxes = Json::object();
    if (page == TablePage::Generic) {
        for (const std::string_view box : kGenericBoxes) {
            boxes[std::string(box)] = pages.BoxText(box);
        }
    } else {
        boxes["StockTire"] = pages.BoxText("StockTire");
    }
    state["boxes"] = std::move(boxes);
    state["tireReading"] = pages.TireReading(page);
    Json lists = Json::object();
    if (page == TablePage::Stock) {
        for (const std::string_view name : kStockLists) {
            const MainPages::List& list = *pages.ListNamed(name);
            lists[std::string(name)] = {
                {"items", list.items}, {"text", list.text}, {"enabled", list.enabled}};
        }
    }
    state["lists"] = std::move(lists);
    const MainPages::Shown& shown = pages.ListShown(page);
    state["headers"] = shown.headers;
    state["rows"] = shown.rows;
    state["failure"] = pages.Failure(page);
    // Texts typed may hold bytes that are no UTF-8; they are replaced, not
    // thrown over.
    return state.dump(-1, ' ', false, Json::error_handler_t::replace);
}

}  // namespace tachoria
