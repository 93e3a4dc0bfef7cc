#pragma once

#include <string>
#include <string_view>

#include "tables/Table.h"

// Names offered for saved and printed files. They hold only letters,
// digits, "-", "_" and ".", so that every file system takes them as they
// are and a print dialog that cuts a name at its last "." or turns "/"
// into a folder still proposes a name that works; and they keep the
// decimals, so that tables of different axles never share a name.
namespace tachoria {

// `text` made safe for a file name: letters, digits, "-" and "_" are kept,
// a "." or "," between two digits becomes "." (a decimal point), and every
// run of anything else becomes one "-", none at either end. At most 40
// characters. "P185/80 R13" is "P185-80-R13", "3,55" is "3.55".
std::string FileNamePart(std::string_view text);

// The base name, without extension, of a main window's table:
// "stock-rpm_early-car-1961-1963_axle-3.27_tire-185-80R13" or
// "generic-mph_tire-24_axle-3.27_transmission-1". The tire is its size
// when it was typed as one (a code, flotation size or revolutions per mile),
// else its diameter in inches.
std::string TableBaseName(const Table& table);

// A compared setup's tire and axle as typed.
struct SetupName {
    std::string_view tire;
    std::string_view axle;
};

// The base name of the comparison of A and B, or of one of its tables
// (`what`, such as "cruise"; empty for the whole comparison):
// "comparison-cruise_A_tire-24_axle-3.27_B_tire-185-80R13_axle-3.55".
std::string ComparisonBaseName(std::string_view what, const SetupName& a, const SetupName& b);

}  // namespace tachoria
