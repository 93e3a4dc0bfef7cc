#include "tables/ToolsWriteData.h"

#include <array>
#include <cmath>

#include "tables/ToolsListView.h"

namespace tachoria {

Table ComputeStockTable(TableMode mode, const StockInputs& inputs, std::string_view tireName) {
    TableInputs used;
    used.page = TablePage::Stock;
    used.tireDiameter = inputs.tireDiameter;
    used.axleRatio = inputs.axleRatio;
    used.tireText = inputs.tireText;
    used.model = inputs.model;
    used.yearRange = inputs.yearRange;
    for (const Gear gear : kForwardGears) {
        used.gearRatios.push_back(inputs.ratios.Of(gear));
    }
    const TableDescription& description = StockTableDescription(mode);
    if (inputs.tireProblem || std::isinf(inputs.tireDiameter)) {
        Table table = EmptyTable(description, std::move(used));
        table.failure = Failure{
            inputs.tireProblem ? TireMessage(tireName, inputs.tireText, inputs.tireProblem->message)
                               : TooLargeMessage(tireName, inputs.tireText)};
        return table;
    }
    const std::array<NamedInput, 1> tire = {
        {{std::string(tireName), inputs.tireText, inputs.tireDiameter, true}}};
    return ComputeTable(description, std::move(used), tire);
}

Table WriteStockTable(ResultList& list, FailureSink& failures, TableMode mode,
                      const StockInputs& inputs) {
    Table table = ComputeStockTable(mode, inputs);
    ShowTable(list, table);
    if (table.failure) {
        failures.Report(table.failure->message);
    }
    return table;
}

}  // namespace tachoria
