#include "ui/SetupEditor.h"

#include <QComboBox>
#include <QGridLayout>
#include <QLabel>
#include <QLineEdit>
#include <QSpinBox>

#include "catalogue/StockCatalogue.h"
#include "comparison/ChartGeometry.h"
#include "tables/Captions.h"
#include "ui/ControlLook.h"

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
      tire_(*new QLineEdit(this)),
      tireNote_(*new QLabel(this)),
      axle_(*new QLineEdit(this)),
      picker_(*new QComboBox(this)),
      gearCount_(*new QSpinBox(this)),
      problems_(*new QLabel(this)) {
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
    problems_.setWordWrap(true);
    problems_.setTextFormat(Qt::PlainText);
    problems_.hide();  // until there is a problem; it only ever adds a line under the fields
    ShowInProblemColour(problems_);

    picker_.addItem(QStringLiteral("Custom gears"));
    for (const std::string_view model : ModelTexts()) {
        for (const std::string_view years : YearRangeTexts(model)) {
            picker_.addItem(ToQString(model) + QStringLiteral(", ") + ToQString(years),
                            QVariant::fromValue(QStringList{ToQString(model), ToQString(years)}));
        }
    }
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
        gears_[i] = new QLineEdit(this);
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

bool SetupEditor::IsStock() const { return picker_.currentIndex() > 0; }  // 0: "Custom gears"

std::optional<Gearing> SetupEditor::Reading() {
    QStringList problems;
    const auto note = [&problems](const QString& field, const Outcome<double>& reading) {
        if (!reading) {
            problems << field + QStringLiteral(": ") + ToQString(reading.message());
        }
    };
    const Outcome<Tire> size = ReadTireSizeField(tire_.text().toStdString(), numbers_);
    const Outcome<double> tire = size.transform(&Tire::diameter);
    const QString reads = size ? ToQString(TireDescription(*size, numbers_)) : QString();
    Mark(tire_, tire, reads);
    tireNote_.setText(reads);
    tireNote_.setToolTip(reads);
    tireNote_.setAccessibleDescription(reads);  // the name says which field
    note(QStringLiteral("Tire"), tire);
    const Outcome<double> axle = ReadRatioField(axle_.text().toStdString(), numbers_);
    Mark(axle_, axle, {});
    note(QStringLiteral("Axle ratio"), axle);
    std::vector<Outcome<double>> gears;
    for (int i = 0; i < gearCount_.value(); ++i) {
        QLineEdit& field = *gears_[static_cast<std::size_t>(i)];
        gears.push_back(ReadRatioField(field.text().toStdString(), numbers_));
        Mark(field, gears.back(), {});
        note(ToQString(GearName(i + 1)) + QStringLiteral(" gear"), gears.back());
    }
    problems_.setText(problems.join(QLatin1Char('\n')));
    problems_.setAccessibleDescription(problems.join(QLatin1Char(' ')));
    problems_.setVisible(!problems.isEmpty());
    return GearingOf(tire, axle, gears);
}

void SetupEditor::PickStockGearbox(int index) {
    const QStringList choice = picker_.itemData(index).toStringList();
    if (choice.size() != 2) {
        return;  // "Custom gears" leaves the ratios as they are
    }
    SetupTexts texts = Texts();
    texts.gears = StockSetupTexts(choice[0].toStdString(), choice[1].toStdString(),
                                  kSelectDifferential, texts.tire, numbers_)
                      .gears;
    Fill(texts);
    picker_.setCurrentIndex(index);  // of two stock gearboxes alike, the one chosen
}

void SetupEditor::MatchGearbox() {
    std::vector<double> ratios;
    for (int i = 0; i < gearCount_.value(); ++i) {
        const std::optional<double> ratio =
            numbers_.ToNumber(gears_[static_cast<std::size_t>(i)]->text().toStdString());
        ratios.push_back(ratio.value_or(-1));
    }
    const auto matches = [this, &ratios](int index) {
        const QStringList choice = picker_.itemData(index).toStringList();
        if (choice.size() != 2) {
            return false;
        }
        const GearboxCode code = GearboxCodeOf(choice[0].toStdString(), choice[1].toStdString());
        if (code == kNoGearbox || ratios.size() != kForwardGears.size()) {
            return false;
        }
        for (std::size_t i = 0; i < ratios.size(); ++i) {
            if (RatioSetOf(code).Of(kForwardGears[i]) != ratios[i]) {
                return false;
            }
        }
        return true;
    };
    if (matches(picker_.currentIndex())) {
        return;
    }
    int shown = 0;
    for (int index = 1; index < picker_.count() && shown == 0; ++index) {
        shown = matches(index) ? index : 0;
    }
    picker_.setCurrentIndex(shown);
}

void SetupEditor::ShowGearCount(int count) {
    for (std::size_t i = 0; i < kMostGears; ++i) {
        const bool shown = static_cast<int>(i) < count;
        gears_[i]->setVisible(shown);
        gearLabels_[i]->setVisible(shown);
    }
}

void SetupEditor::Mark(QLineEdit& field, const Outcome<double>& reading, const QString& fine) {
    const QString shown = reading ? fine : ToQString(reading.message());
    MarkProblem(field, !reading);
    field.setToolTip(shown);
    field.setAccessibleDescription(shown);
}

}  // namespace tachoria
