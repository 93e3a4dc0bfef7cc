#include "web/MainAddress.h"

#include <algorithm>

#include "arith/PointNumbers.h"
#include "tables/Captions.h"

namespace tachoria {
namespace {

PointNumberConverter UserNumbers(std::string_view decimalPoint) {
    return PointNumberConverter(decimalPoint == "," ? ',' : '.');
}

// A list's chosen text, unless it is the placeholder (its first item).
const std::string* Chosen(const MainPages& pages, std::string_view list) {
    const MainPages::List* shown = pages.ListNamed(list);
    if (shown == nullptr || shown->items.empty() || shown->text == shown->items.front()) {
        return nullptr;
    }
    return &shown->text;
}

std::string Lowered(std::string_view text) {
    std::string lowered(text);
    std::transform(lowered.begin(), lowered.end(), lowered.begin(), [](char c) {
        return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
    });
    return lowered;
}

// Picks `value` in `list`; an axle ratio may be given by its value
// ("3.270" is "3.27"), as on the command line.
bool ChooseIn(MainPages& pages, std::string_view list, const std::string& value) {
    if (pages.Choose(list, value)) {
        return true;
    }
    const MainPages::List* shown = pages.ListNamed(list);
    const PlainNumberConverter plain;
    const std::optional<double> number = plain.ToNumber(value);
    if (list != "StockDiff" || shown == nullptr || !number) {
        return false;
    }
    const std::vector<std::string> items = shown->items;
    for (const std::string& item : items) {
        if (plain.ToNumber(item) == number) {
            return pages.Choose(list, item);
        }
    }
    return false;
}

}  // namespace

std::string MainPageAddress(const MainPages& pages, TablePage page, std::string_view get,
                            std::string_view decimalPoint) {
    std::vector<AddressOption> options;
    if (page == TablePage::Stock) {
        for (const auto& [name, list] :
             {std::pair{"model", "StockModel"}, std::pair{"years", "StockYear"},
              std::pair{"axle", "StockDiff"}}) {
            if (const std::string* text = Chosen(pages, list)) {
                options.push_back({name, *text});
            }
        }
        // The stock box reads "." whatever the user's point.
        if (std::string tire = pages.BoxText("StockTire"); !tire.empty()) {
            options.push_back({"tire", std::move(tire)});
        }
    } else {
        const PointNumberConverter numbers = UserNumbers(decimalPoint);
        for (const auto& [name, box] : {std::pair{"tire", "TireBox"}, std::pair{"axle", "DiffBox"},
                                        std::pair{"gear", "TransBox"}}) {
            if (const std::string text = pages.BoxText(box); !text.empty()) {
                options.push_back({name, AddressNumber(text, numbers)});
            }
        }
    }
    if (!get.empty()) {
        options.push_back({"get", std::string(get)});
    }
    return WriteAddress(page == TablePage::Stock ? "stock" : "generic", options);
}

std::vector<std::string> OpenMainAddress(MainPages& pages, const Address& address,
                                         std::string_view decimalPoint) {
    std::vector<std::string> said;
    const bool stock = address.view == "stock";
    if (!stock && address.view != "generic") {
        return said;
    }
    if (stock) {
        std::string missing;
        for (const auto& [name, list, caption] :
             {std::tuple{"model", "StockModel", kModelCaption},
              std::tuple{"years", "StockYear", kYearRangeCaption},
              std::tuple{"axle", "StockDiff", kAxleRatioCaption}}) {
            const std::string* value = address.Find(name);
            if (value != nullptr && !ChooseIn(pages, list, *value)) {
                missing += missing.empty() ? "Not in its list, so not chosen: " : ", ";
                missing += caption;
                missing += " \"";
                missing += *value;
                missing += '"';
            }
        }
        if (!missing.empty()) {
            said.push_back(missing + ".");
        }
        if (const std::string* tire = address.Find("tire")) {
            pages.Type("StockTire", *tire);
        }
    } else {
        const PointNumberConverter numbers = UserNumbers(decimalPoint);
        for (const auto& [name, box] : {std::pair{"tire", "TireBox"}, std::pair{"axle", "DiffBox"},
                                        std::pair{"gear", "TransBox"}}) {
            if (const std::string* value = address.Find(name)) {
                pages.Type(box, UserNumber(*value, numbers));
            }
        }
    }
    if (const std::string* get = address.Find("get")) {
        const std::string wanted = Lowered(*get);
        if (wanted == "rpm" || wanted == "mph") {
            pages.Press(stock ? (wanted == "rpm" ? "StockGetRPMButton" : "StockGetMPHButton")
                              : (wanted == "rpm" ? "Gen_GetRPMButton" : "Gen_GetMPHButton"));
        } else {
            said.push_back("Get is rpm or mph, not \"" + *get + "\": nothing was pressed.");
        }
    }
    return said;
}

}  // namespace tachoria
