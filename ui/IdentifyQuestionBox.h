#pragma once

#include <functional>

#include "questions/IdentifyQuestion.h"
#include "ui/QuestionBox.h"

class QSpinBox;

namespace tachoria {

class GearboxPicker;

// "Which axle ratio is fitted": the tachometer's reading at a true speed,
// the tire, the gearbox (stock, whose ratios fill the gears, or typed
// gears) and the gear the car was in.
class IdentifyQuestionBox final : public QuestionBox {
public:
    IdentifyQuestionBox(const NumberConverter& numbers, FailureSink& failures,
                        QWidget* parent = nullptr);
    // Called with each gearbox the user picks (none: typed gears).
    void OnGearboxPicked(std::function<void(const std::optional<StockGearbox>&)> picked);

private:
    [[nodiscard]] IdentifyQuestion& Question() const;
    void ShowChoices(const QuestionAnswer& answer) override;
    void FillChoices() override;

    QSpinBox* inGear_ = nullptr;
    GearboxPicker* gearbox_ = nullptr;
    CheckedField* gears_ = nullptr;
    QLabel* notes_ = nullptr;  // the question's footnotes
    std::function<void(const std::optional<StockGearbox>&)> picked_;
};

}  // namespace tachoria
