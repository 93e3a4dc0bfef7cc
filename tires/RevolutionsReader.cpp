#include "tires/RevolutionsReader.h"

#include <algorithm>
#include <array>
#include <string>

namespace tachoria::tires {
namespace {

// Units of revolutions per mile, lower case and without blanks.
constexpr std::array<std::string_view, 10> kRevolutionUnits = {
    "rev/mi",         "revs/mi",          "rev/mile",   "revs/mile",   "r/mi",
    "revolutions/mi", "revolutions/mile", "revpermile", "revspermile", "revolutionspermile",
};

}  // namespace

bool IsRevolutionUnit(std::string_view unit) { return IsOneOf(unit, kRevolutionUnits); }

bool MeansRevolutions(std::string_view unit) {
    const bool begun =
        unit.size() >= 2 &&
        std::any_of(kRevolutionUnits.begin(), kRevolutionUnits.end(),
                    [unit](std::string_view whole) { return whole.starts_with(unit); });
    return begun || unit.starts_with("r/") || unit.starts_with("rev") ||
           unit.find("/mi") != std::string_view::npos ||
           unit.find("permile") != std::string_view::npos;
}

Reading ReadRevolutions(std::string_view typed, const Number& revolutions, char point) {
    if (revolutions.value == 0) {
        return Refusal{std::string(kNoRevolutions), UnreadTire::NoDiameter};
    }
    const double diameter = RevolutionsPerMile(revolutions.value);
    if (!InRange(diameter)) {
        return Refusal{RangeMessage(diameter, point), UnreadTire::NoDiameter};
    }
    const std::string readsAs = Inches(diameter, point) + " in";
    return Tire{diameter, TireForm::RevolutionsPerMile, Spoken(typed) + " = " + readsAs, readsAs};
}

}  // namespace tachoria::tires
