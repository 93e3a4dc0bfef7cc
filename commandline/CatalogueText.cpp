#include "commandline/CatalogueText.h"

#include <string_view>

#include "arith/NumberReading.h"
#include "catalogue/StockCatalogue.h"
#include "tables/Captions.h"
#include "tables/Table.h"

namespace tachoria {
namespace {

// "3.65, 2.35, 1.44, 1", the numbers written by `write`.
template <typename Write>
std::string GearList(GearboxCode code, Write write) {
    std::string list;
    for (const Gear gear : kForwardGears) {
        list += (gear == Gear::First ? "" : ", ") + write(RatioSetOf(code).Of(gear));
    }
    return list;
}

std::string Indented() {
    const PlainNumberConverter numbers;
    const auto plain = [&numbers](double ratio) { return numbers.ToText(ratio); };
    std::string text;
    for (const std::string_view model : ModelTexts()) {
        text += std::string(model) + "\n";
        for (const std::string_view years : YearRangeTexts(model)) {
            const GearboxCode code = GearboxCodeOf(model, years);
            text +=
                "    " + std::string(years) + ": gears " + GearList(code, plain) + "; axle ratios ";
            for (const std::string_view axle : AxleRatioTexts(code)) {
                text += (axle == AxleRatioTexts(code).front() ? "" : ", ") + std::string(axle);
            }
            text += "\n";
        }
    }
    return text;
}

// One row per stock selection.
Table Selections() {
    const PlainNumberConverter numbers;
    Table table{
        .headers = {std::string(kModelCaption), std::string(kYearRangeCaption), "Axle ratio",
                    GearHeader(1), GearHeader(2), GearHeader(3), GearHeader(4)},
        .kind = TableKind::Catalogue};
    for (const std::string_view model : ModelTexts()) {
        for (const std::string_view years : YearRangeTexts(model)) {
            const GearboxCode code = GearboxCodeOf(model, years);
            for (const std::string_view axle : AxleRatioTexts(code)) {
                TableRow& row = table.rows.emplace_back();
                row.label = model;
                row.cells = {std::string(years), std::string(axle)};
                for (const Gear gear : kForwardGears) {
                    row.cells.push_back(numbers.ToText(RatioSetOf(code).Of(gear)));
                }
            }
        }
    }
    return table;
}

std::string Json() {
    const auto json = [](double ratio) { return JsonNumber(ratio); };
    std::string text = "{\n  \"gearboxes\": [";
    bool first = true;
    for (const std::string_view model : ModelTexts()) {
        for (const std::string_view years : YearRangeTexts(model)) {
            const GearboxCode code = GearboxCodeOf(model, years);
            text += first ? "\n" : ",\n";
            first = false;
            text += "    {\"model\": " + JsonString(model) +
                    ", \"yearRange\": " + JsonString(years) + ", \"gearRatios\": [" +
                    GearList(code, json) + "], \"axleRatios\": [";
            for (const std::string_view axle : AxleRatioTexts(code)) {
                text += (axle == AxleRatioTexts(code).front() ? "" : ", ") + JsonCell(axle);
            }
            text += "]}";
        }
    }
    return text + "\n  ]\n}\n";
}

}  // namespace

std::string CatalogueText(TextFormat format) {
    switch (format) {
        case TextFormat::Tsv:
            return TabSeparatedText(Selections());
        case TextFormat::Csv:
            return CommaSeparatedText(Selections());
        case TextFormat::Json:
            return Json();
        case TextFormat::Text:
            break;
    }
    return Indented();
}

}  // namespace tachoria
