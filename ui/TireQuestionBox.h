#pragma once

#include "questions/TireQuestion.h"
#include "ui/QuestionBox.h"

namespace tachoria {

class RimPicker;

// "Tire for a target": the engine speed at a road speed, the axle ratio and
// gear, and the rim the sizes offered must fit (any, or the car's own).
class TireQuestionBox final : public QuestionBox {
public:
    TireQuestionBox(const NumberConverter& numbers, FailureSink& failures,
                    QWidget* parent = nullptr);

private:
    [[nodiscard]] TireQuestion& Question() const;
    void FillChoices() override;

    RimPicker* rim_ = nullptr;
};

}  // namespace tachoria
