#include "tires/TireMessages.h"

#include "arith/Blanks.h"
#include "arith/Num2String.h"
#include "tires/TireText.h"

namespace tachoria::tires {
namespace {

// Past this a diameter is shown only as too large: no digits to misread.
constexpr double kLargestShown = 10000;

}  // namespace

std::string DecimalsMessage(char point) {
    return std::string("decimals are written with '") + point + "'";
}

std::string RangeMessage(double diameter, char point) {
    const auto bound = [point](double value) {
        return WithPoint(std::string(TrimBlanks(NumberText(value))), point);
    };
    std::string shown;
    if (!(diameter <= kLargestShown)) {
        shown = "far more than " + bound(kLargestTire);
    } else if (diameter < kSmallestTire && diameter > kSmallestTire - 0.01) {
        shown = "just under " + bound(kSmallestTire);  // not "5.00", which would seem to fit
    } else if (diameter > kLargestTire && diameter < kLargestTire + 0.01) {
        shown = "just over " + bound(kLargestTire);
    } else if (diameter < 0.01) {
        shown = "almost 0";
    } else {
        shown = Inches(diameter, point);
    }
    return "the size gives " + shown + " in; type a size from " + bound(kSmallestTire) + " to " +
           bound(kLargestTire) + " in";
}

bool InRange(double diameter) { return diameter >= kSmallestTire && diameter <= kLargestTire; }

}  // namespace tachoria::tires
