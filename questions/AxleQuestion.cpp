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
    const std::optional<double> rpm =
        Check(fields[kRpm], ReadEngineSpeedField(Text(kRpm), Numbers()));
    const std::optional<double> speed =
        Check(fields[kSpeed], ReadRoadSpeedField(Text(kSpeed), Unit(), Numbers()));
    const std::optional<double> tire = CheckTire(fields[kTire], Text(kTire), Numbers());
    const std::optional<double> gear = Check(fields[kGear], ReadRatioField(Text(kGear), Numbers()));
    if (AnyBad(fields)) {
        return Unanswered(std::move(fields));
    }
    const Outcome<AxleAnswer> answer = AxleForTarget(*rpm, *speed, Unit(), *tire, *gear);
    if (!answer) {
        return Unanswered(std::move(fields), answer.message());
    }
    return QuestionAnswer{.fields = std::move(fields),
                          .refusal = {},
                          .summary = AxleSummary(*answer, *rpm, *speed, Unit()),
                          .table = AxleTable(*answer, *speed, Unit())};
}

std::string AxleQuestion::PrintedTitle() const {
    return "Gearing Questions: " + std::string(Title()) + " (" + Text(kRpm) + " RPM at " +
           WithUnit(kSpeed) + "; tire " + Text(kTire) + "; gear " + Text(kGear) + ")";
}

std::string AxleQuestion::FileName() const {
    return "questions-axle_" + Part(kRpm) + "-rpm_" + Part(kSpeed) +
           (Unit() == SpeedUnit::MPH ? "-mph" : "-kmh") + "_tire-" + Part(kTire) + "_gear-" +
           Part(kGear);
}

}  // namespace tachoria
