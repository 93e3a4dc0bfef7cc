#pragma once

#include "comparison/Comparison.h"
#include "comparison/StockGearboxes.h"
#include "questions/QuestionModel.h"

// "My speedometer's driven gear has this many teeth and reads off by this
// much (or: I change from setup A to B): which gear makes it true?"
namespace tachoria {

// How the error is given: as the speedometer reads off, or as a change of
// tires and axle ratio makes it.
enum class SpeedometerForm { ReadsOff, FromChange };

class SpeedometerQuestion final : public QuestionModel {
public:
    // In the order their reasons are listed.
    enum Field : std::size_t { kTeeth, kOffPercent, kATire, kBTire, kAAxle, kBAxle };

    // Starts with 18 teeth reading off by 0 %, the default setup as A and B.
    explicit SpeedometerQuestion(const NumberConverter& numbers);

    [[nodiscard]] std::string_view Title() const override { return "Speedometer gear"; }
    // A's and B's tire and axle ratio from the page, and the drive of the
    // page's model line (PageGearbox, DriveOf): the transaxle for the early
    // cars, the Forward Control and typed gears, the left front wheel for
    // the late cars.
    void Fill(const QuestionsStart& start) override;
    [[nodiscard]] std::string PrintedTitle() const override;
    [[nodiscard]] std::string FileName() const override;
    // Driven from a wheel: what a cable ratio adapter is.
    [[nodiscard]] std::vector<std::string_view> Footnotes() const override;

    // In ReadsOff form kOffPercent is used and A and B are left aside; in
    // FromChange the other way round, and driven from a wheel the axle
    // ratios are left aside too (only the tires count). Driven from the
    // transmission the answer is the driven gear's teeth; from a wheel,
    // which has no driven gear, the teeth are left aside and the answer is
    // a cable ratio adapter (CableAdapterFor), in either form.
    [[nodiscard]] SpeedometerForm Form() const { return form_; }
    void SetForm(SpeedometerForm form);
    [[nodiscard]] SpeedometerDrive Drive() const { return drive_; }
    void SetDrive(SpeedometerDrive drive);
    // The drive of a gearbox chosen elsewhere (DriveOf).
    void FollowGearbox(const std::optional<StockGearbox>& gearbox);

private:
    [[nodiscard]] QuestionAnswer Compute() const override;

    SpeedometerForm form_ = SpeedometerForm::ReadsOff;
    SpeedometerDrive drive_ = SpeedometerDrive::Transmission;
};

}  // namespace tachoria
