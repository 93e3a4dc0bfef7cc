#include "ui/SetupEditor.h"

#include <QFormLayout>
#include <QGridLayout>

#include "catalogue/StockCatalogue.h"
#include "ui/ControlLook.h"

namespace tachoria {
namespace {

const char* const kGearNames[kMostGears] = {"1st", "2nd", "3rd", "4th", "5th", "6th"};

// Light red behind a field with a problem; the text says which.
void SetMarked(QLineEdit& field, bool marked) {
    QPalette palette = field.parentWidget()->palette();
    if (marked) {
        palette.setColor(QPalette::Base, QColor(255, 221, 221));
    }
    field.setPalette(palette);
    field.setProperty("problem", marked);
}

}  // namespace

SetupEditor::SetupEditor(const QString& letter, const QString& title,
                         const NumberConverter& numbers, QWidget* parent)
    : QGroupBox(title, parent),
      numbers_(numbers),
      tire_(*new QLineEdit(this)),
      tireNote_(*new QLabel(this)),
      axle_(*new QLineEdit(this)),
      picker_(*new QComboBox(this)),
      gearCount_(*new QSpinBox(this)) {
    setObjectName(QStringLiteral("setup") + letter);
    auto* form = new QFormLayout(this);
    tire_.setObjectName(QStringLiteral("tire") + letter);
    tireNote_.setObjectName(QStringLiteral("tireNote") + letter);
    axle_.setObjectName(QStringLiteral("axle") + letter);
    picker_.setObjectName(QStringLiteral("picker") + letter);
    gearCount_.setObjectName(QStringLiteral("gearCount") + letter);

    Describe(tire_, letter + QStringLiteral(" tire diameter"));
    Describe(axle_, letter + QStringLiteral(" axle ratio"));
    Describe(picker_, letter + QStringLiteral(" stock gearbox"));
    Describe(gearCount_, letter + QStringLiteral(" forward gears"));
    tireNote_.setWordWrap(true);

    form->addRow(QStringLiteral("&Tire"), &tire_);
    form->addRow(QString(), &tireNote_);
    form->addRow(QStringLiteral("A&xle ratio"), &axle_);

    picker_.addItem(QStringLiteral("Choose a stock gearbox\u2026"));
    for (const std::string_view model : ModelTexts()) {
        for (const std::string_view years : YearRangeTexts(model)) {
            picker_.addItem(ToQString(model) + QStringLiteral(", ") + ToQString(years),
                            QVariant::fromValue(QStringList{ToQString(model), ToQString(years)}));
        }
    }
    form->addRow(QStringLiteral("&Gearbox"), &picker_);

    gearCount_.setRange(1, static_cast<int>(kMostGears));
    form->addRow(QStringLiteral("&Forward gears"), &gearCount_);
    auto* grid = new QGridLayout;
    for (std::size_t i = 0; i < kMostGears; ++i) {
        gearLabels_[i] = new QLabel(QString::fromLatin1(kGearNames[i]), this);
        gears_[i] = new QLineEdit(this);
        gears_[i]->setObjectName(QStringLiteral("gear%1%2").arg(letter).arg(i + 1));
        Describe(*gears_[i], QStringLiteral("%1 %2 gear ratio").arg(letter, kGearNames[i]));
        gearLabels_[i]->setBuddy(gears_[i]);
        const int row = static_cast<int>(i % 3);
        const int column = static_cast<int>(i / 3) * 2;
        grid->addWidget(gearLabels_[i], row, column);
        grid->addWidget(gears_[i], row, column + 1);
        connect(gears_[i], &QLineEdit::textChanged, this, &SetupEditor::Changed);
    }
    form->addRow(grid);

    connect(&tire_, &QLineEdit::textChanged, this, &SetupEditor::Changed);
    connect(&axle_, &QLineEdit::textChanged, this, &SetupEditor::Changed);
    connect(&gearCount_, &QSpinBox::valueChanged, this, [this](int count) {
        ShowGearCount(count);
        emit Changed();
    });
    connect(&picker_, &QComboBox::activated, this, &SetupEditor::PickStockGearbox);
    gearCount_.setValue(4);
    ShowGearCount(4);
}

void SetupEditor::Fill(const SetupTexts& texts) {
    const QSignalBlocker blockTire(&tire_);
    const QSignalBlocker blockAxle(&axle_);
    tire_.setText(QString::fromStdString(texts.tire));
    axle_.setText(QString::fromStdString(texts.axle));
    if (!texts.gears.empty()) {
        const QSignalBlocker blockCount(&gearCount_);
        gearCount_.setValue(static_cast<int>(std::min(texts.gears.size(), kMostGears)));
        ShowGearCount(gearCount_.value());
        for (std::size_t i = 0; i < kMostGears; ++i) {
            const QSignalBlocker blockGear(gears_[i]);
            gears_[i]->setText(i < texts.gears.size() ? QString::fromStdString(texts.gears[i])
                                                      : QString());
        }
    }
    emit Changed();
}

SetupTexts SetupEditor::Texts() const {
    SetupTexts texts{tire_.text().toStdString(), axle_.text().toStdString(), {}};
    for (int i = 0; i < gearCount_.value(); ++i) {
        texts.gears.push_back(gears_[static_cast<std::size_t>(i)]->text().toStdString());
    }
    return texts;
}

std::optional<Gearing> SetupEditor::Reading() {
    const FieldReading tire = ReadTireField(tire_.text().toStdString(), numbers_);
    Mark(tire_, tire, tire.value ? ToQString(TireDescription(*tire.value, numbers_)) : QString());
    tireNote_.setText(tire.value ? tire_.toolTip() : QString());
    const FieldReading axle = ReadRatioField(axle_.text().toStdString(), numbers_);
    Mark(axle_, axle, {});
    std::vector<FieldReading> gears;
    for (int i = 0; i < gearCount_.value(); ++i) {
        QLineEdit& field = *gears_[static_cast<std::size_t>(i)];
        gears.push_back(ReadRatioField(field.text().toStdString(), numbers_));
        Mark(field, gears.back(), {});
    }
    return GearingOf(tire, axle, gears);
}

void SetupEditor::PickStockGearbox(int index) {
    const QStringList choice = picker_.itemData(index).toStringList();
    if (choice.size() == 2) {
        SetupTexts texts = Texts();
        texts.gears = StockSetupTexts(choice[0].toStdString(), choice[1].toStdString(),
                                      kSelectDifferential, texts.tire, numbers_)
                          .gears;
        Fill(texts);
    }
    picker_.setCurrentIndex(0);  // a picker, not a setting: ready for the next choice
}

void SetupEditor::ShowGearCount(int count) {
    for (std::size_t i = 0; i < kMostGears; ++i) {
        const bool shown = static_cast<int>(i) < count;
        gears_[i]->setVisible(shown);
        gearLabels_[i]->setVisible(shown);
    }
}

void SetupEditor::Mark(QLineEdit& field, const FieldReading& reading, const QString& fine) {
    const QString problem = QString::fromStdString(reading.problem);
    SetMarked(field, !reading.value);
    field.setToolTip(reading.value ? fine : problem);
    field.setAccessibleDescription(reading.value ? fine : problem);
}

}  // namespace tachoria
