#include "inputs/InputRanges.h"

#include <cmath>

namespace tachoria {

std::string RangeText(const InputRange& range, const NumberConverter& numbers) {
    // Appended piece by piece: GCC 12 warns falsely about a chain of "+".
    std::string text = "from ";
    text += numbers.ToText(range.least);
    text += " to ";
    text += numbers.ToText(range.most);
    if (!range.unit.empty()) {
        text += ' ';
        text += range.unit;
    }
    return text;
}

std::optional<std::string> OutOfRange(double value, const InputRange& range,
                                      const NumberConverter& numbers) {
    if (std::isfinite(value) && value >= range.least && value <= range.most) {
        return std::nullopt;
    }
    return "Out of range: use a value " + RangeText(range, numbers) + ".";
}

}  // namespace tachoria
