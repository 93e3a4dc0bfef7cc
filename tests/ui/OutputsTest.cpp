// Saving and printing a result list's table, from its menu and shortcuts,
// and printing the whole comparison.
#include <sys/resource.h>
#include <sys/stat.h>
#include <QAction>
#include <QClipboard>
#include <QFile>
#include <QFileDialog>
#include <QFileInfo>
#include <QPaintEngine>
#include <QPainterPath>
#include <QPrintDialog>
#include <QPrinter>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTemporaryDir>
#include <QVBoxLayout>
#include <climits>
#include <csignal>

#include "WindowTestBase.h"
#include "comparison/Comparison.h"
#include "tables/FileNames.h"
#include "tables/ReadForm.h"
#include "tables/TableText.h"
#include "tables/ToolsListView.h"
#include "tables/ToolsWriteData.h"
#include "ui/CompareWindow.h"
#include "ui/ComparisonPrinting.h"
#include "ui/ControlAdapters.h"
#include "ui/ControlLook.h"
#include "ui/ResultListMenu.h"
#include "ui/TablePrinting.h"
#include "ui/TableSaving.h"

using namespace tachoria;

namespace {

// Where everything is painted, in device pixels: each text with the box its
// glyphs take, and the bounds of every other shape.
class RecordingEngine final : public QPaintEngine {
public:
    struct Text {
        QRectF box;
        QString text;
    };
    std::vector<Text> texts;
    std::vector<QRectF> shapes;

    RecordingEngine() : QPaintEngine(QPaintEngine::AllFeatures) {}
    bool begin(QPaintDevice* /*device*/) override { return true; }
    bool end() override { return true; }
    Type type() const override { return QPaintEngine::User; }
    void updateState(const QPaintEngineState& state) override {
        if ((state.state() & QPaintEngine::DirtyTransform) != 0) {
            transform_ = state.transform();
        }
    }
    void drawTextItem(const QPointF& at, const QTextItem& item) override {
        texts.push_back({transform_.mapRect(QRectF(at.x(), at.y() - item.ascent(), item.width(),
                                                   item.ascent() + item.descent())),
                         item.text()});
    }
    void drawPixmap(const QRectF& rect, const QPixmap& /*pixmap*/, const QRectF& /*s*/) override {
        Shape(rect);
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i) {
            Shape(QRectF(lines[i].p1(), lines[i].p2()).normalized());
        }
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i) {
            Shape(rects[i]);
        }
    }
    void drawPath(const QPainterPath& path) override { Shape(path.boundingRect()); }
    void drawPolygon(const QPointF* points, int count, PolygonDrawMode /*mode*/) override {
        Shape(QPolygonF(QList<QPointF>(points, points + count)).boundingRect());
    }

private:
    void Shape(const QRectF& rect) { shapes.push_back(transform_.mapRect(rect)); }
    QTransform transform_;
};

// A page of `inches` at `dpi` that records what is painted on it.
class RecordingPage final : public QPaintDevice {
public:
    RecordingPage(QSizeF inches, int dpi)
        : size_(qRound(inches.width() * dpi), qRound(inches.height() * dpi)), dpi_(dpi) {}
    QPaintEngine* paintEngine() const override { return &engine_; }
    RecordingEngine& Recorded() { return engine_; }
    QRectF Rect() const { return {QPointF(0, 0), QSizeF(size_)}; }

protected:
    int metric(PaintDeviceMetric metric) const override {
        switch (metric) {
            case PdmWidth:
                return size_.width();
            case PdmHeight:
                return size_.height();
            case PdmWidthMM:
                return qRound(size_.width() * 25.4 / dpi_);
            case PdmHeightMM:
                return qRound(size_.height() * 25.4 / dpi_);
            case PdmNumColors:
                return INT_MAX;
            case PdmDepth:
                return 32;
            case PdmDpiX:
            case PdmDpiY:
            case PdmPhysicalDpiX:
            case PdmPhysicalDpiY:
                return dpi_;
            case PdmDevicePixelRatio:
                return 1;
            case PdmDevicePixelRatioScaled:
                return static_cast<int>(devicePixelRatioFScale());
            default:
                return 0;
        }
    }

private:
    QSize size_;
    int dpi_;
    mutable RecordingEngine engine_;
};

