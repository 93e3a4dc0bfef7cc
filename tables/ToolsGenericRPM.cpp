#include "tables/ToolsGenericRPM.h"

#include "arith/Calcs.h"

namespace tachoria {

void ShowGenericRPM(const GenericPage& page) {
    static constexpr GenericTable kTable{
        .headers = {"MPH", "RPM"},
        .first = 10,
        .last = 120,
        .step = 10,
        .width = 5,
        .convert = RPMFromMPH,
        .dividesByRatios = false,
    };
    ShowGenericTable(page, kTable);
}

}  // namespace tachoria
