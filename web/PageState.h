#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tables/MainPages.h"

namespace tachoria {

// The page's names for the main window's two pages: "generic" and "stock".
std::optional<TablePage> PageNamed(std::string_view name);

// Everything one page shows, as JSON for the page's script to put on screen
// as it is: its boxes' texts, the tire box's reading, its lists (the stock
// page's), the result list's headers and rows, and the failure to show.
// Every value is a text; the script reads no number out of it.
std::string PageStateJson(const MainPages& pages, TablePage page);

}  // namespace tachoria
