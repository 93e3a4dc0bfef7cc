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
    const std::optional<double> rpm =
        Check(fields[kRpm], ReadEngineSpeedField(Text(kRpm), Numbers()));
    const std::optional<double> speed =
        Check(fields[kSpeed], ReadRoadSpeedField(Text(kSpeed), Unit(), Numbers()));
    const std::optional<double> axle = Check(fields[kAxle], ReadRatioField(Text(kAxle), Numbers()));
    const std::optional<double> gear = Check(fields[kGear], ReadRatioField(Text(kGear), Numbers()));
    if (AnyBad(fields)) {
        return Unanswered(std::move(fields));
    }
    const Outcome<TireAnswer> answer = TireForTarget(*rpm, *speed, Unit(), *axle, *gear);
    if (!answer) {
        return Unanswered(std::move(fields), answer.message());
    }
    return QuestionAnswer{.fields = std::move(fields),
                          .refusal = {},
                          .summary = TireSummary(*answer, *rpm, *speed, Unit()),
                          .table = TireTable(*answer)};
}

std::string TireQuestion::PrintedTitle() const {
    return "Gearing Questions: " + std::string(Title()) + " (" + Text(kRpm) + " RPM at " +
           WithUnit(kSpeed) + "; axle " + Text(kAxle) + "; gear " + Text(kGear) + ")";
}

std::string TireQuestion::FileName() const {
    return "questions-tire_" + Part(kRpm) + "-rpm_" + Part(kSpeed) +
           (Unit() == SpeedUnit::MPH ? "-mph" : "-kmh") + "_axle-" + Part(kAxle) + "_gear-" +
           Part(kGear);
}

}  // namespace tachoria
