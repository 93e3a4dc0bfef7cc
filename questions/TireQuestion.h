#pragma once

#include <optional>
#include <string>
#include <vector>

#include "questions/QuestionModel.h"

// "Which tire gives this engine speed at this road speed, with this axle
// ratio and gear?"
namespace tachoria {

// The rim choices a picker offers, in order: "any", then "13 in" to "20 in".
struct RimChoice {
    std::string label;
    std::optional<int> rim;  // inches; none for any rim
};
const std::vector<RimChoice>& RimChoices();

class TireQuestion final : public QuestionModel {
public:
    enum Field : std::size_t { kRpm, kSpeed, kAxle, kGear };

    // Starts at 2800 RPM at 70 MPH, with the default setup's axle and top gear.
    explicit TireQuestion(const NumberConverter& numbers);

    [[nodiscard]] std::string_view Title() const override { return "Tire for a target"; }
    // The axle ratio, and the top gear as the gear; from the stock page the
    // rim of the model line's factory wheels, else any rim.
    void Fill(const QuestionsStart& start) override;
    [[nodiscard]] std::string PrintedTitle() const override;
    [[nodiscard]] std::string FileName() const override;

    // The rim the sizes offered are for, in inches of kRimRange; none for
    // any rim.
    [[nodiscard]] std::optional<int> Rim() const { return rim_; }
    void SetRim(std::optional<int> rim);

private:
    [[nodiscard]] QuestionAnswer Compute() const override;

    std::optional<int> rim_;
};

}  // namespace tachoria
