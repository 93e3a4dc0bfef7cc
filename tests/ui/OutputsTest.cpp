// Saving and printing a result list's table, from its menu and shortcuts.
#include <sys/resource.h>
#include <QAction>
#include <QFile>
#include <QFileDialog>
#include <QPrintDialog>
#include <QPrinter>
#include <QTemporaryDir>
#include <csignal>

#include "WindowTestBase.h"
#include "tables/ReadForm.h"
#include "tables/TableText.h"
#include "tables/ToolsWriteData.h"
#include "ui/TablePrinting.h"
#include "ui/TableSaving.h"

using namespace tachoria;

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
        QVERIFY(dialog->selectedFiles().value(0).endsWith(QStringLiteral("stock-rpm.csv")));
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
        QCOMPARE(SaveTableFile(EarlyCarRPM(), path), QString());
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
        const QString error = SaveTableFile(longer, path);
        setrlimit(RLIMIT_FSIZE, &old);
        std::signal(SIGXFSZ, previousHandler);

        QVERIFY(!error.isEmpty());
        QCOMPARE(Contents(path), good);
        QCOMPARE(QDir(folder.path()).entryList(QDir::Files), QStringList{"kept.csv"});
    }

    void printDialogPrintsToPdf() {
        FillStockTable();
        Action("ListView", "printTable").trigger();
        auto* dialog = form_->findChild<QPrintDialog*>(QStringLiteral("printTableDialog"));
        QVERIFY(dialog != nullptr);
        QCOMPARE(dialog->windowTitle(), QStringLiteral("Print Table"));
        const QString pdf = folder_.filePath(QStringLiteral("table.pdf"));
        dialog->printer()->setOutputFormat(QPrinter::PdfFormat);
        dialog->printer()->setOutputFileName(pdf);
        QCOMPARE(dialog->printer()->docName(),
                 QStringLiteral("Stock Corvair Gearing: Early Car (1961-1964), 1961-1963, axle "
                                "3.27, tire 24 in"));
        // Accepted as set here; accept() would first apply the dialog's own fields.
        dialog->done(QDialog::Accepted);
        QVERIFY(Contents(pdf).startsWith("%PDF-"));
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