// Nothing painted outside `page`, and no text over another.
void VerifyWithin(const RecordingEngine& recorded, const QRectF& page) {
    const QRectF limit = page.adjusted(-0.5, -0.5, 0.5, 0.5);
    const auto inside = [&limit](const QRectF& box) {
        return limit.contains(box.topLeft()) && limit.contains(box.bottomRight());
    };
    QVERIFY(!recorded.texts.empty());
    for (const RecordingEngine::Text& text : recorded.texts) {
        QVERIFY2(inside(text.box), qPrintable(text.text));
    }
    for (const QRectF& shape : recorded.shapes) {
        QVERIFY(inside(shape));
    }
    for (std::size_t i = 0; i < recorded.texts.size(); ++i) {
        for (std::size_t j = i + 1; j < recorded.texts.size(); ++j) {
            const QRectF both = recorded.texts[i].box.intersected(recorded.texts[j].box);
            QVERIFY2(both.width() < 0.5 || both.height() < 0.5,
                     qPrintable(recorded.texts[i].text + " over " + recorded.texts[j].text));
        }
    }
}

// Every header, label and cell of `table`, and every text of `more`,
// painted whole, as one text.
void VerifyWhole(const RecordingEngine& recorded, const Table& table, QStringList more = {}) {
    QStringList painted;
    for (const RecordingEngine::Text& text : recorded.texts) {
        painted << text.text;
    }
    more << Strings(table.headers);
    for (const TableRow& row : table.rows) {
        more << Strings(std::array{row.label}) << Strings(row.cells);
    }
    for (const QString& text : more) {
        QVERIFY2(text.trimmed().isEmpty() || painted.contains(text.trimmed()), qPrintable(text));
    }
}

// What a save or print said went wrong, or "".
QString Why(const Outcome<>& done) { return done ? QString() : ToQString(done.message()); }

const Table kSmallTable{.headers = {"Gear", "A MPH"},
                        .rows = {{.label = "1", .cells = {"32.9"}, .notes = {}},
                                 {.label = "2", .cells = {"51.1"}, .notes = {}}},
                        .failure = {},
                        .inputs = {}};

// A list in `window` showing kSmallTable, with its menu.
QTreeWidget& SmallList(QWidget& window, ResultListCommands commands) {
    auto* list = new QTreeWidget(&window);
    window.layout()->addWidget(list);
    TreeResultList adapter(*list);
    ShowTable(adapter, kSmallTable);
    commands.shown = [] { return &kSmallTable; };
    AddResultListMenu(*list, commands);
    return *list;
}

// What the print dialog on X11 offers as the file for a document: its
// name cut before the last "." that non-blanks follow, and ".pdf".
QString OfferedPdfName(const QString& docName) {
    const QRegularExpressionMatch match =
        QRegularExpression(QStringLiteral("(.*)\\.\\S+")).match(docName);
    return (match.hasMatch() ? match.captured(1) : docName) + QStringLiteral(".pdf");
}

class RecordedFailures final : public FailureSink {
public:
    QStringList messages;
    void Report(const std::string& message) override {
        messages << QString::fromStdString(message);
    }
};

// The early car against a six-speed with another axle and a size code, in
// km/h: the widest tables the comparison makes.
Comparison WideComparison() {
    const Gearing a{.tireDiameter = 24, .axleRatio = 3.27, .gears = {3.65, 2.35, 1.44, 1.0}};
    const Gearing b{
        .tireDiameter = 24.65, .axleRatio = 3.55, .gears = {4.1, 2.6, 1.8, 1.3, 1.0, 0.82}};
    return Compare(a, b, 5500, SpeedUnit::KMH);
}

ComparisonPrintout FilledPrintout() {
    const Comparison comparison = WideComparison();
    ComparisonPrintout printout;
    printout.title = QStringLiteral("Compare Gearing: A 24 in, axle 3.27; B 185/80R13, axle 3.55");
    printout.aInputs = {QStringLiteral("Tire: 24 in, 840 revolutions per mile"),
                        QStringLiteral("Axle: 3.27"),
                        QStringLiteral("Gears: 3.65, 2.35, 1.44, 1.00")};
    printout.bInputs = {QStringLiteral("Tire: 185/80R13 = 24.65 in, 818 revolutions per mile"),
                        QStringLiteral("Axle: 3.55"),
                        QStringLiteral("Gears: 4.10, 2.60, 1.80, 1.30, 1.00, 0.82")};
    printout.shared = {QStringLiteral("Redline: 5500 RPM"), QStringLiteral("Unit: km/h")};
    printout.tables = {
        {QStringLiteral("Cruise: engine RPM in top gear"), CruiseTable(comparison)},
        {QStringLiteral("Each gear at the redline: speed, and RPM in the next gear"),
         GearTable(comparison)},
        {QStringLiteral("Speedometer after the change"), SpeedometerTable(comparison)}};
    printout.footnote = ToQString(kRoundingNote);
    printout.baseName = ToQString(ComparisonBaseName("", {"24", "3.27"}, {"185/80R13", "3.55"}));
    return printout;
}

}  // namespace

