#include "tables/FailureMessage.h"

namespace tachoria {
namespace {

std::string Quoted(std::string_view name, std::string_view text) {
    std::string quoted(name);
    quoted += " \"";
    quoted += text;
    quoted += '"';
    return quoted;
}

}  // namespace

std::string NotANumberMessage(std::string_view name, std::string_view text) {
    return Quoted(name, text) + " is not a number.";
}

std::string RowFailureMessage(std::span<const NamedInput> inputs) {
    for (const NamedInput& input : inputs) {
        if (input.divisor && input.value == 0.0) {
            return Quoted(input.name, input.text) +
                   " is zero, and the table divides by it. Enter a number other than 0.";
        }
    }
    std::string list;
    for (std::size_t i = 0; i < inputs.size(); ++i) {
        if (i > 0) {
            list += i + 1 == inputs.size() ? " and " : ", ";
        }
        list += Quoted(inputs[i].name, inputs[i].text);
    }
    const char* verb = inputs.size() == 1 ? " is" : " are";
    return list + verb + " too large or too small: the table's speeds cannot be computed.";
}

}  // namespace tachoria
