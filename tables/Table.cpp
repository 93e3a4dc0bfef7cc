#include "tables/Table.h"

#include <algorithm>

#include "arith/NumberReading.h"
#include "tables/Captions.h"
#include "tires/TireReader.h"

namespace tachoria {
namespace {

// A number as a person writes it: "0.5", not the lists' " .5".
std::string Plain(double value) { return PlainNumberConverter().ToText(value); }

std::string TireText(const TableInputs& inputs) {
    const Outcome<Tire> tire = ReadTire(inputs.tireText);
    return tire && tire->form != TireForm::Inches ? tire->note : Plain(inputs.tireDiameter) + " in";
}

}  // namespace

bool HasNotes(const Table& table) {
    return std::any_of(table.rows.begin(), table.rows.end(), [](const TableRow& row) {
        return std::any_of(row.notes.begin(), row.notes.end(),
                           [](const std::string& note) { return !note.empty(); });
    });
}

std::string TableTitle(const TableInputs& inputs) {
    if (inputs.page == TablePage::Stock) {
        return std::string(kStockPageName) + ": " + inputs.model + ", " + inputs.yearRange +
               ", axle " + Plain(inputs.axleRatio) + ", tire " + TireText(inputs);
    }
    const double gear = inputs.gearRatios.empty() ? 0.0 : inputs.gearRatios.front();
    return std::string(kGenericPageName) + ": tire " + TireText(inputs) + ", axle " +
           Plain(inputs.axleRatio) + ", transmission " + Plain(gear);
}

}  // namespace tachoria
