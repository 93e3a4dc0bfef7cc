#include "tires/TireLexer.h"

namespace tachoria::tires {
namespace {

// Speed ratings printed before the construction letter: "SR", "HR", "ZR".
constexpr std::string_view kSpeedsBeforeConstruction = "qstuhvwyz";

bool IsConstruction(char c) {
    return std::string_view("rdb").find(ToLowerAscii(c)) != std::string_view::npos;
}

}  // namespace

std::optional<Problem> ReadPart(Cursor& cursor, Number& part, std::string_view missing,
                                std::string_view zero, const std::string& decimals) {
    if (cursor.AtEnd()) {
        return Problem{missing};
    }
    if (cursor.AtNegativeNumber()) {
        return Problem{kNegative};
    }
    const std::optional<Number> number = cursor.TakeNumber();
    if (!number) {
        return Problem{missing};
    }
    if (cursor.AtOtherPoint()) {
        return Problem{decimals};
    }
    if (number->value == 0) {
        return Problem{zero};
    }
    part = *number;
    return std::nullopt;
}

Gap ReadGap(Cursor& cursor) {
    Gap gap;
    gap.blanks = cursor.SkipBlanks();
    if (cursor.Take('/') || cursor.Take('-')) {
        gap.separator = true;
        cursor.SkipBlanks();
    }
    const std::string_view letters = cursor.TakeLetters();
    if (letters.empty()) {
        return gap;
    }
    gap.letters = true;
    // "RF" marks a run-flat radial: "225/45RF17".
    if ((letters.size() == 1 && IsConstruction(letters[0])) || ToLowerAscii(letters) == "rf") {
        gap.construction = true;
    } else if (letters.size() == 2 && IsConstruction(letters[1]) &&
               kSpeedsBeforeConstruction.find(ToLowerAscii(letters[0])) != std::string_view::npos) {
        gap.construction = true;
        gap.speed = ToUpperAscii(letters[0]);
    }
    if (gap.construction) {
        cursor.SkipBlanks();
        if (cursor.Take('-')) {
            cursor.SkipBlanks();
        }
    }
    return gap;
}

}  // namespace tachoria::tires
