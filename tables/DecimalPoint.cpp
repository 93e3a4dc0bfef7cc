#include "tables/DecimalPoint.h"

#include "arith/AsciiText.h"

namespace tachoria {
std::string WithDecimalPoint(std::string_view text, std::string_view point) {
    std::string result;
    result.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        const bool decimal = text[i] == '.' && IsBetweenDigits(text, i);
        if (decimal) {
            result += point;
        } else {
            result += text[i];
        }
    }
    return result;
}

Table WithDecimalPoint(Table table, std::string_view point) {
    if (point == ".") {
        return table;
    }
    for (std::string& header : table.headers) {
        header = WithDecimalPoint(header, point);
    }
    for (TableRow& row : table.rows) {
        row.label = WithDecimalPoint(row.label, point);
        for (std::string& cell : row.cells) {
            cell = WithDecimalPoint(cell, point);
        }
    }
    return table;
}

}  // namespace tachoria
