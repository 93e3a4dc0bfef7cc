#pragma once

#include <string>
#include <string_view>

#include "tables/Table.h"

// Results written with the user's decimal point for reading, where files
// and the command line keep ".".
namespace tachoria {

// `text` with every "." that stands between two digits written as `point`:
// "62.3 MPH" becomes "62,3 MPH"; other dots are left alone.
std::string WithDecimalPoint(std::string_view text, std::string_view point);

// The same for every header, row label and cell.
Table WithDecimalPoint(Table table, std::string_view point);

}  // namespace tachoria
