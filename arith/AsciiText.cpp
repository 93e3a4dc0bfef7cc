#include "arith/AsciiText.h"

namespace tachoria {

std::string ToLowerAscii(std::string_view text) {
    std::string lower(text);
    for (char& c : lower) {
        c = ToLowerAscii(c);
    }
    return lower;
}

std::string ToUpperAscii(std::string_view text) {
    std::string upper(text);
    for (char& c : upper) {
        c = ToUpperAscii(c);
    }
    return upper;
}

bool IsBetweenDigits(std::string_view text, std::size_t at) {
    return at > 0 && at + 1 < text.size() && IsDigit(text[at - 1]) && IsDigit(text[at + 1]);
}

}  // namespace tachoria
