#include "tables/ToolsWriteData.h"

#include <array>
#include <optional>
#include <string>
#include <string_view>

#include "arith/Calcs.h"
#include "arith/Num2String.h"
#include "tables/ToolsListView.h"

namespace tachoria {
namespace {

constexpr int kLabelWidth = 5;

// The text of one gear's cell, or empty when the row cannot be computed.
std::optional<std::string> Cell(TableMode mode, int x, double tireDiameter, double axleRatio,
                                double gearRatio) {
    if (mode == TableMode::GetRPM) {
        const std::optional<double> rpm = RPMFromMPH(x, tireDiameter, axleRatio, gearRatio, 0);
        if (!rpm) {
            return std::nullopt;
        }
        return *rpm < kHighestShownRPM ? Num2String(*rpm, 0, 0) : std::string();
    }
    const std::optional<double> mph = MPHFromRPM(x, tireDiameter, axleRatio, gearRatio, 0);
    if (!mph) {
        return std::nullopt;
    }
    return Num2String(*mph, 0, 0);
}

}  // namespace

bool WriteStockTable(ResultList& list, TableMode mode, double tireDiameter, const RatioSet& ratios,
                     double axleRatio) {
    const bool getRPM = mode == TableMode::GetRPM;
    const std::array<std::string_view, 5> headers = {getRPM ? "MPH" : "RPM", "1st Gear", "2nd Gear",
                                                     "3rd Gear", "4th Gear"};
    SetHeaders(list, headers, ColumnMode::Fix);
    ClearItems(list);

    const int first = getRPM ? 10 : 500;
    const int last = getRPM ? 150 : 7000;
    const int step = getRPM ? 10 : 500;
    for (int x = first; x <= last; x += step) {
        std::array<std::string, 4> cells;
        for (const Gear gear : kForwardGears) {
            std::optional<std::string> cell =
                Cell(mode, x, tireDiameter, axleRatio, ratios.Of(gear));
            if (!cell) {
                return false;
            }
            cells[static_cast<std::size_t>(gear) - 1] = std::move(*cell);
        }
        const int row = list.AddRow();
        list.SetRowText(row, Num2String(x, 0, kLabelWidth));
        for (int subItem = 1; subItem <= 4; ++subItem) {
            list.SetSubItemText(row, subItem, cells[static_cast<std::size_t>(subItem) - 1]);
        }
    }
    return true;
}

}  // namespace tachoria
