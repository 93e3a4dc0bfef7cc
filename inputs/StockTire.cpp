#include "inputs/StockTire.h"

#include "arith/NumberReading.h"
#include "tires/TireReader.h"

namespace tachoria {

Outcome<double> StockTireDiameter(std::string_view text) {
    // A size is read whole: "185/80R13" is no 185-inch tire.
    const Outcome<Tire> tire = ReadTire(text);
    if (tire && tire->form != TireForm::Inches) {
        return tire->diameter;
    }
    if (!tire && ClassifyUnreadTire(text) == UnreadTire::NoDiameter) {
        return tire.failure();
    }
    return LeadingNumberValue(text);
}

}  // namespace tachoria
