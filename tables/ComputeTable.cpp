#include "tables/ComputeTable.h"

#include <array>
#include <optional>

#include "arith/Calcs.h"
#include "arith/Num2String.h"
#include "tables/Captions.h"

namespace tachoria {
namespace {

constexpr std::array<std::string_view, 2> kGenericRPMHeaders = {"MPH", "RPM"};
constexpr std::array<std::string_view, 2> kGenericMPHHeaders = {"RPM", "MPH"};

// The label column's header, then "1st Gear" … "4th Gear".
std::array<std::string_view, 5> StockHeaders(std::string_view labels) {
    static const std::array<std::string, 4> kGears = {GearHeader(1), GearHeader(2), GearHeader(3),
                                                      GearHeader(4)};
    return {labels, kGears[0], kGears[1], kGears[2], kGears[3]};
}
const std::array<std::string_view, 5> kStockRPMHeaders = StockHeaders("MPH");
const std::array<std::string_view, 5> kStockMPHHeaders = StockHeaders("RPM");

constexpr TableDescription kGenericRPM{.headers = kGenericRPMHeaders,
                                       .first = 10,
                                       .last = 120,
                                       .step = 10,
                                       .labelWidth = 5,
                                       .cellWidth = 5,
                                       .mode = TableMode::GetRPM,
                                       .blanksHighRPM = false};
constexpr TableDescription kGenericMPH{.headers = kGenericMPHHeaders,
                                       .first = 500,
                                       .last = 7000,
                                       .step = 500,
                                       .labelWidth = 0,
                                       .cellWidth = 0,
                                       .mode = TableMode::GetMPH,
                                       .blanksHighRPM = false};
const TableDescription kStockRPM{.headers = kStockRPMHeaders,
                                 .first = 10,
                                 .last = 150,
                                 .step = 10,
                                 .labelWidth = 5,
                                 .cellWidth = 0,
                                 .mode = TableMode::GetRPM,
                                 .blanksHighRPM = true};
const TableDescription kStockMPH{.headers = kStockMPHHeaders,
                                 .first = 500,
                                 .last = 7000,
                                 .step = 500,
                                 .labelWidth = 5,
                                 .cellWidth = 0,
                                 .mode = TableMode::GetMPH,
                                 .blanksHighRPM = false};

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
    table.kind = description.mode == TableMode::GetRPM ? TableKind::GetRPM : TableKind::GetMPH;
    table.headers.assign(description.headers.begin(), description.headers.end());
    table.inputs = std::move(inputs);
    return table;
}

Table ComputeTable(const TableDescription& description, TableInputs inputs,
                   std::span<const NamedInput> suspects) {
    Table table = EmptyTable(description, std::move(inputs));
    const TableInputs& used = *table.inputs;
    for (int speed = description.first; speed <= description.last; speed += description.step) {
        TableRow row{Num2String(speed, 0, description.labelWidth), {}};
        for (const double gearRatio : used.gearRatios) {
            std::optional<std::string> cell = Cell(description, speed, used, gearRatio);
            if (!cell) {
                table.failure = Failure{RowFailureMessage(suspects)};
                return table;
            }
            row.cells.push_back(std::move(*cell));
        }
        table.rows.push_back(std::move(row));
    }
    return table;
}

}  // namespace tachoria
