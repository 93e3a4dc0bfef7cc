// The Compare Gearing window: opened from the result lists, the shortcut
// and the command line's entry, pre-filled, recomputed as fields change.
#include <QAbstractSpinBox>
#include <QAction>
#include <QClipboard>
#include <QFontMetrics>
#include <QLabel>
#include <QMenuBar>
#include <QMessageBox>
#include <QRegularExpression>
#include <QScrollArea>
#include <QSpinBox>

#include "WindowTestBase.h"
#include "ui/ChartWidget.h"
#include "ui/CompareWindow.h"
#include "ui/QuestionsWindow.h"

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
        // The offscreen screen is small; a laptop's, so that all of it shows.
        Compare().resize(1366, 728);
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
                 QStringLiteral("24.65 in (metric), 818 revolutions per mile"));

        QCOMPARE(CompareRow("cruise", 2), QStringList({"60", "2747", "2904", "+157", "+5.7"}));
        QCOMPARE(CompareRow("gears", 0), QStringList({"1", "32.9", "3541", "31.1", "3541"}));
        // The early car drives the speedometer from its transaxle: the tire
        // and the axle count, (3.55 ÷ 24.6535) ÷ (3.27 ÷ 24) = 1.0568. From
        // a front wheel only the tire would.
        auto& drive = InCompare<QComboBox>("speedometerDrive");
        QCOMPARE(drive.currentText(),
                 QStringLiteral("the transmission (on a Corvair, the transaxle)"));
        QCOMPARE(CompareRow("speedometer", 0), QStringList({"shows at a true 60 MPH", "63.4"}));
        QCOMPARE(CompareRow("speedometer", 2), QStringList({"reads", "5.7 % high"}));
        drive.setCurrentIndex(1);
        QCOMPARE(drive.currentText(), QStringLiteral("the left front wheel"));
        QCOMPARE(CompareRow("speedometer", 0), QStringList({"shows at a true 60 MPH", "58.4"}));
        QCOMPARE(CompareRow("speedometer", 2), QStringList({"reads", "2.7 % low"}));
        drive.setCurrentIndex(0);
        QVERIFY(InCompare<QLabel>("footnote").text().startsWith("RPM truncated to whole"));

        InCompare<QComboBox>("unit").setCurrentIndex(1);
        QCOMPARE(Headers(InCompare<QTreeWidget>("cruise")).first(), QStringLiteral("km/h"));
        QCOMPARE(CompareRow("cruise", 2), QStringList({"100", "2845", "3007", "+162", "+5.7"}));
        QCOMPARE(CompareRow("speedometer", 0), QStringList({"shows at a true 100 km/h", "105.7"}));
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
        // Every gear of both setups on its own line, none cut off.
        QTRY_VERIFY(chart.PointerText().contains("\nA: 3rd "));
        QVERIFY(chart.PointerText().contains(", 4th 27"));
        QVERIFY(chart.PointerText().contains("\nB: 3rd "));
        QTest::mouseMove(&chart, QPoint(1, 1));
        QTRY_COMPARE(chart.PointerText(), QString());
    }

    // A field outside the range that works marks itself and says why, in a
    // line under the fields as well as for screen readers; its setup's
    // results show a dash; no message box.
    void badFieldsMarkThemselvesWithoutMessages_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("problem");
        const QString ratios = QStringLiteral("type a number from 0.05 to 50.");
        QTest::newRow("tire word") << "tireB"
                                   << "abc"
                                   << "Not a number: type a diameter from 5 to 100 in, a size "
                                      "such as 185/80R13, or revolutions per mile such as 818 "
                                      "rev/mi.";
        QTest::newRow("tire inch-width size")
            << "tireB"
            << "7.50-14"
            << "An inch-width size: type the tire's diameter, or its revolutions per mile from the "
               "tire's data.";
        QTest::newRow("tire tiny") << "tireB"
                                   << "1e-300"
                                   << "Too small: type a number from 5 to 100 in.";
        QTest::newRow("axle zero") << "axleB"
                                   << "0"
                                   << "Must be greater than 0: " + ratios;
        QTest::newRow("axle huge") << "axleB"
                                   << "1e308"
                                   << "Too large: " + ratios;
        QTest::newRow("axle denormal") << "axleB"
                                       << "1e-320"
                                       << "Too small: " + ratios;
        QTest::newRow("gear negative") << "gearB2"
                                       << "-2.35"
                                       << "Must be greater than 0: " + ratios;
        QTest::newRow("gear empty") << "gearB4"
                                    << ""
                                    << "Empty: " + ratios;
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
        auto& problems = InCompare<QLabel>("problemsB");
        QVERIFY(problems.isVisible());
        QVERIFY2(problems.text().endsWith(": " + problem), qPrintable(problems.text()));
        QCOMPARE(problems.accessibleDescription(), problems.text());
        // "2.0168114388605e+304 revolutions per mile" no more.
        QVERIFY(!InCompare<QLabel>("tireNoteB").text().contains(QRegularExpression("\\de")));
        QCOMPARE(CompareRow("cruise", 2),
                 QStringList({"60", "2747", "\u2014", "\u2014", "\u2014"}));
        QCOMPARE(CompareRow("gears", 0).at(3), QStringLiteral("\u2014"));
        QCOMPARE(CompareRow("speedometer", 0).last(), QStringLiteral("\u2014"));
        QCOMPARE(Compare().findChild<QMessageBox*>(), nullptr);
        QVERIFY(warnings_.isEmpty());

        edit.setText(field.startsWith("tire") ? QStringLiteral("26") : QStringLiteral("3"));
        QCOMPARE(edit.property("problem").toBool(), false);
        QVERIFY(!problems.isVisible());
        QVERIFY(CompareRow("cruise", 2).at(2) != QStringLiteral("\u2014"));
    }

    // The redline too: outside 100 to 30,000 RPM it is marked, and the
    // results that need it show dashes.
    void redlineOutsideItsRangeIsMarked() {
        OpenFromStockTable();
        auto& redline = InCompare<QLineEdit>("redline");
        redline.setText(QStringLiteral("1e308"));
        const QString problem = QStringLiteral("Too large: type a number from 100 to 30000 RPM.");
        QCOMPARE(redline.accessibleDescription(), problem);
        QVERIFY(InCompare<QLabel>("redlineProblem").isVisible());
        QCOMPARE(InCompare<QLabel>("redlineProblem").text(), "Redline RPM: " + problem);
        QCOMPARE(CompareRow("gears", 0),
                 QStringList({"1", "\u2014", "\u2014", "\u2014", "\u2014"}));
    }

    // Cruising past the redline is marked visibly and for screen readers.
    void cruisePastTheRedlineIsMarked() {
        OpenFromStockTable();
        SetField("redline", QStringLiteral("2800"));
        auto& cruise = InCompare<QTreeWidget>("cruise");
        QTreeWidgetItem* below = cruise.topLevelItem(0);  // 50 MPH: 2289
        QTreeWidgetItem* past = cruise.topLevelItem(2);   // 60 MPH: 2747... and 80: 3663
        QCOMPARE(below->text(1), QStringLiteral("2289"));
        QCOMPARE(past->text(1), QStringLiteral("2747"));
        QTreeWidgetItem* over = cruise.topLevelItem(6);
        QCOMPARE(over->text(1), QStringLiteral("3663 \u25B2"));
        QCOMPARE(over->data(1, Qt::AccessibleTextRole).toString(),
                 QStringLiteral("3663, over the redline"));
        QCOMPARE(over->toolTip(1), QStringLiteral("over the redline"));
        // The sign widens its column: the whole cell can be read, not "366…".
        QFont bold = cruise.font();
        bold.setBold(true);
        QVERIFY2(cruise.columnWidth(1) >= QFontMetrics(bold).horizontalAdvance(over->text(1)),
                 "a marked cell is cut off");
        QVERIFY(!below->data(1, Qt::AccessibleTextRole).isValid());
        QVERIFY(InCompare<QLabel>("overRedlineNote").isVisible());
        SetField("redline", QStringLiteral("5500"));
        QVERIFY(!InCompare<QLabel>("overRedlineNote").isVisible());
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

        // Closed, it starts over: both setups from the page.
        Compare().close();
        QTest::keyClick(&box, Qt::Key_G, Qt::ControlModifier);
        QCOMPARE(InCompare<QLineEdit>("axleB").text(), QStringLiteral("3.27"));
        QCOMPARE(InCompare<QLineEdit>("tireB").text(), QStringLiteral("26"));

        // Minimized, the shortcut brings it back.
        Compare().showMinimized();
        QTRY_VERIFY(Compare().isMinimized());
        QTest::keyClick(&box, Qt::Key_G, Qt::ControlModifier);
        QTRY_VERIFY(!Compare().isMinimized());
        QVERIFY(Compare().isVisible());
    }

    // Of two stock gearboxes with the same ratios, the one chosen stays
    // shown through edits that keep the ratios, in both windows.
    void twoGearboxesAlikeKeepTheOneChosen() {
        OpenFromStockTable();
        const QString forward = QStringLiteral("Forward Control, 1961(late)-1963");
        auto& picker = InCompare<QComboBox>("pickerB");
        const int chosen = picker.findText(forward);
        QVERIFY(chosen > 0);
        picker.setCurrentIndex(chosen);
        emit picker.activated(chosen);
        QCOMPARE(InCompare<QLineEdit>("gearB1").text(), QStringLiteral("3.65"));
        SetField("tireB", QStringLiteral("26"));
        SetField("gearB4", QStringLiteral("1"));
        QCOMPARE(picker.currentText(), forward);

        form_->Stock().List().findChild<QAction*>(QStringLiteral("gearingQuestions"))->trigger();
        auto& gearbox = *form_->Questions()->findChild<QComboBox*>(QStringLiteral("gearbox"));
        const int alike = gearbox.findText(forward);
        gearbox.setCurrentIndex(alike);
        emit gearbox.activated(alike);
        auto& rpm = *form_->Questions()->findChild<QLineEdit*>(QStringLiteral("tachRpm"));
        rpm.selectAll();
        QTest::keyClicks(&rpm, QStringLiteral("3000"));
        QCOMPARE(gearbox.currentText(), forward);
    }

    // A's gearbox sets the drive from its model line: the late car's left
    // front wheel, 25.3 ÷ 24.748 = 1.0223 whatever the axle; the Powerglide
    // fills two gears. Its ratios typed are typed: custom, the transmission.
    void drivesTheSpeedometerAsAsModelLine() {
        OpenFromStockTable();
        auto& picker = InCompare<QComboBox>("pickerA");
        auto& drive = InCompare<QComboBox>("speedometerDrive");
        const auto pick = [&picker](const QString& label) {
            const int index = picker.findText(label);
            QVERIFY2(index > 0, qPrintable(label));
            picker.setCurrentIndex(index);
            emit picker.activated(index);
        };
        pick(QStringLiteral("Late Car (1965-1969), 1966-1969"));
        QCOMPARE(drive.currentText(), QStringLiteral("the left front wheel"));
        SetField("tireA", QStringLiteral("25.3"));
        SetField("tireB", QStringLiteral("195/70R14"));
        SetField("axleB", QStringLiteral("3.89"));
        QCOMPARE(CompareRow("speedometer", 2), QStringList({"reads", "2.2 % high"}));
        QCOMPARE(picker.currentText(), QStringLiteral("Late Car (1965-1969), 1966-1969"));

        pick(QStringLiteral("Early Car (1961-1964), Powerglide (1.82, 1.00)"));
        QCOMPARE(InCompare<QSpinBox>("gearCountA").value(), 2);
        QCOMPARE(InCompare<QLineEdit>("gearA1").text(), QStringLiteral("1.82"));
        QCOMPARE(drive.currentText(),
                 QStringLiteral("the transmission (on a Corvair, the transaxle)"));
        pick(QStringLiteral("Late Car (1965-1969), Powerglide (1.82, 1.00)"));
        QCOMPARE(drive.currentText(), QStringLiteral("the left front wheel"));

        pick(QStringLiteral("Late Car (1965-1969), 1965"));
        SetField("gearA4", QStringLiteral("0.9"));
        SetField("gearA4", QStringLiteral("1"));
        QCOMPARE(picker.currentText(), QStringLiteral("Custom gears"));
        QCOMPARE(drive.currentText(),
                 QStringLiteral("the transmission (on a Corvair, the transaxle)"));
    }

    // The picker shows which stock gearbox the ratios are, "Custom gears"
    // once one is edited, and Down on the closed picker steps through it.
    void pickerShowsWhereTheGearsCameFrom() {
        OpenFromStockTable();
        auto& picker = InCompare<QComboBox>("pickerB");
        QCOMPARE(picker.currentText(), QStringLiteral("Early Car (1961-1964), 1961-1963"));
        const int late = picker.findText(QStringLiteral("Late Car (1965-1969), 1966-1969"));
        QVERIFY(late > 0);
        picker.setCurrentIndex(late);
        emit picker.activated(late);
        QCOMPARE(InCompare<QLineEdit>("gearB1").text(), QStringLiteral("3.2"));
        QCOMPARE(InCompare<QLineEdit>("gearB3").text(), QStringLiteral("1.47"));
        QCOMPARE(picker.currentIndex(), late);
        QCOMPARE(InCompare<QLineEdit>("tireB").text(), QStringLiteral("24"));  // untouched

        SetField("gearB2", QStringLiteral("2.1"));
        QCOMPARE(picker.currentText(), QStringLiteral("Custom gears"));
        picker.setFocus();
        QTest::keyClick(&picker, Qt::Key_Down);
        QCOMPARE(picker.currentIndex(), 1);
        QTest::keyClick(&picker, Qt::Key_Down);
        QCOMPARE(picker.currentIndex(), 2);
        QVERIFY(InCompare<QLineEdit>("gearB2").text() != QStringLiteral("2.1"));
    }

    // Opened from a page with nothing chosen: the default setup, and no
    // field marked before anything is typed.
    void opensOnTheDefaultSetupFromAnEmptyPage() {
        Get<QTreeWidget>("ListView")
            .findChild<QAction*>(QStringLiteral("compareGearing"))
            ->trigger();
        for (const char* setup : {"A", "B"}) {
            const QString s = QString::fromLatin1(setup);
            QCOMPARE(InCompare<QLineEdit>(qPrintable("tire" + s)).text(), QStringLiteral("24"));
            QCOMPARE(InCompare<QLineEdit>(qPrintable("axle" + s)).text(), QStringLiteral("3.27"));
            QCOMPARE(InCompare<QLineEdit>(qPrintable("gear" + s + "4")).text(),
                     QStringLiteral("1"));
        }
        for (const QLineEdit* field : Compare().findChildren<QLineEdit*>()) {
            QVERIFY2(!field->property("problem").toBool(), qPrintable(field->objectName()));
        }
    }

    // The gear fields read and tab in order, first to sixth; the line under
    // the tire box never moves the fields below it.
    void gearFieldsReadInOrderAndTheTireNoteStaysPut() {
        OpenFromStockTable();
        InCompare<QSpinBox>("gearCountA").setValue(6);
        QVector<QPoint> corners;
        for (int gear = 1; gear <= 6; ++gear) {
            corners << InCompare<QLineEdit>(qPrintable(QStringLiteral("gearA%1").arg(gear)))
                           .mapTo(&Compare(), QPoint(0, 0));
        }
        for (int i = 1; i < corners.size(); ++i) {
            const bool after =
                corners[i].y() > corners[i - 1].y() ||
                (corners[i].y() == corners[i - 1].y() && corners[i].x() > corners[i - 1].x());
            QVERIFY2(after, qPrintable(QStringLiteral("gear %1").arg(i + 1)));
            QWidget* next = InCompare<QLineEdit>(qPrintable(QStringLiteral("gearA%1").arg(i)))
                                .nextInFocusChain();
            while ((next->focusPolicy() & Qt::TabFocus) == 0) {
                next = next->nextInFocusChain();
            }
            QCOMPARE(next->objectName(), QStringLiteral("gearA%1").arg(i + 1));
        }
        auto& axle = InCompare<QLineEdit>("gearA1");
        const QPoint before = axle.mapTo(&Compare(), QPoint(0, 0));
        for (const char* tire : {"abc", "185/80R13", "", "24"}) {
            SetField("tireA", QString::fromLatin1(tire));
            QCOMPARE(axle.mapTo(&Compare(), QPoint(0, 0)), before);
        }
        QCOMPARE(InCompare<QLabel>("tireNoteA").accessibleName(),
                 QStringLiteral("A tire diameter reads as"));
    }

    // Under a comma locale the results read as the fields do: "32,9".
    void resultsFollowTheLocaleOfTheFields() {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        form_ = std::make_unique<MainForm>();
        form_->SetWarningPresenter([this](QWidget&, const QString& m) { warnings_ << m; });
        form_->show();
        Get<QTreeWidget>("ListView")
            .findChild<QAction*>(QStringLiteral("compareGearing"))
            ->trigger();
        QCOMPARE(InCompare<QLineEdit>("axleA").text(), QStringLiteral("3,27"));
        QCOMPARE(CompareRow("gears", 0), QStringList({"1", "32,9", "3541", "32,9", "3541"}));
        QCOMPARE(CompareRow("cruise", 0).last(), QStringLiteral("0,0"));
        QVERIFY(InCompare<QLabel>("footnote").text().contains("0,1"));
        QVERIFY(InCompare<ChartWidget>("chart").accessibleDescription().contains("32,9 MPH"));
        auto& gears = InCompare<QTreeWidget>("gears");
        gears.findChild<QAction*>(QStringLiteral("copyTable"))->trigger();
        QVERIFY(QGuiApplication::clipboard()->text().contains("\t32,9\t"));
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
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
        QCOMPARE(named, 2 * (1 + 1 + 1 + 1 + 6) + 2 + 3 + 1 + 1);  // and the speedometer's drive
    }

    // The tables take the room their rows and columns need, as many gears
    // as there are.
    void tablesShowWhole() {
        OpenFromStockTable();
        const auto whole = [this] {
            for (const char* name : {"cruise", "gears", "speedometer"}) {
                auto& list = InCompare<QTreeWidget>(name);
                QVERIFY2(list.topLevelItemCount() > 0, name);
                QVERIFY2(ShowsWhole(list), name);
            }
        };
        QApplication::processEvents();
        whole();
        const int rows = InCompare<QTreeWidget>("gears").topLevelItemCount();
        InCompare<QSpinBox>("gearCountB").setValue(6);
        SetField("gearB5", QStringLiteral("0.8"));
        SetField("gearB6", QStringLiteral("0.7"));
        QApplication::processEvents();
        QCOMPARE(InCompare<QTreeWidget>("gears").topLevelItemCount(), rows + 2);
        whole();
    }

    // Every Tab stop is a control that shows it has the focus: no label,
    // no pane; the chart draws a focus frame.
    void everyTabStopShowsTheFocus() {
        OpenFromStockTable();
        const QWidgetList stops = TabStops(InCompare<QLineEdit>("tireA"));
        QVERIFY(stops.size() > 20);
        QVERIFY(stops.contains(&InCompare<QTreeWidget>("speedometer")));
        for (const QWidget* stop : stops) {
            QVERIFY2(stop->window() == &Compare(), qPrintable(stop->objectName()));
            QVERIFY2(qobject_cast<const QLabel*>(stop) == nullptr &&
                         qobject_cast<const QScrollArea*>(stop) == nullptr,
                     qPrintable(stop->metaObject()->className() + QStringLiteral(" ") +
                                stop->objectName()));
        }
        auto& chart = InCompare<ChartWidget>("chart");
        // As the eye goes: the left column's tables, then the right column.
        const qsizetype gears = stops.indexOf(&InCompare<QTreeWidget>("gears"));
        QVERIFY(gears > 0);
        QCOMPARE(stops.mid(gears, 4), QWidgetList({&InCompare<QTreeWidget>("gears"), &chart,
                                                   &InCompare<QComboBox>("speedometerDrive"),
                                                   &InCompare<QTreeWidget>("speedometer")}));
        chart.clearFocus();
        const QImage unfocused = chart.grab().toImage();
        chart.setFocus(Qt::TabFocusReason);
        QVERIFY(chart.hasFocus());
        QVERIFY(chart.grab().toImage() != unfocused);
    }

    // A keystroke tells screen readers only of the descriptions it changed:
    // a ratio typed on of nothing, a field gone bad or good again of its
    // reason and the problems line; the other setup's fields of nothing.
    void aKeystrokeChangesOnlyTheDescriptionsItChanges() {
        OpenFromStockTable();
        auto& axle = InCompare<QLineEdit>("axleA");
        auto& tire = InCompare<QLineEdit>("tireA");
        axle.setFocus();
        axle.end(false);
        {
            const DescriptionChanges changes(Compare());
            QTest::keyClick(&axle, Qt::Key_1);  // 3.271: still a ratio
            QCOMPARE(changes.Count(), 0);
        }
        {
            const DescriptionChanges changes(Compare());
            QTest::keyClick(&axle, Qt::Key_X);  // the field, the problems line
            QCOMPARE(changes.Count(), 2);
        }
        {
            const DescriptionChanges changes(Compare());
            QTest::keyClick(&axle, Qt::Key_Backspace);
            QCOMPARE(changes.Count(), 2);
        }
        tire.setFocus();
        tire.end(false);
        {
            const DescriptionChanges changes(Compare());
            QTest::keyClick(&tire, Qt::Key_5);  // 245 in: too large
            QCOMPARE(changes.Count(), 2);
        }
    }

    // The main window is as it was: the same controls, no menu bar, its size.
    // Ctrl+Shift+G, from a field or a table, and each table's menu open the
    // gearing questions with setup A as typed.
    void gearingQuestionsOpenFromSetupA_data() {
        QTest::addColumn<QString>("focus");
        QTest::newRow("from A's axle field") << "axleA";
        QTest::newRow("from the gear table") << "gears";
        QTest::newRow("from the speedometer table") << "speedometer";
    }
    void gearingQuestionsOpenFromSetupA() {
        QFETCH(QString, focus);
        OpenFromStockTable();
        SetField("axleA", QStringLiteral("3.55"));
        for (const char* name : {"cruise", "gears", "speedometer"}) {
            QStringList menu;
            for (const QAction* action : InCompare<QTreeWidget>(name).actions()) {
                menu << action->text();
            }
            QCOMPARE(menu.last(), QStringLiteral("Gearing Questions\u2026"));
        }
        Compare().activateWindow();
        QVERIFY(QTest::qWaitFor([this] { return QApplication::activeWindow() == &Compare(); }));
        auto& target = InCompare<QWidget>(qPrintable(focus));
        target.setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), &target);
        QTest::keyClick(&target, Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
        QVERIFY(form_->Questions() != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(form_->Questions()));
        auto* axle = form_->Questions()->findChild<QLineEdit*>(QStringLiteral("tireAxle"));
        QVERIFY(axle != nullptr);
        QCOMPARE(axle->text(), QStringLiteral("3.55"));
        QVERIFY(warnings_.isEmpty());
    }

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
