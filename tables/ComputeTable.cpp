#include "tables/ComputeTable.h"

#include <array>
#include <optional>

#include "arith/Calcs.h"
#include "arith/Num2String.h"

namespace tachoria {
namespace {

constexpr std::array<std::string_view, 2> kGenericRPMHeaders = {"MPH", "RPM"};
constexpr std::array<std::string_view, 2> kGenericMPHHeaders = {"RPM", "MPH"};
constexpr std::array<std::string_view, 5> kStockRPMHeaders = {"MPH", "1st Gear", "2nd Gear",
                                                              "3rd Gear", "4th Gear"};
constexpr std::array<std::string_view, 5> kStockMPHHeaders = {"RPM", "1st Gear", "2nd Gear",
                                                              "3rd Gear", "4th Gear"};

constexpr TableDescription kGenericRPM{kGenericRPMHeaders, 10,   120, 10, 5, 5,
                                       TableMode::GetRPM,  false};
constexpr TableDescription kGenericMPH{kGenericMPHHeaders, 500,  7000, 500, 0, 0,
                                       TableMode::GetMPH,  false};
constexpr TableDescription kStockRPM{kStockRPMHeaders, 10, 150, 10, 5, 0, TableMode::GetRPM, true};
constexpr TableDescription kStockMPH{kStockMPHHeaders,  500,  7000, 500, 5, 0,
                                     TableMode::GetMPH, false};

// One cell, or nothing when the conversion cannot give a number.
std::optional<std::string> Cell(const TableDescription& description, int speed,
                                const TableInputs& inputs, double gearRatio) {
    const std::optional<double> value =
        description.mode == TableMode::GetRPM
            ? RPMFromMPH(speed, inputs.tireDiameter, inputs.axleRatio, gearRatio, 0)
            : MPHFromRPM(speed, inputs.tireDiameter, inputs.axleRatio, gearRatio, 0);
    if (!value) {
        return std::nullopt;
    }
    if (description.blanksHighRPM && *value >= kHighestShownRPM) {
        return std::string();
    }
    return Num2String(*value, 0, description.cellWidth);
}

}  // namespace

const TableDescription& GenericTableDescription(TableMode mode) {
    return mode == TableMode::GetRPM ? kGenericRPM : kGenericMPH;
}

const TableDescription& StockTableDescription(TableMode mode) {
    return mode == TableMode::GetRPM ? kStockRPM : kStockMPH;
}

Table EmptyTable(const TableDescription& description, TableInputs inputs) {
    Table table;
    table.headers.assign(description.headers.begin(), description.headers.end());
    table.inputs = std::move(inputs);
    return table;
}

Table ComputeTable(const TableDescription& description, TableInputs inputs,
                   std::span<const NamedInput> suspects) {
    Table table = EmptyTable(description, std::move(inputs));
    for (int speed = description.first; speed <= description.last; speed += description.step) {
        TableRow row{Num2String(speed, 0, description.labelWidth), {}};
        for (const double gearRatio : table.inputs.gearRatios) {
            std::optional<std::string> cell = Cell(description, speed, table.inputs, gearRatio);
            if (!cell) {
                table.failure = RowFailureMessage(suspects);
                return table;
            }
            row.cells.push_back(std::move(*cell));
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace tachoria
