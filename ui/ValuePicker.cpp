#include "ui/ValuePicker.h"

#include "ui/ControlLook.h"

namespace tachoria {

UnitPicker::UnitPicker(QWidget* parent) : ValuePicker(parent) {
    for (const SpeedUnit unit : {SpeedUnit::MPH, SpeedUnit::KMH}) {
        Add(ToQString(UnitName(unit)), unit);
    }
}

DrivePicker::DrivePicker(QWidget* parent) : ValuePicker(parent) {
    Add(QStringLiteral("transmission"), SpeedometerDrive::Transmission);
    Add(QStringLiteral("a front wheel"), SpeedometerDrive::FrontWheel);
}

GearboxPicker::GearboxPicker(const QString& ownGears, QWidget* parent) : ValuePicker(parent) {
    Add(ownGears, StockGearbox{});
    for (const std::string_view model : ModelTexts()) {
        for (const std::string_view years : YearRangeTexts(model)) {
            Add(ToQString(model) + QStringLiteral(", ") + ToQString(years), {model, years});
        }
    }
}

}  // namespace tachoria
