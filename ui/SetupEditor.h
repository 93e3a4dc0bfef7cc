#pragma once

#include <QComboBox>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>
#include <array>
#include <optional>

#include "comparison/Gearing.h"

namespace tachoria {

// The fields of one gearing in the comparison window: tire, axle ratio,
// the number of forward gears and their ratios, and a picker that fills
// the ratios from the stock catalogue. A field that is not a positive
// number is marked, and says why in its tooltip and for screen readers.
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

signals:
    void Changed();

private:
    void PickStockGearbox(int index);
    void ShowGearCount(int count);
    void Mark(QLineEdit& field, const FieldReading& reading, const QString& fine);

    const NumberConverter& numbers_;
    QLineEdit& tire_;
    QLabel& tireNote_;
    QLineEdit& axle_;
    QComboBox& picker_;
    QSpinBox& gearCount_;
    std::array<QLineEdit*, kMostGears> gears_{};
    std::array<QLabel*, kMostGears> gearLabels_{};
};

}  // namespace tachoria
