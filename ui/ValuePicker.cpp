#include "ui/ValuePicker.h"

#include <algorithm>

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
    longestManual_ = ownGears;
    for (const GearboxChoice& choice : StockGearboxChoices()) {
        const QString label = ToQString(choice.label);
        Add(label, choice.gearbox);
        if (!choice.gearbox.powerglide && label.size() > longestManual_.size()) {
            longestManual_ = label;
        }
    }
    const auto showWhole = [this] { setToolTip(currentText()); };
    connect(this, &QComboBox::currentIndexChanged, this, showWhole);
    showWhole();
}

QSize GearboxPicker::sizeHint() const { return NoWiderThanManual(ValuePicker::sizeHint()); }

QSize GearboxPicker::minimumSizeHint() const {
    return NoWiderThanManual(ValuePicker::minimumSizeHint());
}

QSize GearboxPicker::NoWiderThanManual(QSize hint) const {
    // Qt sizes the box to its longest item; the Powerglide's names are
    // longer than the rest and would widen both setups past a laptop's
    // screen. Its list shows them whole, and the tooltip the one chosen.
    int longest = 0;
    for (int i = 0; i < count(); ++i) {
        longest = std::max(longest, fontMetrics().horizontalAdvance(itemText(i)));
    }
    const int manual = fontMetrics().horizontalAdvance(longestManual_);
    hint.setWidth(hint.width() - std::max(longest - manual, 0));
    return hint;
}

}  // namespace tachoria
