#include "inputs/StockTire.h"

#include "arith/NumberReading.h"

namespace tachoria {

Outcome<double> StockTireDiameter(std::string_view text) {
    return StockTireDiameter(text, ReadTire(text));
}

Outcome<double> StockTireDiameter(std::string_view text, const Outcome<Tire, TireRefusal>& tire) {
    // A size is read whole: "185/80R13" is no 185-inch tire.
    if (tire && tire->form != TireForm::Inches) {
        return tire->diameter;
    }
    if (!tire && tire.failure().kind == UnreadTire::NoDiameter) {
        return tire.failure();
    }
    return LeadingNumberValue(text);
}

}  // namespace tachoria
