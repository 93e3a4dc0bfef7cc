#pragma once

#include <QWidget>
#include <string>
#include <string_view>

#include "comparison/Gearing.h"
#include "questions/QuestionModel.h"
#include "tables/Controls.h"
#include "tables/Table.h"
#include "ui/LocaleNumbers.h"
#include "ui/ToolWindow.h"

class QComboBox;
class QGridLayout;
class QGroupBox;
class QLabel;
class QLineEdit;
class QRadioButton;
class QScrollArea;
class QSpinBox;
class QTreeWidget;
class QVBoxLayout;

namespace tachoria {

// "Gearing Questions": four questions owners ask of a gearing the other way
// round, each in its own group and answered at every edit: the axle ratio,
// or the tire, that gives an engine speed at a road speed; which factory
// axle ratio a car has, by its tachometer at a true speed; and which
// speedometer driven gear makes the speedometer true. A field that cannot
// be used is marked, and a line under its group says why, as do its tooltip
// and its description for screen readers. Numbers on screen, copied and
// printed use the user's decimal point; saved files use ".".
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
    // One question's answer: a sentence, a list, and the line that says why
    // there is none.
    struct Answer {
        QLabel* summary = nullptr;
        QTreeWidget* list = nullptr;
        QLabel* problems = nullptr;
        Table table;
    };

    QWidget* BuildContent();
    QGroupBox* BuildAxleQuestion();
    QGroupBox* BuildTireQuestion();
    QGroupBox* BuildIdentifyQuestion();
    QGroupBox* BuildSpeedometerQuestion();
    // The targets a question starts from: a cruise an owner might want, and
    // a tachometer reading at a true 60.
    void SetStartingTargets();
    void ConnectLiveUpdates(QWidget& content);
    // A field with its caption on `grid` at `row`, `column` (a caption and
    // a field take two columns); `name` is what screen readers call it.
    QLineEdit* NewField(QGridLayout& grid, int row, int column, const char* objectName,
                        const QString& caption, const QString& name);
    // The problems line, the sentence and the list of one question, under
    // its fields in `column`; `what` names its controls ("axle").
    void AddAnswer(QVBoxLayout& column, Answer& answer, const char* what, const QString& question);
    [[nodiscard]] SpeedUnit Unit() const;
    // The speeds typed, written in the newly chosen unit.
    void ConvertSpeeds();
    void PickGearbox(int index);
    void ShowSpeedometerForm();
    // Each question's title and file name for printing and saving, from its
    // fields as they are now.
    [[nodiscard]] QString PrintedTitle(const Answer& answer) const;
    [[nodiscard]] QString FileName(const Answer& answer) const;
    [[nodiscard]] QString SpeedWithUnit(const QLineEdit& speed) const;

    void Recompute();
    void AnswerAxle();
    void AnswerTire();
    void AnswerIdentify();
    void AnswerSpeedometer();
    // Shows `table` and `summary`, or no answer and why.
    void Show(Answer& answer, const QStringList& problems, const Table& table,
              const std::string& summary);

    LocaleNumbers numbers_;
    std::string decimalPoint_;
    QComboBox* unit_ = nullptr;

    QLineEdit* axleRpm_ = nullptr;
    QLineEdit* axleSpeed_ = nullptr;
    QLineEdit* axleTire_ = nullptr;
    QLineEdit* axleGear_ = nullptr;
    Answer axle_;

    QLineEdit* tireRpm_ = nullptr;
    QLineEdit* tireSpeed_ = nullptr;
    QLineEdit* tireAxle_ = nullptr;
    QLineEdit* tireGear_ = nullptr;
    Answer tire_;

    QLineEdit* tachRpm_ = nullptr;
    QLineEdit* tachSpeed_ = nullptr;
    QLineEdit* tachTire_ = nullptr;
    QComboBox* gearbox_ = nullptr;
    QLineEdit* tachGears_ = nullptr;
    QSpinBox* inGear_ = nullptr;
    int chosenGear_ = 1;  // the gear last chosen, which fewer gears typed may hide
    Answer identify_;

    QLineEdit* teeth_ = nullptr;
    QRadioButton* readsOff_ = nullptr;
    QRadioButton* fromChange_ = nullptr;
    QLineEdit* offPercent_ = nullptr;
    QLineEdit* aTire_ = nullptr;
    QLineEdit* aAxle_ = nullptr;
    QLineEdit* bTire_ = nullptr;
    QLineEdit* bAxle_ = nullptr;
    QComboBox* drive_ = nullptr;
    Answer speedometer_;

    QList<QLabel*> speedCaptions_;
    bool filling_ = false;  // while Fill sets the fields, which recomputes once at the end
};

}  // namespace tachoria
