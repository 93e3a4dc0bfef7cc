#pragma once

// A table of the web state's JSON and one of tachoria-cli's TSV as rows of
// texts, so that the tests can compare what the page shows with what the
// command line prints: the page's mark taken off ("▲" after a cell past
// the redline) and its decimal point made ".".
#include <regex>
#include <string>
#include <vector>

#include "ReadJson.h"

namespace tachoria::testing {

using Grid = std::vector<std::vector<std::string>>;

inline std::string AsTsvCell(std::string cell) {
    static const std::regex kCommaPoint("([0-9]),([0-9])");
    const std::string sign = " \u25B2";
    if (cell.size() >= sign.size() && cell.ends_with(sign)) {
        cell.resize(cell.size() - sign.size());
    }
    return std::regex_replace(cell, kCommaPoint, "$1.$2");
}

// {"headers":[…],"rows":[{"label":…,"cells":[…]}]} as its header row and rows.
inline Grid JsonGrid(const Json& table) {
    Grid grid;
    std::vector<std::string> headers;
    for (const Json& header : table.at("headers")) {
        headers.push_back(AsTsvCell(header.get<std::string>()));
    }
    grid.push_back(headers);
    for (const Json& row : table.at("rows")) {
        std::vector<std::string> cells = {AsTsvCell(row.at("label").get<std::string>())};
        for (const Json& cell : row.at("cells")) {
            cells.push_back(AsTsvCell(cell.get<std::string>()));
        }
        grid.push_back(cells);
    }
    return grid;
}

// Tab-separated tables, an empty line between two.
inline std::vector<Grid> TsvGrids(const std::string& text) {
    std::vector<Grid> grids(1);
    std::size_t start = 0;
    while (start < text.size()) {
        std::size_t end = text.find('\n', start);
        if (end == std::string::npos) {
            end = text.size();
        }
        std::string line = text.substr(start, end - start);
        start = end + 1;
        if (line.ends_with('\r')) {
            line.pop_back();
        }
        if (line.empty()) {
            grids.emplace_back();
            continue;
        }
        std::vector<std::string> cells;
        std::size_t from = 0;
        while (true) {
            const std::size_t tab = line.find('\t', from);
            cells.push_back(line.substr(from, tab - from));
            if (tab == std::string::npos) {
                break;
            }
            from = tab + 1;
        }
        grids.back().push_back(cells);
    }
    return grids;
}

}  // namespace tachoria::testing
