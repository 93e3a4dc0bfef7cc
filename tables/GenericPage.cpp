#include "tables/GenericPage.h"

#include <cmath>

#include "tables/Captions.h"
#include "tables/FailureMessage.h"
#include "tables/ToolsListView.h"
#include "tires/TireReader.h"

namespace tachoria {
namespace {

enum Box { kTire, kDiff, kTrans };

// The box's text, after writing the default into it when it was empty.
std::string TextWithDefault(TextBox& box, double fallback, const NumberConverter& numbers) {
    std::string text = box.Text();
    if (text.empty()) {
        text = numbers.ToText(fallback);
        box.SetText(text);
    }
    return text;
}

}  // namespace

Table ComputeGenericTable(TableMode mode, const std::array<GivenText, 3>& texts,
                          const NumberConverter& numbers) {
    const TableDescription& description = GenericTableDescription(mode);
    std::array<NamedInput, 3> inputs;
    for (std::size_t i = 0; i < texts.size(); ++i) {
        inputs[i].name = texts[i].name;
        inputs[i].text = texts[i].text;
        // The tire divides in both conversions, the ratios only in MPHFromRPM.
        inputs[i].divisor = i == kTire || mode == TableMode::GetMPH;
    }
    TableInputs used;
    used.page = TablePage::Generic;
    used.tireText = texts[kTire].text;

    for (std::size_t i = 0; i < inputs.size(); ++i) {
        std::optional<double> value = numbers.ToNumber(inputs[i].text);
        // The tire may be any size the reader knows ("185/80R13", "818
        // rev/mi", "24 in"); a size it cannot read says what is wrong.
        if (!value && i == kTire) {
            const auto tire = ReadTire(inputs[i].text, numbers.DecimalPoint());
            if (tire) {
                value = tire->diameter;
            } else if (tire.failure().kind != UnreadTire::NotASize) {
                Table table = EmptyTable(description, std::move(used));
                table.failure =
                    Failure{TireMessage(inputs[i].name, inputs[i].text, tire.message())};
                return table;
            }
        }
        if (!value || std::isinf(*value)) {
            Table table = EmptyTable(description, std::move(used));
            table.failure = Failure{value ? TooLargeMessage(inputs[i].name, inputs[i].text)
                                          : NotANumberMessage(inputs[i].name, inputs[i].text)};
            return table;
        }
        inputs[i].value = *value;
    }
    used.tireDiameter = inputs[kTire].value;
    used.axleRatio = inputs[kDiff].value;
    used.gearRatios = {inputs[kTrans].value};
    return ComputeTable(description, std::move(used), inputs);
}

Table ShowGenericTable(const GenericPage& page, TableMode mode) {
    const std::array<GivenText, 3> texts = {{
        {kTireDiameterCaption, TextWithDefault(page.tireBox, kDefaultTireDiameter, page.numbers)},
        {kDifferentialCaption, TextWithDefault(page.diffBox, kDefaultDiffRatio, page.numbers)},
        {kTransmissionCaption, TextWithDefault(page.transBox, kDefaultTransRatio, page.numbers)},
    }};
    Table table = ComputeGenericTable(mode, texts, page.numbers);
    ShowTable(page.list, table);
    if (table.failure) {
        page.failures.Report(table.failure->message);
    }
    return table;
}

}  // namespace tachoria