class OutputsTest : public WindowTestBase {
    Q_OBJECT

    QAction& Action(const char* list, const char* name) {
        auto* action = Get<QTreeWidget>(list).findChild<QAction*>(QString::fromLatin1(name));
        if (action == nullptr) {
            qFatal("no action %s", name);
        }
        return *action;
    }

    void FillStockTable() {
        SelectEarlyCar();
        Type("StockTire", QStringLiteral("24"));
        Click("StockGetRPMButton");
    }

    static QByteArray Contents(const QString& path) {
        QFile file(path);
        return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("(unreadable)");
    }

    static Table EarlyCarRPM() {
        return ComputeStockTable(
            TableMode::GetRPM, *StockInputsOf("24", "Early Car (1961-1964)", "1961-1963", "3.27"));
    }

    // Prints and saves the list's table under the names the dialogs offer,
    // into `folder_`, and adds the name they share to `names`.
    void WriteUnderOfferedNames(QTreeWidget& list, QStringList& names) {
        auto* action = list.findChild<QAction*>(QStringLiteral("printTable"));
        QVERIFY(action != nullptr && action->isEnabled());
        action->trigger();
        auto* print = list.findChild<QPrintDialog*>(QStringLiteral("printTableDialog"));
        QVERIFY(print != nullptr);
        const QString pdfName = OfferedPdfName(print->printer()->docName());
        const QString pdf = folder_.filePath(pdfName);
        print->printer()->setOutputFormat(QPrinter::PdfFormat);
        print->printer()->setOutputFileName(pdf);
        // Accepted as set here; accept() would first apply the dialog's own fields.
        print->done(QDialog::Accepted);
        QVERIFY2(Contents(pdf).startsWith("%PDF-"), qPrintable(pdf));
        QTRY_VERIFY(list.findChild<QPrintDialog*>() == nullptr);

        list.findChild<QAction*>(QStringLiteral("saveTable"))->trigger();
        auto* save = list.findChild<QFileDialog*>(QStringLiteral("saveTableDialog"));
        QVERIFY(save != nullptr);
        const QString csvName = QFileInfo(save->selectedFiles().value(0)).fileName();
        const QString csv = folder_.filePath(csvName);
        emit save->fileSelected(csv);
        save->close();
        QTRY_VERIFY(list.findChild<QFileDialog*>() == nullptr);
        QVERIFY2(Contents(csv).size() > 20, qPrintable(csv));

        QVERIFY(pdfName.endsWith(QStringLiteral(".pdf")) &&
                csvName.endsWith(QStringLiteral(".csv")));
        QCOMPARE(pdfName.chopped(4), csvName.chopped(4));
        names << csvName.chopped(4);
    }

