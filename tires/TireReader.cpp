#include "tires/TireReader.h"

#include <numbers>
#include <optional>
#include <string>
#include <string_view>
#include <utility>

#include "tires/FlotationReader.h"
#include "tires/InchesReader.h"
#include "tires/MetricCodeReader.h"
#include "tires/PeriodSizeReader.h"
#include "tires/RevolutionsReader.h"
#include "tires/TireLexer.h"
#include "tires/TireMessages.h"
#include "tires/TireText.h"

// The text tidied, its first number read, and the size family that the
// rest names reads it (one file each).
namespace tachoria::tires {
namespace {

// "E78-14", "GR70-15": a letter for the load, the aspect ratio, the rim.
bool IsLetterSize(std::string_view typed) {
    std::size_t at = 1;
    if (typed.empty() || ToLowerAscii(typed[0]) < 'a' || ToLowerAscii(typed[0]) > 'n') {
        return false;
    }
    if (at < typed.size() && ToLowerAscii(typed[at]) == 'r') {
        ++at;
    }
    return at + 1 < typed.size() && IsDigit(typed[at]) && IsDigit(typed[at + 1]) &&
           (at + 2 == typed.size() || !IsDigit(typed[at + 2]));
}

// What a box should make of a text as `reading` reads it.
UnreadTire KindOf(const Reading& reading) {
    if (!reading) {
        return reading.failure().kind;
    }
    switch (reading->form) {
        case TireForm::Inches:
            return UnreadTire::NotASize;
        case TireForm::Flotation:
            return UnreadTire::DiameterFirst;
        default:
            return UnreadTire::NoDiameter;
    }
}

// With `eitherPoint`, a size's numbers may be written with '.' or ',':
// sidewalls print '.' wherever the user lives.
Reading Read(std::string_view text, char point, bool eitherPoint) {
    const std::string plain = Plain(text);
    const std::string_view typed = WithoutEndMark(TrimBlanks(plain));
    if (typed.empty()) {
        return Refusal{std::string(kNothing), UnreadTire::NotASize};
    }
    if (IsLetterSize(typed)) {
        return Refusal{std::string(kLetterSize), UnreadTire::NoDiameter};
    }
    if (std::optional<Reading> period = ReadPeriodSize(typed, point, eitherPoint)) {
        return std::move(*period);
    }
    Cursor cursor(typed, point, eitherPoint);
    const bool prefixed = cursor.TakePrefix();
    const UnreadTire kind = prefixed ? UnreadTire::NoDiameter : UnreadTire::NotASize;
    if (cursor.AtNegativeNumber()) {
        // "-818 rev/mi": what it would be without the sign.
        return Refusal{std::string(kNegative),
                       prefixed ? kind : KindOf(Read(typed.substr(1), point, eitherPoint))};
    }
    const std::optional<Number> first = cursor.TakeNumber();
    if (!first) {
        return Refusal{std::string(prefixed && cursor.AtEnd() ? kWidthMissing : kNotATire), kind};
    }
    if (cursor.AtOtherPoint()) {
        // "818,5 rev/mi" where the point is '.': what it would be with either.
        return Refusal{DecimalsMessage(point), prefixed ? kind : KindOf(Read(typed, point, true))};
    }
    if (!prefixed) {
        const std::string unit = Squeezed(cursor.Rest());
        if (IsInchUnit(unit)) {
            return ReadInches(typed, *first, unit, point);
        }
        if (IsRevolutionUnit(unit)) {
            return ReadRevolutions(typed, *first, point);
        }
        if (unit == "rpm" || unit == "r.p.m" || unit == "r/min") {
            return Refusal{std::string(kEngineSpeed), UnreadTire::NoDiameter};
        }
        if (MeansRevolutions(unit)) {
            return Refusal{std::string(kRevolutionUnit), UnreadTire::NoDiameter};
        }
    }
    const std::size_t afterFirst = cursor.Position();
    cursor.SkipBlanks();
    if (cursor.TakeTimes()) {
        return ReadFlotation(cursor, typed, *first, point);
    }
    cursor.Restore(afterFirst);
    return ReadMetric(cursor, typed, *first, prefixed, point);
}

Reading Read(std::string_view text, char decimalPoint) {
    const char point = decimalPoint == ',' ? ',' : '.';
    return Read(text, point, point == ',');
}

}  // namespace
}  // namespace tachoria::tires

namespace tachoria {

double RevolutionsPerMile(double diameter) {
    constexpr double kInchesPerMile = 63360;
    return kInchesPerMile / (std::numbers::pi * diameter);
}

double MetricDiameter(double width, double aspect, double rim) {
    constexpr double kMillimetresPerInch = 25.4;
    return rim + 2 * width * aspect / 100 / kMillimetresPerInch;
}

Outcome<Tire, TireRefusal> ReadTire(std::string_view text, char decimalPoint) {
    return tires::Read(text, decimalPoint);
}

}  // namespace tachoria
