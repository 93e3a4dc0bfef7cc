#include "inputs/FieldReaders.h"

#include <cmath>

#include "arith/AsciiText.h"
#include "arith/Blanks.h"
#include "arith/NumberReading.h"
#include "inputs/GearName.h"
#include "tires/TireReader.h"

namespace tachoria {
namespace {

// Whether a text that reads as 0 writes a number that is not 0 ("1e-400",
// "0,000…01"): a digit other than 0 before any exponent, and no minus
// sign. In any decimal point, since only digits are looked at.
bool ReadsAsZeroButIsNot(std::string_view text) {
    text = TrimBlanks(text);
    if (text.starts_with('-')) {
        return false;
    }
    for (const char c : text) {
        if (c == 'e' || c == 'E') {
            break;
        }
        if (c >= '1' && c <= '9') {
            return true;
        }
    }
    return false;
}

// The gear ratios' texts of a field, split at its separators.
std::vector<std::string_view> SplitGears(std::string_view text, const NumberConverter& numbers) {
    const std::string_view separators = numbers.DecimalPoint() == ',' ? ";/" : ";/,";
    std::vector<std::string_view> parts;
    for (;;) {
        const std::size_t at = text.find_first_of(separators);
        parts.push_back(text.substr(0, at));
        if (at == std::string_view::npos) {
            return parts;
        }
        text.remove_prefix(at + 1);
    }
}

// `value`, read from `text`, if it lies in `range`, or why not.
Outcome<double> InRange(std::string_view text, std::optional<double> value, const InputRange& range,
                        const NumberConverter& numbers, bool whole) {
    std::string wanted = whole ? "type a whole number " : "type a number ";
    wanted += RangeText(range, numbers);
    wanted += '.';
    if (TrimBlanks(text).empty()) {
        return Failure{"Empty: " + wanted};
    }
    if (!value) {
        return Failure{"Not a number: " + wanted};
    }
    const bool underflow = *value == 0 && ReadsAsZeroButIsNot(text);
    if (range.least > 0 && *value <= 0 && !underflow) {
        // 0 is told apart from a small number: nothing divides by it.
        return Failure{"Must be greater than 0: " + wanted};
    }
    if (*value < range.least || (underflow && range.least > 0)) {
        return Failure{"Too small: " + wanted};
    }
    if (*value > range.most) {
        return Failure{"Too large: " + wanted};
    }
    if (whole && *value != std::floor(*value)) {
        return Failure{"Not a whole number: " + wanted};
    }
    return *value;
}

// "818 revolutions per mile".
std::string Revolutions(double diameter) {
    return PlainNumberConverter().ToText(std::round(RevolutionsPerMile(diameter))) +
           " revolutions per mile";
}

}  // namespace

Outcome<double> ReadNumberField(std::string_view text, const InputRange& range,
                                const NumberConverter& numbers, bool whole) {
    return InRange(text, numbers.ToNumber(text), range, numbers, whole);
}

std::string_view RatioNumberText(std::string_view text) {
    std::string_view rest = TrimBlanks(text);
    if (!rest.ends_with('1')) {
        return text;
    }
    rest = TrimBlanks(rest.substr(0, rest.size() - 1));
    if (!rest.ends_with(':')) {
        return text;
    }
    const std::string_view number = TrimBlanks(rest.substr(0, rest.size() - 1));
    // ":1" alone is no ratio: read whole, for the reader's reason.
    return number.empty() ? text : number;
}

Outcome<double> ReadRatioField(std::string_view text, const NumberConverter& numbers) {
    return ReadNumberField(RatioNumberText(text), kRatioRange, numbers);
}

std::string_view GearSeparator(const NumberConverter& numbers) {
    return numbers.DecimalPoint() == ',' ? "; " : ", ";
}

std::string GearsText(const std::vector<std::string>& ratios, const NumberConverter& numbers) {
    std::string text;
    for (const std::string& ratio : ratios) {
        if (!text.empty()) {
            text += GearSeparator(numbers);
        }
        text += ratio;
    }
    return text;
}

Outcome<std::vector<double>> ReadGearsField(std::string_view text, const NumberConverter& numbers) {
    const std::vector<std::string_view> parts = SplitGears(text, numbers);
    std::string wanted = "type 1 to " + std::to_string(kMostGears);
    wanted += " gear ratios, first gear first, with \"";
    wanted += TrimBlanks(GearSeparator(numbers));
    wanted += "\" between them.";
    if (parts.size() == 1 && TrimBlanks(parts.front()).empty()) {
        return Failure{"Empty: " + wanted};
    }
    if (parts.size() > kMostGears) {
        return Failure{"Too many: " + wanted};
    }
    std::vector<double> gears;
    for (const std::string_view part : parts) {
        const Outcome<double> ratio = ReadRatioField(part, numbers);
        if (!ratio) {
            // Named as the comparison's gear fields are captioned.
            std::string named = GearName(static_cast<int>(gears.size()) + 1);
            named += " gear: ";
            named += ratio.message();
            return Failure{named};
        }
        gears.push_back(*ratio);
    }
    return gears;
}

Outcome<Tire> TireFieldOf(std::string_view text, const Outcome<Tire, TireRefusal>& tire,
                          const NumberConverter& numbers) {
    if (tire) {
        // A size comes within the range already; "24 in" is held to it here.
        return tire->form == TireForm::Inches
                   ? InRange(text, tire->diameter, kTireRange, numbers, false)
                         .transform([&tire](double) { return *tire; })
                   : Outcome<Tire>(*tire);
    }
    if (tire.failure().kind == UnreadTire::NotASize) {
        return Failure{"Not a number: type a diameter " + RangeText(kTireRange, numbers) +
                       ", a size such as 185/80R13, or revolutions per mile such as 818 rev/mi."};
    }
    std::string why = tire.message();
    why.front() = ToUpperAscii(why.front());
    return Failure{why + "."};
}

Outcome<Tire> ReadTireSizeField(std::string_view text, const NumberConverter& numbers) {
    if (const std::optional<double> value = numbers.ToNumber(text);
        value || TrimBlanks(text).empty()) {
        return InRange(text, value, kTireRange, numbers, false)
            .transform([&numbers](double diameter) {
                const std::string inches = numbers.ToText(diameter) + " in";
                return Tire{diameter, TireForm::Inches, inches, inches};
            });
    }
    return TireFieldOf(text, ReadTire(text, numbers.DecimalPoint()), numbers);
}

Outcome<double> ReadTireField(std::string_view text, const NumberConverter& numbers) {
    return ReadTireSizeField(text, numbers).transform(&Tire::diameter);
}

std::string TireDescription(const Tire& tire, const NumberConverter& numbers) {
    if (tire.form == TireForm::Inches) {
        return numbers.ToText(std::round(tire.diameter * 100) / 100) + " in, " +
               Revolutions(tire.diameter);
    }
    return tire.form == TireForm::RevolutionsPerMile
               ? tire.readsAs
               : tire.readsAs + ", " + Revolutions(tire.diameter);
}

Outcome<double> ReadRedlineField(std::string_view text, const NumberConverter& numbers) {
    return ReadNumberField(text, kRedlineRange, numbers);
}

Outcome<double> ReadEngineSpeedField(std::string_view text, const NumberConverter& numbers) {
    return ReadNumberField(text, kEngineSpeedRange, numbers);
}

Outcome<double> ReadRoadSpeedField(std::string_view text, SpeedUnit unit,
                                   const NumberConverter& numbers) {
    return ReadNumberField(text, SpeedRange(unit), numbers);
}

Outcome<double> ReadTeethField(std::string_view text, const NumberConverter& numbers) {
    return ReadNumberField(text, kTeethRange, numbers, true);
}

Outcome<double> ReadErrorField(std::string_view text, const NumberConverter& numbers) {
    return ReadNumberField(text, kErrorRange, numbers);
}

std::string LabelledReason(std::string_view label, std::string_view reason) {
    std::string line(label);
    line += ": ";
    line += reason;
    return line;
}

std::optional<std::string> ConvertedSpeedText(std::string_view text, SpeedUnit from, SpeedUnit to,
                                              const NumberConverter& numbers) {
    const std::optional<double> speed = numbers.ToNumber(text);
    if (!speed || from == to) {
        return std::nullopt;
    }
    const double converted =
        to == SpeedUnit::KMH ? *speed * kKilometresPerMile : *speed / kKilometresPerMile;
    return numbers.ToText(std::round(converted * 100) / 100);
}

}  // namespace tachoria
