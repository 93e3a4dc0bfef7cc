#pragma once

#include <QGroupBox>
#include <array>
#include <optional>

#include "comparison/ChartGeometry.h"
#include "comparison/ComparisonModel.h"

class QLabel;
class QSpinBox;

namespace tachoria {

class CheckedField;
class GearboxPicker;
class ReasonLine;

// The fields of one gearing in the comparison window: tire, axle ratio,
// the number of forward gears and their ratios, and a picker of the stock
// gearboxes that fills the ratios and shows which one they are, or that
// they are custom, bound to one side of the comparison's model. A field
// that cannot be used is marked, and a line under the fields says why, as
// do its tooltip and its description for screen readers.
class SetupEditor final : public QGroupBox {
    Q_OBJECT

public:
    // `side` says which setup of `model` it edits, and its letter names
    // every field for screen readers; `title` is the group's caption.
    SetupEditor(ComparisonModel& model, Setup side, const QString& title,
                QWidget* parent = nullptr);

    void Fill(const SetupTexts& texts, const std::optional<StockGearbox>& gearbox = {});
    [[nodiscard]] SetupTexts Texts() const;
    // Marks the fields as `reading` has them, and says why under them.
    void Show(const SetupReading& reading);
    // The stock gearbox the ratios are, or "Custom gears".
    [[nodiscard]] QString GearboxText() const;

signals:
    void Changed();

private:
    void PickStockGearbox(int index);
    void ShowGearCount(int count);
    // Writes `texts` into the fields; no edit follows from it.
    void ShowTexts(const SetupTexts& texts);
    // Gives the model the fields' texts, and shows the stock gearbox
    // their ratios are, if any.
    void Edited();

    ComparisonModel& model_;
    Setup side_;
    CheckedField& tire_;
    QLabel& tireNote_;
    CheckedField& axle_;
    GearboxPicker& picker_;
    QSpinBox& gearCount_;
    ReasonLine& problems_;
    std::array<CheckedField*, kMostGears> gears_{};
    std::array<QLabel*, kMostGears> gearLabels_{};
};

}  // namespace tachoria
