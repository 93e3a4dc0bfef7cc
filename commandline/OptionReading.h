#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/StockCatalogue.h"
#include "comparison/Gearing.h"
#include "tables/InputRanges.h"

// Options read as the comparison's fields read them: "." as the decimal
// point, and only within the working ranges of tables/InputRanges.h, with
// the reason when not; and a catalogue selection given by its texts.
namespace tachoria {

using FieldReader = Outcome<double> (*)(std::string_view, const NumberConverter&);

// `read`'s reading of `text`, except that a positive number too small for a
// double ("1e-400", or "0.000…01" with hundreds of zeros) is too small for
// `range`, not zero or too large.
Outcome<double> ReadOption(std::string_view text, FieldReader read, const InputRange& range);

// A number that no field of the windows holds (a road speed, a percentage,
// a count), read with the fields' reasons: within `range`, which may hold
// negative numbers, and with `whole`, only a whole number.
Outcome<double> ReadNumberOption(std::string_view text, const InputRange& range,
                                 bool whole = false);

// Gear ratios separated by commas, first gear first: one to kMostGears,
// each read as a ratio field. A problem names the gear: "gear 2: Empty: …".
Outcome<std::vector<double>> ReadGearsOption(std::string_view text);

// A tire as the stock page reads it: a size, or the number the text starts
// with ("24 in" is 24) unless that number is no diameter ("6.50-13").
Outcome<double> ReadStockTireOption(std::string_view text);

// The gearbox a model line and year range of the catalogue select, or one
// line naming --model or --years and what the catalogue has instead.
Outcome<GearboxCode> ReadGearboxOptions(std::string_view model, std::string_view years);

// One line for the error stream, naming the option and its text:
// `--tire "-5": Must be greater than 0: type a number from 5 to 100 in.`
std::string OptionProblem(std::string_view option, std::string_view text, std::string_view problem);

// "\"3.27\", \"3.55\"": texts quoted as messages quote them.
std::string QuotedList(std::span<const std::string_view> texts);

}  // namespace tachoria
