#pragma once

#include <optional>
#include <string>

#include "outcome/Outcome.h"
#include "tables/TableText.h"

// `tachoria-cli compare`: the comparison window's three tables for two
// setups given as options.
namespace tachoria {

// The options as given. Each setup's gears are ratios separated by commas,
// first gear first, or the gearbox of a model line and year range of the
// catalogue.
struct CompareOptions {
    std::string aTire;
    std::string aAxle;
    std::optional<std::string> aGears;
    std::optional<std::string> aModel;
    std::optional<std::string> aYears;
    std::string bTire;
    std::string bAxle;
    std::optional<std::string> bGears;
    std::optional<std::string> bModel;
    std::optional<std::string> bYears;
    std::string redline;
    std::string unit;  // "mph" or "kmh"
    // What drives A's speedometer, "transmission" or "wheel"; when not
    // given, A's model line says, and typed gears mean the transmission.
    std::optional<std::string> drivenFrom;
};

// What the subcommand prints, or one line naming the option and the reason
// it prints nothing. The cruise, gear and speedometer tables, each field read as the window
// reads it (with "." as the decimal point). text: each table under its
// caption, cells over the redline marked as the window marks them, then how
// the numbers are rounded and what the mark means; tsv
// and csv: the tables one after another, an empty line between them; json:
// one object with "cruise", "gears" and "speedometer", each a table as
// JsonText writes one, whose "inputs" are the two setups (with their model
// line and year range when given), the redline, the unit and the drive.
Outcome<std::string> RunCompare(const CompareOptions& options, TextFormat format);

}  // namespace tachoria
