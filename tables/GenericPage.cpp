#include "tables/GenericPage.h"

#include <string>

#include "arith/Num2String.h"
#include "arith/TireSize.h"
#include "tables/FailureMessage.h"
#include "tables/ToolsListView.h"

namespace tachoria {
namespace {

struct Box {
    TextBox& box;
    std::string_view caption;
    double fallback;
    bool takesTireSize;  // a size code such as "185/80R13" also gives the number
};

// The box's text, after writing the default into it when it was empty.
std::string TextWithDefault(const Box& box, const NumberConverter& numbers) {
    std::string text = box.box.Text();
    if (text.empty()) {
        text = numbers.ToText(box.fallback);
        box.box.SetText(text);
    }
    return text;
}

std::optional<double> BoxNumber(const Box& box, const std::string& text,
                                const NumberConverter& numbers) {
    if (box.takesTireSize) {
        if (const std::optional<double> diameter = TireSizeDiameter(text)) {
            return diameter;
        }
    }
    return numbers.ToNumber(text);
}

}  // namespace

void ShowGenericTable(const GenericPage& page, const GenericTable& table) {
    const std::array<Box, 3> boxes = {{
        {page.tireBox, "Tire Diameter", kDefaultTireDiameter, true},
        {page.diffBox, "Differential Gearing", kDefaultDiffRatio, false},
        {page.transBox, "Transmission Gearing", kDefaultTransRatio, false},
    }};
    std::array<NamedInput, 3> inputs;
    for (std::size_t i = 0; i < boxes.size(); ++i) {
        inputs[i].name = boxes[i].caption;
        inputs[i].text = TextWithDefault(boxes[i], page.numbers);
        inputs[i].divisor = i == 0 || table.dividesByRatios;
    }

    SetHeaders(page.list, table.headers, ColumnMode::Fix);
    ClearItems(page.list);

    for (std::size_t i = 0; i < inputs.size(); ++i) {
        const std::optional<double> value = BoxNumber(boxes[i], inputs[i].text, page.numbers);
        if (!value) {
            page.failures.Report(NotANumberMessage(inputs[i].name, inputs[i].text));
            return;
        }
        inputs[i].value = *value;
    }

    for (int speed = table.first; speed <= table.last; speed += table.step) {
        const std::optional<double> result =
            table.convert(speed, inputs[0].value, inputs[1].value, inputs[2].value, 0);
        if (!result) {
            page.failures.Report(RowFailureMessage(inputs));
            return;
        }
        const int row = page.list.AddRow();
        page.list.SetRowText(row, Num2String(speed, 0, table.width));
        page.list.SetSubItemText(row, 1, Num2String(*result, 0, table.width));
    }
}

}  // namespace tachoria
