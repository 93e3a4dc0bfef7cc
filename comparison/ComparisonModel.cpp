#include "comparison/ComparisonModel.h"

#include <algorithm>

#include "inputs/Defaults.h"
#include "inputs/FieldReaders.h"
#include "tables/Captions.h"

namespace tachoria {
namespace {

std::size_t Index(Setup side) { return side == Setup::A ? 0 : 1; }

}  // namespace

std::vector<std::string> SetupReading::ProblemLines() const {
    std::vector<FieldState> fields{tire, axle};
    fields.insert(fields.end(), gears.begin(), gears.end());
    return tachoria::ProblemLines(fields);
}

SetupReading ReadSetup(const SetupTexts& texts, const NumberConverter& numbers) {
    SetupReading reading;
    reading.tire.label = "Tire";
    reading.axle.label = "Axle ratio";
    const std::optional<double> tire = CheckTire(reading.tire, texts.tire, numbers);
    const std::optional<double> axle = Check(reading.axle, ReadRatioField(texts.axle, numbers));
    std::vector<double> gears;
    for (std::size_t i = 0; i < texts.gears.size() && i < kMostGears; ++i) {
        FieldState& gear = reading.gears.emplace_back();
        gear.label = GearName(static_cast<int>(i) + 1) + " gear";
        if (const std::optional<double> ratio =
                Check(gear, ReadRatioField(texts.gears[i], numbers))) {
            gears.push_back(*ratio);
        }
    }
    if (tire && axle && !gears.empty() && gears.size() == reading.gears.size()) {
        reading.gearing = Gearing{*tire, *axle, std::move(gears)};
    }
    return reading;
}

ComparisonModel::ComparisonModel(const NumberConverter& numbers)
    : numbers_(numbers), redline_(numbers.ToText(kDefaultRedline)) {
    const std::optional<StockGearbox> first = PageGearbox({}, {}, true);
    for (const Setup side : {Setup::A, Setup::B}) {
        SetTexts(side, DefaultSetupTexts(numbers));
        SetGearbox(side, first);
    }
}

const SetupTexts& ComparisonModel::Texts(Setup side) const { return setups_[Index(side)]; }

void ComparisonModel::SetTexts(Setup side, SetupTexts texts) {
    setups_[Index(side)] = std::move(texts);
    MatchGearbox(side);
    stale_ = true;
}

const std::optional<StockGearbox>& ComparisonModel::Gearbox(Setup side) const {
    return gearboxes_[Index(side)];
}

void ComparisonModel::SetGearbox(Setup side, std::optional<StockGearbox> gearbox) {
    if (gearbox) {
        setups_[Index(side)].gears = StockGearTexts(*gearbox, numbers_);
    }
    gearboxes_[Index(side)] = std::move(gearbox);
    FollowStock();
    stale_ = true;
}

void ComparisonModel::SetRedline(std::string text) {
    redline_ = std::move(text);
    stale_ = true;
}

void ComparisonModel::SetUnit(SpeedUnit unit) {
    unit_ = unit;
    stale_ = true;
}

void ComparisonModel::SetDrive(SpeedometerDrive drive) {
    drive_ = drive;
    stale_ = true;
}

void ComparisonModel::MatchGearbox(Setup side) {
    gearboxes_[Index(side)] =
        MatchingGearbox(setups_[Index(side)].gears, gearboxes_[Index(side)], numbers_);
    FollowStock();
}

void ComparisonModel::FollowStock() {
    // A's model line says where its speedometer is driven.
    if (gearboxes_[0] != aFollowed_) {
        aFollowed_ = gearboxes_[0];
        drive_ = DriveOf(aFollowed_);
    }
}

const ComparisonAnswer& ComparisonModel::Answer() const {
    if (!stale_) {
        return answer_;
    }
    ComparisonAnswer& answer = answer_;
    answer.a = ReadSetup(setups_[0], numbers_);
    answer.b = ReadSetup(setups_[1], numbers_);
    answer.redline = FieldState{};
    answer.redline.label = "Redline RPM";
    const std::optional<double> redline =
        Check(answer.redline, ReadRedlineField(redline_, numbers_));
    answer.comparison = Compare(answer.a.gearing, answer.b.gearing, redline, unit_,
                                std::max(answer.a.gears.size(), answer.b.gears.size()), drive_);
    answer.cruise = CruiseTable(answer.comparison);
    answer.gears = GearTable(answer.comparison);
    answer.speedometer = SpeedometerTable(answer.comparison);
    answer.overRedline = HasNotes(answer.cruise) || HasNotes(answer.gears);
    answer.chart = BuildChart(answer.a.gearing, answer.b.gearing, redline, unit_);
    answer.chartDescription = ChartDescription(answer.comparison);
    stale_ = false;
    return answer;
}

}  // namespace tachoria
