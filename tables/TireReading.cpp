#include "tables/TireReading.h"

#include <cmath>

#include "arith/Blanks.h"
#include "arith/TireSize.h"
#include "tables/FailureMessage.h"
#include "tables/GenericPage.h"
#include "tables/ReadForm.h"

namespace tachoria {
namespace {

constexpr std::string_view kHowToWrite =
    "Type a diameter in inches, or a size code such as 185/80R13.";

// What a number read from `text` means for the tables.
std::string ReadsAs(std::string_view text, double diameter, const NumberConverter& numbers) {
    if (std::isinf(diameter)) {
        return Quote(text) + " is too large a number.";
    }
    std::string reading = Quote(text) + " reads as " + numbers.ToText(diameter) + " in";
    if (diameter == 0.0) {
        reading += ", and the tables need a diameter other than 0";
    }
    return reading + ".";
}

std::string NotANumber(std::string_view text) {
    return Quote(text) + " is not a number. " + std::string(kHowToWrite);
}

}  // namespace

std::string GenericTireReading(std::string_view text, const NumberConverter& numbers) {
    if (text.empty()) {
        return "Empty: the tables use " + numbers.ToText(kDefaultTireDiameter) + " in. " +
               std::string(kHowToWrite);
    }
    std::string note = TireSizeNote(text);
    if (!note.empty()) {
        return note;
    }
    const std::optional<double> value = numbers.ToNumber(text);
    return value ? ReadsAs(text, *value, numbers) : NotANumber(text);
}

std::string StockTireReading(std::string_view text) {
    if (TrimBlanks(text).empty()) {
        return std::string(kHowToWrite);
    }
    std::string note = TireSizeNote(text);
    if (!note.empty()) {
        return note;
    }
    if (ScanLeadingNumber(TrimLeadingBlanks(text)).length == 0) {
        return NotANumber(text);
    }
    return ReadsAs(text, StockTireDiameter(text), PlainNumberConverter());
}

}  // namespace tachoria
