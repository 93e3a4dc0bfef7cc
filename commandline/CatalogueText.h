#pragma once

#include <string>

#include "tables/TableText.h"

// What `tachoria-cli catalogue` prints: every stock gearbox the stock
// subcommand can be given.
namespace tachoria {

// text: each model, then its year ranges indented with their gear and axle
// ratios. tsv and csv: a row for each model, year range and axle ratio,
// with the four gear ratios, so that each row is one stock selection.
// json: {"gearboxes": [...]}, one object per model and year range with
// "model", "yearRange", "gearRatios" and "axleRatios".
std::string CatalogueText(TextFormat format);

}  // namespace tachoria
