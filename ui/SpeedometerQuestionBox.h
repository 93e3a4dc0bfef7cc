#pragma once

#include "questions/SpeedometerQuestion.h"
#include "ui/QuestionBox.h"

class QRadioButton;

namespace tachoria {

class DrivePicker;

// "Speedometer gear": the driven gear's teeth, and the error as the
// speedometer reads off or as a change from setup A to B makes it (with
// what drives the speedometer).
class SpeedometerQuestionBox final : public QuestionBox {
public:
    SpeedometerQuestionBox(const NumberConverter& numbers, FailureSink& failures,
                           QWidget* parent = nullptr);

private:
    [[nodiscard]] SpeedometerQuestion& Question() const;
    void ShowChoices(const QuestionAnswer& answer) override;
    void FillChoices() override;

    QRadioButton* readsOff_ = nullptr;
    QRadioButton* fromChange_ = nullptr;
    DrivePicker* drive_ = nullptr;
};

}  // namespace tachoria
