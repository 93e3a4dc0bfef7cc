#pragma once

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QTreeWidget>
#include <QWidget>
#include <optional>

#include "comparison/Comparison.h"
#include "tables/Controls.h"
#include "ui/ChartWidget.h"
#include "ui/LocaleNumbers.h"
#include "ui/SetupEditor.h"

namespace tachoria {

// "Compare Gearing": two gearings side by side, A ("now") and B
// ("planned"), with a shared redline and unit, and their results: engine
// speed when cruising, each gear at the redline, the speedometer after the
// change, and the chart. Every edit recomputes at once. Bad fields mark
// themselves; nothing here opens a message box except a failed save.
class CompareWindow final : public QWidget, private FailureSink {
    Q_OBJECT

public:
    explicit CompareWindow(QWidget* parent = nullptr);

    // Fills setup A, and B too unless `keepB`.
    void Fill(const SetupTexts& now, bool keepB);

private:
    QTreeWidget& NewResultList(const char* name, const QString& accessibleName,
                               const Table* (CompareWindow::*shown)() const, const QString& title,
                               const QString& fileName);
    void Recompute();
    // A failed save, shown over this window.
    void Report(const std::string& message) override;

    const Table* CruiseShown() const { return &cruise_; }
    const Table* GearsShown() const { return &gears_; }
    const Table* SpeedometerShown() const { return &speedometer_; }

    LocaleNumbers numbers_;
    SetupEditor& a_;
    SetupEditor& b_;
    QLineEdit& redline_;
    QComboBox& unit_;
    QTreeWidget* cruiseList_ = nullptr;
    QTreeWidget* gearList_ = nullptr;
    QTreeWidget* speedometerList_ = nullptr;
    ChartWidget* chart_ = nullptr;
    QLabel* footnote_ = nullptr;
    Table cruise_;
    Table gears_;
    Table speedometer_;
};

}  // namespace tachoria
