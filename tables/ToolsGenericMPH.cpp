#include "tables/ToolsGenericMPH.h"

#include "arith/Calcs.h"

namespace tachoria {

void ShowGenericMPH(const GenericPage& page) {
    static constexpr GenericTable kTable{
        .headers = {"RPM", "MPH"},
        .first = 500,
        .last = 7000,
        .step = 500,
        .width = 0,
        .convert = MPHFromRPM,
        .dividesByRatios = true,
    };
    ShowGenericTable(page, kTable);
}

}  // namespace tachoria