    QTemporaryDir folder_;

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }
    void init() { OpenWindow(); }
    void cleanup() { form_.reset(); }

    void saveWritesCsvAndRemembersTheFolder() {
        FillStockTable();
        Action("ListView", "saveTable").trigger();
        auto* dialog = form_->findChild<QFileDialog*>(QStringLiteral("saveTableDialog"));
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->acceptMode(), QFileDialog::AcceptSave);
        QVERIFY(dialog->selectedFiles().value(0).endsWith(
            QStringLiteral("/stock-rpm_early-car-1961-1963_axle-3.27_tire-24.csv")));
        const QString path = folder_.filePath(QStringLiteral("early.csv"));
        emit dialog->fileSelected(path);
        dialog->close();
        QTRY_VERIFY(form_->findChild<QFileDialog*>() == nullptr);

        const QByteArray csv = Contents(path);
        QVERIFY(
            csv.startsWith("MPH,1st Gear,2nd Gear,3rd Gear,4th Gear\r\n"
                           "10,1671,1076,659,457\r\n"));
        QVERIFY(csv.endsWith("\r\n150,,,9892,6869\r\n"));
        QCOMPARE(csv.count('\n'), 16);
        QVERIFY(warnings_.isEmpty());

        // The next dialog starts where the last save went.
        Action("ListView", "saveTable").trigger();
        dialog = form_->findChild<QFileDialog*>(QStringLiteral("saveTableDialog"));
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->directory().absolutePath(), QDir(folder_.path()).absolutePath());
        dialog->close();
    }

    void saveShortcutWorksAnywhereOnItsPage() {
        FillStockTable();
        auto& tire = Get<QLineEdit>("StockTire");
        tire.setFocus();
        QTest::keySequence(&tire, QKeySequence::Save);
        auto* dialog = form_->findChild<QFileDialog*>(QStringLiteral("saveTableDialog"));
        QVERIFY(dialog != nullptr);
        dialog->close();
        QTRY_VERIFY(form_->findChild<QFileDialog*>() == nullptr);

        // The generic page's list is empty: its Ctrl+S does nothing, and the
        // hidden stock page's does not answer for it.
        Get<QTabWidget>("StockTab").setCurrentIndex(MainForm::kGenericPage);
        auto& box = Get<QLineEdit>("TireBox");
        box.setFocus();
        QTest::keySequence(&box, QKeySequence::Save);
        QTest::keySequence(&box, QKeySequence::Print);
        QCOMPARE(form_->findChild<QFileDialog*>(), nullptr);
        QCOMPARE(form_->findChild<QPrintDialog*>(), nullptr);
    }

    void outputActionsNeedRows() {
        for (const char* list : {"ListView", "ListView1"}) {
            for (const char* action : {"copyRows", "copyTable", "saveTable", "printTable"}) {
                QVERIFY2(!Action(list, action).isEnabled(), action);
            }
        }
        FillStockTable();
        for (const char* action : {"copyRows", "copyTable", "saveTable", "printTable"}) {
            QVERIFY2(Action("ListView", action).isEnabled(), action);
        }
        QCOMPARE(Action("ListView", "saveTable").text(), QStringLiteral("Save Table As\u2026"));
        QCOMPARE(Action("ListView", "printTable").text(), QStringLiteral("Print Table\u2026"));
    }

    void failedSaveIsReported() {
        FillStockTable();
        Action("ListView", "saveTable").trigger();
        auto* dialog = form_->findChild<QFileDialog*>(QStringLiteral("saveTableDialog"));
        QVERIFY(dialog != nullptr);
        const QString path = folder_.filePath(QStringLiteral("no/such/folder/table.csv"));
        emit dialog->fileSelected(path);
        dialog->close();
        QCOMPARE(warnings_.size(), 1);
        QVERIFY2(warnings_.first().startsWith(
                     QStringLiteral("The table could not be saved to %1: ").arg(path)),
                 qPrintable(warnings_.first()));
        QVERIFY(!QFile::exists(path));
    }

    // A write that fails halfway (here: a file size limit, as a full disk
    // would) reports the failure and leaves the good file it would have
    // replaced as it was, with no half-written copy beside it.
    void failedWriteKeepsThePreviousFile() {
        const QTemporaryDir folder;
        const QString path = folder.filePath(QStringLiteral("kept.csv"));
        QCOMPARE(Why(SaveTableFile(EarlyCarRPM(), path)), QString());
        const QByteArray good = Contents(path);
        QCOMPARE(good.size(), static_cast<qsizetype>(CommaSeparatedText(EarlyCarRPM()).size()));

        Table longer = EarlyCarRPM();
        const std::vector<TableRow> again = longer.rows;
        longer.rows.insert(longer.rows.end(), again.begin(), again.end());
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = static_cast<rlim_t>(good.size()) + 10;
        setrlimit(RLIMIT_FSIZE, &small);
        const QString error = Why(SaveTableFile(longer, path));
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!error.isEmpty());
        QCOMPARE(Contents(path), good);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"kept.csv"});
    }

    // Each kind of table, printed and saved under the names the dialogs
    // offer: tires given as size codes, axles that differ only after the
    // decimal point, the comparison's tables and the whole comparison.
    void offeredNamesWorkForEveryTable() {
        QStringList names;
        SelectEarlyCar();
        Type("StockTire", QStringLiteral("185/80R13"));
        Click("StockGetRPMButton");
        WriteUnderOfferedNames(Get<QTreeWidget>("ListView"), names);
        Choose("StockDiff", QStringLiteral("3.55"));
        Click("StockGetRPMButton");
        WriteUnderOfferedNames(Get<QTreeWidget>("ListView"), names);
        Click("StockGetMPHButton");
        WriteUnderOfferedNames(Get<QTreeWidget>("ListView"), names);

        Get<QTreeWidget>("ListView")
            .findChild<QAction*>(QStringLiteral("compareGearing"))
            ->trigger();
        QVERIFY(form_->Compare() != nullptr);
        for (const char* list : {"cruise", "gears", "speedometer"}) {
            auto* tree = form_->Compare()->findChild<QTreeWidget*>(QString::fromLatin1(list));
            QVERIFY(tree != nullptr);
            WriteUnderOfferedNames(*tree, names);
        }

        Get<QTabWidget>("StockTab").setCurrentIndex(MainForm::kGenericPage);
        Type("TireBox", QStringLiteral("P185/80 R13"));
        Type("DiffBox", QStringLiteral("3.55"));
        Type("TransBox", QStringLiteral("0.82"));
        Click("Gen_GetRPMButton");
        WriteUnderOfferedNames(Get<QTreeWidget>("ListView1"), names);
        Click("Gen_GetMPHButton");
        WriteUnderOfferedNames(Get<QTreeWidget>("ListView1"), names);

        RecordedFailures failures;
        PrintComparison(*form_, FilledPrintout(), failures);
        auto* dialog = form_->findChild<QPrintDialog*>(QStringLiteral("printComparisonDialog"));
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Print Comparison"));
        const QString pdf = folder_.filePath(OfferedPdfName(dialog->printer()->docName()));
        QCOMPARE(QFileInfo(pdf).fileName(),
                 QStringLiteral("comparison_A_tire-24_axle-3.27_B_tire-185-80R13_axle-3.55.pdf"));
        dialog->printer()->setOutputFileName(pdf);
        dialog->done(QDialog::Accepted);
        QVERIFY(Contents(pdf).startsWith("%PDF-"));
        QVERIFY(failures.messages.isEmpty());

        names.removeDuplicates();
        QCOMPARE(names.size(), 3 + 3 + 2);
        QVERIFY(warnings_.isEmpty());
    }

    // A PDF that cannot be written is reported, never taken for printed.
    void failedPrintIsReported() {
        FillStockTable();
        Action("ListView", "printTable").trigger();
        auto* dialog = form_->findChild<QPrintDialog*>(QStringLiteral("printTableDialog"));
        QVERIFY(dialog != nullptr);
        const QString pdf = folder_.filePath(QStringLiteral("no/such/folder/table.pdf"));
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(pdf);
        dialog->done(QDialog::Accepted);
        QCOMPARE(warnings_,
                 QStringList{QStringLiteral(
                                 "The table could not be printed to %1: the folder does not exist")
                                 .arg(pdf)});
        QVERIFY(!QFile::exists(pdf));
    }

    // Every table, on a page as wide as a sheet's and on one so narrow that
    // its type must shrink: each header, label and cell whole, inside the
    // page, none over another.
    void printedTablesAreNeverClipped() {
        const Comparison comparison = WideComparison();
        const Table tables[] = {
            EarlyCarRPM(),
            ComputeStockTable(TableMode::GetMPH, *StockInputsOf("185/80R13", "Forward Control",
                                                                "1961(late)-1963", "3.89")),
            CruiseTable(comparison),
            GearTable(comparison),
            SpeedometerTable(comparison),
        };
        for (const Table& table : tables) {
            for (const double inches : {7.5, 3.0}) {
                RecordingPage page(QSizeF(inches, 10), 96);
                QPainter painter(&page);
                const QString title = table.inputs ? ToQString(TableTitle(*table.inputs))
                                                   : QStringLiteral("Compare Gearing");
                PaintTablePage(painter, page.Rect(), title, table, QDate(2026, 12, 7));
                painter.end();
                VerifyWithin(page.Recorded(), page.Rect());
                VerifyWhole(page.Recorded(), table);
            }
        }
    }

    // The comparison on one page of A4 or Letter, on screen and printer
    // resolutions: everything inside the page and whole, nothing over
    // another, the chart below the tables and above the footnote.
    void comparisonPageHoldsEverything_data() {
        QTest::addColumn<QSizeF>("inches");
        QTest::addColumn<int>("dpi");
        const QSizeF a4(7.5, 10.9);  // within the usual margins
        const QSizeF letter(7.7, 10.2);
        QTest::newRow("A4, 96 dpi") << a4 << 96;
        QTest::newRow("A4, 1200 dpi") << a4 << 1200;
        QTest::newRow("Letter, 96 dpi") << letter << 96;
        QTest::newRow("Letter, 300 dpi") << letter << 300;
    }
    void comparisonPageHoldsEverything() {
        QFETCH(QSizeF, inches);
        QFETCH(int, dpi);
        ComparisonPrintout printout = FilledPrintout();
        RecordingPage page(inches, dpi);
        QRectF chart;
        QTransform chartTransform;
        printout.paintChart = [&](QPainter& painter, const QRectF& rect) {
            chart = rect;
            chartTransform = painter.transform();
            painter.drawRect(rect);
            painter.drawLine(rect.topLeft(), rect.bottomRight());
            painter.drawLine(rect.bottomLeft(), rect.topRight());
        };
        QPainter painter(&page);
        PaintComparisonPage(painter, page.Rect(), printout, QDate(2026, 12, 7));
        painter.end();

        const RecordingEngine& recorded = page.Recorded();
        VerifyWithin(recorded, page.Rect());
        for (const auto& [caption, table] : printout.tables) {
            VerifyWhole(recorded, table,
                        {printout.bCaption, printout.shared[0],
                         QStringLiteral("Printed by Tachoria on Monday, December 7, 2026")});
        }

        // A chart at least a third of the page high, under every table and
        // over the footnote: no text inside it.
        const QRectF chartOnPage = chartTransform.mapRect(chart);
        QVERIFY(chartOnPage.height() > page.Rect().height() / 3);
        for (const RecordingEngine::Text& text : recorded.texts) {
            QVERIFY2(!chartOnPage.intersects(text.box), qPrintable(text.text));
        }
    }

    void comparisonPdfIsWrittenOrSaysWhyNot() {
        const QString pdf = folder_.filePath(QStringLiteral("comparison.pdf"));
        QCOMPARE(Why(WriteComparisonPdf(pdf, FilledPrintout())), QString());
        QVERIFY(Contents(pdf).startsWith("%PDF-"));
        QVERIFY(Contents(pdf).size() > 10000);

        const QString nowhere = folder_.filePath(QStringLiteral("no/such/folder/comparison.pdf"));
        QCOMPARE(
            Why(WriteComparisonPdf(nowhere, FilledPrintout())),
            QStringLiteral("The comparison could not be written to %1: the folder does not exist")
                .arg(nowhere));
        QVERIFY(!QFile::exists(nowhere));

        // A disk that fills up: Qt's PDF writer says nothing, the page must.
        rlimit old{};
        getrlimit(RLIMIT_FSIZE, &old);
        const auto previousHandler = std::signal(SIGXFSZ, SIG_IGN);
        rlimit small = old;
        small.rlim_cur = 4096;
        setrlimit(RLIMIT_FSIZE, &small);
        const QString full = folder_.filePath(QStringLiteral("full.pdf"));
        const QString failure = Why(WriteComparisonPdf(full, FilledPrintout()));
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previousHandler);
        QCOMPARE(failure, QStringLiteral("The comparison could not be written to %1: the file "
                                         "could not be written whole (is the disk full?)")
                              .arg(full));
        QVERIFY(!QFile::exists(full));
    }

    // A name that is a pipe or a device is refused, never replaced by the
    // new file: saved as root over a link to /dev/full, the device itself
    // was replaced.
    void devicesAndPipesAreNeverReplaced() {
        const QString pipe = folder_.filePath(QStringLiteral("pipe.csv"));
        QCOMPARE(mkfifo(QFile::encodeName(pipe).constData(), 0600), 0);
        const QString link = folder_.filePath(QStringLiteral("link.pdf"));
        QVERIFY(QFile::link(pipe, link));
        QCOMPARE(Why(SaveTableFile(EarlyCarRPM(), pipe)),
                 QStringLiteral("that is not a regular file"));
        QCOMPARE(Why(WriteComparisonPdf(link, FilledPrintout())),
                 QStringLiteral("The comparison could not be written to %1: that is not a "
                                "regular file")
                     .arg(link));
        for (const QString& path : {pipe, link}) {
            struct stat info {};
            QCOMPARE(stat(QFile::encodeName(path).constData(), &info), 0);
            QVERIFY2(S_ISFIFO(info.st_mode), qPrintable(path));
        }
    }

    // Copied numbers take the decimal point given; a saved file keeps ".".
    void copiesFollowTheDecimalPointFilesKeepTheDot() {
        QWidget window;
        new QVBoxLayout(&window);
        RecordedFailures failures;
        QTreeWidget& list = SmallList(
            window, {.failures = &failures,
                     .fileName = [](const Table&) { return QStringLiteral("comparison-gears"); },
                     .decimalPoint = ","});
        list.topLevelItem(1)->setSelected(true);
        list.findChild<QAction*>(QStringLiteral("copyRows"))->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("Gear\tA MPH\n2\t51,1\n"));
        list.findChild<QAction*>(QStringLiteral("copyTable"))->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("Gear\tA MPH\n1\t32,9\n2\t51,1\n"));

        list.findChild<QAction*>(QStringLiteral("saveTable"))->trigger();
        auto* dialog = list.findChild<QFileDialog*>(QStringLiteral("saveTableDialog"));
        QVERIFY(dialog != nullptr);
        QVERIFY(dialog->selectedFiles().value(0).endsWith(QStringLiteral("/comparison-gears.csv")));
        const QString path = folder_.filePath(QStringLiteral("gears.csv"));
        emit dialog->fileSelected(path);
        QCOMPARE(Contents(path), QByteArray("Gear,A MPH\r\n1,32.9\r\n2,51.1\r\n"));
        QVERIFY(failures.messages.isEmpty());
    }

    // A window with several lists: their Save and Print answer the keys
    // only while they have the focus, elsewhere the window's own action
    // does; and the lists offer the window's actions in their menus.
    void listsCanLeaveSaveAndPrintKeysToTheWindow() {
        QWidget window;
        auto* field = new QLineEdit(&window);
        (new QVBoxLayout(&window))->addWidget(field);
        auto* saveAll = new QAction(QStringLiteral("Save Comparison"), &window);
        saveAll->setShortcut(QKeySequence::Save);
        window.addAction(saveAll);
        QSignalSpy saves(saveAll, &QAction::triggered);
        RecordedFailures failures;
        std::vector<QTreeWidget*> lists;
        for (int i = 0; i < 3; ++i) {
            lists.push_back(&SmallList(
                window, {.failures = &failures, .windowShortcuts = false, .extra = {saveAll}}));
            QCOMPARE(lists.back()->actions().last(), saveAll);
            QVERIFY(lists.back()->actions().at(lists.back()->actions().size() - 2)->isSeparator());
        }
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));

        field->setFocus();
        QTest::keySequence(field, QKeySequence::Save);
        QCOMPARE(saves.size(), 1);
        // The window gives up its keys while a list has the focus.
        saveAll->setShortcut({});
        lists[1]->setFocus();
        QTest::keySequence(lists[1], QKeySequence::Save);
        auto* dialog = window.findChild<QFileDialog*>();
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->parent(), lists[1]);
        QCOMPARE(saves.size(), 1);
    }

    // The page as printed: title, headers, rows and date, in ink, within
    // the page and without overlapping lines.
    void printedPageHoldsTitleTableAndDate() {
        QImage page(850, 1100, QImage::Format_RGB32);
        page.fill(Qt::white);
        QPainter painter(&page);
        const Table table = EarlyCarRPM();
        const QRectF area(50, 50, 750, 1000);
        PaintTablePage(painter, area, QStringLiteral("A title"), table, QDate(2026, 12, 7));
        painter.end();
        // Rows of ink: the title, the header, 15 rows and the date.
        int inkLines = 0;
        bool inInk = false;
        for (int y = 0; y < page.height(); ++y) {
            bool ink = false;
            for (int x = 0; x < page.width() && !ink; ++x) {
                ink = page.pixel(x, y) != qRgb(255, 255, 255);
                QVERIFY2(!ink || area.contains(x, y),
                         qPrintable(QStringLiteral("ink at %1,%2").arg(x).arg(y)));
            }
            inkLines += ink && !inInk ? 1 : 0;
            inInk = ink;
        }
        QCOMPARE(inkLines, 1 + 1 + 1 + 15 + 1);  // title, header, its rule, rows, date
    }
};

QTEST_MAIN(OutputsTest)
#include "OutputsTest.moc"
