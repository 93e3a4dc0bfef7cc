#pragma once

#include <string>

#include "outcome/Outcome.h"
#include "tables/TableText.h"

// `tachoria-cli compare`: the comparison window's three tables for two
// setups given as options.
namespace tachoria {

// The options as given; the gears are ratios separated by commas, first
// gear first.
struct CompareOptions {
    std::string aTire;
    std::string aAxle;
    std::string aGears;
    std::string bTire;
    std::string bAxle;
    std::string bGears;
    std::string redline;
    std::string unit;                         // "mph" or "kmh"
    std::string drivenFrom = "transmission";  // or "wheel": what drives A's speedometer
};

// What the subcommand prints, or one line naming the option and the reason
// it prints nothing. The cruise, gear and speedometer tables, each field read as the window
// reads it (with "." as the decimal point). text: each table under its
// caption, cells over the redline marked as the window marks them, then how
// the numbers are rounded and what the mark means; tsv
// and csv: the tables one after another, an empty line between them; json:
// one object with "cruise", "gears" and "speedometer", each a table as
// JsonText writes one, whose "inputs" are the two setups, the redline and
// the unit.
Outcome<std::string> RunCompare(const CompareOptions& options, TextFormat format);

}  // namespace tachoria
