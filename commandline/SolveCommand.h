#pragma once

#include <optional>
#include <string>

#include "inputs/InputRanges.h"
#include "outcome/Outcome.h"
#include "tables/TableText.h"

// `tachoria-cli solve`: the reverse questions of questions/GearingQuestions
// for inputs given as options.
namespace tachoria {

enum class SolveQuestion {
    Axle,         // the axle ratio for an engine speed at a road speed
    Tire,         // the tire for an engine speed at a road speed
    Identify,     // the axle ratio a car has, by its tachometer
    Speedometer,  // the speedometer driven gear that makes it true
};

// The options as given. Those a question may go without are empty when not
// given, so that an empty text given is told apart and refused.
struct SolveOptions {
    std::string rpm;
    std::string speed;
    std::string tire;
    std::string axle;
    std::string gear;
    // tire: the one rim the sizes are for, 13 to 20 in; any without it.
    std::optional<std::string> rim;
    // identify: the gears typed, or a gearbox of the catalogue, and which
    // of them the car was in, counted from 1. speedometer: the model line
    // and years, for what drives it.
    std::optional<std::string> gears;
    std::optional<std::string> model;
    std::optional<std::string> years;
    std::string inGear;
    // speedometer: the driven gear's teeth (none from a wheel), and the
    // error it reads with them, or the setup it is true with (A) and the one
    // fitted (B); what drives it, "transmission" or "wheel", when given (else
    // the model line's drive, else the transmission).
    std::optional<std::string> teeth;
    std::optional<std::string> error;
    std::optional<std::string> drivenFrom;
    std::optional<std::string> aTire;
    std::optional<std::string> aAxle;
    std::optional<std::string> bTire;
    std::optional<std::string> bAxle;
    std::string unit = "mph";  // or "kmh"
};

// What the subcommand prints, or one line naming the option and the reason
// it prints nothing. text: the answer in a sentence, the table, then how
// the numbers are rounded (and, for identify, what a size code says of a
// rolling tire); tsv and csv: the table; json: one object with "question",
// "summary", "inputs" (the numbers read and the unit) and the table's
// "headers" and "rows".
Outcome<std::string> RunSolve(SolveQuestion question, const SolveOptions& options,
                              TextFormat format);

}  // namespace tachoria
