#pragma once

#include <span>
#include <string_view>

#include "tables/FailureMessage.h"
#include "tables/Table.h"

namespace tachoria {

enum class TableMode {
    GetRPM = 1,  // rows of road speed, the engine speed in each gear
    GetMPH = 2,  // rows of engine speed, the road speed in each gear
};

// Engine speeds from this up are left blank where a table says so.
inline constexpr double kHighestShownRPM = 10000;

// What one of the four tables is: its headers, the speeds its rows step
// over, how wide labels and cells are padded, and which conversion fills
// the cells.
struct TableDescription {
    std::span<const std::string_view> headers;  // the label column's, then one per gear
    int first;
    int last;
    int step;
    int labelWidth;
    int cellWidth;
    TableMode mode;
    bool blanksHighRPM;  // cells of kHighestShownRPM or more are left blank
};

// The generic page's tables, with one gear, and the stock page's, with four.
const TableDescription& GenericTableDescription(TableMode mode);
const TableDescription& StockTableDescription(TableMode mode);

// The table's headers with no rows, for a table that cannot begin.
Table EmptyTable(const TableDescription& description, TableInputs inputs);

// Every row of the table, one cell per gear ratio of `inputs`. A row that
// cannot be computed ends the table there, and `failure` says why, naming
// the inputs the user can correct (`suspects`).
Table ComputeTable(const TableDescription& description, TableInputs inputs,
                   std::span<const NamedInput> suspects);

}  // namespace tachoria
