#pragma once

#include <array>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arith/NumberReading.h"
#include "comparison/ChartGeometry.h"
#include "comparison/Comparison.h"
#include "comparison/Gearing.h"
#include "comparison/StockGearboxes.h"
#include "inputs/FieldState.h"
#include "tables/Table.h"

// The comparison window's logic, for any front end: both setups' texts,
// the redline, the unit and the speedometer's drive in; the three tables,
// the chart's inputs and each field's reason out.
namespace tachoria {

// The choices of the unit and "driven from" pickers, in their order.
struct UnitChoice {
    std::string_view label;
    SpeedUnit unit;
};
inline constexpr std::array<UnitChoice, 2> kUnitChoices{
    {{"MPH", SpeedUnit::MPH}, {"km/h", SpeedUnit::KMH}}};
struct DriveChoice {
    std::string_view label;
    SpeedometerDrive drive;
};
inline constexpr std::array<DriveChoice, 2> kDriveChoices{
    {{"the transmission (on a Corvair, the transaxle)", SpeedometerDrive::Transmission},
     {"the left front wheel", SpeedometerDrive::FrontWheel}}};

// One setup's fields as read: "Tire", "Axle ratio", "1st gear" … (as many
// gears as its texts hold), and the gearing when none is bad.
struct SetupReading {
    FieldState tire;
    FieldState axle;
    std::vector<FieldState> gears;
    std::optional<Gearing> gearing;

    // The line under the setup's fields: one "label: reason" a bad field.
    [[nodiscard]] std::vector<std::string> ProblemLines() const;
};

// Reads a setup's texts (the gears: the fields on show).
SetupReading ReadSetup(const SetupTexts& texts, const NumberConverter& numbers);

struct ComparisonAnswer {
    SetupReading a;
    SetupReading b;
    FieldState redline;  // "Redline RPM"
    Comparison comparison;
    Table cruise;
    Table gears;
    Table speedometer;
    bool overRedline = false;  // a cell of the cruise or gear table has kOverRedline
    Chart chart;               // BuildChart of the two gearings
    std::string chartDescription;
};

class ComparisonModel {
public:
    // Starts from the default setup on both sides, the catalogue's first
    // gearbox (the early car's, driven from the transaxle), the default
    // redline and MPH.
    explicit ComparisonModel(const NumberConverter& numbers);

    // A setup's texts; its gears are the gear fields on show, one to six.
    [[nodiscard]] const SetupTexts& Texts(Setup side) const;
    void SetTexts(Setup side, SetupTexts texts);
    // The stock gearbox chosen for a side, whose ratios then fill its gears;
    // nothing is custom. SetTexts keeps it while the gears are still its
    // ratios, and makes the side custom once they are not: ratios typed
    // count as typed (MatchingGearbox).
    [[nodiscard]] const std::optional<StockGearbox>& Gearbox(Setup side) const;
    void SetGearbox(Setup side, std::optional<StockGearbox> gearbox);

    [[nodiscard]] const std::string& Redline() const { return redline_; }
    void SetRedline(std::string text);
    [[nodiscard]] SpeedUnit Unit() const { return unit_; }
    void SetUnit(SpeedUnit unit);
    // What drives A's speedometer. Each change of A's gearbox sets it from
    // the gearbox's model line (DriveOf: custom gears, the transmission);
    // between such changes it is the user's.
    [[nodiscard]] SpeedometerDrive Drive() const { return drive_; }
    void SetDrive(SpeedometerDrive drive);

    // Worked out once after a change, when next asked for.
    [[nodiscard]] const ComparisonAnswer& Answer() const;

private:
    void MatchGearbox(Setup side);
    void FollowStock();

    const NumberConverter& numbers_;
    std::array<SetupTexts, 2> setups_;
    std::array<std::optional<StockGearbox>, 2> gearboxes_;
    std::string redline_;
    SpeedUnit unit_ = SpeedUnit::MPH;
    SpeedometerDrive drive_ = SpeedometerDrive::Transmission;
    std::optional<StockGearbox> aFollowed_;  // the gearbox of A that set the drive
    mutable bool stale_ = true;
    mutable ComparisonAnswer answer_;
};

}  // namespace tachoria
