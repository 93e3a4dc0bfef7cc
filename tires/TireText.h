#pragma once

#include <algorithm>
#include <array>
#include <cstddef>
#include <string>
#include <string_view>

// A tire text tidied before it is read, and read numbers written back for
// the user: internal to tires/.
namespace tachoria::tires {

// Blanks pasted from elsewhere (no-break spaces, tabs, line breaks) as
// spaces, and the curly inch marks as '"'.
std::string Plain(std::string_view text);

// Without a full stop, comma or semicolon ending a size ("225/45R17.").
std::string_view WithoutEndMark(std::string_view typed);

// Lower case without blanks: how a unit is compared, whatever its spacing.
std::string Squeezed(std::string_view text);

// The text as the note repeats it: each run of blanks one space.
std::string Spoken(std::string_view typed);

// `text` with its decimal point, '.' or ',', written as `point`.
std::string WithPoint(std::string text, char point);

// A diameter in a note or message: two decimals, "24.97".
std::string Inches(double diameter, char point);

// Whether `word` is one of `words`.
template <std::size_t N>
bool IsOneOf(std::string_view word, const std::array<std::string_view, N>& words) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

}  // namespace tachoria::tires
