#include "questions/TireQuestion.h"

#include "inputs/FieldReaders.h"
#include "questions/GearingQuestions.h"

namespace tachoria {

TireQuestion::TireQuestion(const NumberConverter& numbers)
    : QuestionModel(numbers,
                    {{"Engine RPM", "Engine RPM"},
                     {"Speed, MPH", "Road speed"},
                     {"Axle ratio", "Axle ratio"},
                     {"Gear ratio", "Gear ratio"}},
                    {kSpeed}) {
    SetText(kRpm, numbers.ToText(kStartingTargetRpm));
    SetText(kSpeed, numbers.ToText(kStartingTargetMph));
    TireQuestion::Fill({});
}

void TireQuestion::Fill(const QuestionsStart& start) {
    const SetupTexts page = CompletedSetupTexts(start.setup, Numbers());
    SetText(kAxle, page.axle);
    SetText(kGear, page.gears.back());
}

QuestionAnswer TireQuestion::Compute() const {
    std::vector<FieldState> fields = FreshFields();
    const Target target = CheckTarget(fields, kRpm, kSpeed);
    const std::optional<double>& rpm = target.rpm;
    const std::optional<double>& speed = target.speed;
    const std::optional<double> axle = Check(fields[kAxle], ReadRatioField(Text(kAxle), Numbers()));
    const std::optional<double> gear = Check(fields[kGear], ReadRatioField(Text(kGear), Numbers()));
    if (AnyBad(fields)) {
        return Unanswered(std::move(fields));
    }
    return AnswerOf(std::move(fields), TireForTarget(*rpm, *speed, Unit(), *axle, *gear),
                    [&](const TireAnswer& answer) {
                        return QuestionAnswer{.fields = {},
                                              .refusal = {},
                                              .summary = TireSummary(answer, *rpm, *speed, Unit()),
                                              .table = TireTable(answer)};
                    });
}

std::string TireQuestion::PrintedTitle() const {
    return Titled(TargetText(kRpm, kSpeed) + "; axle " + Text(kAxle) + "; gear " + Text(kGear));
}

std::string TireQuestion::FileName() const {
    return "questions-tire_" + TargetPart(kRpm, kSpeed) + "_axle-" + Part(kAxle) + "_gear-" +
           Part(kGear);
}

}  // namespace tachoria
