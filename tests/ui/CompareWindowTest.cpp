// The Compare Gearing window: opened from the result lists, the shortcut
// and the command line's entry, pre-filled, recomputed as fields change.
#include <QAbstractSpinBox>
#include <QAction>
#include <QClipboard>
#include <QMenuBar>
#include <QMessageBox>
#include <QSpinBox>

#include "WindowTestBase.h"
#include "ui/ChartWidget.h"
#include "ui/CompareWindow.h"

using tachoria::ChartWidget;
using tachoria::CompareWindow;

class CompareWindowTest : public WindowTestBase {
    Q_OBJECT

    CompareWindow& Compare() {
        CompareWindow* window = form_->Compare();
        if (window == nullptr) {
            qFatal("the compare window is not open");
        }
        return *window;
    }

    template <typename T>
    T& InCompare(const char* name) {
        auto* control = Compare().findChild<T*>(QString::fromLatin1(name));
        if (control == nullptr) {
            qFatal("no control %s in the compare window", name);
        }
        return *control;
    }

    void SetField(const char* name, const QString& text) {
        auto& field = InCompare<QLineEdit>(name);
        field.selectAll();
        QTest::keyClicks(&field, text);
    }

    QStringList CompareRow(const char* list, int row) {
        return Row(InCompare<QTreeWidget>(list), row);
    }

    void OpenFromStockTable() {
        SelectEarlyCar();
        Type("StockTire", QStringLiteral("24"));
        Click("StockGetRPMButton");
        auto* action =
            Get<QTreeWidget>("ListView").findChild<QAction*>(QStringLiteral("compareGearing"));
        QVERIFY(action != nullptr);
        QCOMPARE(action->text(), QStringLiteral("Compare Gearing\u2026"));
        action->trigger();
        QVERIFY(form_->Compare() != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(&Compare()));
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }
    void init() { OpenWindow(); }
    void cleanup() { form_.reset(); }

    void startsOnlyWhenFirstOpened() {
        QCOMPARE(form_->Compare(), nullptr);
        QCOMPARE(form_->findChild<CompareWindow*>(), nullptr);
    }

    // From the stock page's table: both setups as the page has them. Then
    // B gets a 3.55 axle and 185/80R13 tires.
    void comparesTheStockGearingWithAPlannedChange() {
        OpenFromStockTable();
        QCOMPARE(Compare().windowTitle(), QStringLiteral("Compare Gearing"));
        for (const char* setup : {"A", "B"}) {
            const QString s = QString::fromLatin1(setup);
            QCOMPARE(InCompare<QLineEdit>(qPrintable("tire" + s)).text(), QStringLiteral("24"));
            QCOMPARE(InCompare<QLineEdit>(qPrintable("axle" + s)).text(), QStringLiteral("3.27"));
            QCOMPARE(InCompare<QSpinBox>(qPrintable("gearCount" + s)).value(), 4);
            QCOMPARE(InCompare<QLineEdit>(qPrintable("gear" + s + "1")).text(),
                     QStringLiteral("3.65"));
        }
        SetField("axleB", QStringLiteral("3.55"));
        SetField("tireB", QStringLiteral("185/80R13"));
        QCOMPARE(InCompare<QLabel>("tireNoteB").text(),
                 QStringLiteral("24.65 in, 818 revolutions per mile"));

        QCOMPARE(CompareRow("cruise", 2), QStringList({"60", "2747", "2904", "+157", "+5.7"}));
        QCOMPARE(CompareRow("gears", 0), QStringList({"1", "32.9", "3540", "31.1", "3537"}));
        QCOMPARE(CompareRow("speedometer", 0), QStringList({"reads at a true 60 MPH", "63.4"}));
        QCOMPARE(CompareRow("speedometer", 2),
                 QStringList({"reads over (+) or under (-), %", "+5.7"}));
        QVERIFY(InCompare<QLabel>("footnote").text().startsWith("RPM truncated to whole"));

        InCompare<QComboBox>("unit").setCurrentIndex(1);
        QCOMPARE(Headers(InCompare<QTreeWidget>("cruise")).first(), QStringLiteral("km/h"));
        QCOMPARE(CompareRow("cruise", 2), QStringList({"100", "2845", "3007", "+162", "+5.7"}));
        QCOMPARE(CompareRow("speedometer", 0), QStringList({"reads at a true 100 km/h", "105.7"}));
        QVERIFY(warnings_.isEmpty());
    }

