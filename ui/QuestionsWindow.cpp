#include "ui/QuestionsWindow.h"

#include <QApplication>
#include <QButtonGroup>
#include <QComboBox>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QRadioButton>
#include <QScopedValueRollback>
#include <QScrollArea>
#include <QSpinBox>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <cmath>

#include "arith/Blanks.h"
#include "catalogue/StockCatalogue.h"
#include "inputs/InputRanges.h"
#include "questions/GearingQuestions.h"
#include "tables/Captions.h"
#include "tables/DecimalPoint.h"
#include "tables/FileNames.h"
#include "tables/ToolsListView.h"
#include "ui/ControlAdapters.h"
#include "ui/ControlLook.h"
#include "ui/ResultListMenu.h"
#include "ui/WindowPlacement.h"

namespace tachoria {
namespace {

// The targets a question starts from: a cruise the owner wants, and a
// tachometer reading at a true 60.
constexpr double kTargetRpm = 2800;
constexpr double kTargetMph = 70;
constexpr double kTachometerRpm = 2900;
constexpr double kTachometerMph = 60;
constexpr double kDrivenTeeth = 18;

constexpr int kNumberWidth = 64;  // px: a ratio, a speed or an engine speed
constexpr int kTireWidth = 96;    // px: "P215/65 R15"

// Between gear ratios: ", " unless "," is the decimal point.
QString GearSeparatorText(const NumberConverter& numbers) {
    return ToQString(GearSeparator(numbers));
}

// Gathers one question's field problems, and marks each field: light red
// with the reason in its tooltip and description, or its own look with
// `fine` there (what a tire reads as).
class FieldCheck {
public:
    explicit FieldCheck(const NumberConverter& numbers) : numbers_(numbers) {}

    template <typename Value>
    Outcome<Value> Mark(QLineEdit& field, const QString& name, Outcome<Value> reading,
                        const QString& fine = {}) {
        const QString shown = reading ? fine : ToQString(reading.message());
        MarkProblem(field, !reading);
        field.setToolTip(shown);
        field.setAccessibleDescription(shown);
        if (!reading) {
            problems_ << name + QStringLiteral(": ") + shown;
        }
        return reading;
    }
    Outcome<double> Tire(QLineEdit& field, const QString& name) {
        const auto size = ReadTireSizeField(field.text().toStdString(), numbers_);
        return Mark(field, name, size.transform(&tachoria::Tire::diameter),
                    size ? ToQString(TireDescription(*size, numbers_)) : QString());
    }
    Outcome<double> Ratio(QLineEdit& field, const QString& name) {
        return Mark(field, name, ReadRatioField(field.text().toStdString(), numbers_));
    }
    Outcome<double> Rpm(QLineEdit& field, const QString& name) {
        return Mark(field, name, ReadEngineSpeedField(field.text().toStdString(), numbers_));
    }
    Outcome<double> Number(QLineEdit& field, const QString& name, const InputRange& range) {
        return Mark(field, name, ReadNumberField(field.text().toStdString(), range, numbers_));
    }
    // A field that this question does not use now: unmarked.
    static void Skip(QLineEdit& field) {
        MarkProblem(field, false);
        field.setToolTip({});
        field.setAccessibleDescription({});
    }
    [[nodiscard]] const QStringList& Problems() const { return problems_; }

private:
    const NumberConverter& numbers_;
    QStringList problems_;
};

// Text for reading: the user's decimal point, and "2-3 %" never broken
// before its "%".
QString ForReading(std::string_view text, const std::string& decimalPoint) {
    return ToQString(WithDecimalPoint(text, decimalPoint))
        .replace(QStringLiteral(" %"), QStringLiteral("\u00A0%"));
}

// A list that sizes its columns to their contents and its height to its
// rows: an answer is read whole, not scrolled.
void ShowIn(QTreeWidget& list, const Table& table, const std::string& decimalPoint) {
    TreeResultList adapter(list);
    ShowTable(adapter, WithDecimalPoint(table, decimalPoint));
    for (int r = 0; r < list.topLevelItemCount(); ++r) {
        // What a row is, in words, reads from the left.
        list.topLevelItem(r)->setTextAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
    }
    list.header()->resizeSections(QHeaderView::ResizeToContents);
    const int rows = std::max(list.topLevelItemCount(), 1);
    const int hinted = list.sizeHintForRow(0);
    const int rowHeight = hinted > 0 ? hinted : list.fontMetrics().height() + 4;
    list.setFixedHeight(list.header()->sizeHint().height() + rows * rowHeight +
                        2 * list.frameWidth() + 2);
    if (!table.rows.empty()) {
        // With no answer it keeps its width, so that its question does not
        // narrow while a field is being corrected.
        list.setFixedWidth(list.header()->length() + 2 * list.frameWidth() + 2);
    }
}

QLabel* Caption(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    return label;
}

// A wrapped line that asks for no more width than its longest word: it
// wraps to the width of the fields and the list around it, rather than
// widening their group.
class WrappedLine final : public QLabel {
public:
    WrappedLine(const QString& text, QWidget* parent) : QLabel(text, parent) { setWordWrap(true); }
    [[nodiscard]] QSize sizeHint() const override {
        return {minimumSizeHint().width(), QLabel::sizeHint().height()};
    }
};

QLabel* Note(const QString& text, const char* name, QWidget* parent) {
    auto* note = new WrappedLine(text, parent);
    note->setObjectName(QString::fromLatin1(name));
    note->setTextFormat(Qt::PlainText);
    return note;
}

// A question's rows a little closer than Qt's default, so that all four fit
// on a laptop's screen; the fields keep to the left.
void Tighten(QVBoxLayout& column, QGridLayout& grid) {
    constexpr int kMargin = 6;
    constexpr int kSpacing = 4;
    column.setContentsMargins(kMargin, kMargin, kMargin, kMargin);
    column.setSpacing(kSpacing);
    grid.setVerticalSpacing(kSpacing);
    grid.setColumnStretch(4, 1);
}

std::string Part(const QLineEdit& field) { return FileNamePart(field.text().toStdString()); }

}  // namespace

QuestionsWindow::QuestionsWindow(QWidget* parent, const QuestionsStart& start)
    : QWidget(parent, Qt::Window), decimalPoint_(QLocale().decimalPoint().toStdString()) {
    setObjectName(QStringLiteral("questionsWindow"));
    setWindowTitle(QStringLiteral("Gearing Questions"));

    QWidget* content = BuildContent();
    BuildScrollArea(*content);
    SetStartingTargets();
    ConnectLiveUpdates();
    Fill(start);
    // The lists took their sizes while hidden, which the layouts around
    // them have not heard of; and word-wrapped lines make the height hinted
    // too tall: the height the content takes at its width.
    for (QWidget* widget : content->findChildren<QWidget*>()) {
        widget->updateGeometry();
    }
    for (QLayout* layout : content->findChildren<QLayout*>()) {
        layout->invalidate();
    }
    const QSize wanted = content->sizeHint();
    const int height =
        content->hasHeightForWidth() ? content->heightForWidth(wanted.width()) : wanted.height();
    resize(wanted.width() + 4, height + 4);
}

QuestionsWindow::~QuestionsWindow() {
    // Focus moves while Qt takes the children down; by then this is no
    // longer a QuestionsWindow to follow it.
    disconnect(qApp, &QApplication::focusChanged, this, &QuestionsWindow::FollowFocus);
}

QWidget* QuestionsWindow::BuildContent() {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);

