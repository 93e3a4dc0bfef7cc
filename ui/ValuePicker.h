#pragma once

#include <QComboBox>
#include <optional>
#include <vector>

#include "comparison/Comparison.h"
#include "comparison/StockGearboxes.h"
#include "inputs/SpeedUnit.h"

namespace tachoria {

// A drop-down list whose choice is a value: each item shows a text and
// stands for one `Value`, so that nothing maps indexes to values by hand.
// Items are added once; QComboBox's signals tell of a change.
template <typename Value>
class ValuePicker : public QComboBox {
public:
    explicit ValuePicker(QWidget* parent = nullptr) : QComboBox(parent) {}

    void Add(const QString& text, const Value& value) {
        values_.push_back(value);
        addItem(text);
    }
    // The value of the item shown; the first one's before any is.
    [[nodiscard]] const Value& Chosen() const {
        return values_.at(static_cast<std::size_t>(std::max(currentIndex(), 0)));
    }
    // Shows the first item that stands for `value`, if any; the item shown
    // already if it does.
    void Choose(const Value& value) {
        if (values_.empty() || Chosen() == value) {
            return;
        }
        for (std::size_t i = 0; i < values_.size(); ++i) {
            if (values_[i] == value) {
                setCurrentIndex(static_cast<int>(i));
                return;
            }
        }
    }
    [[nodiscard]] const Value& ValueAt(int index) const {
        return values_.at(static_cast<std::size_t>(index));
    }

private:
    std::vector<Value> values_;
};

// "MPH" and "km/h".
class UnitPicker final : public ValuePicker<SpeedUnit> {
public:
    explicit UnitPicker(QWidget* parent = nullptr);
};

// What drives a speedometer: "transmission" or "a front wheel".
class DrivePicker final : public ValuePicker<SpeedometerDrive> {
public:
    explicit DrivePicker(QWidget* parent = nullptr);
};

// The rims a tire question's sizes may be for: "any", "13 in" … "20 in".
class RimPicker final : public ValuePicker<std::optional<int>> {
public:
    explicit RimPicker(QWidget* parent = nullptr);
};

// The catalogue's gearboxes, "Early Car (1961-1964), 1961-1963", after an
// item for gears of the user's own (`ownGears`: "Custom gears"), which
// stands for no stock gearbox.
class GearboxPicker final : public ValuePicker<std::optional<StockGearbox>> {
public:
    explicit GearboxPicker(const QString& ownGears, QWidget* parent = nullptr);
    // Whether a stock gearbox is shown.
    [[nodiscard]] bool IsStock() const { return Chosen().has_value(); }

    [[nodiscard]] QSize sizeHint() const override;
    [[nodiscard]] QSize minimumSizeHint() const override;

private:
    [[nodiscard]] QSize NoWiderThanManual(QSize hint) const;

    QString longestManual_;  // the longest name of a manual gearbox
};

}  // namespace tachoria