    // The chart: its description reads the gear table, and the pointer shows
    // the engine speeds under it.
    void chartShowsTheValuesUnderThePointer() {
        OpenFromStockTable();
        auto& chart = InCompare<ChartWidget>("chart");
        QVERIFY(chart.accessibleDescription().contains("A: 1st to 32.9 MPH"));
        const tachoria::PlotArea area = chart.Area();
        // 60 MPH on a 0-140 MPH axis.
        const QPoint at(qRound(area.left + area.width * 60 / 140), qRound(area.top + 20));
        QTest::mouseMove(&chart, at);
        QTRY_VERIFY(chart.PointerText().contains("A 4th 27"));
        QVERIFY(chart.PointerText().contains(" MPH: A "));
        QTest::mouseMove(&chart, QPoint(1, 1));
        QTRY_COMPARE(chart.PointerText(), QString());
    }

    // A field that is not a positive number marks itself and says why; its
    // setup's results show a dash; no message box.
    void badFieldsMarkThemselvesWithoutMessages_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        QTest::newRow("tire word") << "tireB"
                                   << "abc"
                                   << "Not a number: type a diameter in inches, or a size code "
                                      "such as 185/80R13.";
        QTest::newRow("axle zero") << "axleB"
                                   << "0"
                                   << "Must be greater than 0.";
        QTest::newRow("gear negative") << "gearB2"
                                       << "-2.35"
                                       << "Must be greater than 0.";
        QTest::newRow("gear empty") << "gearB4"
                                    << ""
                                    << "Empty: type a number greater than 0.";
        QTest::newRow("gear huge") << "gearB1"
                                   << "1e999"
                                   << "Too large a number.";
    }

    void badFieldsMarkThemselvesWithoutMessages() {
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, problem);
        OpenFromStockTable();
        auto& edit = InCompare<QLineEdit>(qPrintable(field));
        edit.setText(text);
        QCOMPARE(edit.toolTip(), problem);
        QCOMPARE(edit.accessibleDescription(), problem);
        QCOMPARE(edit.property("problem").toBool(), true);
        QCOMPARE(CompareRow("cruise", 2),
                 QStringList({"60", "2747", "\u2014", "\u2014", "\u2014"}));
        QCOMPARE(CompareRow("speedometer", 0).last(), QStringLiteral("\u2014"));
        QCOMPARE(Compare().findChild<QMessageBox*>(), nullptr);
        QVERIFY(warnings_.isEmpty());

        edit.setText(QStringLiteral("3"));
        QCOMPARE(edit.property("problem").toBool(), false);
        QVERIFY(CompareRow("cruise", 2).at(2) != QStringLiteral("\u2014"));
    }

    // Opened again, from the generic page, it is the same window: A takes
    // that page's boxes, B keeps what was planned.
    void thereIsOnlyOneAndItComesToTheFront() {
        OpenFromStockTable();
        CompareWindow* first = &Compare();
        SetField("axleB", QStringLiteral("3.55"));
        Get<QTabWidget>("StockTab").setCurrentIndex(MainForm::kGenericPage);
        Type("TireBox", QStringLiteral("26"));
        // Back from the comparison to the main window.
        form_->windowHandle()->requestActivate();
        QTRY_COMPARE(QApplication::activeWindow(), form_.get());
        auto& box = Get<QLineEdit>("TireBox");
        box.setFocus();
        QTest::keyClick(&box, Qt::Key_G, Qt::ControlModifier);  // the shortcut, from a text box
        QCOMPARE(form_->findChildren<CompareWindow*>().size(), 1);
        QCOMPARE(&Compare(), first);
        QCOMPARE(InCompare<QLineEdit>("tireA").text(), QStringLiteral("26"));
        QCOMPARE(InCompare<QLineEdit>("axleA").text(), QStringLiteral("3.27"));  // the default
        QCOMPARE(InCompare<QSpinBox>("gearCountA").value(), 1);
        QCOMPARE(InCompare<QLineEdit>("axleB").text(), QStringLiteral("3.55"));
        QCOMPARE(InCompare<QSpinBox>("gearCountB").value(), 4);
    }

    void pickerFillsTheGearsFromTheCatalogue() {
        OpenFromStockTable();
        auto& picker = InCompare<QComboBox>("pickerB");
        const int late = picker.findText(QStringLiteral("Late Car (1965-1969), 1966-1969"));
        QVERIFY(late > 0);
        picker.setCurrentIndex(late);
        emit picker.activated(late);
        QCOMPARE(InCompare<QLineEdit>("gearB1").text(), QStringLiteral("3.2"));
        QCOMPARE(InCompare<QLineEdit>("gearB3").text(), QStringLiteral("1.47"));
        QCOMPARE(picker.currentIndex(), 0);
        QCOMPARE(InCompare<QLineEdit>("tireB").text(), QStringLiteral("24"));  // untouched
    }

    void resultTablesCopyAsTabSeparatedText() {
        OpenFromStockTable();
        auto& cruise = InCompare<QTreeWidget>("cruise");
        cruise.findChild<QAction*>(QStringLiteral("copyTable"))->trigger();
        QVERIFY(QGuiApplication::clipboard()->text().startsWith(
            "MPH\tA RPM\tB RPM\tChange RPM\tChange %\n50\t2289\t2289\t0\t0.0\n"));
        for (const char* list : {"cruise", "gears", "speedometer"}) {
            auto& tree = InCompare<QTreeWidget>(list);
            for (const char* action : {"copyRows", "copyTable", "saveTable", "printTable"}) {
                QVERIFY2(tree.findChild<QAction*>(QString::fromLatin1(action)) != nullptr, action);
            }
            QCOMPARE(tree.findChild<QAction*>(QStringLiteral("compareGearing")), nullptr);
        }
    }

    void everyFieldIsNamed() {
        OpenFromStockTable();
        const auto fields = Compare().findChildren<QWidget*>();
        int named = 0;
        for (QWidget* field : fields) {
            const bool input = qobject_cast<QLineEdit*>(field) != nullptr ||
                               qobject_cast<QComboBox*>(field) != nullptr ||
                               qobject_cast<QAbstractSpinBox*>(field) != nullptr ||
                               qobject_cast<QTreeWidget*>(field) != nullptr ||
                               qobject_cast<ChartWidget*>(field) != nullptr;
            // Spin boxes hold a line edit of their own, named by the box.
            if (input && qobject_cast<QAbstractSpinBox*>(field->parentWidget()) == nullptr) {
                QVERIFY2(!field->accessibleName().isEmpty(), qPrintable(field->objectName()));
                ++named;
            }
        }
        QCOMPARE(named, 2 * (1 + 1 + 1 + 1 + 6) + 2 + 3 + 1);
    }

    // The main window is as it was: the same controls, no menu bar, its size.
    void mainWindowKeepsItsControlsAndSize() {
        const auto controls = [this] {
            QStringList names;
            for (const QWidget* widget : form_->findChildren<QWidget*>()) {
                if (widget->window() == form_.get()) {
                    names << widget->objectName();
                }
            }
            names.sort();
            return names;
        };
        const QStringList before = controls();
        QVERIFY(before.contains(QStringLiteral("StockTab")));
        OpenFromStockTable();
        QCOMPARE(controls(), before);
        QCOMPARE(form_->size(), QSize(576, 594));
        QCOMPARE(form_->findChild<QMenuBar*>(), nullptr);
    }
};

QTEST_MAIN(CompareWindowTest)
#include "CompareWindowTest.moc"