    unit_ = new QComboBox(content);
    unit_->setObjectName(QStringLiteral("unit"));
    unit_->addItem(QStringLiteral("MPH"));
    unit_->addItem(QStringLiteral("km/h"));
    Describe(*unit_, QStringLiteral("Speed unit"));
    auto* top = new QHBoxLayout;
    top->addWidget(Caption(QStringLiteral("&Unit"), unit_, content));
    top->addWidget(unit_);
    top->addStretch(1);
    layout->addLayout(top);

    // The two questions with short answers share a column; the tire's ten
    // sizes and the tachometer's factory ratios take one each.
    auto* columns = new QHBoxLayout;
    auto* first = new QVBoxLayout;
    first->addWidget(BuildAxleQuestion());
    first->addWidget(BuildSpeedometerQuestion());
    first->addStretch(1);
    columns->addLayout(first);
    for (QGroupBox* question : {BuildTireQuestion(), BuildIdentifyQuestion()}) {
        auto* column = new QVBoxLayout;
        column->addWidget(question);
        column->addStretch(1);
        columns->addLayout(column);
    }
    columns->addStretch(1);
    layout->addLayout(columns, 1);

    auto* footnote = Note(ForReading(kQuestionsRoundingNote, decimalPoint_), "footnote", content);
    footnote->setFocusPolicy(Qt::TabFocus);  // so that a keyboard reaches it and scrolls to it
    layout->addWidget(footnote);
    return content;
}

QLineEdit* QuestionsWindow::NewField(QGridLayout& grid, int row, int column, const char* objectName,
                                     const QString& caption, const QString& name) {
    QWidget* group = grid.parentWidget();
    auto* field = new QLineEdit(group);
    field->setObjectName(QString::fromLatin1(objectName));
    Describe(*field, name);
    field->setMaximumWidth(kNumberWidth);
    QLabel* label = Caption(caption, field, group);
    grid.addWidget(label, row, column);
    grid.addWidget(field, row, column + 1);
    if (caption.contains(QStringLiteral("MPH"))) {
        speedCaptions_ << label;
    }
    return field;
}

