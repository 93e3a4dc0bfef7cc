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
    // Drives the speedometer as a gearbox picked elsewhere in the window
    // says (its model line's drive), and answers again.
    void FollowGearbox(const std::optional<StockGearbox>& gearbox);

private:
    [[nodiscard]] SpeedometerQuestion& Question() const;
    void ShowChoices(const QuestionAnswer& answer) override;
    void FillChoices() override;

    QRadioButton* readsOff_ = nullptr;
    QRadioButton* fromChange_ = nullptr;
    DrivePicker* drive_ = nullptr;
    QLabel* note_ = nullptr;  // the adapter's footnote, driven from a wheel
};

}  // namespace tachoria
