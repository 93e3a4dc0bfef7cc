#include "commandline/CatalogueText.h"

#include <string_view>
#include <utility>

#include "arith/NumberReading.h"
#include "catalogue/StockCatalogue.h"
#include "tables/Captions.h"
#include "tables/Table.h"
#include "tables/TableJson.h"

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

std::string CatalogueJson() {
    Json gearboxes = Json::array();
    for (const std::string_view model : ModelTexts()) {
        for (const std::string_view years : YearRangeTexts(model)) {
            const GearboxCode code = GearboxCodeOf(model, years);
            Json gearbox = Json::object();
            gearbox["model"] = model;
            gearbox["yearRange"] = years;
            Json gears = Json::array();
            for (const Gear gear : kForwardGears) {
                gears.push_back(JsonNumber(RatioSetOf(code).Of(gear)));
            }
            gearbox["gearRatios"] = std::move(gears);
            Json axles = Json::array();
            for (const std::string_view axle : AxleRatioTexts(code)) {
                axles.push_back(JsonCell(axle));
            }
            gearbox["axleRatios"] = std::move(axles);
            gearboxes.push_back(std::move(gearbox));
        }
    }
    Json json = Json::object();
    json["gearboxes"] = std::move(gearboxes);
    return JsonDocument(json);
}

}  // namespace

std::string CatalogueText(TextFormat format) {
    switch (format) {
        case TextFormat::Tsv:
            return TabSeparatedText(Selections());
        case TextFormat::Csv:
            return CommaSeparatedText(Selections());
        case TextFormat::Json:
            return CatalogueJson();
        case TextFormat::Text:
            break;
    }
    return Indented();
}

}  // namespace tachoria