void QuestionsWindow::AddAnswer(QVBoxLayout& column, Answer& answer, const char* what,
                                const QString& question) {
    QWidget* group = column.parentWidget();
    const QString name = QString::fromLatin1(what);
    answer.problems = Note({}, qPrintable(name + QStringLiteral("Problems")), group);
    Describe(*answer.problems, question + QStringLiteral(": problems"));
    ShowInProblemColour(*answer.problems);
    answer.problems->hide();  // until there is a problem
    answer.summary = Note({}, qPrintable(name + QStringLiteral("Summary")), group);
    Describe(*answer.summary, question + QStringLiteral(": answer"));
    QFont bold = answer.summary->font();
    bold.setBold(true);
    answer.summary->setFont(bold);

    answer.list = new QTreeWidget(group);
    QTreeWidget& list = *answer.list;
    list.setObjectName(name + QStringLiteral("List"));
    SetUpResultList(list, true);
    list.setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list.setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Describe(list, question + QStringLiteral(": results"));
    const Answer* shown = &answer;
    AddResultListMenu(list, {.shown = [shown] { return &shown->table; },
                             .failures = this,
                             .compare = {},
                             .questions = {},
                             .title = [this, shown](const Table&) { return PrintedTitle(*shown); },
                             .fileName = [this, shown](const Table&) { return FileName(*shown); },
                             .decimalPoint = decimalPoint_,
                             // Four lists in one window: Save's and Print's keys act on
                             // the focused one.
                             .windowShortcuts = false,
                             .extra = {}});

    column.addWidget(answer.problems);
    column.addWidget(answer.summary);
    column.addWidget(answer.list, 0, Qt::AlignLeft);
}

QGroupBox* QuestionsWindow::BuildAxleQuestion() {
    const QString question = QStringLiteral("Axle ratio for a target");
    auto* group = new QGroupBox(question);
    group->setObjectName(QStringLiteral("axleQuestion"));
    auto* column = new QVBoxLayout(group);
    auto* grid = new QGridLayout;
    Tighten(*column, *grid);
    column->addLayout(grid);
    axleRpm_ = NewField(*grid, 0, 0, "axleRpm", QStringLiteral("Engine RPM"),
                        QStringLiteral("Axle question: engine RPM"));
    axleSpeed_ = NewField(*grid, 0, 2, "axleSpeed", QStringLiteral("Speed, MPH"),
                          QStringLiteral("Axle question: road speed"));
    axleTire_ = NewField(*grid, 1, 0, "axleTire", QStringLiteral("Tire"),
                         QStringLiteral("Axle question: tire"));
    axleTire_->setMaximumWidth(kTireWidth);
    axleGear_ = NewField(*grid, 1, 2, "axleGear", QStringLiteral("Gear ratio"),
                         QStringLiteral("Axle question: gear ratio"));
    AddAnswer(*column, axle_, "axle", question);
    column->addStretch(1);
    return group;
}

QGroupBox* QuestionsWindow::BuildTireQuestion() {
    const QString question = QStringLiteral("Tire for a target");
    auto* group = new QGroupBox(question);
    group->setObjectName(QStringLiteral("tireQuestion"));
    auto* column = new QVBoxLayout(group);
    auto* grid = new QGridLayout;
    Tighten(*column, *grid);
    column->addLayout(grid);
    tireRpm_ = NewField(*grid, 0, 0, "tireRpm", QStringLiteral("Engine RPM"),
                        QStringLiteral("Tire question: engine RPM"));
    tireSpeed_ = NewField(*grid, 0, 2, "tireSpeed", QStringLiteral("Speed, MPH"),
                          QStringLiteral("Tire question: road speed"));
    tireAxle_ = NewField(*grid, 1, 0, "tireAxle", QStringLiteral("Axle ratio"),
                         QStringLiteral("Tire question: axle ratio"));
    tireGear_ = NewField(*grid, 1, 2, "tireGear", QStringLiteral("Gear ratio"),
                         QStringLiteral("Tire question: gear ratio"));
    AddAnswer(*column, tire_, "tire", question);
    column->addStretch(1);
    return group;
}

