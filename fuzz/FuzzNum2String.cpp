// Num2String over any finite value, decimals and width.
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <string>

#include "arith/Num2String.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    double value = 0;
    if (size < sizeof value + 2) {
        return 0;
    }
    std::memcpy(&value, data, sizeof value);
    if (!std::isfinite(value)) {
        return 0;  // the conversions never hand these on
    }
    const int decimals = data[sizeof value] % 7;
    const int width = data[sizeof value + 1] % 13;
    const std::string text = tachoria::Num2String(value, decimals, width);
    if (text.size() < static_cast<std::size_t>(width)) {
        std::abort();
    }

    // What the tables pass: whole numbers within range, 0 decimals. Their
    // text is the number itself, right-aligned, with no exponent.
    const double whole = std::trunc(value);
    if (std::fabs(whole) < 1e15) {
        const std::string cell = tachoria::Num2String(whole, 0, width);
        if (cell.find_first_of("e.") != std::string::npos ||
            cell.find("inf") != std::string::npos || cell.find("nan") != std::string::npos ||
            std::stod(cell) != whole) {
            std::abort();
        }
    }
    return 0;
}
