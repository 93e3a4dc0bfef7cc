#pragma once

#include <QGroupBox>
#include <array>
#include <optional>

#include "comparison/Gearing.h"

class QLabel;
class QSpinBox;

namespace tachoria {

class CheckedField;
class GearboxPicker;
class ReasonLine;

// The fields of one gearing in the comparison window: tire, axle ratio,
// the number of forward gears and their ratios, and a picker of the stock
// gearboxes that fills the ratios and shows which one they are, or that
// they are custom. A field outside the range that works is marked, and a
// line under the fields says why, as do its tooltip and its description
// for screen readers.
class SetupEditor final : public QGroupBox {
    Q_OBJECT

public:
    // `letter` is "A" or "B", and names every field for screen readers;
    // `title` is the group's caption.
    SetupEditor(const QString& letter, const QString& title, const NumberConverter& numbers,
                QWidget* parent = nullptr);

    void Fill(const SetupTexts& texts);
    [[nodiscard]] SetupTexts Texts() const;
    // The gearing, or nothing while a field has a problem.
    [[nodiscard]] std::optional<Gearing> Reading();
    // How many gear fields are on show.
    [[nodiscard]] std::size_t GearFields() const;
    // The stock gearbox the ratios are, or "Custom gears".
    [[nodiscard]] QString GearboxText() const;
    // Whether the ratios are a stock gearbox's.
    [[nodiscard]] bool IsStock() const;

signals:
    void Changed();

private:
    void PickStockGearbox(int index);
    void ShowGearCount(int count);
    // Shows the stock gearbox whose ratios the gear fields hold, if any.
    void MatchGearbox();

    QString letter_;
    const NumberConverter& numbers_;
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