QGroupBox* QuestionsWindow::BuildIdentifyQuestion() {
    const QString question = QStringLiteral("Which axle ratio is fitted");
    auto* group = new QGroupBox(question);
    group->setObjectName(QStringLiteral("identifyQuestion"));
    auto* column = new QVBoxLayout(group);
    auto* grid = new QGridLayout;
    Tighten(*column, *grid);
    column->addLayout(grid);
    tachRpm_ = NewField(*grid, 0, 0, "tachRpm", QStringLiteral("Tachometer RPM"),
                        QStringLiteral("Tachometer question: tachometer RPM"));
    tachSpeed_ = NewField(*grid, 0, 2, "tachSpeed", QStringLiteral("True speed (GPS), MPH"),
                          QStringLiteral("Tachometer question: true speed"));
    tachTire_ = NewField(*grid, 1, 0, "tachTire", QStringLiteral("Tire"),
                         QStringLiteral("Tachometer question: tire"));
    tachTire_->setMaximumWidth(kTireWidth);

    inGear_ = new QSpinBox(group);
    inGear_->setObjectName(QStringLiteral("inGear"));
    Describe(*inGear_, QStringLiteral("Tachometer question: in gear"));
    inGear_->setRange(1, static_cast<int>(kMostGears));
    grid->addWidget(Caption(QStringLiteral("In gear"), inGear_, group), 1, 2);
    grid->addWidget(inGear_, 1, 3, Qt::AlignLeft);

    gearbox_ = new QComboBox(group);
    gearbox_->setObjectName(QStringLiteral("gearbox"));
    Describe(*gearbox_, QStringLiteral("Tachometer question: gearbox"));
    gearbox_->addItem(QStringLiteral("Typed gears"));
    for (const std::string_view model : ModelTexts()) {
        for (const std::string_view years : YearRangeTexts(model)) {
            gearbox_->addItem(ToQString(model) + QStringLiteral(", ") + ToQString(years),
                              QVariant::fromValue(QStringList{ToQString(model), ToQString(years)}));
        }
    }
    grid->addWidget(Caption(QStringLiteral("Gearbox"), gearbox_, group), 2, 0);
    grid->addWidget(gearbox_, 2, 1, 1, 4, Qt::AlignLeft);

    tachGears_ = new QLineEdit(group);
    tachGears_->setObjectName(QStringLiteral("tachGears"));
    Describe(*tachGears_, QStringLiteral("Tachometer question: gear ratios"));
    grid->addWidget(Caption(QStringLiteral("Gear ratios"), tachGears_, group), 3, 0);
    grid->addWidget(tachGears_, 3, 1, 1, 4);

    AddAnswer(*column, identify_, "identify", question);
    column->addWidget(Note(ForReading(kRollingTireNote, decimalPoint_), "rollingTireNote", group));
    column->addStretch(1);
    return group;
}

QGroupBox* QuestionsWindow::BuildSpeedometerQuestion() {
    const QString question = QStringLiteral("Speedometer gear");
    auto* group = new QGroupBox(question);
    group->setObjectName(QStringLiteral("speedometerQuestion"));
    auto* column = new QVBoxLayout(group);
    auto* grid = new QGridLayout;
    Tighten(*column, *grid);
    column->addLayout(grid);
    teeth_ = NewField(*grid, 0, 0, "teeth", QStringLiteral("Driven gear teeth"),
                      QStringLiteral("Speedometer question: driven gear teeth"));

    // The error as read, or as a change of tires and axle makes it.
    readsOff_ = new QRadioButton(QStringLiteral("Reads off by, %"), group);
    readsOff_->setObjectName(QStringLiteral("readsOff"));
    fromChange_ = new QRadioButton(QStringLiteral("Change from A to B"), group);
    fromChange_->setObjectName(QStringLiteral("fromChange"));
    auto* form = new QButtonGroup(group);
    form->addButton(readsOff_);
    form->addButton(fromChange_);
    readsOff_->setChecked(true);
    offPercent_ = new QLineEdit(group);
    offPercent_->setObjectName(QStringLiteral("offPercent"));
    offPercent_->setMaximumWidth(kNumberWidth);
    Describe(*offPercent_, QStringLiteral("Speedometer question: reads off by, %"),
             QStringLiteral("+ high, \u2212 low"));
    grid->addWidget(readsOff_, 1, 0);
    grid->addWidget(offPercent_, 1, 1);
    grid->addWidget(new QLabel(QStringLiteral("+ high, \u2212 low"), group), 1, 2, 1, 2);
    grid->addWidget(fromChange_, 2, 0, 1, 4);

    drive_ = new QComboBox(group);
    drive_->setObjectName(QStringLiteral("drive"));
    drive_->addItem(QStringLiteral("transmission"));
    drive_->addItem(QStringLiteral("a front wheel"));
    Describe(*drive_, QStringLiteral("Speedometer question: driven from"));
    grid->addWidget(Caption(QStringLiteral("Driven from"), drive_, group), 3, 0);
    grid->addWidget(drive_, 3, 1, 1, 3, Qt::AlignLeft);
    aTire_ = NewField(*grid, 4, 0, "aTire", QStringLiteral("A tire"),
                      QStringLiteral("Speedometer question: A tire"));
    aAxle_ = NewField(*grid, 4, 2, "aAxle", QStringLiteral("A axle"),
                      QStringLiteral("Speedometer question: A axle ratio"));
    bTire_ = NewField(*grid, 5, 0, "bTire", QStringLiteral("B tire"),
                      QStringLiteral("Speedometer question: B tire"));
    bAxle_ = NewField(*grid, 5, 2, "bAxle", QStringLiteral("B axle"),
                      QStringLiteral("Speedometer question: B axle ratio"));
    aTire_->setMaximumWidth(kTireWidth);
    bTire_->setMaximumWidth(kTireWidth);

    AddAnswer(*column, speedometer_, "speedometer", question);
    column->addStretch(1);
    return group;
}

