#include "tables/FailureMessage.h"

#include <vector>

namespace tachoria {
namespace {

constexpr std::string_view kEllipsis = "\u2026";

// Where each character of a UTF-8 text starts, so that eliding never cuts
// one in two.
std::vector<std::size_t> CharacterStarts(std::string_view text) {
    std::vector<std::size_t> starts;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if ((static_cast<unsigned char>(text[i]) & 0xC0U) != 0x80U) {
            starts.push_back(i);
        }
    }
    return starts;
}

std::string Named(std::string_view name, std::string_view text) {
    return std::string(name) + " " + Quote(text);
}

}  // namespace

std::string Quote(std::string_view text) {
    const std::vector<std::size_t> starts = CharacterStarts(text);
    std::string quoted(1, '"');
    if (starts.size() <= kLongestQuote) {
        quoted.append(text);
    } else {
        const std::size_t head = (kLongestQuote - 1) / 2;
        const std::size_t tail = kLongestQuote - 1 - head;
        quoted.append(text.substr(0, starts[head]));
        quoted.append(kEllipsis);
        quoted.append(text.substr(starts[starts.size() - tail]));
    }
    quoted += '"';
    return quoted;
}

std::string NotANumberMessage(std::string_view name, std::string_view text) {
    return Named(name, text) + " is not a number.";
}

std::string TooLargeMessage(std::string_view name, std::string_view text) {
    return Named(name, text) + " is too large a number.";
}

std::string TireMessage(std::string_view name, std::string_view text, std::string_view why) {
    return Named(name, text) + ": " + std::string(why) + ".";
}

std::string RowFailureMessage(std::span<const NamedInput> inputs) {
    for (const NamedInput& input : inputs) {
        if (input.divisor && input.value == 0.0) {
            return Named(input.name, input.text) +
                   " is zero, and the table divides by it. Enter a number other than 0.";
        }
    }
    std::string list;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (i > 0) {
            list += i + 1 == inputs.size() ? " and " : ", ";
        }
        list += Named(inputs[i].name, inputs[i].text);
    }
    const char* verb = inputs.size() == 1 ? " is" : " are";
    return list + verb + " too large or too small: the table's speeds cannot be computed.";
}

}  // namespace tachoria
