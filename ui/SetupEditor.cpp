#include "ui/SetupEditor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "catalogue/StockCatalogue.h"
#include "comparison/ChartGeometry.h"
#include "tables/Captions.h"
#include "ui/CheckedField.h"
#include "ui/ControlLook.h"
#include "ui/ValuePicker.h"

namespace tachoria {
namespace {

constexpr int kGearsPerRow = 3;

QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

}  // namespace

SetupEditor::SetupEditor(ComparisonModel& model, Setup side, const QString& title, QWidget* parent)
    : QGroupBox(title, parent),
      model_(model),
      side_(side),
      tire_(*new CheckedField(this)),
      tireNote_(*new QLabel(this)),
      axle_(*new CheckedField(this)),
      picker_(*new GearboxPicker(QStringLiteral("Custom gears"), this)),
      gearCount_(*new QSpinBox(this)),
      problems_(*new ReasonLine(this)) {
    const QString letter = side == Setup::A ? QStringLiteral("A") : QStringLiteral("B");
    setObjectName(QStringLiteral("setup") + letter);
    tire_.setObjectName(QStringLiteral("tire") + letter);
    tireNote_.setObjectName(QStringLiteral("tireNote") + letter);
    axle_.setObjectName(QStringLiteral("axle") + letter);
    picker_.setObjectName(QStringLiteral("picker") + letter);
    gearCount_.setObjectName(QStringLiteral("gearCount") + letter);
    problems_.setObjectName(QStringLiteral("problems") + letter);

    Describe(tire_, letter + QStringLiteral(" tire diameter"));
    Describe(axle_, letter + QStringLiteral(" axle ratio"));
    Describe(picker_, letter + QStringLiteral(" stock gearbox"));
    Describe(gearCount_, letter + QStringLiteral(" forward gears"));
    Describe(tireNote_, letter + QStringLiteral(" tire diameter reads as"));
    Describe(problems_, letter + QStringLiteral(" problems"));
    // One line, always there, so that the form below never moves; a long
    // reading never widens the window (its whole text is the tooltip).
    tireNote_.setFixedHeight(tireNote_.fontMetrics().height());
    tireNote_.setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Fixed);
    tireNote_.setTextFormat(Qt::PlainText);
    gearCount_.setRange(1, static_cast<int>(kMostGears));

    auto* grid = new QGridLayout(this);
    grid->setVerticalSpacing(4);
    grid->addWidget(Caption(QStringLiteral("&Tire"), &tire_, this), 0, 0);
    grid->addWidget(&tire_, 0, 1, 1, 3);
    grid->addWidget(Caption(QStringLiteral("A&xle ratio"), &axle_, this), 0, 4);
    grid->addWidget(&axle_, 0, 5);
    grid->addWidget(&tireNote_, 1, 1, 1, 5);
    grid->addWidget(Caption(QStringLiteral("&Gearbox"), &picker_, this), 2, 0);
    grid->addWidget(&picker_, 2, 1, 1, 3);
    grid->addWidget(Caption(QStringLiteral("&Forward gears"), &gearCount_, this), 2, 4);
    grid->addWidget(&gearCount_, 2, 5);
    // First gear to sixth, left to right and top to bottom: the order they
    // are read and tabbed through.
    for (std::size_t i = 0; i < kMostGears; ++i) {
        const QString name = ToQString(GearName(static_cast<int>(i) + 1));
        gears_[i] = new CheckedField(this);
        gears_[i]->setObjectName(QStringLiteral("gear%1%2").arg(letter).arg(i + 1));
        Describe(*gears_[i], QStringLiteral("%1 %2 gear ratio").arg(letter, name));
        gearLabels_[i] = Caption(name, gears_[i], this);
        const int row = 3 + static_cast<int>(i) / kGearsPerRow;
        const int column = static_cast<int>(i) % kGearsPerRow * 2;
        grid->addWidget(gearLabels_[i], row, column, Qt::AlignRight);
        grid->addWidget(gears_[i], row, column + 1);
        connect(gears_[i], &QLineEdit::textChanged, this, &SetupEditor::Edited);
    }
    grid->addWidget(&problems_, 5, 0, 1, 6);
    grid->setRowStretch(6, 1);  // a setup with fewer gears keeps its rows level with the other's
    for (int column = 1; column < 6; column += 2) {
        grid->setColumnStretch(column, 1);
    }