void QuestionsWindow::BuildScrollArea(QWidget& content) {
    scroll_ = &ScrollingContent(*this, content);
    connect(qApp, &QApplication::focusChanged, this, &QuestionsWindow::FollowFocus);
}

void QuestionsWindow::ConnectLiveUpdates() {
    for (QLineEdit* field : findChildren<QLineEdit*>()) {
        if (qobject_cast<QSpinBox*>(field->parentWidget()) == nullptr) {
            connect(field, &QLineEdit::textChanged, this, &QuestionsWindow::Recompute);
        }
    }
    connect(inGear_, &QSpinBox::valueChanged, this, [this](int gear) {
        chosenGear_ = gear;
        Recompute();
    });
    connect(gearbox_, &QComboBox::activated, this, &QuestionsWindow::PickGearbox);
    connect(drive_, &QComboBox::currentIndexChanged, this, &QuestionsWindow::Recompute);
    connect(readsOff_, &QRadioButton::toggled, this, &QuestionsWindow::Recompute);
    connect(unit_, &QComboBox::currentIndexChanged, this, [this] {
        ConvertSpeeds();
        Recompute();
    });
}

void QuestionsWindow::SetStartingTargets() {
    const auto set = [this](QLineEdit* field, double value) {
        field->setText(ToQString(numbers_.ToText(value)));
    };
    for (QLineEdit* rpm : {axleRpm_, tireRpm_}) {
        set(rpm, kTargetRpm);
    }
    for (QLineEdit* speed : {axleSpeed_, tireSpeed_}) {
        set(speed, kTargetMph);
    }
    set(tachRpm_, kTachometerRpm);
    set(tachSpeed_, kTachometerMph);
    set(teeth_, kDrivenTeeth);
    set(offPercent_, 0);
}

void QuestionsWindow::Fill(const QuestionsStart& start) {
    const SetupTexts page = CompletedSetupTexts(start.setup, numbers_);
    const std::string& top = page.gears.back();
    GearboxCode code = GearboxCodeOf(start.model, start.yearRange);
    QStringList stock{QString::fromStdString(start.model), QString::fromStdString(start.yearRange)};
    if (start.stockPage && code == kNoGearbox) {
        // The page's gears came from the default setup: its gearbox.
        const std::string_view model = ModelTexts().front();
        stock = QStringList{ToQString(model), ToQString(YearRangeTexts(model).front())};
        code = GearboxCodeOf(model, YearRangeTexts(model).front());
    }
    {
        // One recomputation for everything, not one a field.
        const QScopedValueRollback quiet(filling_, true);
        const auto set = [](QLineEdit* field, const std::string& text) {
            field->setText(QString::fromStdString(text));
        };
        set(axleTire_, page.tire);
        set(axleGear_, top);
        set(tireAxle_, page.axle);
        set(tireGear_, top);
        set(tachTire_, page.tire);
        QStringList gears;
        for (const std::string& gear : page.gears) {
            gears << QString::fromStdString(gear);
        }
        tachGears_->setText(gears.join(GearSeparatorText(numbers_)));
        const int picked = code == kNoGearbox ? 0 : std::max(gearbox_->findData(stock), 0);
        gearbox_->setCurrentIndex(picked);
        tachGears_->setReadOnly(picked != 0);
        inGear_->setRange(1, static_cast<int>(page.gears.size()));
        inGear_->setValue(static_cast<int>(page.gears.size()));
        chosenGear_ = inGear_->value();
        for (QLineEdit* tire : {aTire_, bTire_}) {
            set(tire, page.tire);
        }
        for (QLineEdit* axle : {aAxle_, bAxle_}) {
            set(axle, page.axle);
        }
        // The factory cars drive the speedometer from the left front wheel.
        drive_->setCurrentIndex(start.stockPage ? 1 : 0);
    }
    Recompute();
}

void QuestionsWindow::PickGearbox(int index) {
    const QStringList choice = gearbox_->itemData(index).toStringList();
    tachGears_->setReadOnly(choice.size() == 2);
    if (choice.size() == 2) {
        const SetupTexts stock = StockSetupTexts(choice[0].toStdString(), choice[1].toStdString(),
                                                 kSelectDifferential, {}, numbers_);
        QStringList gears;
        for (const std::string& gear : stock.gears) {
            gears << QString::fromStdString(gear);
        }
        const QSignalBlocker block(tachGears_);
        tachGears_->setText(gears.join(GearSeparatorText(numbers_)));
    }
    Recompute();
}

