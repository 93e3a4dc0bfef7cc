#include "tires/MetricCodeReader.h"

#include <string>

#include "tires/MarkingsReader.h"

namespace tachoria::tires {

Reading ReadMetric(Cursor& cursor, std::string_view typed, const Number& width, bool prefixed,
                   char point) {
    const Gap first = ReadGap(cursor);
    // Numbers held apart by blanks alone are a size only from a metric width
    // ("225 45 17"): "2 4" is no inch-width size, but two numbers.
    const bool blankSeparated =
        first.blanks && cursor.AtNumber() && width.value >= kWidestInchWidth;
    const bool isSize = prefixed || first.separator || first.construction || blankSeparated;
    if (!isSize) {
        return Refusal{std::string(kNotATire), UnreadTire::NotASize};  // "24abc", "2 4"
    }
    // Whatever is wrong, its first number is a width, not a diameter.
    const auto refuse = [](std::string_view message) {
        return Refusal{std::string(message), UnreadTire::NoDiameter};
    };
    const std::string decimals = DecimalsMessage(point);
    if (width.value == 0) {
        return refuse(kNoWidth);
    }
    double aspect = kUnwrittenAspect;
    char speed = first.speed;
    if (first.construction) {
        if (width.value < kWidestInchWidth) {
            return refuse(kInchWidth);
        }
    } else {
        if (first.letters || (!first.Any() && !cursor.AtEnd())) {
            return refuse(kAspectMissing);
        }
        Number written;
        if (const auto problem = ReadPart(cursor, written, kAspectMissing, kNoAspect, decimals)) {
            return refuse(*problem);
        }
        if (width.value < kWidestInchWidth) {
            return refuse(kInchWidth);
        }
        if (written.value < kLowestAspect && width.value <= kLargestTire) {
            return refuse(kFlotationWithX);
        }
        const std::size_t afterWritten = cursor.Position();
        cursor.SkipBlanks();
        if (written.value < kLowestAspect && cursor.AtEnd()) {
            return refuse(kAspectMissing);  // "165-15": width and rim
        }
        cursor.Restore(afterWritten);
        if (written.value < kLowestAspect || written.value > kHighestAspect) {
            return refuse(kAspectRange);
        }
        const Gap second = ReadGap(cursor);
        if (second.letters && !second.construction) {
            return refuse(kConstruction);
        }
        if (!second.Any() && !cursor.AtEnd()) {
            return refuse(kRimMissing);
        }
        aspect = written.value;
        speed = second.speed;
    }
    Number rim;
    if (const auto problem = ReadPart(cursor, rim, kRimMissing, kNoRim, decimals)) {
        return refuse(*problem);
    }
    if (const auto problem = ReadAfterRim(cursor)) {
        return refuse(*problem);
    }
    const double diameter = MetricDiameter(width.value, aspect, rim.value);
    if (!InRange(diameter)) {
        return refuse(RangeMessage(diameter, point));
    }
    std::string readsAs = Inches(diameter, point) + " in (metric";
    if (first.construction) {
        readsAs += ", no aspect ratio: read as 82-series";
    }
    if (speed != 0) {
        readsAs += first.construction ? "; speed rating " : ", speed rating ";
        readsAs += speed;
    }
    readsAs += ")";
    return Tire{diameter, first.construction ? TireForm::MetricNoAspect : TireForm::Metric,
                Spoken(typed) + " = " + readsAs, readsAs};
}

}  // namespace tachoria::tires
