#pragma once

#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "catalogue/StockCatalogue.h"
#include "comparison/StockGearboxes.h"
#include "inputs/FieldReaders.h"

// What the options need beyond the fields' readers (inputs/FieldReaders,
// with "." as the decimal point): the stock page's tire, a catalogue
// selection given by its texts, and the option named in a problem.
namespace tachoria {

// A tire as the stock page reads it: a size, or the number the text starts
// with ("24 in" is 24) unless that number is no diameter ("6.50-13").
Outcome<double> ReadStockTireOption(std::string_view text);

// The gearbox a model line and year range of the catalogue select, or one
// line naming --model or --years and what the catalogue has instead.
Outcome<GearboxCode> ReadGearboxOptions(std::string_view model, std::string_view years);

// The stock gearbox that a model line and year range select, read by
// ReadGearboxOptions; `prefix` goes into the options its line names ("a-"
// names --a-model and --a-years).
Outcome<StockGearbox> ReadStockGearboxOptions(std::string_view model, std::string_view years,
                                              std::string_view prefix = {});

// One line for the error stream, naming the option and its text:
// `--tire "-5": Must be greater than 0: type a number from 5 to 100 in.`
std::string OptionProblem(std::string_view option, std::string_view text, std::string_view problem);

// "\"3.27\", \"3.55\"": texts quoted as messages quote them.
std::string QuotedList(std::span<const std::string_view> texts);

}  // namespace tachoria
