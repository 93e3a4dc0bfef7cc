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

// The gearbox a model line and year range select, as owners write them
// (catalogue/CatalogueLookup: "early", 1962), by the catalogue's own texts;
// or one line naming --model or --years and what the catalogue has instead,
// with `prefix` in the options' names ("a-" names --a-model and --a-years).
Outcome<StockGearbox> ReadStockGearboxOptions(std::string_view model, std::string_view years,
                                              std::string_view prefix = {});
// The same gearbox by its code.
Outcome<GearboxCode> ReadGearboxOptions(std::string_view model, std::string_view years);

// The catalogue's text of the axle ratio `axle` names by its value ("3.270",
// "3.27:1"), if the gearbox is offered with it; or one line naming --axle
// and the ratios it is offered with.
Outcome<std::string_view> ReadStockAxleOption(const StockGearbox& gearbox, std::string_view axle);

// One line for the error stream, naming the option and its text:
// `--tire "-5": Must be greater than 0: type a number from 5 to 100 in.`
std::string OptionProblem(std::string_view option, std::string_view text, std::string_view problem);

// "\"3.27\", \"3.55\"": texts quoted as messages quote them.
std::string QuotedList(std::span<const std::string_view> texts);

}  // namespace tachoria
