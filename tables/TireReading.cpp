#include "tables/TireReading.h"

#include <cmath>

#include "arith/Blanks.h"
#include "tables/FailureMessage.h"
#include "tables/GenericPage.h"
#include "tables/ReadForm.h"
#include "tires/TireReader.h"

namespace tachoria {
namespace {

constexpr std::string_view kHowToWrite =
    "Type a diameter in inches, a size such as 185/80R13 or 33x12.50R15, or the revolutions "
    "per mile from the tire's data, such as 818 rev/mi.";

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

// Why a size the reader knows gives no diameter.
std::string NoTire(std::string_view text, const Outcome<Tire, TireRefusal>& tire) {
    return Quote(text) + ": " + tire.message() + ".";
}

}  // namespace

std::string GenericTireReading(std::string_view text, const NumberConverter& numbers) {
    if (text.empty()) {
        return "Empty: the tables use " + numbers.ToText(kDefaultTireDiameter) + " in. " +
               std::string(kHowToWrite);
    }
    if (const std::optional<double> value = numbers.ToNumber(text)) {
        return ReadsAs(text, *value, numbers);
    }
    const auto tire = ReadTire(text, numbers.DecimalPoint());
    if (tire) {
        return tire->form == TireForm::Inches ? ReadsAs(text, tire->diameter, numbers) : tire->note;
    }
    return tire.failure().kind == UnreadTire::NotASize ? NotANumber(text) : NoTire(text, tire);
}

std::string StockTireReading(std::string_view text) {
    return StockTireReading(text, PlainNumberConverter());
}

std::string StockTireReading(std::string_view text, const NumberConverter& numbers) {
    if (TrimBlanks(text).empty()) {
        return std::string(kHowToWrite);
    }
    const auto tire = ReadTire(text);
    if (tire && tire->form != TireForm::Inches) {
        return tire->note;
    }
    const Outcome<double> diameter = StockTireDiameter(text, tire);
    if (!diameter) {
        return NoTire(text, tire);
    }
    if (ScanLeadingNumber(TrimLeadingBlanks(text)).length == 0) {
        return NotANumber(text);
    }
    return ReadsAs(text, *diameter, numbers);
}

}  // namespace tachoria
