#include "tires/InchesReader.h"

#include <array>
#include <cmath>
#include <string>

namespace tachoria::tires {
namespace {

// Units after a plain number, lower case and without blanks.
constexpr std::array<std::string_view, 5> kInchUnits = {"", "\"", "in", "inch", "inches"};

}  // namespace

bool IsInchUnit(std::string_view unit) { return IsOneOf(unit, kInchUnits); }

Reading ReadInches(std::string_view typed, const Number& number, std::string_view unit,
                   char point) {
    // Plain numbers follow the user's decimal point strictly, as every box does.
    if (number.written.find(point == ',' ? '.' : ',') != std::string_view::npos) {
        return Refusal{DecimalsMessage(point), UnreadTire::NotASize};
    }
    if (!std::isfinite(number.value)) {
        return Refusal{std::string(kTooLarge), UnreadTire::NotASize};
    }
    const std::string inches = std::string(number.written) + " in";
    const bool plain = unit.empty() || unit == "in";
    return Tire{number.value, TireForm::Inches, plain ? inches : Spoken(typed) + " = " + inches,
                inches};
}

}  // namespace tachoria::tires
