#include "ui/CompareWindow.h"

#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QSplitter>
#include <QVBoxLayout>
#include <algorithm>

#include "tables/ToolsListView.h"
#include "ui/ControlAdapters.h"
#include "ui/ControlLook.h"
#include "ui/ResultListMenu.h"

namespace tachoria {
namespace {

// A list that sizes its columns to their contents, and its height to its
// rows: these tables are read whole, not scrolled.
void ShowIn(QTreeWidget& list, const Table& table) {
    TreeResultList adapter(list);
    ShowTable(adapter, table);
    list.header()->resizeSections(QHeaderView::ResizeToContents);
    const int rows = std::max(list.topLevelItemCount(), 1);
    const int rowHeight = std::max(list.sizeHintForRow(0), list.fontMetrics().height() + 4);
    list.setFixedHeight(list.header()->sizeHint().height() + rows * rowHeight +
                        2 * list.frameWidth() + 2);
    list.setMinimumWidth(list.header()->length() + 2 * list.frameWidth() + 2);
}

}  // namespace

CompareWindow::CompareWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      a_(*new SetupEditor(QStringLiteral("A"), QStringLiteral("A: now"), numbers_, this)),
      b_(*new SetupEditor(QStringLiteral("B"), QStringLiteral("B: planned"), numbers_, this)),
      redline_(*new QLineEdit(this)),
      unit_(*new QComboBox(this)) {
    setObjectName(QStringLiteral("CompareWindow"));
    setWindowTitle(QStringLiteral("Compare Gearing"));

    redline_.setObjectName(QStringLiteral("redline"));
    redline_.setText(ToQString(numbers_.ToText(kDefaultRedline)));
    Describe(redline_, QStringLiteral("Redline RPM"));
    unit_.setObjectName(QStringLiteral("unit"));
    unit_.addItem(QStringLiteral("MPH"));
    unit_.addItem(QStringLiteral("km/h"));
    Describe(unit_, QStringLiteral("Speed unit"));
    auto* shared = new QGroupBox(QStringLiteral("Both"), this);
    auto* sharedForm = new QFormLayout(shared);
    sharedForm->addRow(QStringLiteral("&Redline RPM"), &redline_);
    sharedForm->addRow(QStringLiteral("&Unit"), &unit_);

    auto* inputs = new QHBoxLayout;
    inputs->addWidget(&a_, 3);
    inputs->addWidget(&b_, 3);
    inputs->addWidget(shared, 2, Qt::AlignTop);

    cruiseList_ = &NewResultList(
        "cruise", QStringLiteral("Cruise: engine RPM in top gear"), &CompareWindow::CruiseShown,
        QStringLiteral("Engine RPM in top gear"), QStringLiteral("cruise.csv"));
    gearList_ = &NewResultList(
        "gears", QStringLiteral("Each gear at the redline"), &CompareWindow::GearsShown,
        QStringLiteral("Each gear at the redline"), QStringLiteral("gears.csv"));
    speedometerList_ = &NewResultList("speedometer", QStringLiteral("Speedometer after the change"),
                                      &CompareWindow::SpeedometerShown,
                                      QStringLiteral("Speedometer after the change"),
                                      QStringLiteral("speedometer.csv"));
    chart_ = new ChartWidget(this);

    auto* tables = new QWidget(this);
    auto* tablesLayout = new QVBoxLayout(tables);
    tablesLayout->setContentsMargins(0, 0, 0, 0);
    const std::pair<const char*, QTreeWidget*> sections[] = {
        {"Cruise: engine RPM in top gear", cruiseList_},
        {"Each gear at the redline: speed, and RPM in the next gear", gearList_},
        {"Speedometer after the change", speedometerList_},
    };
    for (const auto& [caption, list] : sections) {
        auto* label = new QLabel(QString::fromUtf8(caption), tables);
        label->setBuddy(list);
        QFont bold = label->font();
        bold.setBold(true);
        label->setFont(bold);
        tablesLayout->addWidget(label);
        tablesLayout->addWidget(list);
    }
    tablesLayout->addStretch(1);
    auto* splitter = new QSplitter(Qt::Horizontal, this);
    splitter->addWidget(tables);
    splitter->addWidget(chart_);
    splitter->setStretchFactor(0, 0);
    splitter->setStretchFactor(1, 1);

    footnote_ = new QLabel(ToQString(kRoundingNote), this);
    footnote_->setObjectName(QStringLiteral("footnote"));
    footnote_->setWordWrap(true);

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(inputs);
    layout->addWidget(splitter, 1);
    layout->addWidget(footnote_);

    for (SetupEditor* editor : {&a_, &b_}) {
        connect(editor, &SetupEditor::Changed, this, &CompareWindow::Recompute);
    }
    connect(&redline_, &QLineEdit::textChanged, this, &CompareWindow::Recompute);
    connect(&unit_, &QComboBox::currentIndexChanged, this, &CompareWindow::Recompute);
    resize(1180, 820);
    Recompute();
}

QTreeWidget& CompareWindow::NewResultList(const char* name, const QString& accessibleName,
                                          const Table* (CompareWindow::*shown)() const,
                                          const QString& title, const QString& fileName) {
    auto* list = new QTreeWidget(this);
    list->setObjectName(QString::fromLatin1(name));
    SetUpResultList(*list, true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Describe(*list, accessibleName);
    AddResultListMenu(
        *list,
        {.shown = [this, shown] { return (this->*shown)(); },
         .failures = this,
         .compare = {},
         .title = [title](const Table&) { return QStringLiteral("Compare Gearing: ") + title; },
         .fileName = fileName});
    return *list;
}

void CompareWindow::Fill(const SetupTexts& now, bool keepB) {
    {
        // One recomputation for both setups, not one each.
        const QSignalBlocker blockA(&a_);
        const QSignalBlocker blockB(&b_);
        a_.Fill(now);
        if (!keepB) {
            b_.Fill(now);
        }
    }
    Recompute();
}

void CompareWindow::Report(const std::string& message) {
    ShowWarning(*this, QString::fromStdString(message));
}

void CompareWindow::Recompute() {
    const std::optional<Gearing> a = a_.Reading();
    const std::optional<Gearing> b = b_.Reading();
    const FieldReading redline = ReadRatioField(redline_.text().toStdString(), numbers_);
    redline_.setToolTip(ToQString(redline.problem));
    redline_.setAccessibleDescription(ToQString(redline.problem));
    QPalette palette = this->palette();
    if (!redline.value) {
        palette.setColor(QPalette::Base, QColor(255, 221, 221));
    }
    redline_.setPalette(palette);
    const SpeedUnit unit = unit_.currentIndex() == 0 ? SpeedUnit::MPH : SpeedUnit::KMH;

    const Comparison comparison = Compare(a, b, redline.value, unit);
    cruise_ = CruiseTable(comparison);
    gears_ = GearTable(comparison);
    speedometer_ = SpeedometerTable(comparison);
    ShowIn(*cruiseList_, cruise_);
    ShowIn(*gearList_, gears_);
    ShowIn(*speedometerList_, speedometer_);
    chart_->SetChart(BuildChart(a, b, redline.value, unit),
                     ToQString(ChartDescription(comparison)));
}

}  // namespace tachoria
