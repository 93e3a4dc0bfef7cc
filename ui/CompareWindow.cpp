#include "ui/CompareWindow.h"

#include <QAction>
#include <QApplication>
#include <QFormLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>
#include <algorithm>

#include "comparison/ChartGeometry.h"
#include "tables/DecimalPoint.h"
#include "tables/FileNames.h"
#include "ui/ChartWidget.h"
#include "ui/CheckedField.h"
#include "ui/ComparisonPrinting.h"
#include "ui/ControlLook.h"
#include "ui/QuestionsWindow.h"
#include "ui/ResultListMenu.h"
#include "ui/SaveDialog.h"
#include "ui/SetupEditor.h"
#include "ui/TableResultList.h"
#include "ui/ValuePicker.h"

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
            item->setForeground(column, ProblemColour(list));
            QFont bold = item->font(column);
            bold.setBold(true);
            item->setFont(column, bold);
            item->setToolTip(column, note);
            item->setData(column, Qt::AccessibleTextRole, number + QStringLiteral(", ") + note);
        }
    }
}

// Shows `table` in `list`, its noted cells marked.
void ShowIn(TableResultList& list, const Table& table, const std::string& decimalPoint) {
    // A label column of words reads from the left.
    list.Show(table, decimalPoint, table.headers.size() == 2);
    MarkNotedCells(list, table);
    list.FitColumns();
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

CompareWindow::CompareWindow(QWidget* parent, QuestionsOpener openQuestions)
    : ToolWindow(parent, QStringLiteral("CompareWindow"), QStringLiteral("Compare Gearing")),
      decimalPoint_(QLocale().decimalPoint().toStdString()),
      openQuestions_(std::move(openQuestions)) {
    BuildShortcuts();
    QWidget* content = BuildContent();
    ConnectLiveUpdates();
    // The over-redline cells' red is worked out from the palette.
    FollowPaletteChanges(*this, [this] { Recompute(); });
    Recompute();
    SetContent(*content);
    // Tab goes as the eye does: down the tables on the left, then the chart,
    // what drives the speedometer, and its table.
    setTabOrder(gearList_, chart_);
    setTabOrder(chart_, speedometerDrive_);
    setTabOrder(speedometerDrive_, speedometerList_);
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
    layout->addWidget(footnote_);
    return content;
}

void CompareWindow::ConnectLiveUpdates() {
    for (SetupEditor* editor : {a_, b_}) {
        connect(editor, &SetupEditor::Changed, this, &CompareWindow::Recompute);
    }
    connect(redline_, &QLineEdit::textChanged, this, [this](const QString& text) {
        model_.SetRedline(text.toStdString());
        Recompute();
    });
    connect(unit_, &QComboBox::currentIndexChanged, this, [this] {
        model_.SetUnit(unit_->Chosen());
        Recompute();
    });
    connect(speedometerDrive_, &QComboBox::currentIndexChanged, this, [this] {
        model_.SetDrive(speedometerDrive_->Chosen());
        Recompute();
    });
}

QWidget* CompareWindow::BuildInputs() {
    auto* inputs = new QWidget;
    a_ = new SetupEditor(model_, Setup::A, QStringLiteral("A: now"), inputs);
    b_ = new SetupEditor(model_, Setup::B, QStringLiteral("B: planned"), inputs);

    auto* shared = new QGroupBox(QStringLiteral("Both"), inputs);
    redline_ = new CheckedField(shared);
    redline_->setText(QString::fromStdString(model_.Redline()));
    redline_->setObjectName(QStringLiteral("redline"));
    Describe(*redline_, QStringLiteral("Redline RPM"));
    redlineProblem_ = new ReasonLine(shared);
    redlineProblem_->setObjectName(QStringLiteral("redlineProblem"));
    Describe(*redlineProblem_, QStringLiteral("Redline problems"));
    unit_ = new UnitPicker(shared);
    unit_->setObjectName(QStringLiteral("unit"));
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
    cruiseList_ = &NewResultList("cruise", QStringLiteral("Cruise: engine RPM in top gear"),
                                 QStringLiteral("Engine RPM in top gear"));
    gearList_ = &NewResultList("gears", QStringLiteral("Each gear at the redline"),
                               QStringLiteral("Each gear at the redline"));
    speedometerList_ = &NewResultList("speedometer", QStringLiteral("Speedometer after the change"),
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
    speedometerDrive_ = new DrivePicker(results);
    speedometerDrive_->setObjectName(QStringLiteral("speedometerDrive"));
    Describe(*speedometerDrive_, QStringLiteral("Speedometer driven from"));
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
    if (openQuestions_) {
        // One action for the window and every table's menu: one to a key,
        // or Qt runs none. The questions start from setup A, as typed.
        gearingQuestions_ = new QAction(QStringLiteral("Gearing Questions\u2026"), this);
        gearingQuestions_->setObjectName(QStringLiteral("gearingQuestions"));
        gearingQuestions_->setShortcut(QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_G));
        gearingQuestions_->setShortcutContext(Qt::WindowShortcut);
        connect(gearingQuestions_, &QAction::triggered, this, [this] {
            // A's gearbox, so that the questions know its speedometer's drive.
            const std::optional<StockGearbox>& gearbox = model_.Gearbox(Setup::A);
            openQuestions_({.setup = a_->Texts(),
                            .model = gearbox ? gearbox->model : std::string(),
                            .yearRange = !gearbox              ? std::string()
                                         : gearbox->powerglide ? std::string(kPowerglideName)
                                                               : gearbox->yearRange,
                            .stockPage = false});
        });
        addAction(gearingQuestions_);
    }
}

void CompareWindow::FocusMoved(QWidget* focus) {
    if (printComparison_ == nullptr) {
        return;  // not built yet
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
    const auto inputs = [](const SetupEditor& editor, const SetupReading& reading) {
        const SetupTexts texts = editor.Texts();
        QStringList lines;
        const std::string& reads = reading.tire.readsAs;
        lines << QStringLiteral("Tire: ") + QString::fromStdString(texts.tire) +
                     (reads.empty()
                          ? QString()
                          : QStringLiteral(" (") + ToQString(reads) + QStringLiteral(")"));
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
    const ComparisonAnswer& answer = model_.Answer();
    printout.aInputs = inputs(*a_, answer.a);
    printout.bInputs = inputs(*b_, answer.b);
    printout.shared = {
        QStringLiteral("Redline: ") + redline_->text() + QStringLiteral(" RPM"),
        QStringLiteral("Unit: ") + unit_->currentText(),
        QStringLiteral("Speedometer driven from: ") + speedometerDrive_->currentText()};
    const Table& cruise = cruiseList_->Shown();
    const Table& gears = gearList_->Shown();
    printout.tables = {{ToQString(kCruiseCaption), WithNoteSigns(cruise)},
                       {ToQString(kGearsCaption), WithNoteSigns(gears)},
                       {ToQString(kSpeedometerCaption), speedometerList_->Shown()}};
    printout.decimalPoint = decimalPoint_;
    printout.footnote = footnote_->text();
    if (HasNotes(cruise) || HasNotes(gears)) {
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

TableResultList& CompareWindow::NewResultList(const char* name, const QString& accessibleName,
                                              const QString& title) {
    auto* list = new TableResultList(
        QString::fromLatin1(name), accessibleName,
        {.shown = {},
         .failures = this,
         .compare = {},
         .questions = {},
         // A page of one table says what was compared, as the whole
         // comparison's page does.
         .title =
             [this, title](const Table&) {
                 return QStringLiteral("Compare Gearing: ") + title + QStringLiteral(" (") +
                        SetupsLine() + QStringLiteral(")");
             },
         .fileName = [this, name](const Table&) { return BaseName(name); },
         .decimalPoint = decimalPoint_,
         .windowShortcuts = false,
         .extra = {printComparison_, saveComparisonPdf_}},
        this);
    if (gearingQuestions_ != nullptr) {
        auto* separator = new QAction(list);
        separator->setSeparator(true);
        list->addAction(separator);
        list->addAction(gearingQuestions_);
    }
    return *list;
}

void CompareWindow::Fill(const SetupTexts& now, bool keepB,
                         const std::optional<StockGearbox>& gearbox) {
    const SetupTexts completed = CompletedSetupTexts(now, numbers_);
    {
        // One recomputation for both setups, not one each.
        const QSignalBlocker blockA(a_);
        const QSignalBlocker blockB(b_);
        a_->Fill(completed, gearbox);
        if (!keepB) {
            b_->Fill(completed, gearbox);
        }
    }
    Recompute();
}

void CompareWindow::Recompute() {
    const ComparisonAnswer& answer = model_.Answer();
    a_->Show(answer.a);
    b_->Show(answer.b);
    redline_->Show(ToQString(answer.redline.reason.value_or(std::string())));
    redlineProblem_->Show(answer.redline.bad() ? QStringList{ToQString(answer.redline.Line())}
                                               : QStringList());
    {
        // A's gears picked from the catalogue, or custom again, set it.
        const QSignalBlocker quiet(speedometerDrive_);
        speedometerDrive_->Choose(model_.Drive());
    }
    ShowIn(*cruiseList_, answer.cruise, decimalPoint_);
    ShowIn(*gearList_, answer.gears, decimalPoint_);
    ShowIn(*speedometerList_, answer.speedometer, decimalPoint_);
    overRedlineNote_->setVisible(answer.overRedline);
    chart_->SetChart(answer.chart,
                     ToQString(WithDecimalPoint(answer.chartDescription, decimalPoint_)),
                     decimalPoint_);
}

}  // namespace tachoria
