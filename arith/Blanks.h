#pragma once

#include <string_view>

// Blanks are what users type around numbers and what pads the result cells:
// spaces and tabs. Line breaks are not blanks; a one-line box has none.
namespace tachoria {

bool IsBlank(char c);

// `text` without the blanks at its start.
std::string_view TrimLeadingBlanks(std::string_view text);

// `text` without the blanks at either end.
std::string_view TrimBlanks(std::string_view text);

}  // namespace tachoria
