#include "questions/AxleQuestion.h"

#include "inputs/FieldReaders.h"
#include "questions/GearingQuestions.h"

namespace tachoria {

AxleQuestion::AxleQuestion(const NumberConverter& numbers)
    : QuestionModel(numbers,
                    {{"Engine RPM", "Engine RPM"},
                     {"Speed, MPH", "Road speed"},
                     {"Tire", "Tire"},
                     {"Gear ratio", "Gear ratio"}},
                    {kSpeed}) {
    SetText(kRpm, numbers.ToText(kStartingTargetRpm));
    SetText(kSpeed, numbers.ToText(kStartingTargetMph));
    AxleQuestion::Fill({});
}

void AxleQuestion::Fill(const QuestionsStart& start) {
    const SetupTexts page = CompletedSetupTexts(start.setup, Numbers());
    SetText(kTire, page.tire);
    SetText(kGear, page.gears.back());
}

QuestionAnswer AxleQuestion::Compute() const {
    std::vector<FieldState> fields = FreshFields();
    const Target target = CheckTarget(fields, kRpm, kSpeed);
    const std::optional<double>& rpm = target.rpm;
    const std::optional<double>& speed = target.speed;
    const std::optional<double> tire = CheckTire(fields[kTire], Text(kTire), Numbers());
    const std::optional<double> gear = Check(fields[kGear], ReadRatioField(Text(kGear), Numbers()));
    if (AnyBad(fields)) {
        return Unanswered(std::move(fields));
    }
    return AnswerOf(std::move(fields), AxleForTarget(*rpm, *speed, Unit(), *tire, *gear),
                    [&](const AxleAnswer& answer) {
                        return QuestionAnswer{.fields = {},
                                              .refusal = {},
                                              .summary = AxleSummary(answer, *rpm, *speed, Unit()),
                                              .table = AxleTable(answer, *speed, Unit())};
                    });
}

std::string AxleQuestion::PrintedTitle() const {
    return Titled(TargetText(kRpm, kSpeed) + "; tire " + Text(kTire) + "; gear " + Text(kGear));
}

std::string AxleQuestion::FileName() const {
    return "questions-axle_" + TargetPart(kRpm, kSpeed) + "_tire-" + Part(kTire) + "_gear-" +
           Part(kGear);
}

}  // namespace tachoria
