#include "tires/FlotationReader.h"

#include <string>

#include "tires/MarkingsReader.h"
#include "tires/MetricCodeReader.h"

namespace tachoria::tires {

Reading ReadFlotation(Cursor& cursor, std::string_view typed, const Number& diameter, char point) {
    // Unfinished or faulty, its first number is the diameter still.
    const auto refuse = [](std::string_view message) {
        return Refusal{std::string(message), UnreadTire::DiameterFirst};
    };
    const std::string decimals = DecimalsMessage(point);
    if (diameter.value == 0) {
        return refuse(kNoDiameter);
    }
    cursor.SkipBlanks();
    if (cursor.AtEnd()) {
        return refuse(kNoWidthAndRim);
    }
    Number width;
    if (const auto problem = ReadPart(cursor, width, kWidthMissing, kNoWidth, decimals)) {
        return refuse(*problem);
    }
    if (diameter.value < width.value) {
        return Refusal{std::string(kInchWidth), UnreadTire::NoDiameter};  // "7.00x15"
    }
    if (diameter.value > kLargestTire && width.value >= kLowestAspect &&
        width.value <= kHighestAspect) {
        return Refusal{std::string(kMetricWithSlash), UnreadTire::NoDiameter};  // "225x45R17"
    }
    const Gap gap = ReadGap(cursor);
    if (gap.letters && !gap.construction) {
        return refuse(kConstruction);
    }
    if (!gap.Any() && !cursor.AtEnd()) {
        return refuse(kRimMissing);
    }
    Number rim;
    if (const auto problem = ReadPart(cursor, rim, kRimMissing, kNoRim, decimals)) {
        return refuse(*problem);
    }
    if (rim.value >= diameter.value) {
        return refuse(kRimTooLarge);
    }
    if (const auto problem = ReadAfterRim(cursor)) {
        return refuse(*problem);
    }
    if (!InRange(diameter.value)) {
        return refuse(RangeMessage(diameter.value, point));
    }
    std::string readsAs = WithPoint(std::string(diameter.written), point) + " in (flotation";
    if (gap.speed != 0) {
        readsAs += std::string(", speed rating ") + gap.speed;
    }
    readsAs += ")";
    return Tire{diameter.value, TireForm::Flotation, Spoken(typed) + " = " + readsAs, readsAs};
}

}  // namespace tachoria::tires
