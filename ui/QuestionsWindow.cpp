#include "ui/QuestionsWindow.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLocale>
#include <QVBoxLayout>

#include "questions/AxleQuestion.h"
#include "questions/GearingQuestions.h"
#include "ui/ControlLook.h"
#include "ui/IdentifyQuestionBox.h"
#include "ui/QuestionBox.h"
#include "ui/SpeedometerQuestionBox.h"
#include "ui/TireQuestionBox.h"
#include "ui/ValuePicker.h"

namespace tachoria {
namespace {

using Width = QuestionBox::FieldPlace::Width;

QuestionBox* NewAxleQuestion(const NumberConverter& numbers, FailureSink& failures) {
    using Field = AxleQuestion::Field;
    return new QuestionBox(
        std::make_unique<AxleQuestion>(numbers), "axle",
        {{Field::kRpm, 0, 0, "axleRpm", QStringLiteral("Axle question: engine RPM")},
         {Field::kSpeed, 0, 2, "axleSpeed", QStringLiteral("Axle question: road speed")},
         {Field::kTire, 1, 0, "axleTire", QStringLiteral("Axle question: tire"), Width::Tire},
         {Field::kGear, 1, 2, "axleGear", QStringLiteral("Axle question: gear ratio")}},
        failures);
}

}  // namespace

QuestionsWindow::QuestionsWindow(QWidget* parent, const QuestionsStart& start)
    : ToolWindow(parent, QStringLiteral("questionsWindow"), QStringLiteral("Gearing Questions")) {
    QWidget* content = BuildContent();
    Fill(start);
    SetContent(*content);
    connect(unit_, &QComboBox::currentIndexChanged, this, [this] {
        for (QuestionBox* question : questions_) {
            question->SetUnit(unit_->Chosen());
        }
    });
}

QWidget* QuestionsWindow::BuildContent() {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);

    unit_ = new UnitPicker(content);
    unit_->setObjectName(QStringLiteral("unit"));
    Describe(*unit_, QStringLiteral("Speed unit"));
    auto* unitCaption = new QLabel(QStringLiteral("&Unit"), content);
    unitCaption->setBuddy(unit_);
    auto* top = new QHBoxLayout;
    top->addWidget(unitCaption);
    top->addWidget(unit_);
    top->addStretch(1);
    layout->addLayout(top);

    questions_ = {NewAxleQuestion(numbers_, *this), new TireQuestionBox(numbers_, *this),
                  new IdentifyQuestionBox(numbers_, *this),
                  new SpeedometerQuestionBox(numbers_, *this)};
    const auto [axle, tire, identify, speedometer] = questions_;
    // A gearbox picked for the tachometer is the car's: its model line says
    // what drives the speedometer.
    static_cast<IdentifyQuestionBox*>(identify)->OnGearboxPicked(
        [box = static_cast<SpeedometerQuestionBox*>(speedometer)](
            const std::optional<StockGearbox>& gearbox) { box->FollowGearbox(gearbox); });
    // The two questions with short answers share a column; the tire's ten
    // sizes and the tachometer's factory ratios take one each.
    auto* columns = new QHBoxLayout;
    auto* first = new QVBoxLayout;
    first->addWidget(axle);
    first->addWidget(speedometer);
    first->addStretch(1);
    columns->addLayout(first);
    for (QuestionBox* question : {tire, identify}) {
        auto* column = new QVBoxLayout;
        column->addWidget(question);
        column->addStretch(1);
        columns->addLayout(column);
    }
    columns->addStretch(1);
    layout->addLayout(columns, 1);

    const std::string point = QLocale().decimalPoint().toStdString();
    layout->addWidget(NewNote(ForReading(kQuestionsRoundingNote, point), "footnote", content));
    return content;
}

void QuestionsWindow::Fill(const QuestionsStart& start) {
    for (QuestionBox* question : questions_) {
        question->Fill(start);
    }
}

}  // namespace tachoria