void QuestionsWindow::ConvertSpeeds() {
    const SpeedUnit unit = Unit();
    for (QLineEdit* field : {axleSpeed_, tireSpeed_, tachSpeed_}) {
        if (const std::optional<double> speed = numbers_.ToNumber(field->text().toStdString())) {
            const double converted =
                unit == SpeedUnit::KMH ? *speed * kKilometresPerMile : *speed / kKilometresPerMile;
            const QSignalBlocker block(field);
            // To 0.01: a tenth of a km/h would move an engine speed by one.
            field->setText(ToQString(numbers_.ToText(std::round(converted * 100) / 100)));
        }
    }
    const QString from = unit == SpeedUnit::KMH ? QStringLiteral("MPH") : QStringLiteral("km/h");
    const QString to = ToQString(UnitName(unit));
    for (QLabel* caption : speedCaptions_) {
        caption->setText(caption->text().replace(from, to));
    }
}

SpeedUnit QuestionsWindow::Unit() const {
    return unit_->currentIndex() == 0 ? SpeedUnit::MPH : SpeedUnit::KMH;
}

void QuestionsWindow::Recompute() {
    if (filling_) {
        return;
    }
    AnswerAxle();
    AnswerTire();
    AnswerIdentify();
    AnswerSpeedometer();
}

void QuestionsWindow::Show(Answer& answer, const QStringList& problems, const Table& table,
                           const std::string& summary) {
    const QString line = problems.join(QLatin1Char('\n'));
    answer.problems->setText(line);
    answer.problems->setAccessibleDescription(problems.join(QLatin1Char(' ')));
    answer.problems->setVisible(!problems.isEmpty());
    // With no answer the list keeps its columns and shows no rows.
    answer.table = problems.isEmpty() ? table : Table{.headers = answer.table.headers};
    const QString sentence =
        problems.isEmpty() ? ForReading(summary, decimalPoint_) : ToQString(kNoValue);
    answer.summary->setText(sentence);
    answer.summary->setAccessibleDescription(sentence);  // its name says which answer
    // Read with the list, so that a screen reader on the list hears it too.
    answer.list->setAccessibleDescription(sentence);
    ShowIn(*answer.list, answer.table, decimalPoint_);
}

void QuestionsWindow::AnswerAxle() {
    FieldCheck check(numbers_);
    const InputRange& speedRange = Unit() == SpeedUnit::MPH ? kMphRange : kKmhRange;
    const Outcome<double> rpm = check.Rpm(*axleRpm_, QStringLiteral("Engine RPM"));
    const Outcome<double> speed =
        check.Number(*axleSpeed_, QStringLiteral("Road speed"), speedRange);
    const Outcome<double> tire = check.Tire(*axleTire_, QStringLiteral("Tire"));
    const Outcome<double> gear = check.Ratio(*axleGear_, QStringLiteral("Gear ratio"));
    QStringList problems = check.Problems();
    if (!problems.isEmpty()) {
        Show(axle_, problems, {}, {});
        return;
    }
    const Outcome<AxleAnswer> answer = AxleForTarget(*rpm, *speed, Unit(), *tire, *gear);
    if (!answer) {
        Show(axle_,
             {QStringLiteral("No answer: ") + ToQString(answer.message()) + QLatin1Char('.')}, {},
             {});
        return;
    }
    Show(axle_, {}, AxleTable(*answer, *speed, Unit()), AxleSummary(*answer, *rpm, *speed, Unit()));
}

void QuestionsWindow::AnswerTire() {
    FieldCheck check(numbers_);
    const InputRange& speedRange = Unit() == SpeedUnit::MPH ? kMphRange : kKmhRange;
    const Outcome<double> rpm = check.Rpm(*tireRpm_, QStringLiteral("Engine RPM"));
    const Outcome<double> speed =
        check.Number(*tireSpeed_, QStringLiteral("Road speed"), speedRange);
    const Outcome<double> axle = check.Ratio(*tireAxle_, QStringLiteral("Axle ratio"));
    const Outcome<double> gear = check.Ratio(*tireGear_, QStringLiteral("Gear ratio"));
    if (!check.Problems().isEmpty()) {
        Show(tire_, check.Problems(), {}, {});
        return;
    }
    const Outcome<TireAnswer> answer = TireForTarget(*rpm, *speed, Unit(), *axle, *gear);
    if (!answer) {
        Show(tire_,
             {QStringLiteral("No answer: ") + ToQString(answer.message()) + QLatin1Char('.')}, {},
             {});
        return;
    }
    Show(tire_, {}, TireTable(*answer), TireSummary(*answer, *rpm, *speed, Unit()));
}

