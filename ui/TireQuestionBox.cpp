#include "ui/TireQuestionBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QVBoxLayout>

#include "ui/ControlLook.h"
#include "ui/ValuePicker.h"

namespace tachoria {

TireQuestionBox::TireQuestionBox(const NumberConverter& numbers, FailureSink& failures,
                                 QWidget* parent)
    : QuestionBox(std::make_unique<TireQuestion>(numbers), "tire", failures, parent) {
    using Field = TireQuestion::Field;
    AddField({Field::kRpm, 0, 0, "tireRpm", QStringLiteral("Tire question: engine RPM")});
    AddField({Field::kSpeed, 0, 2, "tireSpeed", QStringLiteral("Tire question: road speed")});
    AddField({Field::kAxle, 1, 0, "tireAxle", QStringLiteral("Tire question: axle ratio")});
    AddField({Field::kGear, 1, 2, "tireGear", QStringLiteral("Tire question: gear ratio")});

    rim_ = new RimPicker(this);
    rim_->setObjectName(QStringLiteral("tireRim"));
    Describe(*rim_, QStringLiteral("Tire question: rim"));
    auto* rimCaption = new QLabel(QStringLiteral("&Rim"), this);
    rimCaption->setBuddy(rim_);
    Grid().addWidget(rimCaption, 2, 0);
    Grid().addWidget(rim_, 2, 1, 1, 3, Qt::AlignLeft);

    AddAnswer();
    Column().addStretch(1);

    connect(rim_, &QComboBox::currentIndexChanged, this, [this] {
        Question().SetRim(rim_->Chosen());
        Update();
    });
}

TireQuestion& TireQuestionBox::Question() const { return static_cast<TireQuestion&>(Model()); }

void TireQuestionBox::FillChoices() {
    const QSignalBlocker quiet(rim_);
    rim_->Choose(Question().Rim());
}

}  // namespace tachoria
