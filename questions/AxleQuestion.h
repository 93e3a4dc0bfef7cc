#pragma once

#include "questions/QuestionModel.h"

// "Which axle ratio gives this engine speed at this road speed, in this
// gear on this tire?"
namespace tachoria {

class AxleQuestion final : public QuestionModel {
public:
    enum Field : std::size_t { kRpm, kSpeed, kTire, kGear };

    // Starts at 2800 RPM at 70 MPH, with the default setup's tire and top gear.
    explicit AxleQuestion(const NumberConverter& numbers);

    [[nodiscard]] std::string_view Title() const override { return "Axle ratio for a target"; }
    // The tire, and the top gear as the gear.
    void Fill(const QuestionsStart& start) override;
    [[nodiscard]] std::string PrintedTitle() const override;
    [[nodiscard]] std::string FileName() const override;

private:
    [[nodiscard]] QuestionAnswer Compute() const override;
};

}  // namespace tachoria