void QuestionsWindow::AnswerIdentify() {
    FieldCheck check(numbers_);
    const InputRange& speedRange = Unit() == SpeedUnit::MPH ? kMphRange : kKmhRange;
    const Outcome<double> rpm = check.Rpm(*tachRpm_, QStringLiteral("Tachometer RPM"));
    const Outcome<double> speed =
        check.Number(*tachSpeed_, QStringLiteral("True speed"), speedRange);
    const Outcome<double> tire = check.Tire(*tachTire_, QStringLiteral("Tire"));
    const Outcome<std::vector<double>> gears =
        check.Mark(*tachGears_, QStringLiteral("Gear ratios"),
                   ReadGearsField(tachGears_->text().toStdString(), numbers_));
    if (tachGears_->isReadOnly()) {
        // Filled from the catalogue: shown as not for typing.
        QPalette palette = tachGears_->palette();
        palette.setColor(QPalette::Base, palette.color(QPalette::Window));
        tachGears_->setPalette(palette);
    }
    if (gears) {
        // As many gears as typed; the one chosen comes back when a ratio
        // typed after it does.
        const QSignalBlocker block(inGear_);
        inGear_->setMaximum(static_cast<int>(gears->size()));
        inGear_->setValue(std::min(chosenGear_, inGear_->maximum()));
    }
    if (!check.Problems().isEmpty()) {
        Show(identify_, check.Problems(), {}, {});
        return;
    }
    const QStringList choice = gearbox_->currentData().toStringList();
    const GearboxCode code = choice.size() == 2
                                 ? GearboxCodeOf(choice[0].toStdString(), choice[1].toStdString())
                                 : kNoGearbox;
    const std::vector<double> axles = CatalogueAxleRatios(code);
    const double gear = (*gears)[static_cast<std::size_t>(inGear_->value() - 1)];
    const Outcome<IdentifyAnswer> answer = IdentifyAxle(*rpm, *speed, Unit(), *tire, gear, axles);
    if (!answer) {
        Show(identify_,
             {QStringLiteral("No answer: ") + ToQString(answer.message()) + QLatin1Char('.')}, {},
             {});
        return;
    }
    Show(identify_, {}, IdentifyTable(*answer, *rpm, *speed, Unit(), *tire),
         IdentifySummary(*answer));
}

void QuestionsWindow::AnswerSpeedometer() {
    const bool change = fromChange_->isChecked();
    const bool wheel = drive_->currentIndex() == 1;
    offPercent_->setEnabled(!change);
    drive_->setEnabled(change);
    for (QLineEdit* field : {aTire_, bTire_}) {
        field->setEnabled(change);
    }
    for (QLineEdit* field : {aAxle_, bAxle_}) {
        // From a wheel only the tires count.
        field->setEnabled(change && !wheel);
    }
    FieldCheck check(numbers_);
    const Outcome<double> teeth =
        check.Mark(*teeth_, QStringLiteral("Driven gear teeth"),
                   ReadTeethField(teeth_->text().toStdString(), numbers_));
    double error = 0;
    if (change) {
        FieldCheck::Skip(*offPercent_);
        const Outcome<double> aTire = check.Tire(*aTire_, QStringLiteral("A tire"));
        const Outcome<double> bTire = check.Tire(*bTire_, QStringLiteral("B tire"));
        Outcome<double> aAxle = 1.0;
        Outcome<double> bAxle = 1.0;
        if (wheel) {
            FieldCheck::Skip(*aAxle_);
            FieldCheck::Skip(*bAxle_);
        } else {
            aAxle = check.Ratio(*aAxle_, QStringLiteral("A axle ratio"));
            bAxle = check.Ratio(*bAxle_, QStringLiteral("B axle ratio"));
        }
        if (aTire && bTire && aAxle && bAxle) {
            error = SpeedometerErrorPercent(
                Gearing{*aTire, *aAxle, {1.0}}, Gearing{*bTire, *bAxle, {1.0}},
                wheel ? SpeedometerDrive::FrontWheel : SpeedometerDrive::Transmission);
        }
    } else {
        for (QLineEdit* field : {aTire_, aAxle_, bTire_, bAxle_}) {
            FieldCheck::Skip(*field);
        }
        error = check.Number(*offPercent_, QStringLiteral("Reads off by"), kErrorRange)
                    .ToOptional()
                    .value_or(0);
    }
    if (!check.Problems().isEmpty()) {
        Show(speedometer_, check.Problems(), {}, {});
        return;
    }
    const Outcome<SpeedometerGearAnswer> answer = SpeedometerGearFor(*teeth, error);
    if (!answer) {
        Show(speedometer_,
             {QStringLiteral("No answer: ") + ToQString(answer.message()) + QLatin1Char('.')}, {},
             {});
        return;
    }
    Show(speedometer_, {}, SpeedometerGearTable(*answer, *teeth), SpeedometerGearSummary(*answer));
}

