#pragma once

#include "questions/QuestionModel.h"

// "Which tire gives this engine speed at this road speed, with this axle
// ratio and gear?"
namespace tachoria {

class TireQuestion final : public QuestionModel {
public:
    enum Field : std::size_t { kRpm, kSpeed, kAxle, kGear };

    // Starts at 2800 RPM at 70 MPH, with the default setup's axle and top gear.
    explicit TireQuestion(const NumberConverter& numbers);

    [[nodiscard]] std::string_view Title() const override { return "Tire for a target"; }
    // The axle ratio, and the top gear as the gear.
    void Fill(const QuestionsStart& start) override;
    [[nodiscard]] std::string PrintedTitle() const override;
    [[nodiscard]] std::string FileName() const override;

private:
    [[nodiscard]] QuestionAnswer Compute() const override;
};

}  // namespace tachoria
