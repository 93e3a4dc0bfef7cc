#include "questions/TireQuestion.h"

#include "catalogue/StockCatalogue.h"
#include "inputs/FieldReaders.h"
#include "inputs/InputRanges.h"
#include "questions/GearingQuestions.h"

namespace tachoria {

const std::vector<RimChoice>& RimChoices() {
    static const std::vector<RimChoice> choices = [] {
        std::vector<RimChoice> list = {{"any", std::nullopt}};
        for (int rim = static_cast<int>(kRimRange.least); rim <= static_cast<int>(kRimRange.most);
             ++rim) {
            list.push_back({std::to_string(rim) + " in", rim});
        }
        return list;
    }();
    return choices;
}

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
    const int wheel = start.stockPage ? WheelRimInches(start.model) : 0;
    SetRim(wheel > 0 ? std::optional<int>(wheel) : std::nullopt);
}

void TireQuestion::SetRim(std::optional<int> rim) {
    rim_ = rim;
    Changed();
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
    return AnswerOf(std::move(fields), TireForTarget(*rpm, *speed, Unit(), *axle, *gear, rim_),
                    [&](const TireAnswer& answer) {
                        return QuestionAnswer{.fields = {},
                                              .refusal = {},
                                              .summary = TireSummary(answer, *rpm, *speed, Unit()),
                                              .table = TireTable(answer)};
                    });
}

std::string TireQuestion::PrintedTitle() const {
    return Titled(TargetText(kRpm, kSpeed) + "; axle " + Text(kAxle) + "; gear " + Text(kGear) +
                  (rim_ ? "; rim " + std::to_string(*rim_) + " in" : std::string()));
}

std::string TireQuestion::FileName() const {
    return "questions-tire_" + TargetPart(kRpm, kSpeed) + "_axle-" + Part(kAxle) + "_gear-" +
           Part(kGear) + (rim_ ? "_rim-" + std::to_string(*rim_) : std::string());
}

}  // namespace tachoria
