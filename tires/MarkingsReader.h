#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "tires/TireLexer.h"

// The markings after the rim of a metric or flotation size: internal to
// tires/.
namespace tachoria::tires {

// What may follow the rim: "LT" or "C" right after it, then a service
// description ("94W", "94 W", "120/116S"), a load range ("E", "LRE", "LR E",
// "Load Range E") and marks that say nothing of the diameter ("XL", "Extra
// Load", "RFT", "M+S", ...), each once.
// Nothing when every one is read, else why not.
std::optional<Problem> ReadAfterRim(Cursor& cursor);

// Whether `lowerWord` is a mark that says nothing of the diameter: "xl",
// "rft", "wsw", "tt", ...
bool IsMark(std::string_view lowerWord);

// A word of the user's in a message: upper case, as sidewalls print it, in
// quotes, and cut short when long.
std::string ShownWord(std::string_view word);

}  // namespace tachoria::tires