QString QuestionsWindow::SpeedWithUnit(const QLineEdit& speed) const {
    return speed.text() + QLatin1Char(' ') + ToQString(UnitName(Unit()));
}

QString QuestionsWindow::PrintedTitle(const Answer& answer) const {
    // "; " between the inputs: a comma would run into comma decimals.
    const QString rpm = QStringLiteral(" RPM at ");
    QString inputs;
    QString question;
    if (&answer == &axle_) {
        question = QStringLiteral("Axle ratio for a target");
        inputs = axleRpm_->text() + rpm + SpeedWithUnit(*axleSpeed_) + QStringLiteral("; tire ") +
                 axleTire_->text() + QStringLiteral("; gear ") + axleGear_->text();
    } else if (&answer == &tire_) {
        question = QStringLiteral("Tire for a target");
        inputs = tireRpm_->text() + rpm + SpeedWithUnit(*tireSpeed_) + QStringLiteral("; axle ") +
                 tireAxle_->text() + QStringLiteral("; gear ") + tireGear_->text();
    } else if (&answer == &identify_) {
        question = QStringLiteral("Which axle ratio is fitted");
        inputs = tachRpm_->text() + rpm + SpeedWithUnit(*tachSpeed_) + QStringLiteral("; tire ") +
                 tachTire_->text() + QStringLiteral("; ") + gearbox_->currentText() +
                 QStringLiteral(" in ") + ToQString(GearName(inGear_->value()));
    } else {
        question = QStringLiteral("Speedometer gear");
        inputs = teeth_->text() + QStringLiteral(" teeth; ");
        if (readsOff_->isChecked()) {
            inputs += QStringLiteral("reads off by ") + offPercent_->text() + QStringLiteral(" %");
        } else {
            const bool wheel = drive_->currentIndex() == 1;
            const auto setup = [wheel](const QString& letter, const QLineEdit& tire,
                                       const QLineEdit& axle) {
                return letter + QStringLiteral(": tire ") + tire.text() +
                       (wheel ? QString() : QStringLiteral(", axle ") + axle.text());
            };
            inputs += setup(QStringLiteral("A"), *aTire_, *aAxle_) + QStringLiteral(" to ") +
                      setup(QStringLiteral("B"), *bTire_, *bAxle_) +
                      QStringLiteral("; driven from ") + drive_->currentText();
        }
    }
    return QStringLiteral("Gearing Questions: ") + question + QStringLiteral(" (") + inputs +
           QStringLiteral(")");
}

QString QuestionsWindow::FileName(const Answer& answer) const {
    const std::string unit = Unit() == SpeedUnit::MPH ? "-mph" : "-kmh";
    const auto target = [&unit](const QLineEdit& rpm, const QLineEdit& speed) {
        return Part(rpm) + "-rpm_" + Part(speed) + unit;
    };
    std::string name;
    if (&answer == &axle_) {
        name = "questions-axle_" + target(*axleRpm_, *axleSpeed_) + "_tire-" + Part(*axleTire_) +
               "_gear-" + Part(*axleGear_);
    } else if (&answer == &tire_) {
        name = "questions-tire_" + target(*tireRpm_, *tireSpeed_) + "_axle-" + Part(*tireAxle_) +
               "_gear-" + Part(*tireGear_);
    } else if (&answer == &identify_) {
        name = "questions-fitted-axle_" + target(*tachRpm_, *tachSpeed_) + "_tire-" +
               Part(*tachTire_) + "_gear-" + std::to_string(inGear_->value());
    } else {
        name = "questions-speedometer_teeth-" + Part(*teeth_);
        if (readsOff_->isChecked()) {
            const std::optional<double> off = numbers_.ToNumber(offPercent_->text().toStdString());
            name += (off.value_or(0) < 0 ? "_low-" : "_high-") + Part(*offPercent_);
        } else {
            const bool wheel = drive_->currentIndex() == 1;
            name += "_A_tire-" + Part(*aTire_) + (wheel ? "" : "_axle-" + Part(*aAxle_)) +
                    "_B_tire-" + Part(*bTire_) + (wheel ? "" : "_axle-" + Part(*bAxle_));
        }
    }
    return QString::fromStdString(name);
}

void QuestionsWindow::FollowFocus(QWidget* /*old*/, QWidget* focus) {
    // Tabbing to a part off screen scrolls it into view.
    if (focus != nullptr && scroll_ != nullptr && scroll_->widget()->isAncestorOf(focus)) {
        scroll_->ensureWidgetVisible(focus, 0, 0);
    }
}

void QuestionsWindow::Present() { BringToFront(*this); }

void QuestionsWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) {
        return;
    }
    placed_ = true;
    FitOnScreen(*this);
}

void QuestionsWindow::Report(const std::string& message) {
    ShowWarning(*this, QString::fromStdString(message));
}

}  // namespace tachoria
