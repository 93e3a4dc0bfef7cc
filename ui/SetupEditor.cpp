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

SetupEditor::SetupEditor(const QString& letter, const QString& title,
                         const NumberConverter& numbers, QWidget* parent)
    : QGroupBox(title, parent),
      letter_(letter),
      numbers_(numbers),
      tire_(*new CheckedField(this)),
      tireNote_(*new QLabel(this)),
      axle_(*new CheckedField(this)),
      picker_(*new GearboxPicker(QStringLiteral("Custom gears"), this)),
      gearCount_(*new QSpinBox(this)),
      problems_(*new ReasonLine(this)) {
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
        connect(gears_[i], &QLineEdit::textChanged, this, [this] {
            MatchGearbox();
            emit Changed();
        });
    }
    grid->addWidget(&problems_, 5, 0, 1, 6);
    grid->setRowStretch(6, 1);  // a setup with fewer gears keeps its rows level with the other's
    for (int column = 1; column < 6; column += 2) {
        grid->setColumnStretch(column, 1);
    }

    connect(&tire_, &QLineEdit::textChanged, this, &SetupEditor::Changed);
    connect(&axle_, &QLineEdit::textChanged, this, &SetupEditor::Changed);
    connect(&gearCount_, &QSpinBox::valueChanged, this, [this](int count) {
        ShowGearCount(count);
        MatchGearbox();
        emit Changed();
    });
    connect(&picker_, &QComboBox::activated, this, &SetupEditor::PickStockGearbox);
    gearCount_.setValue(4);
    ShowGearCount(4);
}

void SetupEditor::Fill(const SetupTexts& texts) {
    {
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
    }
    MatchGearbox();
    emit Changed();
}

SetupTexts SetupEditor::Texts() const {
    SetupTexts texts{tire_.text().toStdString(), axle_.text().toStdString(), {}};
    for (int i = 0; i < gearCount_.value(); ++i) {
        texts.gears.push_back(gears_[static_cast<std::size_t>(i)]->text().toStdString());
    }
    return texts;
}

std::size_t SetupEditor::GearFields() const { return static_cast<std::size_t>(gearCount_.value()); }

QString SetupEditor::GearboxText() const { return picker_.currentText(); }

bool SetupEditor::IsStock() const { return picker_.IsStock(); }

std::optional<Gearing> SetupEditor::Reading() {
    ReasonLine::Gathered reasons;
    const std::string tireText = tire_.text().toStdString();
    const Outcome<double> tire = ReadTireField(tireText, numbers_);
    const QString reads = tire ? ToQString(TireDescription(tireText, *tire, numbers_)) : QString();
    reasons.Check(tire_, QStringLiteral("Tire"), tire, reads);
    tireNote_.setText(reads);
    if (tireNote_.toolTip() != reads) {
        tireNote_.setToolTip(reads);
    }
    Redescribe(tireNote_, reads);  // the name says which field
    const Outcome<double> axle = reasons.Check(
        axle_, QStringLiteral("Axle ratio"), ReadRatioField(axle_.text().toStdString(), numbers_));
    std::vector<Outcome<double>> gears;
    for (int i = 0; i < gearCount_.value(); ++i) {
        CheckedField& field = *gears_[static_cast<std::size_t>(i)];
        gears.push_back(reasons.Check(field, ToQString(GearName(i + 1)) + QStringLiteral(" gear"),
                                      ReadRatioField(field.text().toStdString(), numbers_)));
    }
    problems_.Show(reasons.Reasons());
    return GearingOf(tire, axle, gears);
}

void SetupEditor::PickStockGearbox(int index) {
    const std::optional<StockGearbox>& choice = picker_.ValueAt(index);
    if (!choice) {
        return;  // "Custom gears" leaves the ratios as they are
    }
    SetupTexts texts = Texts();
    texts.gears = StockGearTexts(*choice, numbers_);
    Fill(texts);
    picker_.setCurrentIndex(index);  // of two stock gearboxes alike, the one chosen
}

void SetupEditor::MatchGearbox() {
    const SetupTexts texts = Texts();
    const std::optional<StockGearbox> match =
        MatchingGearbox(texts.gears, picker_.Chosen(), numbers_);
    picker_.Choose(match);
}

void SetupEditor::ShowGearCount(int count) {
    for (std::size_t i = 0; i < kMostGears; ++i) {
        const bool shown = static_cast<int>(i) < count;
        gears_[i]->setVisible(shown);
        gearLabels_[i]->setVisible(shown);
    }
}

}  // namespace tachoria
