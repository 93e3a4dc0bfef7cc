#include "comparison/Gearing.h"

#include <algorithm>
#include <cmath>

#include "arith/AsciiText.h"
#include "arith/Blanks.h"
#include "arith/Calcs.h"
#include "catalogue/StockCatalogue.h"
#include "tables/DecimalPoint.h"
#include "tables/GenericPage.h"
#include "tables/InputRanges.h"
#include "tables/ReadForm.h"
#include "tires/TireReader.h"

namespace tachoria {
namespace {

// A number in `range`, or why the text is not one. The range is named in
// every reason, so that the user knows what to type.
Outcome<double> InRange(std::string_view text, std::optional<double> value, const InputRange& range,
                        const NumberConverter& numbers) {
    const std::string wanted = "type a number " + RangeText(range, numbers) + ".";
    if (TrimBlanks(text).empty()) {
        return Failure{"Empty: " + wanted};
    }
    if (!value) {
        return Failure{"Not a number: " + wanted};
    }
    if (*value <= 0) {
        return Failure{"Must be greater than 0: " + wanted};
    }
    if (*value < range.least) {
        return Failure{"Too small: " + wanted};
    }
    if (*value > range.most) {
        return Failure{"Too large: " + wanted};
    }
    return *value;
}

}  // namespace

SetupTexts StockSetupTexts(std::string_view model, std::string_view yearRange,
                           std::string_view axle, std::string_view tire,
                           const NumberConverter& numbers) {
    SetupTexts texts;
    // The stock page reads "24 in" as 24, with "." in every locale; the
    // comparison's fields take whole numbers in the user's locale. A size
    // goes as typed, with the user's decimal point ("235/75R17,5").
    const auto size = ReadTire(tire);
    const Outcome<double> diameter = StockTireDiameter(tire, size);
    texts.tire = (size && size->form != TireForm::Inches) || !diameter || *diameter == 0 ||
                         !std::isfinite(*diameter)
                     ? WithDecimalPoint(tire, std::string(1, numbers.DecimalPoint()))
                     : numbers.ToText(*diameter);
    if (axle != kSelectDifferential) {
        texts.axle = numbers.ToText(LeadingNumberValue(axle));
    }
    const GearboxCode code = GearboxCodeOf(model, yearRange);
    if (code != kNoGearbox) {
        for (const Gear gear : kForwardGears) {
            texts.gears.push_back(numbers.ToText(RatioSetOf(code).Of(gear)));
        }
    }
    return texts;
}

SetupTexts DefaultSetupTexts(const NumberConverter& numbers) {
    return StockSetupTexts(ModelTexts().front(), YearRangeTexts(ModelTexts().front()).front(),
                           PlainNumberConverter().ToText(kDefaultDiffRatio),
                           numbers.ToText(kDefaultTireDiameter), numbers);
}

SetupTexts CompletedSetupTexts(SetupTexts texts, const NumberConverter& numbers) {
    const SetupTexts defaults = DefaultSetupTexts(numbers);
    const auto blank = [](const std::string& text) { return TrimBlanks(text).empty(); };
    if (blank(texts.tire)) {
        texts.tire = defaults.tire;
    }
    if (blank(texts.axle)) {
        texts.axle = defaults.axle;
    }
    if (texts.gears.empty() || std::all_of(texts.gears.begin(), texts.gears.end(), blank)) {
        texts.gears = defaults.gears;
    }
    return texts;
}

std::string_view UnitName(SpeedUnit unit) { return unit == SpeedUnit::MPH ? "MPH" : "km/h"; }

Outcome<Tire> TireFieldOf(std::string_view text, const Outcome<Tire, TireRefusal>& tire,
                          const NumberConverter& numbers) {
    if (tire) {
        // A size comes within the range already; "24 in" is held to it here.
        return tire->form == TireForm::Inches
                   ? InRange(text, tire->diameter, kTireRange, numbers).transform([&tire](double) {
                         return *tire;
                     })
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
        return InRange(text, value, kTireRange, numbers).transform([&numbers](double diameter) {
            const std::string inches = numbers.ToText(diameter) + " in";
            return Tire{diameter, TireForm::Inches, inches, inches};
        });
    }
    return TireFieldOf(text, ReadTire(text, numbers.DecimalPoint()), numbers);
}

Outcome<double> ReadTireField(std::string_view text, const NumberConverter& numbers) {
    return ReadTireSizeField(text, numbers).transform(&Tire::diameter);
}

Outcome<double> ReadRatioField(std::string_view text, const NumberConverter& numbers) {
    return InRange(text, numbers.ToNumber(text), kRatioRange, numbers);
}

Outcome<double> ReadRedlineField(std::string_view text, const NumberConverter& numbers) {
    return InRange(text, numbers.ToNumber(text), kRedlineRange, numbers);
}

std::string TireDescription(const Tire& tire, const NumberConverter& numbers) {
    const std::string revolutions =
        PlainNumberConverter().ToText(std::round(RevolutionsPerMile(tire.diameter))) +
        " revolutions per mile";
    if (tire.form == TireForm::Inches) {
        return numbers.ToText(std::round(tire.diameter * 100) / 100) + " in, " + revolutions;
    }
    return tire.form == TireForm::RevolutionsPerMile ? tire.readsAs
                                                     : tire.readsAs + ", " + revolutions;
}

std::optional<Gearing> GearingOf(const Outcome<double>& tire, const Outcome<double>& axle,
                                 const std::vector<Outcome<double>>& gears) {
    if (!tire || !axle || gears.empty() || gears.size() > kMostGears) {
        return std::nullopt;
    }
    Gearing gearing{*tire, *axle, {}};
    for (const Outcome<double>& gear : gears) {
        if (!gear) {
            return std::nullopt;
        }
        gearing.gears.push_back(*gear);
    }
    return gearing;
}

std::optional<double> EngineSpeed(double speed, SpeedUnit unit, const Gearing& gearing, double gear,
                                  int decimals) {
    const double mph = unit == SpeedUnit::MPH ? speed : speed / kKilometresPerMile;
    return RPMFromMPH(mph, gearing.tireDiameter, gearing.axleRatio, gear, decimals);
}

std::optional<double> RoadSpeed(double rpm, SpeedUnit unit, const Gearing& gearing, double gear,
                                int decimals) {
    // km/h by scaling the engine speed first: the same conversion, one
    // truncation.
    const double scaled = unit == SpeedUnit::MPH ? rpm : rpm * kKilometresPerMile;
    return MPHFromRPM(scaled, gearing.tireDiameter, gearing.axleRatio, gear, decimals);
}

}  // namespace tachoria
