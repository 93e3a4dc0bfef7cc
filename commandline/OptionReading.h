#pragma once

#include <string>
#include <string_view>

#include "comparison/Gearing.h"
#include "tables/InputRanges.h"

// Numbers given as options, read as the comparison's fields read them:
// "." as the decimal point, and only within the working ranges of
// tables/InputRanges.h, with the reason when not.
namespace tachoria {

using FieldReader = Outcome<double> (*)(std::string_view, const NumberConverter&);

// `read`'s reading of `text`, except that a positive number too small for a
// double ("1e-400", or "0.000…01" with hundreds of zeros) is too small for
// `range`, not zero or too large.
Outcome<double> ReadOption(std::string_view text, FieldReader read, const InputRange& range);

// A tire as the stock page reads it: a size, or the number the text starts
// with ("24 in" is 24) unless that number is no diameter ("6.50-13").
Outcome<double> ReadStockTireOption(std::string_view text);

// One line for the error stream, naming the option and its text:
// `--tire "-5": Must be greater than 0: type a number from 5 to 100 in.`
std::string OptionProblem(std::string_view option, std::string_view text, std::string_view problem);

}  // namespace tachoria
