#include "tables/TableText.h"

#include <numeric>
#include <string_view>
#include <vector>

#include "arith/Blanks.h"

namespace tachoria {
namespace {

void AppendLine(std::string& text, const std::string& first, const std::vector<std::string>& rest) {
    text += TrimBlanks(first);
    for (const std::string& cell : rest) {
        text += '\t';
        text += TrimBlanks(cell);
    }
    text += '\n';
}

}  // namespace

std::string TabSeparatedText(const Table& table) {
    std::vector<std::size_t> all(table.rows.size());
    std::iota(all.begin(), all.end(), std::size_t{0});
    return TabSeparatedText(table, all);
}

std::string TabSeparatedText(const Table& table, std::span<const std::size_t> rows) {
    std::string text;
    if (!table.headers.empty()) {
        AppendLine(text, table.headers.front(), {table.headers.begin() + 1, table.headers.end()});
    }
    for (const std::size_t row : rows) {
        if (row < table.rows.size()) {
            AppendLine(text, table.rows[row].label, table.rows[row].cells);
        }
    }
    return text;
}

}  // namespace tachoria
