#pragma once

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "outcome/Outcome.h"

// A result table as a value: what the lists show, and what copying, saving,
// printing and the command line write out.
namespace tachoria {

enum class TablePage { Generic, Stock };

// What a table lists: it names the table's files and says which inputs it
// carries.
enum class TableKind {
    GetRPM,      // a page's engine speeds, one row per road speed
    GetMPH,      // a page's road speeds, one row per engine speed
    Comparison,  // one of the results of comparing two gearings
    Catalogue,   // the factory gearings, one per row
    Question,    // the answer to one of the gearing questions
};

// A result that cannot be given (a setup with a bad field) is shown so;
// files that programs read write it as an empty cell.
inline constexpr std::string_view kNoValue = "\u2014";

// What a table was computed from.
struct TableInputs {
    TablePage page = TablePage::Generic;
    double tireDiameter = 0.0;
    std::vector<double>
        gearRatios;  // one on the generic page; four, first gear first, on the stock
    double axleRatio = 0.0;
    std::string tireText;  // as typed: "24", "24 in" or a size such as "185/80R13"
    std::string model;     // the stock page's model line and year range; empty on the generic page
    std::string yearRange;

    friend bool operator==(const TableInputs&, const TableInputs&) = default;
};

struct TableRow {
    std::string label;
    std::vector<std::string> cells;  // one per gear; "" is a blank cell
    // Why a cell is marked, such as "over the redline", one per cell, ""
    // for an unmarked one; empty when no cell of the row is marked.
    std::vector<std::string> notes = {};

    friend bool operator==(const TableRow&, const TableRow&) = default;
};

struct Table {
    std::vector<std::string> headers = {};  // the label column's first
    std::vector<TableRow> rows = {};
    // Why the table stopped before its last row; it then holds the rows
    // before the one that failed.
    std::optional<Failure> failure = {};
    // What a page's table was computed from; other tables have none.
    std::optional<TableInputs> inputs = {};
    TableKind kind = TableKind::GetRPM;

    friend bool operator==(const Table&, const Table&) = default;
};

// Whether any cell of `table` has a note.
bool HasNotes(const Table& table);

// One line naming the page and the inputs, for a printed page or a file:
// "Stock Corvair Gearing: Early Car (1961-1964), 1961-1963, axle 3.27,
// tire 24 in".
std::string TableTitle(const TableInputs& inputs);

}  // namespace tachoria
