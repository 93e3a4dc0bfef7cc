#pragma once

#include <span>
#include <string>
#include <string_view>

namespace tachoria {

// One input of a table as the user sees it: the caption of its box, the text
// in the box, and the number read from it.
struct NamedInput {
    std::string name;
    std::string text;
    double value = 0.0;
    bool divisor = false;  // the table divides by it, so 0 cannot work
};

// Tire Diameter "abc" is not a number.
std::string NotANumberMessage(std::string_view name, std::string_view text);

// Why rows could not be computed from these inputs: a zero divisor by name,
// or else numbers too large or too small, naming every input.
std::string RowFailureMessage(std::span<const NamedInput> inputs);

}  // namespace tachoria
