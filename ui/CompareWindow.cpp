#include "ui/CompareWindow.h"

#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QScrollArea>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>

#include "comparison/ChartGeometry.h"
#include "tables/DecimalPoint.h"
#include "tables/FileNames.h"
#include "tables/ToolsListView.h"
#include "ui/ChartWidget.h"
#include "ui/ComparisonPrinting.h"
#include "ui/ControlAdapters.h"
#include "ui/ControlLook.h"
#include "ui/ResultListMenu.h"
#include "ui/SaveDialog.h"
#include "ui/SetupEditor.h"
#include "ui/WindowPlacement.h"

namespace tachoria {
namespace {

const QString kOverRedlineSign = ToQString(kNoteSign);

// Marks each cell with a note (past the redline): a sign and a colour on
// screen, and the reason for screen readers and in its tooltip.
void MarkNotedCells(QTreeWidget& list, const Table& table) {
    for (std::size_t r = 0; r < table.rows.size(); ++r) {
        QTreeWidgetItem* item = list.topLevelItem(static_cast<int>(r));
        const std::vector<std::string>& notes = table.rows[r].notes;
        for (std::size_t c = 0; item != nullptr && c < notes.size(); ++c) {
            if (notes[c].empty()) {
                continue;
            }
            const int column = static_cast<int>(c) + 1;
            const QString note = ToQString(notes[c]);
            const QString number = item->text(column);
            item->setText(column, number + QLatin1Char(' ') + kOverRedlineSign);
            item->setForeground(column, ProblemColour());
            QFont bold = item->font(column);
            bold.setBold(true);
            item->setFont(column, bold);
            item->setToolTip(column, note);
            item->setData(column, Qt::AccessibleTextRole, number + QStringLiteral(", ") + note);
        }
    }
}

// A list that sizes its columns to their contents, and its height to its
// rows: these tables are read whole, not scrolled.
void ShowIn(QTreeWidget& list, const Table& table, const std::string& decimalPoint) {
    TreeResultList adapter(list);
    ShowTable(adapter, WithDecimalPoint(table, decimalPoint));
    MarkNotedCells(list, table);
    // A label column of words reads from the left.
    const bool words = table.headers.size() == 2;
    for (int r = 0; words && r < list.topLevelItemCount(); ++r) {
        list.topLevelItem(r)->setTextAlignment(0, Qt::AlignLeft | Qt::AlignVCenter);
    }
    list.header()->resizeSections(QHeaderView::ResizeToContents);
    const int rows = std::max(list.topLevelItemCount(), 1);
    const int hinted = list.sizeHintForRow(0);
    const int rowHeight = hinted > 0 ? hinted : list.fontMetrics().height() + 4;
    list.setFixedHeight(list.header()->sizeHint().height() + rows * rowHeight +
                        2 * list.frameWidth() + 2);
    // As wide as its columns: no empty frame beside them.
    list.setFixedWidth(list.header()->length() + 2 * list.frameWidth() + 2);
}

QLabel* Heading(const QString& text, QWidget* buddy, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setBuddy(buddy);
    QFont bold = label->font();
    bold.setBold(true);
    label->setFont(bold);
    return label;
}

}  // namespace

CompareWindow::CompareWindow(QWidget* parent)
    : QWidget(parent, Qt::Window), decimalPoint_(QLocale().decimalPoint().toStdString()) {
    setObjectName(QStringLiteral("CompareWindow"));
    setWindowTitle(QStringLiteral("Compare Gearing"));

    BuildShortcuts();
    QWidget* content = BuildContent();
    BuildScrollArea(*content);
    ConnectLiveUpdates();
    FollowFocus(nullptr, QApplication::focusWidget());
    Recompute();
    const QSize wanted = content->sizeHint();
    resize(wanted.width() + 4, wanted.height() + 4);
}

QWidget* CompareWindow::BuildContent() {
    auto* content = new QWidget;
    auto* layout = new QVBoxLayout(content);
    layout->addWidget(BuildInputs());
    layout->addWidget(BuildResults(), 1);
    footnote_ = new QLabel(ToQString(WithDecimalPoint(kRoundingNote, decimalPoint_)) +
                               QLatin1Char(' ') + ToQString(kSpeedometerDriveNote),
                           content);
    footnote_->setObjectName(QStringLiteral("footnote"));
    footnote_->setWordWrap(true);
    footnote_->setFocusPolicy(Qt::TabFocus);  // so that a keyboard reaches it and scrolls to it
    layout->addWidget(footnote_);
    return content;
}

void CompareWindow::BuildScrollArea(QWidget& content) {
    scroll_ = &ScrollingContent(*this, content);
}

void CompareWindow::ConnectLiveUpdates() {
    for (SetupEditor* editor : {a_, b_}) {
        connect(editor, &SetupEditor::Changed, this, &CompareWindow::Recompute);
    }
    connect(redline_, &QLineEdit::textChanged, this, &CompareWindow::Recompute);
    connect(unit_, &QComboBox::currentIndexChanged, this, &CompareWindow::Recompute);
    connect(speedometerDrive_, &QComboBox::currentIndexChanged, this, &CompareWindow::Recompute);
}

QWidget* CompareWindow::BuildInputs() {
    auto* inputs = new QWidget;
    a_ = new SetupEditor(QStringLiteral("A"), QStringLiteral("A: now"), numbers_, inputs);
    b_ = new SetupEditor(QStringLiteral("B"), QStringLiteral("B: planned"), numbers_, inputs);

    auto* shared = new QGroupBox(QStringLiteral("Both"), inputs);
    redline_ = new QLineEdit(ToQString(numbers_.ToText(kDefaultRedline)), shared);
    redline_->setObjectName(QStringLiteral("redline"));
    Describe(*redline_, QStringLiteral("Redline RPM"));
    redlineProblem_ = new QLabel(shared);
    redlineProblem_->setObjectName(QStringLiteral("redlineProblem"));
    redlineProblem_->setWordWrap(true);
    redlineProblem_->setTextFormat(Qt::PlainText);
    Describe(*redlineProblem_, QStringLiteral("Redline problems"));
    ShowInProblemColour(*redlineProblem_);
    unit_ = new QComboBox(shared);
    unit_->setObjectName(QStringLiteral("unit"));
    unit_->addItem(QStringLiteral("MPH"));
    unit_->addItem(QStringLiteral("km/h"));
    Describe(*unit_, QStringLiteral("Speed unit"));
    auto* sharedForm = new QFormLayout(shared);
    sharedForm->addRow(QStringLiteral("&Redline RPM"), redline_);
    sharedForm->addRow(redlineProblem_);
    sharedForm->addRow(QStringLiteral("&Unit"), unit_);

    auto* row = new QHBoxLayout(inputs);
    row->setContentsMargins(0, 0, 0, 0);
    row->addWidget(a_, 3);
    row->addWidget(b_, 3);
    row->addWidget(shared, 1);
    return inputs;
}

QWidget* CompareWindow::BuildResults() {
    auto* results = new QWidget;
    cruiseList_ =
        &NewResultList("cruise", QStringLiteral("Cruise: engine RPM in top gear"),
                       &CompareWindow::CruiseShown, QStringLiteral("Engine RPM in top gear"));
    gearList_ =
        &NewResultList("gears", QStringLiteral("Each gear at the redline"),
                       &CompareWindow::GearsShown, QStringLiteral("Each gear at the redline"));
    speedometerList_ = &NewResultList("speedometer", QStringLiteral("Speedometer after the change"),
                                      &CompareWindow::SpeedometerShown,
                                      QStringLiteral("Speedometer after the change"));
    overRedlineNote_ = new QLabel(kOverRedlineSign + QStringLiteral(" over the redline"), results);
    overRedlineNote_->setObjectName(QStringLiteral("overRedlineNote"));
    ShowInProblemColour(*overRedlineNote_);
    chart_ = new ChartWidget(results);

    // Tables on the left; the chart on the right, the speedometer under it.
    auto* left = new QVBoxLayout;
    left->addWidget(Heading(ToQString(kCruiseCaption), cruiseList_, results));
    left->addWidget(cruiseList_, 0, Qt::AlignLeft);
    left->addWidget(overRedlineNote_);
    left->addWidget(Heading(ToQString(kGearsCaption), gearList_, results));
    left->addWidget(gearList_, 0, Qt::AlignLeft);
    left->addStretch(1);
    auto* right = new QVBoxLayout;
    right->addWidget(chart_, 1);
    right->addWidget(Heading(ToQString(kSpeedometerCaption), speedometerList_, results));
    speedometerDrive_ = new QComboBox(results);
    speedometerDrive_->setObjectName(QStringLiteral("speedometerDrive"));
    Describe(*speedometerDrive_, QStringLiteral("Speedometer driven from"));
    speedometerDrive_->addItem(QStringLiteral("transmission"));
    speedometerDrive_->addItem(QStringLiteral("a front wheel"));
    auto* drive = new QHBoxLayout;
    auto* driveLabel = new QLabel(QStringLiteral("&Driven from:"), results);
    driveLabel->setBuddy(speedometerDrive_);
    drive->addWidget(driveLabel);
    drive->addWidget(speedometerDrive_);
    drive->addStretch(1);
    right->addLayout(drive);
    right->addWidget(speedometerList_, 0, Qt::AlignLeft);
    auto* row = new QHBoxLayout(results);
    row->setContentsMargins(0, 0, 0, 0);
    row->addLayout(left);
    row->addLayout(right, 1);
    return results;
}

void CompareWindow::BuildShortcuts() {
    printComparison_ = new QAction(QStringLiteral("Print Comparison\u2026"), this);
    printComparison_->setObjectName(QStringLiteral("printComparison"));
    connect(printComparison_, &QAction::triggered, this, &CompareWindow::PrintWholeComparison);
    saveComparisonPdf_ = new QAction(QStringLiteral("Save Comparison as PDF\u2026"), this);
    saveComparisonPdf_->setObjectName(QStringLiteral("saveComparisonPdf"));
    connect(saveComparisonPdf_, &QAction::triggered, this, &CompareWindow::SaveWholeComparisonPdf);
    for (QAction* action : {printComparison_, saveComparisonPdf_}) {
        action->setShortcutContext(Qt::WindowShortcut);
        addAction(action);
    }
    connect(qApp, &QApplication::focusChanged, this, &CompareWindow::FollowFocus);
}

CompareWindow::~CompareWindow() {
    // Focus moves while Qt takes the children down; by then this is no
    // longer a CompareWindow to follow it.
    disconnect(qApp, &QApplication::focusChanged, this, &CompareWindow::FollowFocus);
}

void CompareWindow::FollowFocus(QWidget* /*old*/, QWidget* focus) {
    // Tabbing to a part off screen scrolls it into view.
    if (focus != nullptr && scroll_ != nullptr && scroll_->widget()->isAncestorOf(focus)) {
        scroll_->ensureWidgetVisible(focus, 0, 0);
    }
    // A focused table's own Save and Print take the keys; one action to a
    // key, or Qt runs none.
    const bool inTable = focus != nullptr &&
                         (focus == cruiseList_ || focus == gearList_ || focus == speedometerList_);
    if (printComparison_->shortcut().isEmpty() != inTable) {
        printComparison_->setShortcut(inTable ? QKeySequence() : QKeySequence(QKeySequence::Print));
        saveComparisonPdf_->setShortcut(inTable ? QKeySequence()
                                                : QKeySequence(QKeySequence::Save));
    }
}

ComparisonPrintout CompareWindow::Printout() const {
    ComparisonPrintout printout;
    printout.title = QStringLiteral("Compare Gearing");
    const auto inputs = [this](const SetupEditor& editor) {
        const SetupTexts texts = editor.Texts();
        QStringList lines;
        const Outcome<Tire> tire = ReadTireSizeField(texts.tire, numbers_);
        lines << QStringLiteral("Tire: ") + QString::fromStdString(texts.tire) +
                     (tire ? QStringLiteral(" (") + ToQString(TireDescription(*tire, numbers_)) +
                                 QStringLiteral(")")
                           : QString());
        lines << QStringLiteral("Axle ratio: ") + QString::fromStdString(texts.axle);
        QStringList gears;
        for (const std::string& gear : texts.gears) {
            gears << QString::fromStdString(gear);
        }
        // Not ", ": in a comma locale that would run into the decimals.
        lines << QStringLiteral("Gears: ") + gears.join(QStringLiteral(" / "));
        lines << QStringLiteral("Gearbox: ") + editor.GearboxText();
        return lines;
    };
    printout.aInputs = inputs(*a_);
    printout.bInputs = inputs(*b_);
    printout.shared = {
        QStringLiteral("Redline: ") + redline_->text() + QStringLiteral(" RPM"),
        QStringLiteral("Unit: ") + unit_->currentText(),
        QStringLiteral("Speedometer driven from: ") + speedometerDrive_->currentText()};
    printout.tables = {{ToQString(kCruiseCaption), WithNoteSigns(cruise_)},
                       {ToQString(kGearsCaption), WithNoteSigns(gears_)},
                       {ToQString(kSpeedometerCaption), speedometer_}};
    printout.decimalPoint = decimalPoint_;
    printout.footnote = footnote_->text();
    if (HasNotes(cruise_) || HasNotes(gears_)) {
        printout.footnote +=
            QStringLiteral(" ") + kOverRedlineSign + QStringLiteral(": over the redline.");
    }
    const Chart chart = chart_->Shown();
    const std::string point = decimalPoint_;
    printout.paintChart = [chart, point](QPainter& painter, const QRectF& bounds) {
        QPalette paper;
        paper.setColor(QPalette::Base, Qt::white);
        paper.setColor(QPalette::Text, Qt::black);
        paper.setColor(QPalette::Midlight, QColor(0xd8, 0xd8, 0xd8));
        QFont font(ArialFont(false));
        font.setPixelSize(11);  // the page draws in 1/96 inch: 8 points
        PaintChart(painter, bounds, chart, {paper, font, point, std::nullopt});
    };
    printout.baseName = BaseName({});
    return printout;
}

QString CompareWindow::SetupsLine() const {
    const auto setup = [](const QString& letter, const SetupTexts& texts) {
        QStringList gears;
        for (const std::string& gear : texts.gears) {
            gears << QString::fromStdString(gear);
        }
        // "; " between the parts: a comma would run into comma decimals.
        return letter + QStringLiteral(": tire ") + QString::fromStdString(texts.tire) +
               QStringLiteral("; axle ") + QString::fromStdString(texts.axle) +
               QStringLiteral("; gears ") + gears.join(QStringLiteral(" / "));
    };
    return setup(QStringLiteral("A"), a_->Texts()) + QStringLiteral(" | ") +
           setup(QStringLiteral("B"), b_->Texts()) + QStringLiteral(" | redline ") +
           redline_->text() + QStringLiteral(" RPM; ") + unit_->currentText();
}

QString CompareWindow::BaseName(std::string_view what) const {
    const SetupTexts a = a_->Texts();
    const SetupTexts b = b_->Texts();
    return QString::fromStdString(ComparisonBaseName(what, {a.tire, a.axle}, {b.tire, b.axle}));
}

void CompareWindow::PrintWholeComparison() { PrintComparison(*this, Printout(), *this); }

void CompareWindow::SaveWholeComparisonPdf() {
    const ComparisonPrintout printout = Printout();
    AskWhereToSave(*this,
                   {.title = QStringLiteral("Save Comparison as PDF"),
                    .objectName = QStringLiteral("saveComparisonDialog"),
                    .suggestedName = printout.baseName + QStringLiteral(".pdf"),
                    .filter = QStringLiteral("PDF files (*.pdf);;All files (*)"),
                    .suffix = QStringLiteral("pdf")},
                   [this, printout](const QString& path) {
                       if (const Outcome<> written = WriteComparisonPdf(path, printout); !written) {
                           Report(written.message());
                       }
                   });
}

QTreeWidget& CompareWindow::NewResultList(const char* name, const QString& accessibleName,
                                          const Table* (CompareWindow::*shown)() const,
                                          const QString& title) {
    auto* list = new QTreeWidget(this);
    list->setObjectName(QString::fromLatin1(name));
    SetUpResultList(*list, true);
    list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    list->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    Describe(*list, accessibleName);
    AddResultListMenu(*list, {.shown = [this, shown] { return (this->*shown)(); },
                              .failures = this,
                              .compare = {},
                              // A page of one table says what was compared, as the whole
                              // comparison's page does.
                              .title =
                                  [this, title](const Table&) {
                                      return QStringLiteral("Compare Gearing: ") + title +
                                             QStringLiteral(" (") + SetupsLine() +
                                             QStringLiteral(")");
                                  },
                              .fileName = [this, name](const Table&) { return BaseName(name); },
                              .decimalPoint = decimalPoint_,
                              .windowShortcuts = false,
                              .extra = {printComparison_, saveComparisonPdf_}});
    return *list;
}

void CompareWindow::Fill(const SetupTexts& now, bool keepB) {
    const SetupTexts completed = CompletedSetupTexts(now, numbers_);
    {
        // One recomputation for both setups, not one each.
        const QSignalBlocker blockA(a_);
        const QSignalBlocker blockB(b_);
        a_->Fill(completed);
        if (!keepB) {
            b_->Fill(completed);
        }
    }
    Recompute();
}

void CompareWindow::Present() { BringToFront(*this); }

void CompareWindow::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (placed_) {
        return;
    }
    placed_ = true;
    FitOnScreen(*this);
}

