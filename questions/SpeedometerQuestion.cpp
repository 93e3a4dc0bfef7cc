#include "questions/SpeedometerQuestion.h"

#include "comparison/ComparisonModel.h"
#include "inputs/FieldReaders.h"
#include "questions/GearingQuestions.h"

namespace tachoria {

SpeedometerQuestion::SpeedometerQuestion(const NumberConverter& numbers)
    : QuestionModel(numbers,
                    {{"Driven gear teeth", "Driven gear teeth"},
                     {"Reads off by, %", "Reads off by"},
                     {"A tire", "A tire"},
                     {"B tire", "B tire"},
                     {"A axle", "A axle ratio"},
                     {"B axle", "B axle ratio"}},
                    {}) {
    SetText(kTeeth, numbers.ToText(kStartingDrivenTeeth));
    SetText(kOffPercent, numbers.ToText(0));
    SpeedometerQuestion::Fill({});
}

void SpeedometerQuestion::Fill(const QuestionsStart& start) {
    const SetupTexts page = CompletedSetupTexts(start.setup, Numbers());
    for (const Field tire : {kATire, kBTire}) {
        SetText(tire, page.tire);
    }
    for (const Field axle : {kAAxle, kBAxle}) {
        SetText(axle, page.axle);
    }
    FollowGearbox(PageGearbox(start.model, start.yearRange, start.stockPage));
}

void SpeedometerQuestion::FollowGearbox(const std::optional<StockGearbox>& gearbox) {
    SetDrive(DriveOf(gearbox));
}

void SpeedometerQuestion::SetForm(SpeedometerForm form) {
    form_ = form;
    Changed();
}

void SpeedometerQuestion::SetDrive(SpeedometerDrive drive) {
    drive_ = drive;
    Changed();
}

QuestionAnswer SpeedometerQuestion::Compute() const {
    const bool change = form_ == SpeedometerForm::FromChange;
    const bool wheel = drive_ == SpeedometerDrive::FrontWheel;
    std::vector<FieldState> fields = FreshFields();
    fields[kOffPercent].enabled = !change;
    fields[kATire].enabled = fields[kBTire].enabled = change;
    // From a wheel only the tires count.
    fields[kAAxle].enabled = fields[kBAxle].enabled = change && !wheel;
    // A wheel has no driven gear.
    fields[kTeeth].enabled = !wheel;

    std::optional<double> teeth;
    if (!wheel) {
        teeth = Check(fields[kTeeth], ReadTeethField(Text(kTeeth), Numbers()));
    }
    double error = 0;
    if (change) {
        const std::optional<double> aTire = CheckTire(fields[kATire], Text(kATire), Numbers());
        const std::optional<double> bTire = CheckTire(fields[kBTire], Text(kBTire), Numbers());
        std::optional<double> aAxle = 1.0;
        std::optional<double> bAxle = 1.0;
        if (!wheel) {
            aAxle = Check(fields[kAAxle], ReadRatioField(Text(kAAxle), Numbers()));
            bAxle = Check(fields[kBAxle], ReadRatioField(Text(kBAxle), Numbers()));
        }
        if (aTire && bTire && aAxle && bAxle) {
            error = SpeedometerErrorPercent(Gearing{*aTire, *aAxle, {1.0}},
                                            Gearing{*bTire, *bAxle, {1.0}}, drive_);
        }
    } else {
        error =
            Check(fields[kOffPercent], ReadErrorField(Text(kOffPercent), Numbers())).value_or(0);
    }
    if (AnyBad(fields)) {
        return Unanswered(std::move(fields));
    }
    if (wheel) {
        return AnswerOf(std::move(fields), CableAdapterFor(error),
                        [](const CableAdapterAnswer& answer) {
                            return QuestionAnswer{.fields = {},
                                                  .refusal = {},
                                                  .summary = CableAdapterSummary(answer),
                                                  .table = CableAdapterTable(answer)};
                        });
    }
    return AnswerOf(std::move(fields), SpeedometerGearFor(*teeth, error),
                    [&](const SpeedometerGearAnswer& answer) {
                        return QuestionAnswer{.fields = {},
                                              .refusal = {},
                                              .summary = SpeedometerGearSummary(answer),
                                              .table = SpeedometerGearTable(answer, *teeth)};
                    });
}

std::vector<std::string_view> SpeedometerQuestion::Footnotes() const {
    if (drive_ == SpeedometerDrive::FrontWheel) {
        return {kCableAdapterNote};
    }
    return {};
}

std::string SpeedometerQuestion::PrintedTitle() const {
    const bool wheel = drive_ == SpeedometerDrive::FrontWheel;
    std::string inputs = wheel ? std::string() : Text(kTeeth) + " teeth; ";
    if (form_ == SpeedometerForm::ReadsOff) {
        inputs += "reads off by " + Text(kOffPercent) + " %";
        if (wheel) {
            inputs += "; driven from " + std::string(kDriveChoices[1].label);
        }
    } else {
        const auto setup = [this, wheel](std::string_view letter, Field tire, Field axle) {
            return std::string(letter) + ": tire " + Text(tire) +
                   (wheel ? std::string() : ", axle " + Text(axle));
        };
        inputs += setup("A", kATire, kAAxle) + " to " + setup("B", kBTire, kBAxle) +
                  "; driven from " + std::string(kDriveChoices[wheel ? 1 : 0].label);
    }
    return Titled(inputs);
}

std::string SpeedometerQuestion::FileName() const {
    const bool wheel = drive_ == SpeedometerDrive::FrontWheel;
    std::string name =
        "questions-speedometer" + (wheel ? std::string("_wheel") : "_teeth-" + Part(kTeeth));
    if (form_ == SpeedometerForm::ReadsOff) {
        const std::optional<double> off = Numbers().ToNumber(Text(kOffPercent));
        name += (off.value_or(0) < 0 ? "_low-" : "_high-") + Part(kOffPercent);
    } else {
        name += "_A_tire-" + Part(kATire) + (wheel ? "" : "_axle-" + Part(kAAxle)) + "_B_tire-" +
                Part(kBTire) + (wheel ? "" : "_axle-" + Part(kBAxle));
    }
    return name;
}

}  // namespace tachoria
