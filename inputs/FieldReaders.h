#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arith/NumberReading.h"
#include "inputs/InputRanges.h"
#include "inputs/SpeedUnit.h"
#include "outcome/Outcome.h"
#include "tires/TireReader.h"

// One reader for each kind of field that the windows and the command line
// take past the main window's pages. Each gives the value, or one Failure
// whose reason is the same sentence wherever the field is read: a window
// puts the field's label before it (LabelledReason), the command line the
// option and its text. Every reason says what to type.
namespace tachoria {

// A number in `range`, in the words every field uses: "Empty", "Not a
// number", "Must be greater than 0" (where only positive numbers work),
// "Too small", "Too large", each followed by "type a number from … to …".
// A positive number too close to 0 for a double ("1e-400") is too small,
// not 0. With `whole`, only a whole number, and the reasons ask for one.
Outcome<double> ReadNumberField(std::string_view text, const InputRange& range,
                                const NumberConverter& numbers, bool whole = false);

// A gear or axle ratio; it may end in ":1", as owners write it ("3.55:1").
Outcome<double> ReadRatioField(std::string_view text, const NumberConverter& numbers);

// A ratio's text without the ":1" it may end in: "3.55" for "3.55 : 1".
std::string_view RatioNumberText(std::string_view text);

// One to kMostGears gear ratios, first gear first, separated by commas
// (semicolons where the comma is the decimal point) or slashes. A bad ratio
// is named by its gear: "2nd gear: Empty: type a number from 0.05 to 50."
Outcome<std::vector<double>> ReadGearsField(std::string_view text, const NumberConverter& numbers);

// What goes between gear ratios in one field: ", ", or "; " where the comma
// is the decimal point; and ratios' texts joined with it.
std::string_view GearSeparator(const NumberConverter& numbers);
std::string GearsText(const std::vector<std::string>& ratios, const NumberConverter& numbers);

// A tire: a diameter in inches, or any size the tire reader knows
// ("185/80R13", "818 rev/mi", "24 in").
Outcome<double> ReadTireField(std::string_view text, const NumberConverter& numbers);
// The tire field's reading with how it was read, for TireDescription: a
// plain number is a tire of TireForm::Inches.
Outcome<Tire> ReadTireSizeField(std::string_view text, const NumberConverter& numbers);
// The same for a text that ReadTire has read already, with `numbers`'
// decimal point, and that is no plain number of `numbers`: not read again.
Outcome<Tire> TireFieldOf(std::string_view text, const Outcome<Tire, TireRefusal>& tire,
                          const NumberConverter& numbers);

// What a tire field reads as, shown beside it: "24.65 in, 818 revolutions
// per mile", or for a size what it was read as: "24.97 in (metric, speed
// rating Z), 807 revolutions per mile"; "24.66 in" for "818 rev/mi".
std::string TireDescription(const Tire& tire, const NumberConverter& numbers);

// A redline, and any other engine speed typed (a target, a tachometer's
// reading): the same range.
Outcome<double> ReadRedlineField(std::string_view text, const NumberConverter& numbers);
Outcome<double> ReadEngineSpeedField(std::string_view text, const NumberConverter& numbers);

// A road speed in `unit`.
Outcome<double> ReadRoadSpeedField(std::string_view text, SpeedUnit unit,
                                   const NumberConverter& numbers);

// A speedometer gear's number of teeth: a whole number.
Outcome<double> ReadTeethField(std::string_view text, const NumberConverter& numbers);

// How far a speedometer reads off, in %: + high, - low.
Outcome<double> ReadErrorField(std::string_view text, const NumberConverter& numbers);

// A window's line for a bad field: "Road speed: Too small: type …".
std::string LabelledReason(std::string_view label, std::string_view reason);

// A road speed's text once the unit changes from `from` to `to`, to 0.01
// (a tenth of a km/h would move an engine speed by one); nothing when the
// text is no number, which then stays as typed.
std::optional<std::string> ConvertedSpeedText(std::string_view text, SpeedUnit from, SpeedUnit to,
                                              const NumberConverter& numbers);

}  // namespace tachoria