void CompareWindow::Report(const std::string& message) {
    ShowWarning(*this, QString::fromStdString(message));
}

void CompareWindow::Recompute() {
    const std::optional<Gearing> a = a_->Reading();
    const std::optional<Gearing> b = b_->Reading();
    const Outcome<double> redline = ReadRedlineField(redline_->text().toStdString(), numbers_);
    const QString problem = redline ? QString() : ToQString(redline.message());
    redline_->setToolTip(problem);
    redline_->setAccessibleDescription(problem);
    const QString line = problem.isEmpty() ? problem : QStringLiteral("Redline RPM: ") + problem;
    redlineProblem_->setText(line);
    redlineProblem_->setAccessibleDescription(line);
    redlineProblem_->setVisible(!problem.isEmpty());
    MarkProblem(*redline_, !redline);
    const SpeedUnit unit = unit_->currentIndex() == 0 ? SpeedUnit::MPH : SpeedUnit::KMH;
    // Gears picked from the catalogue: the factory cars drive the
    // speedometer from the left front wheel.
    if (const bool stock = a_->IsStock(); stock != aWasStock_) {
        aWasStock_ = stock;
        const QSignalBlocker quiet(speedometerDrive_);
        speedometerDrive_->setCurrentIndex(stock ? 1 : 0);
    }
    const SpeedometerDrive drive = speedometerDrive_->currentIndex() == 0
                                       ? SpeedometerDrive::Transmission
                                       : SpeedometerDrive::FrontWheel;

    const Comparison comparison = Compare(a, b, redline.ToOptional(), unit,
                                          std::max(a_->GearFields(), b_->GearFields()), drive);
    cruise_ = CruiseTable(comparison);
    gears_ = GearTable(comparison);
    speedometer_ = SpeedometerTable(comparison);
    ShowIn(*cruiseList_, cruise_, decimalPoint_);
    ShowIn(*gearList_, gears_, decimalPoint_);
    ShowIn(*speedometerList_, speedometer_, decimalPoint_);
    overRedlineNote_->setVisible(HasNotes(cruise_) || HasNotes(gears_));
    chart_->SetChart(BuildChart(a, b, redline.ToOptional(), unit),
                     ToQString(WithDecimalPoint(ChartDescription(comparison), decimalPoint_)),
                     decimalPoint_);
}

}  // namespace tachoria
