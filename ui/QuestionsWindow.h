#pragma once

#include <array>

#include "questions/QuestionModel.h"
#include "ui/LocaleNumbers.h"
#include "ui/ToolWindow.h"

namespace tachoria {

class QuestionBox;
class UnitPicker;

// "Gearing Questions": four questions owners ask of a gearing the other way
// round, each in its own group and answered at every edit of its fields:
// the axle ratio, or the tire, that gives an engine speed at a road speed;
// which factory axle ratio a car has, by its tachometer at a true speed;
// and which speedometer driven gear makes the speedometer true. The window
// lays them out under the unit they share.
class QuestionsWindow final : public ToolWindow {
    Q_OBJECT

public:
    // Starts from `start` (see Fill), answered once before it is shown.
    explicit QuestionsWindow(QWidget* parent = nullptr, const QuestionsStart& start = {});

    // Takes the page's tire, axle ratio and gears into the questions they
    // apply to; what `start` leaves empty comes from the default setup. The
    // targets, the unit and the speedometer's teeth stay as they are.
    void Fill(const QuestionsStart& start);

private:
    QWidget* BuildContent();

    LocaleNumbers numbers_;
    UnitPicker* unit_ = nullptr;
    // Axle, tire, tachometer, speedometer.
    std::array<QuestionBox*, 4> questions_{};
};

}  // namespace tachoria
