#pragma once

#include <cstddef>
#include <span>
#include <string>
#include <string_view>

namespace tachoria {

// One input of a table as the user sees it: the name it goes by (a box's
// caption or a command-line option), the text given, and the number read
// from it.
struct NamedInput {
    std::string name;
    std::string text;
    double value = 0.0;
    bool divisor = false;  // the table divides by it, so 0 cannot work
};

// Messages quote at most this many characters of what was typed.
inline constexpr std::size_t kLongestQuote = 40;

// `text` in double quotes, with its middle replaced by "…" when it is longer
// than kLongestQuote characters: "1234567890123456789…1234567890123456789".
std::string Quote(std::string_view text);

// Tire Diameter "abc" is not a number.
std::string NotANumberMessage(std::string_view name, std::string_view text);

// Tire Diameter "1e400" is too large a number.
std::string TooLargeMessage(std::string_view name, std::string_view text);

// Tire Diameter "225/45R": the rim diameter is missing. `why` is the tire
// reader's reason.
std::string TireMessage(std::string_view name, std::string_view text, std::string_view why);

// Why rows could not be computed from these inputs: a zero divisor by name,
// or else numbers too large or too small, naming every input.
std::string RowFailureMessage(std::span<const NamedInput> inputs);

}  // namespace tachoria
