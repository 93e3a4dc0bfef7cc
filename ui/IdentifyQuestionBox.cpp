#include "ui/IdentifyQuestionBox.h"

#include <QGridLayout>
#include <QLabel>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QStringList>
#include <QVBoxLayout>

#include "questions/GearingQuestions.h"
#include "ui/CheckedField.h"
#include "ui/ControlLook.h"
#include "ui/ValuePicker.h"

namespace tachoria {

IdentifyQuestionBox::IdentifyQuestionBox(const NumberConverter& numbers, FailureSink& failures,
                                         QWidget* parent)
    : QuestionBox(std::make_unique<IdentifyQuestion>(numbers), "identify", failures, parent) {
    using Field = IdentifyQuestion::Field;
    using Width = FieldPlace::Width;
    AddField({Field::kRpm, 0, 0, "tachRpm", QStringLiteral("Tachometer question: tachometer RPM")});
    AddField({Field::kSpeed, 0, 2, "tachSpeed", QStringLiteral("Tachometer question: true speed")});
    AddField(
        {Field::kTire, 1, 0, "tachTire", QStringLiteral("Tachometer question: tire"), Width::Tire});

    inGear_ = new QSpinBox(this);
    inGear_->setObjectName(QStringLiteral("inGear"));
    Describe(*inGear_, QStringLiteral("Tachometer question: in gear"));
    inGear_->setMinimum(1);  // its maximum: the gears read
    auto* inGearCaption = new QLabel(QStringLiteral("In gear"), this);
    inGearCaption->setBuddy(inGear_);
    Grid().addWidget(inGearCaption, 1, 2);
    Grid().addWidget(inGear_, 1, 3, Qt::AlignLeft);

    gearbox_ = new GearboxPicker(QStringLiteral("Typed gears"), this);
    gearbox_->setObjectName(QStringLiteral("gearbox"));
    Describe(*gearbox_, QStringLiteral("Tachometer question: gearbox"));
    auto* gearboxCaption = new QLabel(QStringLiteral("Gearbox"), this);
    gearboxCaption->setBuddy(gearbox_);
    Grid().addWidget(gearboxCaption, 2, 0);
    Grid().addWidget(gearbox_, 2, 1, 1, 4, Qt::AlignLeft);

    gears_ = &AddField({Field::kGears, 3, 0, "tachGears",
                        QStringLiteral("Tachometer question: gear ratios"), Width::Full});

    AddAnswer();
    notes_ = NewNote(ForReading(kRollingTireNote, DecimalPoint()), "rollingTireNote", this);
    Column().addWidget(notes_);
    Column().addStretch(1);

    connect(inGear_, &QSpinBox::valueChanged, this, [this](int gear) {
        Question().SetChosenGear(gear);
        Update();
    });
    connect(gearbox_, &QComboBox::activated, this, [this](int index) {
        Question().SetGearbox(gearbox_->ValueAt(index));
        ShowTexts();
        Update();
        if (picked_) {
            picked_(Question().Gearbox());
        }
    });
}

void IdentifyQuestionBox::OnGearboxPicked(
    std::function<void(const std::optional<StockGearbox>&)> picked) {
    picked_ = std::move(picked);
}

IdentifyQuestion& IdentifyQuestionBox::Question() const {
    return static_cast<IdentifyQuestion&>(Model());
}

void IdentifyQuestionBox::FillChoices() { gearbox_->Choose(Question().Gearbox()); }

void IdentifyQuestionBox::ShowChoices(const QuestionAnswer& /*answer*/) {
    const IdentifyQuestion& question = Question();
    if (question.GearCount() > 0) {
        // As many gears as read; the one chosen comes back when a ratio
        // typed after it does.
        const QSignalBlocker quiet(inGear_);
        inGear_->setMaximum(question.GearCount());
        inGear_->setValue(question.InGear());
    }
    const bool readOnly = question.GearsReadOnly();
    if (readOnly) {
        // Filled from the catalogue: shown as not for typing.
        QPalette palette = gears_->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        gears_->setPalette(palette);
    } else if (gears_->isReadOnly()) {
        MarkProblem(*gears_, gears_->HasProblem());  // for typing again
    }
    gears_->setReadOnly(readOnly);
    // The Powerglide adds its converter's slip.
    QStringList notes;
    for (const std::string_view note : question.Footnotes()) {
        notes << ForReading(note, DecimalPoint());
    }
    if (const QString text = notes.join(QLatin1Char(' ')); notes_->text() != text) {
        notes_->setText(text);
    }
}

}  // namespace tachoria
