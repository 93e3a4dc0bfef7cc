#pragma once

#include <optional>
#include <string>
#include <vector>

#include "comparison/StockGearboxes.h"
#include "questions/QuestionModel.h"

// "My tachometer reads this at a true road speed, in this gear: which
// factory axle ratio is fitted?"
namespace tachoria {

class IdentifyQuestion final : public QuestionModel {
public:
    // kGears: the gear ratios in one field (inputs/FieldReaders'
    // ReadGearsField), filled from the catalogue while a stock gearbox is
    // chosen.
    enum Field : std::size_t { kRpm, kSpeed, kTire, kGears };

    // Starts at 2900 RPM at a true 60 MPH, with the default setup.
    explicit IdentifyQuestion(const NumberConverter& numbers);

    [[nodiscard]] std::string_view Title() const override { return "Which axle ratio is fitted"; }
    // The tire and the gears; a stock page's gearbox (the default setup's
    // when the page chose none), and top gear as the gear the car was in.
    void Fill(const QuestionsStart& start) override;
    [[nodiscard]] std::string PrintedTitle() const override;
    [[nodiscard]] std::string FileName() const override;
    [[nodiscard]] std::vector<std::string_view> Footnotes() const override;

    // The gearbox: typed gears ("Typed gears", nothing), or a stock one, whose ratios
    // then fill kGears, which is not for typing while it is chosen. The
    // factory axle ratios checked are that gearbox's, or all for typed gears and the
    // Powerglide (whose footnote adds that its converter slips at cruise).
    [[nodiscard]] const std::optional<StockGearbox>& Gearbox() const { return gearbox_; }
    void SetGearbox(std::optional<StockGearbox> gearbox);
    [[nodiscard]] bool GearsReadOnly() const { return gearbox_.has_value(); }
    // The label of the gearbox chosen (StockGearboxChoices), or "Typed gears".
    [[nodiscard]] std::string GearboxLabel() const;

    // The gear the car was in, counted from 1, as last chosen. While fewer
    // gears are typed, the top one typed is used (InGear); the one chosen
    // comes back when a ratio typed after it does.
    void SetChosenGear(int gear);
    [[nodiscard]] int ChosenGear() const { return chosenGear_; }
    // The gear used, and how many gears the field reads as (0 when it is
    // bad): a spin box's value and maximum.
    [[nodiscard]] int InGear() const;
    [[nodiscard]] int GearCount() const;

private:
    [[nodiscard]] QuestionAnswer Compute() const override;

    std::optional<StockGearbox> gearbox_;
    int chosenGear_ = 4;
};

}  // namespace tachoria
