#pragma once

#include <string>
#include <vector>

namespace tachoria {

// A result table as plain text for the clipboard: the header row first, then
// one line per row, cells separated by tabs and stripped of the blanks that
// pad them, so that a spreadsheet pastes numbers into columns.
std::string TabSeparatedText(const std::vector<std::string>& headers,
                             const std::vector<std::vector<std::string>>& rows);

}  // namespace tachoria