    connect(&tire_, &QLineEdit::textChanged, this, &SetupEditor::Edited);
    connect(&axle_, &QLineEdit::textChanged, this, &SetupEditor::Edited);
    connect(&gearCount_, &QSpinBox::valueChanged, this, [this](int count) {
        ShowGearCount(count);
        Edited();
    });
    connect(&picker_, &QComboBox::activated, this, &SetupEditor::PickStockGearbox);
    ShowTexts(model_.Texts(side_));
    picker_.Choose(model_.Gearbox(side_));
}

void SetupEditor::Fill(const SetupTexts& texts, const std::optional<StockGearbox>& gearbox) {
    ShowTexts(texts);
    model_.SetTexts(side_, Texts());
    // Ratios from the catalogue keep their gearbox; typed ones are custom.
    model_.SetGearbox(side_, gearbox);
    ShowTexts(model_.Texts(side_));
    picker_.Choose(model_.Gearbox(side_));
    emit Changed();
}

void SetupEditor::ShowTexts(const SetupTexts& texts) {
    const QSignalBlocker blockTire(&tire_);
    const QSignalBlocker blockAxle(&axle_);
    tire_.setText(QString::fromStdString(texts.tire));
    axle_.setText(QString::fromStdString(texts.axle));
    if (texts.gears.empty()) {
        return;
    }
    const QSignalBlocker blockCount(&gearCount_);
    gearCount_.setValue(static_cast<int>(std::min(texts.gears.size(), kMostGears)));
    ShowGearCount(gearCount_.value());
    for (std::size_t i = 0; i < kMostGears; ++i) {
        const QSignalBlocker blockGear(gears_[i]);
        gears_[i]->setText(i < texts.gears.size() ? QString::fromStdString(texts.gears[i])
                                                  : QString());
    }
}

void SetupEditor::Edited() {
    model_.SetTexts(side_, Texts());
    picker_.Choose(model_.Gearbox(side_));
    emit Changed();
}

SetupTexts SetupEditor::Texts() const {
    SetupTexts texts{tire_.text().toStdString(), axle_.text().toStdString(), {}};
    for (int i = 0; i < gearCount_.value(); ++i) {
        texts.gears.push_back(gears_[static_cast<std::size_t>(i)]->text().toStdString());
    }
    return texts;
}

QString SetupEditor::GearboxText() const { return picker_.currentText(); }

void SetupEditor::Show(const SetupReading& reading) {
    const auto reason = [](const FieldState& state) {
        return ToQString(state.reason.value_or(std::string()));
    };
    const QString reads = ToQString(reading.tire.readsAs);
    tire_.Show(reason(reading.tire), reads);
    tireNote_.setText(reads);
    if (tireNote_.toolTip() != reads) {
        tireNote_.setToolTip(reads);
    }
    Redescribe(tireNote_, reads);  // the name says which field
    axle_.Show(reason(reading.axle));
    for (std::size_t i = 0; i < reading.gears.size() && i < kMostGears; ++i) {
        gears_[i]->Show(reason(reading.gears[i]));
    }
    QStringList lines;
    for (const std::string& line : reading.ProblemLines()) {
        lines << ToQString(line);
    }
    problems_.Show(lines);
}

void SetupEditor::PickStockGearbox(int index) {
    // "Custom gears" leaves the ratios as they are; a stock gearbox fills them.
    model_.SetGearbox(side_, picker_.ValueAt(index));
    ShowTexts(model_.Texts(side_));
    picker_.setCurrentIndex(index);
    emit Changed();
}

void SetupEditor::ShowGearCount(int count) {
    for (std::size_t i = 0; i < kMostGears; ++i) {
        const bool shown = static_cast<int>(i) < count;
        gears_[i]->setVisible(shown);
        gearLabels_[i]->setVisible(shown);
    }
}

}  // namespace tachoria
