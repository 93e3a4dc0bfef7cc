#pragma once

#include <string>
#include <string_view>
#include <vector>

#include "tables/MainPages.h"
#include "web/Address.h"

// The main window's two pages in a page address: "stock?model=…&years=…&
// axle=…&tire=…&get=rpm" and "generic?tire=…&axle=…&gear=…&get=mph", named
// as tachoria-cli's stock and generic options.
namespace tachoria {

// The address of what `page` shows. `get` ("rpm", "mph", or "" for none)
// is the last press, while no input has changed since: the page's table
// stands for that press only until then. A list on its placeholder is left
// out; the generic boxes' numbers are written with "." (`decimalPoint` is
// the browser's, as MainPages takes it).
std::string MainPageAddress(const MainPages& pages, TablePage page, std::string_view get,
                            std::string_view decimalPoint);

// Opens a "stock" or "generic" address on `pages` as the user would: picks
// the lists in turn, types the boxes, and presses Get RPM or Get MPH for a
// `get`. What the address leaves out stays as `pages` hold it (a new
// MainPages: the starting values). Returns the lines to say: one naming
// every list value that is not in its list (its list then stays on its
// placeholder), one for a `get` that is neither rpm nor mph; none for
// another view.
std::vector<std::string> OpenMainAddress(MainPages& pages, const Address& address,
                                         std::string_view decimalPoint);

}  // namespace tachoria
