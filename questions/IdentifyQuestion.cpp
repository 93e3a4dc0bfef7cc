#include "questions/IdentifyQuestion.h"

#include <algorithm>

#include "catalogue/StockCatalogue.h"
#include "inputs/FieldReaders.h"
#include "questions/GearingQuestions.h"
#include "tables/Captions.h"

namespace tachoria {
namespace {

constexpr std::string_view kTypedGears = "Typed gears";

}  // namespace

IdentifyQuestion::IdentifyQuestion(const NumberConverter& numbers)
    : QuestionModel(numbers,
                    {{"Tachometer RPM", "Tachometer RPM"},
                     {"True speed (GPS), MPH", "True speed"},
                     {"Tire", "Tire"},
                     {"Gear ratios", "Gear ratios"}},
                    {kSpeed}) {
    SetText(kRpm, numbers.ToText(kStartingTachometerRpm));
    SetText(kSpeed, numbers.ToText(kStartingTachometerMph));
    IdentifyQuestion::Fill({});
}

void IdentifyQuestion::Fill(const QuestionsStart& start) {
    const SetupTexts page = CompletedSetupTexts(start.setup, Numbers());
    SetText(kTire, page.tire);
    SetText(kGears, GearsText(page.gears, Numbers()));
    gearbox_ = PageGearbox(start.model, start.yearRange, start.stockPage);
    chosenGear_ = static_cast<int>(page.gears.size());
    Changed();
}

void IdentifyQuestion::SetGearbox(std::optional<StockGearbox> gearbox) {
    gearbox_ = std::move(gearbox);
    if (gearbox_) {
        SetText(kGears, GearsText(StockGearTexts(*gearbox_, Numbers()), Numbers()));
    }
    Changed();
}

std::string IdentifyQuestion::GearboxLabel() const {
    return tachoria::GearboxLabel(gearbox_, kTypedGears);
}

void IdentifyQuestion::SetChosenGear(int gear) {
    if (gear != chosenGear_) {
        chosenGear_ = gear;
        Changed();
    }
}

int IdentifyQuestion::GearCount() const {
    const Outcome<std::vector<double>> gears = ReadGearsField(Text(kGears), Numbers());
    return gears ? static_cast<int>(gears->size()) : 0;
}

int IdentifyQuestion::InGear() const {
    const int count = GearCount();
    return count == 0 ? chosenGear_ : std::clamp(chosenGear_, 1, count);
}

QuestionAnswer IdentifyQuestion::Compute() const {
    std::vector<FieldState> fields = FreshFields();
    const Target target = CheckTarget(fields, kRpm, kSpeed);
    const std::optional<double>& rpm = target.rpm;
    const std::optional<double>& speed = target.speed;
    const std::optional<double> tire = CheckTire(fields[kTire], Text(kTire), Numbers());
    const Outcome<std::vector<double>> gears = ReadGearsField(Text(kGears), Numbers());
    if (!gears) {
        fields[kGears].reason = gears.message();
    }
    if (AnyBad(fields)) {
        return Unanswered(std::move(fields));
    }
    // Typed gears and the Powerglide (offered with every axle) check every
    // factory axle ratio.
    const GearboxCode code = gearbox_ && !gearbox_->powerglide
                                 ? GearboxCodeOf(gearbox_->model, gearbox_->yearRange)
                                 : kNoGearbox;
    const double gear = (*gears)[static_cast<std::size_t>(InGear() - 1)];
    return AnswerOf(std::move(fields),
                    IdentifyAxle(*rpm, *speed, Unit(), *tire, gear, CatalogueAxleRatios(code)),
                    [&](const IdentifyAnswer& answer) {
                        return QuestionAnswer{
                            .fields = {},
                            .refusal = {},
                            .summary = IdentifySummary(answer),
                            .table = IdentifyTable(answer, *rpm, *speed, Unit(), *tire)};
                    });
}

std::vector<std::string_view> IdentifyQuestion::Footnotes() const {
    if (gearbox_ && gearbox_->powerglide) {
        return {kRollingTireNote, kConverterSlipNote};
    }
    return {kRollingTireNote};
}

std::string IdentifyQuestion::PrintedTitle() const {
    return Titled(TargetText(kRpm, kSpeed) + "; tire " + Text(kTire) + "; " + GearboxLabel() +
                  " in " + GearName(InGear()));
}

std::string IdentifyQuestion::FileName() const {
    return "questions-fitted-axle_" + TargetPart(kRpm, kSpeed) + "_tire-" + Part(kTire) + "_gear-" +
           std::to_string(InGear());
}

}  // namespace tachoria
