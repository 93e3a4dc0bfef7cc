#include "ui/ValuePicker.h"

#include "comparison/ComparisonModel.h"
#include "questions/TireQuestion.h"
#include "ui/ControlLook.h"

namespace tachoria {

UnitPicker::UnitPicker(QWidget* parent) : ValuePicker(parent) {
    for (const UnitChoice& choice : kUnitChoices) {
        Add(ToQString(choice.label), choice.unit);
    }
}

DrivePicker::DrivePicker(QWidget* parent) : ValuePicker(parent) {
    for (const DriveChoice& choice : kDriveChoices) {
        Add(ToQString(choice.label), choice.drive);
    }
}

RimPicker::RimPicker(QWidget* parent) : ValuePicker(parent) {
    for (const RimChoice& choice : RimChoices()) {
        Add(ToQString(choice.label), choice.rim);
    }
}

GearboxPicker::GearboxPicker(const QString& ownGears, QWidget* parent) : ValuePicker(parent) {
    Add(ownGears, std::nullopt);
    for (const GearboxChoice& choice : StockGearboxChoices()) {
        Add(ToQString(choice.label), choice.gearbox);
    }
}

}  // namespace tachoria
