// Replays users' steps on the main pages, one case a line, and writes what
// both pages then show: built natively, it is what the web page's binding
// must give under WebAssembly (replay.js does the same there).
//   in:  {"separator": ",", "steps": [["type", "TireBox", "24"], ["choose",
//        "StockModel", "…"], ["press", "Gen_GetRPMButton"]]}
//   out: {"generic": {…}, "stock": {…}}, each page's state with its copy
//        text, CSV, file name and printed title
#include <iostream>
#include <nlohmann/json.hpp>
#include <string>

#include "tables/MainPages.h"
#include "web/PageState.h"

namespace {

using Json = nlohmann::ordered_json;

Json PageOutput(const tachoria::MainPages& pages, tachoria::TablePage page) {
    return {{"state", Json::parse(tachoria::PageStateJson(pages, page))},
            {"copy", pages.CopyText(page)},
            {"csv", pages.CsvText(page)},
            {"fileName", pages.CsvFileName(page)},
            {"title", pages.PrintTitle(page)}};
}

}  // namespace

int main() {
    std::string line;
    while (std::getline(std::cin, line)) {
        const Json input = Json::parse(line, nullptr, false);
        if (input.is_discarded()) {
            std::cerr << "page_replay: not JSON: " << line.substr(0, 80) << "\n";
            return 2;
        }
        tachoria::MainPages pages(input.value("separator", "."));
        for (const Json& step : input.at("steps")) {
            const std::string what = step.at(0).get<std::string>();
            const std::string name = step.at(1).get<std::string>();
            if (what == "type") {
                pages.Type(name, step.at(2).get<std::string>());
            } else if (what == "choose") {
                pages.Choose(name, step.at(2).get<std::string>());
            } else {
                pages.Press(name);
            }
        }
        const Json output = {{"generic", PageOutput(pages, tachoria::TablePage::Generic)},
                             {"stock", PageOutput(pages, tachoria::TablePage::Stock)}};
        std::cout << output.dump(-1, ' ', false, Json::error_handler_t::replace) << "\n";
    }
    return 0;
}
