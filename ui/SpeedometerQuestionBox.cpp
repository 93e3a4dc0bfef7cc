#include "ui/SpeedometerQuestionBox.h"

#include <QButtonGroup>
#include <QGridLayout>
#include <QLabel>
#include <QRadioButton>
#include <QSignalBlocker>
#include <QStringList>
#include <QVBoxLayout>

#include "ui/CheckedField.h"
#include "ui/ControlLook.h"
#include "ui/ValuePicker.h"

namespace tachoria {

SpeedometerQuestionBox::SpeedometerQuestionBox(const NumberConverter& numbers,
                                               FailureSink& failures, QWidget* parent)
    : QuestionBox(std::make_unique<SpeedometerQuestion>(numbers), "speedometer", failures, parent) {
    using Field = SpeedometerQuestion::Field;
    using Width = FieldPlace::Width;
    AddField(
        {Field::kTeeth, 0, 0, "teeth", QStringLiteral("Speedometer question: driven gear teeth")});

    // The error as read, or as a change of tires and axle makes it.
    readsOff_ = new QRadioButton(ToQString(Model().Caption(Field::kOffPercent)), this);
    readsOff_->setObjectName(QStringLiteral("readsOff"));
    fromChange_ = new QRadioButton(QStringLiteral("Change from A to B"), this);
    fromChange_->setObjectName(QStringLiteral("fromChange"));
    auto* form = new QButtonGroup(this);
    form->addButton(readsOff_);
    form->addButton(fromChange_);
    readsOff_->setChecked(true);
    // The error's field is captioned by the button before it.
    AddField({Field::kOffPercent, 1, 0, "offPercent",
              QStringLiteral("Speedometer question: reads off by, %"), Width::Number, false});
    Grid().addWidget(readsOff_, 1, 0);
    Grid().addWidget(new QLabel(QStringLiteral("+ high, \u2212 low"), this), 1, 2, 1, 2);
    Grid().addWidget(fromChange_, 2, 0, 1, 4);

    drive_ = new DrivePicker(this);
    drive_->setObjectName(QStringLiteral("drive"));
    Describe(*drive_, QStringLiteral("Speedometer question: driven from"));
    auto* driveCaption = new QLabel(QStringLiteral("Driven from"), this);
    driveCaption->setBuddy(drive_);
    // The picker under its caption: its names are long, and beside the
    // caption they would widen the window past a laptop's screen.
    Grid().addWidget(driveCaption, 3, 0, 1, 4);
    Grid().addWidget(drive_, 4, 0, 1, 4, Qt::AlignLeft);
    AddField({Field::kATire, 5, 0, "aTire", QStringLiteral("Speedometer question: A tire"),
              Width::Tire});
    AddField({Field::kAAxle, 5, 2, "aAxle", QStringLiteral("Speedometer question: A axle ratio")});
    AddField({Field::kBTire, 6, 0, "bTire", QStringLiteral("Speedometer question: B tire"),
              Width::Tire});
    AddField({Field::kBAxle, 6, 2, "bAxle", QStringLiteral("Speedometer question: B axle ratio")});

    AddAnswer();
    note_ = NewNote({}, "cableAdapterNote", this);
    Column().addWidget(note_);
    Column().addStretch(1);

    connect(readsOff_, &QRadioButton::toggled, this, [this](bool readsOff) {
        Question().SetForm(readsOff ? SpeedometerForm::ReadsOff : SpeedometerForm::FromChange);
        Update();
    });
    connect(drive_, &QComboBox::currentIndexChanged, this, [this] {
        Question().SetDrive(drive_->Chosen());
        Update();
    });
}

SpeedometerQuestion& SpeedometerQuestionBox::Question() const {
    return static_cast<SpeedometerQuestion&>(Model());
}

void SpeedometerQuestionBox::FillChoices() {
    const QSignalBlocker quiet(drive_);
    drive_->Choose(Question().Drive());
}

void SpeedometerQuestionBox::FollowGearbox(const std::optional<StockGearbox>& gearbox) {
    Question().FollowGearbox(gearbox);
    FillChoices();
    Update();
}

void SpeedometerQuestionBox::ShowChoices(const QuestionAnswer& /*answer*/) {
    const bool change = Question().Form() == SpeedometerForm::FromChange;
    // The drive counts in either form: from a wheel the answer is an
    // adapter, not teeth.
    QStringList notes;
    for (const std::string_view note : Question().Footnotes()) {
        notes << ForReading(note, DecimalPoint());
    }
    const QString text = notes.join(QLatin1Char(' '));
    if (note_->text() != text) {
        note_->setText(text);
    }
    note_->setVisible(!text.isEmpty());
    // Tab enters the choice at the button checked, as on any desktop; the
    // arrow keys move between them.
    readsOff_->setFocusPolicy(change ? Qt::ClickFocus : Qt::StrongFocus);
    fromChange_->setFocusPolicy(change ? Qt::StrongFocus : Qt::ClickFocus);
}

}  // namespace tachoria
