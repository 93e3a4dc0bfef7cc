#pragma once

#include <optional>
#include <string_view>

#include "catalogue/StockCatalogue.h"

// The catalogue's choices as owners write them: "early" or "Late Car" for a
// model line, 1962 for the year range that holds it, 3.270 for the axle
// ratio 3.27. Every front end that takes such a choice as text (the command
// line, a shared address) reads it here, so that all of them accept the same.
namespace tachoria {

// What a text names in the catalogue: the catalogue's own text for it, or
// nothing, and then whether more than one choice would have done.
struct CatalogueMatch {
    std::optional<std::string_view> text;
    bool ambiguous = false;
};

// A model line by its name in any case, or by a leading part of it that
// starts only one line's name ("early", "Late Car", "forward"); blanks
// around the text do not count.
CatalogueMatch MatchModel(std::string_view typed);

// A year range of `model` (the catalogue's own text) by its text in any
// case, or by one year ("1962") that only one of the model's ranges holds.
CatalogueMatch MatchYearRange(std::string_view model, std::string_view typed);

// The axle ratio text that gearbox `code` is offered with whose value is
// `ratio` (3.270 is 3.27); nothing when none is.
std::optional<std::string_view> MatchAxleRatio(GearboxCode code, double ratio);

}  // namespace tachoria
