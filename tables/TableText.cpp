#include "tables/TableText.h"

#include <string_view>

namespace tachoria {
namespace {

std::string_view Unpadded(std::string_view cell) {
    const std::size_t first = cell.find_first_not_of(' ');
    if (first == std::string_view::npos) {
        return {};
    }
    return cell.substr(first, cell.find_last_not_of(' ') - first + 1);
}

void AppendLine(std::string& text, const std::vector<std::string>& cells) {
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            text += '\t';
        }
        text += Unpadded(cells[i]);
    }
    text += '\n';
}

}  // namespace

std::string TabSeparatedText(const std::vector<std::string>& headers,
                             const std::vector<std::vector<std::string>>& rows) {
    std::string text;
    AppendLine(text, headers);
    for (const auto& row : rows) {
        AppendLine(text, row);
    }
    return text;
}

}  // namespace tachoria
