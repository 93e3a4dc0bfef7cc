// The Gearing Questions window: opened from the result lists, the shortcut
// and again while open; filled from the page; every answer recomputed as
// fields change, against values worked by hand (RPM = speed in MPH × axle ×
// gear × 336.135 ÷ tire diameter, truncated as the tables).
#include <QAbstractSpinBox>
#include <QAction>
#include <QClipboard>
#include <QFileDialog>
#include <QLabel>
#include <QMessageBox>
#include <QRadioButton>
#include <QScreen>
#include <QScrollArea>
#include <QSpinBox>

#include "WindowTestBase.h"
#include "ui/QuestionsWindow.h"
#include "ui/ToolWindow.h"

using tachoria::QuestionsWindow;

namespace {

const QString kDash = QStringLiteral("\u2014");

}  // namespace

class QuestionsWindowTest : public WindowTestBase {
    Q_OBJECT

    QuestionsWindow& Questions() {
        QuestionsWindow* window = form_->Questions();
        if (window == nullptr) {
            qFatal("the questions window is not open");
        }
        return *window;
    }

    template <typename T>
    T& In(const QString& name) {
        auto* control = Questions().findChild<T*>(name);
        if (control == nullptr) {
            qFatal("no control %s in the questions window", qPrintable(name));
        }
        return *control;
    }

    // Sets a control as a user would: types into a field, picks an item of a
    // list, clicks a radio button, sets a spin box.
    void Set(const QString& name, const QString& value) {
        QObject* control = Questions().findChild<QWidget*>(name);
        QVERIFY2(control != nullptr, qPrintable(name));
        if (auto* field = qobject_cast<QLineEdit*>(control)) {
            QVERIFY2(field->isEnabled(), qPrintable(name));
            field->selectAll();
            if (value.isEmpty()) {
                QTest::keyClick(field, Qt::Key_Delete);
            } else {
                QTest::keyClicks(field, value);
            }
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            const int index = combo->findText(value);
            QVERIFY2(index >= 0, qPrintable(value));
            combo->setCurrentIndex(index);
            emit combo->activated(index);
        } else if (auto* radio = qobject_cast<QRadioButton*>(control)) {
            QTest::mouseClick(radio, Qt::LeftButton, {}, QPoint(4, radio->height() / 2));
            QVERIFY(radio->isChecked());
        } else if (auto* spin = qobject_cast<QSpinBox*>(control)) {
            spin->setValue(value.toInt());
        } else {
            QFAIL(qPrintable(name + QStringLiteral(" cannot be set")));
        }
    }

    // Each "name=value" of `settings`, in order.
    void SetAll(const QStringList& settings) {
        for (const QString& setting : settings) {
            const qsizetype equals = setting.indexOf(QLatin1Char('='));
            Set(setting.left(equals), setting.mid(equals + 1));
        }
    }

    // The text of the label that captions `field` on screen.
    QString CaptionOf(const QWidget& field) {
        for (const QLabel* label : Questions().findChildren<QLabel*>()) {
            if (label->buddy() == &field) {
                return label->text();
            }
        }
        return {};
    }

    // A question's sentence, with the no-break spaces that keep "%" by its
    // number read as spaces.
    QString Sentence(const QString& question) {
        return In<QLabel>(question + "Summary").text().replace(QChar(0xA0), QLatin1Char(' '));
    }

    QStringList ListRow(const QString& list, int row) { return Row(In<QTreeWidget>(list), row); }

    // The stock page's early car with a 3.27 axle on 185/80R13 tires, its
    // table, and the questions from that list's menu.
    void OpenFromStockTable() {
        SelectEarlyCar();
        Type("StockTire", QStringLiteral("185/80R13"));
        Click("StockGetRPMButton");
        auto* action =
            Get<QTreeWidget>("ListView").findChild<QAction*>(QStringLiteral("gearingQuestions"));
        QVERIFY(action != nullptr);
        QCOMPARE(action->text(), QStringLiteral("Gearing Questions\u2026"));
        action->trigger();
        QVERIFY(form_->Questions() != nullptr);
        QVERIFY(QTest::qWaitForWindowExposed(&Questions()));
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }
    void init() { OpenWindow(); }
    void cleanup() {
        form_.reset();
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
    }

    void startsOnlyWhenFirstOpened() {
        QCOMPARE(form_->Questions(), nullptr);
        QCOMPARE(form_->findChild<QuestionsWindow*>(), nullptr);
    }

    // The stock page gives its tire and axle, its gearbox in top gear, and
    // the early car's speedometer, driven from the transaxle.
    void takesTheStockPagesGearing() {
        OpenFromStockTable();
        QCOMPARE(Questions().objectName(), QStringLiteral("questionsWindow"));
        QCOMPARE(Questions().windowTitle(), QStringLiteral("Gearing Questions"));
        const QList<std::pair<QString, QString>> fields = {
            {"axleRpm", "2800"},    {"axleSpeed", "70"},       {"axleTire", "185/80R13"},
            {"axleGear", "1"},      {"tireRpm", "2800"},       {"tireSpeed", "70"},
            {"tireAxle", "3.27"},   {"tireGear", "1"},         {"tachRpm", "2900"},
            {"tachSpeed", "60"},    {"tachTire", "185/80R13"}, {"tachGears", "3.65, 2.35, 1.44, 1"},
            {"teeth", "18"},        {"aTire", "185/80R13"},    {"aAxle", "3.27"},
            {"bTire", "185/80R13"}, {"bAxle", "3.27"},
        };
        for (const auto& [name, text] : fields) {
            QVERIFY2(In<QLineEdit>(name).text() == text, qPrintable(name));
            QVERIFY2(!In<QLineEdit>(name).property("problem").toBool(), qPrintable(name));
        }
        QCOMPARE(In<QComboBox>("gearbox").currentText(),
                 QStringLiteral("Early Car (1961-1964), 1961-1963"));
        QVERIFY(In<QLineEdit>("tachGears").isReadOnly());
        QCOMPARE(In<QSpinBox>("inGear").value(), 4);
        QCOMPARE(In<QSpinBox>("inGear").maximum(), 4);
        QCOMPARE(In<QComboBox>("drive").currentText(),
                 QStringLiteral("the transmission (on a Corvair, the transaxle)"));
        QCOMPARE(In<QComboBox>("tireRim").currentText(), QStringLiteral("13 in"));  // its wheels
        QVERIFY(warnings_.isEmpty());
    }

    // The tire question's sizes for one rim: every size listed is on it,
    // the rim is captioned with a key of its own and named for screen
    // readers, and "any" gives the sizes on every rim again.
    void offersTiresForTheCarsWheels() {
        OpenFromStockTable();
        auto& rim = In<QComboBox>("tireRim");
        QCOMPARE(rim.count(), 9);
        QCOMPARE(rim.itemText(0), QStringLiteral("any"));
        QCOMPARE(CaptionOf(rim), QStringLiteral("&Rim"));
        QCOMPARE(rim.accessibleName(), QStringLiteral("Tire question: rim"));
        int withR = 0;
        for (const QLabel* label : Questions().findChildren<QLabel*>()) {
            withR += label->text().contains(QStringLiteral("&R"), Qt::CaseInsensitive) ? 1 : 0;
        }
        QCOMPARE(withR, 1);
        auto& list = In<QTreeWidget>("tireList");
        for (const QString& chosen : {QStringLiteral("14 in"), QStringLiteral("20 in")}) {
            Set("tireRim", chosen);
            QCOMPARE(list.topLevelItemCount(), 11);
            const QString onRim = QLatin1Char('R') + chosen.left(2);
            for (int row = 1; row < list.topLevelItemCount(); ++row) {
                QVERIFY2(ListRow("tireList", row).at(1).endsWith(onRim),
                         qPrintable(ListRow("tireList", row).join(' ')));
            }
        }
        // 27.48 in on any rim is nearest 265/55R16, as without a choice.
        Set("tireRim", "any");
        QCOMPARE(ListRow("tireList", 1).at(1), QStringLiteral("265/55R16"));
        QVERIFY(warnings_.isEmpty());
    }

    // A late car from the stock page drives its speedometer from the left
    // front wheel: no teeth to change, an adapter's ratio instead. A
    // gearbox picked for the tachometer sets the drive from its model line,
    // and the Powerglide's footnote adds the converter's slip.
    void drivesTheSpeedometerAsTheCarsModelLine() {
        Get<QTabWidget>("StockTab").setCurrentIndex(MainForm::kStockPage);
        Choose("StockModel", QStringLiteral("Late Car (1965-1969)"));
        Choose("StockYear", QStringLiteral("1966-1969"));
        Choose("StockDiff", QStringLiteral("3.55"));
        Type("StockTire", QStringLiteral("25.3"));
        Click("StockGetRPMButton");
        Get<QTreeWidget>("ListView")
            .findChild<QAction*>(QStringLiteral("gearingQuestions"))
            ->trigger();
        QVERIFY(QTest::qWaitForWindowExposed(&Questions()));
        QCOMPARE(In<QComboBox>("drive").currentText(), QStringLiteral("the left front wheel"));
        QVERIFY(!In<QLineEdit>("teeth").isEnabled());
        QVERIFY(In<QComboBox>("drive").isEnabled());  // in either form
        Set("offPercent", "3");
        QVERIFY(Sentence("speedometer").contains("cable ratio adapter of 0.971"));
        QVERIFY(In<QLabel>("cableAdapterNote").isVisible());
        QVERIFY(!In<QLabel>("rollingTireNote").text().contains("converter"));

        Set("gearbox", "Early Car (1961-1964), Powerglide (1.82, 1.00)");
        QCOMPARE(In<QComboBox>("drive").currentText(),
                 QStringLiteral("the transmission (on a Corvair, the transaxle)"));
        QVERIFY(In<QLineEdit>("teeth").isEnabled());
        QVERIFY(!In<QLabel>("cableAdapterNote").isVisible());
        QVERIFY(Sentence("speedometer").contains("teeth on the driven gear"));
        QCOMPARE(In<QLineEdit>("tachGears").text(), QStringLiteral("1.82, 1"));
        QVERIFY(In<QLabel>("rollingTireNote").text().contains("converter slips at cruise"));
        Set("gearbox", "Late Car (1965-1969), Powerglide (1.82, 1.00)");
        QCOMPARE(In<QComboBox>("drive").currentText(), QStringLiteral("the left front wheel"));
        Set("gearbox", "Typed gears");
        QCOMPARE(In<QComboBox>("drive").currentText(),
                 QStringLiteral("the transmission (on a Corvair, the transaxle)"));
        QVERIFY(!In<QLabel>("rollingTireNote").text().contains("converter"));
        QVERIFY(warnings_.isEmpty());
    }

    // Each question against its answer worked by hand.
    void answersEachQuestion_data() {
        QTest::addColumn<QStringList>("settings");
        QTest::addColumn<QString>("question");
        // What the sentence above the list must say.
        QTest::addColumn<QStringList>("figures");
        QTest::addColumn<QList<QStringList>>("rows");
        // 2800 × 24 ÷ (70 × 336.135 × 1) = 2.856; 70 × 3.08 × 336.135 ÷ 24
        // = 3019.6, 7.8 % over 2800.
        QTest::newRow("axle for 2800 RPM at 70 MPH on 24 in, 4th")
            << QStringList{"axleTire=24"} << "axle" << QStringList{"2.86", "2800 RPM at 70 MPH"}
            << QList<QStringList>{{"Needed", "2.86", "2803", "+0.1"},
                                  {"Factory", "3.08", "3019", "+7.8"},
                                  {"Factory", "3.27", "3205", "+14.5"}};
        // 70 × 3.27 × 336.135 ÷ 2800 = 27.479 in, 63360 ÷ (π × 27.479) = 734
        // revolutions; 265/55R16 is 16 + 2 × 265 × 0.55 ÷ 25.4 = 27.476 in.
        QTest::newRow("tire for 2800 RPM at 70 MPH, 3.27 axle, 4th")
            << QStringList{"tireRim=any"} << "tire"
            << QStringList{"27.48 in", "734 revolutions per mile", "2800 RPM at 70 MPH"}
            << QList<QStringList>{{}, {"Size", "265/55R16", "27.48", "734", "0.0"}};
        // On the early car's 13-in wheels: 13 + 2 × 245 × 0.75 ÷ 25.4 =
        // 27.468 in, 0.04 % under.
        QTest::newRow("tire for 2800 RPM at 70 MPH on the car's 13-in wheels")
            << QStringList{} << "tire" << QStringList{"27.48 in", "2800 RPM at 70 MPH"}
            << QList<QStringList>{{}, {"Size", "245/75R13", "27.47", "734", "0.0"}};
        // 185/80R13 is 24.654 in: 2900 × 24.654 ÷ (60 × 336.135) = 3.545;
        // 60 × 3.55 × 336.135 ÷ 24.654 = 2904.2.
        QTest::newRow("tachometer 2900 RPM at 60 MPH in 4th, early car")
            << QStringList{} << "identify" << QStringList{"3.54", "3.55", "2904 RPM", "+0.1 %"}
            << QList<QStringList>{{"Reading", "3.54", "2900", "0.0", "24.65", "818"},
                                  {"Factory", "3.55", "2904", "+0.1", "24.69", "817"}};
        // 18 × 1.057 = 19.026 teeth; 19.026 ÷ 19 and ÷ 20.
        QTest::newRow("speedometer 18 teeth reading 5.7 % high")
            << QStringList{"offPercent=5.7"} << "speedometer"
            << QStringList{"5.7 % high", "19.03 teeth", "19 teeth leave +0.1 %",
                           "20 teeth leave -4.9 %"}
            << QList<QStringList>{{"Now", "18", "+5.7"},
                                  {"True", "19.03", "0.0"},
                                  {"Nearest", "19", "+0.1"},
                                  {"Nearest", "20", "-4.9"}};
        // From the transmission: (24 ÷ 3.27) ÷ (24.654 ÷ 3.55) = 1.0569, so
        // 5.7 % high, as the comparison says; 18 × 1.0569 = 19.02.
        QTest::newRow("speedometer after 185/80R13 and a 3.55 axle")
            << QStringList{"fromChange=",
                           "drive=the transmission (on a Corvair, the transaxle)",
                           "aTire=24",
                           "aAxle=3.27",
                           "bTire=185/80R13",
                           "bAxle=3.55"}
            << "speedometer" << QStringList{"5.7 % high", "19.02 teeth"}
            << QList<QStringList>{{"Now", "18", "+5.7"}, {"True", "19.02", "0.0"}};
        // From a front wheel only the tires count: 24 ÷ 24.654 = 0.9735, and
        // with no driven gear an adapter of 1 ÷ 0.9735 = 1.027 makes it true.
        QTest::newRow("speedometer from the wheel after 185/80R13")
            << QStringList{"fromChange=", "drive=the left front wheel", "aTire=24",
                           "bTire=185/80R13"}
            << "speedometer"
            << QStringList{"2.7 % low", "no driven gear", "cable ratio adapter of 1.027"}
            << QList<QStringList>{{"Now", "1.000", "-2.7"}, {"True", "1.027", "0.0"}};
        // The late car 1966-1969 on 7.00-13 (25.3 in) changed to 195/70R14
        // (24.748 in): 25.3 ÷ 24.748 = 1.0223, 2.2 % high whatever the axle.
        QTest::newRow("late car's speedometer after 195/70R14")
            << QStringList{"gearbox=Late Car (1965-1969), 1966-1969", "fromChange=", "aTire=25.3",
                           "bTire=195/70R14"}
            << "speedometer" << QStringList{"2.2 % high", "cable ratio adapter of 0.978"}
            << QList<QStringList>{{"Now", "1.000", "+2.2"}, {"True", "0.978", "0.0"}};
        // The early car's transaxle: (3.55 ÷ 24.654) ÷ (3.27 ÷ 24) = 1.0568.
        QTest::newRow("early car's speedometer after 185/80R13 and 3.55")
            << QStringList{"gearbox=Early Car (1961-1964), 1961-1963",
                           "fromChange=",
                           "aTire=24",
                           "aAxle=3.27",
                           "bTire=185/80R13",
                           "bAxle=3.55"}
            << "speedometer" << QStringList{"5.7 % high", "19.02 teeth"}
            << QList<QStringList>{{"Now", "18", "+5.7"}, {"True", "19.02", "0.0"}};
        // The Powerglide in high (1.00): every factory axle ratio is checked.
        QTest::newRow("tachometer with the late car's Powerglide")
            << QStringList{"gearbox=Late Car (1965-1969), Powerglide (1.82, 1.00)"} << "identify"
            << QStringList{"3.54", "3.55"}
            << QList<QStringList>{{"Reading", "3.54", "2900", "0.0", "24.65", "818"},
                                  {"Factory", "3.55", "2904", "+0.1", "24.69", "817"}};
    }

    void answersEachQuestion() {
        QFETCH(QStringList, settings);
        QFETCH(QString, question);
        QFETCH(QStringList, figures);
        QFETCH(QList<QStringList>, rows);
        OpenFromStockTable();
        SetAll(settings);
        const QString summary = Sentence(question);
        for (const QString& figure : figures) {
            QVERIFY2(summary.contains(figure), qPrintable(summary));
        }
        QCOMPARE(In<QTreeWidget>(question + "List").accessibleDescription(),
                 In<QLabel>(question + "Summary").text());
        for (int row = 0; row < rows.size(); ++row) {
            if (!rows[row].isEmpty()) {  // the sentence says it
                QCOMPARE(ListRow(question + "List", row), rows[row]);
            }
        }
        QVERIFY(!In<QLabel>(question + "Problems").isVisible());
        QVERIFY(warnings_.isEmpty());
    }

    // The tachometer question checks the ratios of the gearbox chosen, in
    // the gear chosen; typed gears are checked against every factory ratio.
    void identifiesWithTheGearboxAndGearChosen() {
        OpenFromStockTable();
        // 3rd (1.44) at 2900 RPM and 60 MPH: 3.545 ÷ 1.44 = 2.46, off every
        // factory ratio by more than 4 %.
        Set("inGear", "3");
        QCOMPARE(ListRow("identifyList", 0).mid(0, 2), QStringList({"Reading", "2.46"}));
        QVERIFY(Sentence("identify").contains("no factory ratio comes within 4 %"));
        Set("gearbox", "Typed gears");
        QVERIFY(!In<QLineEdit>("tachGears").isReadOnly());
        Set("tachGears", "3.65, 2.35, 1.44, 1.2");
        Set("inGear", "4");
        // 3.545 ÷ 1.2 = 2.95: nearest of all the factory ratios, 3.08.
        QCOMPARE(ListRow("identifyList", 0).mid(0, 2), QStringList({"Reading", "2.95"}));
        QCOMPARE(ListRow("identifyList", 1).mid(0, 2), QStringList({"Factory", "3.08"}));
        // Three gears typed: the spin box offers no fourth.
        Set("tachGears", "2.8, 1.6, 1");
        QCOMPARE(In<QSpinBox>("inGear").maximum(), 3);
        QCOMPARE(In<QSpinBox>("inGear").value(), 3);
        QCOMPARE(ListRow("identifyList", 0).mid(0, 2), QStringList({"Reading", "3.54"}));
    }

    // A field that cannot be used marks itself and says why, in its tooltip,
    // for screen readers and in a red line under its question, whose answer
    // then shows none; no message box. Mended, all is as before.
    void badFieldsMarkThemselvesWithAReason_data() {
        QTest::addColumn<QStringList>("before");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("question");
        QTest::addColumn<QString>("caption");
        QTest::addColumn<QString>("problem");
        QTest::newRow("speed zero") << QStringList{} << "axleSpeed"
                                    << "0"
                                    << "axle"
                                    << "Road speed"
                                    << "Must be greater than 0: type a number from 1 to 300 MPH.";
        QTest::newRow("engine speed a word")
            << QStringList{} << "tireRpm"
            << "fast"
            << "tire"
            << "Engine RPM"
            << "Not a number: type a number from 100 to 30000 RPM.";
        QTest::newRow("inch-width tire") << QStringList{} << "tachTire"
                                         << "7.50-14"
                                         << "identify"
                                         << "Tire"
                                         << "An inch-width size: type the tire's diameter, or its "
                                            "revolutions per mile from the tire's data.";
        QTest::newRow("typed gear not a number")
            << QStringList{"gearbox=Typed gears"} << "tachGears"
            << "3.65, x, 1"
            << "identify"
            << "Gear ratios"
            << "2nd gear: Not a number: type a number from 0.05 to 50.";
        QTest::newRow("seven gears")
            << QStringList{"gearbox=Typed gears"} << "tachGears"
            << "1, 1, 1, 1, 1, 1, 1"
            << "identify"
            << "Gear ratios"
            << "Too many: type 1 to 6 gear ratios, first gear first, with \",\" between them.";
        QTest::newRow("no teeth") << QStringList{} << "teeth"
                                  << ""
                                  << "speedometer"
                                  << "Driven gear teeth"
                                  << "Empty: type a whole number from 1 to 100.";
        QTest::newRow("error past half") << QStringList{} << "offPercent"
                                         << "-60"
                                         << "speedometer"
                                         << "Reads off by"
                                         << "Too small: type a number from -50 to 50 %.";
        QTest::newRow("B axle of the change")
            << QStringList{"fromChange=", "drive=the transmission (on a Corvair, the transaxle)"}
            << "bAxle"
            << "0"
            << "speedometer"
            << "B axle ratio"
            << "Must be greater than 0: type a number from 0.05 to 50.";
    }

    void badFieldsMarkThemselvesWithAReason() {
        QFETCH(QStringList, before);
        QFETCH(QString, field);
        QFETCH(QString, text);
        QFETCH(QString, question);
        QFETCH(QString, caption);
        QFETCH(QString, problem);
        OpenFromStockTable();
        SetAll(before);
        auto& edit = In<QLineEdit>(field);
        const QString good = edit.text();
        Set(field, text);
        QCOMPARE(edit.property("problem").toBool(), true);
        QCOMPARE(edit.toolTip(), problem);
        QCOMPARE(edit.accessibleDescription(), problem);
        auto& problems = In<QLabel>(question + "Problems");
        QVERIFY(problems.isVisible());
        QCOMPARE(problems.text(), caption + ": " + problem);
        QCOMPARE(problems.accessibleDescription(), problems.text());
        QCOMPARE(In<QLabel>(question + "Summary").text(), kDash);
        auto& list = In<QTreeWidget>(question + "List");
        QCOMPARE(list.topLevelItemCount(), 0);
        QVERIFY(!list.findChild<QAction*>(QStringLiteral("copyTable"))->isEnabled());
        QCOMPARE(Questions().findChild<QMessageBox*>(), nullptr);
        QVERIFY(warnings_.isEmpty());

        Set(field, good);
        QCOMPARE(edit.property("problem").toBool(), false);
        QVERIFY(!problems.isVisible());
        QVERIFY(list.topLevelItemCount() > 0);
    }

    // Fields that each read well but ask for what no car has: the question
    // says why it has no answer.
    void anAnswerOutsideTheRangesIsRefused() {
        OpenFromStockTable();
        SetAll({"axleRpm=30000", "axleSpeed=5", "axleTire=100"});
        // 30000 × 100 ÷ (5 × 336.135) = 1785.00.
        QVERIFY2(In<QLabel>("axleProblems")
                     .text()
                     .startsWith("No answer: it would take an axle ratio of 1785.00"),
                 qPrintable(In<QLabel>("axleProblems").text()));
        QCOMPARE(In<QLabel>("axleSummary").text(), kDash);
        for (const char* name : {"axleRpm", "axleSpeed", "axleTire"}) {
            QVERIFY(!In<QLineEdit>(name).property("problem").toBool());
        }
    }

    // km/h writes the speeds typed in km/h, and the answers follow them.
    void kmhConvertsTheSpeeds() {
        OpenFromStockTable();
        Set("axleTire", "24");
        Set("unit", "km/h");
        for (const char* speed : {"axleSpeed", "tireSpeed"}) {
            QCOMPARE(In<QLineEdit>(speed).text(), QStringLiteral("112.65"));
        }
        QCOMPARE(In<QLineEdit>("tachSpeed").text(), QStringLiteral("96.56"));
        // 112.65 km/h is 69.998 MPH: the answers stay those for 70 MPH, and
        // the fitted axle's 3.55 still gives 2904 RPM.
        QVERIFY(In<QLabel>("axleSummary").text().contains("2.86"));
        QVERIFY(In<QLabel>("axleSummary").text().contains("2800 RPM at 112.65 km/h"));
        QCOMPARE(Headers(In<QTreeWidget>("axleList")).at(2), QStringLiteral("RPM at 112.65 km/h"));
        QVERIFY(In<QLabel>("identifySummary").text().contains("3.55, which gives 2904 RPM"));
        QCOMPARE(CaptionOf(In<QLineEdit>("axleSpeed")), QStringLiteral("Speed, km/h"));
        QCOMPARE(CaptionOf(In<QLineEdit>("tachSpeed")), QStringLiteral("True speed (GPS), km/h"));
        QVERIFY(In<QLineEdit>("axleSpeed").toolTip().isEmpty());
        Set("axleSpeed", "600");
        QCOMPARE(In<QLineEdit>("axleSpeed").toolTip(),
                 QStringLiteral("Too large: type a number from 1 to 500 km/h."));
        Set("axleSpeed", "112.65");
        Set("unit", "MPH");
        QCOMPARE(In<QLineEdit>("axleSpeed").text(), QStringLiteral("70"));
        QVERIFY(In<QLabel>("axleSummary").text().contains("2.86"));
        QVERIFY(In<QLabel>("axleSummary").text().contains("2800 RPM at 70 MPH"));
    }

    // Copying gives the rows as tab-separated text; saving and printing
    // offer names that say what was asked.
    void listsCopyAndOfferNamesForTheirFiles() {
        OpenFromStockTable();
        Set("axleTire", "24");
        In<QTreeWidget>("axleList").findChild<QAction*>(QStringLiteral("copyTable"))->trigger();
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("\tAxle ratio\tRPM at 70 MPH\tOff %\nNeeded\t2.86\t2803\t+0.1\n"
                                "Factory\t3.08\t3019\t+7.8\nFactory\t3.27\t3205\t+14.5\n"));
        const QList<std::pair<QString, QString>> names = {
            {"axleList", "questions-axle_2800-rpm_70-mph_tire-24_gear-1.csv"},
            // The early car's 13-in wheels, from the stock page.
            {"tireList", "questions-tire_2800-rpm_70-mph_axle-3.27_gear-1_rim-13.csv"},
            {"identifyList", "questions-fitted-axle_2900-rpm_60-mph_tire-185-80R13_gear-4.csv"},
            {"speedometerList", "questions-speedometer_teeth-18_high-0.csv"},
        };
        for (const auto& [name, file] : names) {
            auto& list = In<QTreeWidget>(name);
            for (const char* action : {"copyRows", "copyTable", "saveTable", "printTable"}) {
                QVERIFY2(list.findChild<QAction*>(QString::fromLatin1(action)) != nullptr, action);
            }
            QCOMPARE(list.findChild<QAction*>(QStringLiteral("gearingQuestions")), nullptr);
            list.findChild<QAction*>(QStringLiteral("saveTable"))->trigger();
            auto* dialog = list.findChild<QFileDialog*>(QStringLiteral("saveTableDialog"));
            QVERIFY(dialog != nullptr);
            QVERIFY2(dialog->selectedFiles().value(0).endsWith(QLatin1Char('/') + file),
                     qPrintable(dialog->selectedFiles().value(0)));
            dialog->close();
            delete dialog;
        }
    }

    // Under a comma locale the gears are written with ";" between them and
    // read back, and the answers use ",".
    void commaLocaleReadsAndWritesWithItsPoint() {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        form_ = std::make_unique<MainForm>();
        form_->SetWarningPresenter([this](QWidget&, const QString& m) { warnings_ << m; });
        form_->show();
        SelectEarlyCar();
        form_->Stock().List().findChild<QAction*>(QStringLiteral("gearingQuestions"))->trigger();
        QCOMPARE(In<QLineEdit>("tachGears").text(), QStringLiteral("3,65; 2,35; 1,44; 1"));
        QVERIFY(In<QLabel>("axleSummary").text().contains("2,86"));
        QCOMPARE(ListRow("axleList", 1), QStringList({"Factory", "3,08", "3019", "+7,8"}));
        Set("gearbox", "Typed gears");
        Set("tachGears", "3,65; 2,35; 1,44; 1");
        QVERIFY(!In<QLineEdit>("tachGears").property("problem").toBool());
        QVERIFY(In<QLabel>("footnote").text().contains("0,01"));
        QVERIFY(warnings_.isEmpty());
    }

    // Opened again while open, it is the same window as it was, in front;
    // closed, it starts over from the page shown, here the generic page.
    void thereIsOnlyOneAndItComesToTheFront() {
        OpenFromStockTable();
        QuestionsWindow* first = &Questions();
        Set("axleRpm", "3000");
        Get<QTabWidget>("StockTab").setCurrentIndex(MainForm::kGenericPage);
        Type("TireBox", QStringLiteral("26"));
        form_->windowHandle()->requestActivate();
        QTRY_COMPARE(QApplication::activeWindow(), form_.get());
        auto& box = Get<QLineEdit>("TireBox");
        box.setFocus();
        const auto press = [&box] {
            QTest::keyClick(&box, Qt::Key_G, Qt::ControlModifier | Qt::ShiftModifier);
        };
        press();
        QCOMPARE(form_->findChildren<QuestionsWindow*>().size(), 1);
        QCOMPARE(&Questions(), first);
        QCOMPARE(In<QLineEdit>("axleRpm").text(), QStringLiteral("3000"));
        QCOMPARE(In<QLineEdit>("axleTire").text(), QStringLiteral("185/80R13"));

        Questions().close();
        press();
        QCOMPARE(&Questions(), first);
        QVERIFY(Questions().isVisible());
        QCOMPARE(In<QLineEdit>("axleTire").text(), QStringLiteral("26"));
        QCOMPARE(In<QLineEdit>("tireAxle").text(), QStringLiteral("3.27"));  // the default
        QCOMPARE(In<QComboBox>("gearbox").currentText(), QStringLiteral("Typed gears"));
        QCOMPARE(In<QLineEdit>("tachGears").text(), QStringLiteral("1"));
        QVERIFY(!In<QLineEdit>("tachGears").isReadOnly());
        QCOMPARE(In<QSpinBox>("inGear").value(), 1);
        QCOMPARE(In<QComboBox>("drive").currentText(),
                 QStringLiteral("the transmission (on a Corvair, the transaxle)"));
        QCOMPARE(In<QComboBox>("tireRim").currentText(), QStringLiteral("any"));
        QCOMPARE(In<QLineEdit>("axleRpm").text(), QStringLiteral("3000"));  // typed, kept

        Questions().showMinimized();
        QTRY_VERIFY(Questions().isMinimized());
        press();
        QTRY_VERIFY(!Questions().isMinimized());
        QVERIFY(Questions().isVisible());
    }

    // Every field is named for screen readers, and has a caption that says
    // so on screen; the lists and answers are named too.
    void everyFieldIsNamedAndCaptioned() {
        OpenFromStockTable();
        QList<const QWidget*> captioned;
        for (const QLabel* label : Questions().findChildren<QLabel*>()) {
            if (label->buddy() != nullptr) {
                captioned << label->buddy();
            }
        }
        int fields = 0;
        for (QWidget* widget : Questions().findChildren<QWidget*>()) {
            const bool input = qobject_cast<QLineEdit*>(widget) != nullptr ||
                               qobject_cast<QComboBox*>(widget) != nullptr ||
                               qobject_cast<QAbstractSpinBox*>(widget) != nullptr;
            // Spin boxes hold a line edit of their own, named by the box.
            if (!input || qobject_cast<QAbstractSpinBox*>(widget->parentWidget()) != nullptr) {
                continue;
            }
            ++fields;
            QVERIFY2(!widget->accessibleName().isEmpty(), qPrintable(widget->objectName()));
            // The error's field is captioned by the radio button before it.
            QVERIFY2(captioned.contains(widget) || widget->objectName() == "offPercent",
                     qPrintable(widget->objectName()));
        }
        QCOMPARE(fields, 1 + 4 + 5 + 6 + 7);
        for (const char* question : {"axle", "tire", "identify", "speedometer"}) {
            const QString name = QString::fromLatin1(question);
            QVERIFY(!In<QTreeWidget>(name + "List").accessibleName().isEmpty());
            QVERIFY(!In<QLabel>(name + "Summary").accessibleName().isEmpty());
        }
    }

    // On a laptop's 1366×768 screen, less a panel and the title bar, the
    // whole window shows without scrolling.
    void fitsALaptopScreen() {
        const QuestionsWindow window;
        QVERIFY2(window.width() <= 1366 - 8 && window.height() <= 768 - 40 - 40,
                 qPrintable(QStringLiteral("%1×%2").arg(window.width()).arg(window.height())));
    }

    // Where a window first opens: wholly on a laptop's 1366×768 screen with
    // its frame, however tall or low it would have stood; moved no more,
    // and shrunk no more, than that takes.
    void firstOpensWhollyOnItsScreen_data() {
        QTest::addColumn<QRect>("free");
        QTest::addColumn<QRect>("inside");
        QTest::addColumn<QRect>("fitted");
        const QRect laptop(0, 0, 1366, 768);
        const QRect panelAbove(0, 27, 1366, 741);
        QTest::newRow("fits where it is")
            << laptop << QRect(100, 60, 1200, 600) << QRect(100, 60, 1200, 600);
        QTest::newRow("too low") << laptop << QRect(100, 200, 1200, 640)
                                 << QRect(100, 124, 1200, 640);
        QTest::newRow("too tall") << laptop << QRect(0, 0, 1300, 760) << QRect(4, 30, 1300, 734);
        QTest::newRow("too wide and left")
            << panelAbove << QRect(-50, 40, 1500, 500) << QRect(4, 57, 1358, 500);
    }
    void firstOpensWhollyOnItsScreen() {
        QFETCH(QRect, free);
        QFETCH(QRect, inside);
        QFETCH(QRect, fitted);
        const QMargins frame(4, 30, 4, 4);
        const QRect got = tachoria::FittedGeometry(inside, frame, free);
        QCOMPARE(got, fitted);
        QVERIFY(free.contains(got.marginsAdded(frame)));
    }
    // Shown, the window keeps to its screen's free area.
    void showsWithinItsScreen() {
        OpenFromStockTable();
        const QRect free = Questions().screen()->availableGeometry();
        QVERIFY2(free.contains(Questions().frameGeometry()),
                 qPrintable(QStringLiteral("%1,%2 %3×%4")
                                .arg(Questions().x())
                                .arg(Questions().y())
                                .arg(Questions().width())
                                .arg(Questions().height())));
    }

    // Each answer's list takes the room its rows and columns need; with no
    // answer it keeps its width, so that its question does not narrow while
    // a field is corrected.
    void listsShowWholeAndKeepTheirWidth() {
        OpenFromStockTable();
        QApplication::processEvents();
        for (const char* name : {"axleList", "tireList", "identifyList", "speedometerList"}) {
            QVERIFY2(ShowsWhole(In<QTreeWidget>(name)), name);
        }
        auto& list = In<QTreeWidget>("identifyList");
        const int width = list.width();
        Set("tachRpm", "fast");
        QApplication::processEvents();
        QCOMPARE(list.topLevelItemCount(), 0);
        QCOMPARE(list.width(), width);
        Set("tachRpm", "2900");
        QApplication::processEvents();
        QVERIFY(list.topLevelItemCount() > 0);
        QVERIFY(ShowsWhole(list));
    }

    // Tab stops only at controls that show the focus, and enters the
    // error's choice at the one checked, as arrow keys then move it.
    void tabStopsAtControlsAndTheCheckedChoice() {
        OpenFromStockTable();
        auto& teeth = In<QLineEdit>("teeth");
        QWidgetList stops = TabStops(teeth);
        QVERIFY(stops.size() > 20);
        for (const QWidget* stop : stops) {
            QVERIFY2(stop->window() == &Questions(), qPrintable(stop->objectName()));
            QVERIFY2(qobject_cast<const QLabel*>(stop) == nullptr &&
                         qobject_cast<const QScrollArea*>(stop) == nullptr,
                     qPrintable(stop->metaObject()->className() + QStringLiteral(" ") +
                                stop->objectName()));
        }
        QCOMPARE(stops.value(1), &In<QRadioButton>("readsOff"));
        QVERIFY(!stops.contains(&In<QRadioButton>("fromChange")));
        Set("fromChange", {});
        stops = TabStops(teeth);
        QCOMPARE(stops.value(1), &In<QRadioButton>("fromChange"));
        QVERIFY(!stops.contains(&In<QRadioButton>("readsOff")));
    }

    // A keystroke in one question re-describes only that question's boxes
    // whose reason changed: typing on in a good field tells of nothing.
    void aKeystrokeChangesOnlyTheDescriptionsItChanges() {
        OpenFromStockTable();
        auto& rpm = In<QLineEdit>("axleRpm");
        rpm.setFocus();
        rpm.end(false);
        {
            const DescriptionChanges changes(Questions());
            QTest::keyClick(&rpm, Qt::Key_X);  // "2800x": the field and its line
            QCOMPARE(changes.Count(), 2);
        }
        {
            const DescriptionChanges changes(Questions());
            QTest::keyClick(&rpm, Qt::Key_Backspace);
            QCOMPARE(changes.Count(), 2);
        }
        auto& teeth = In<QLineEdit>("teeth");
        teeth.setFocus();
        teeth.end(false);
        const DescriptionChanges changes(Questions());
        QTest::keyClick(&teeth, Qt::Key_Backspace);  // 1 tooth: still a number of teeth
        QTest::keyClick(&teeth, Qt::Key_9);
        QCOMPARE(changes.Count(), 0);
    }

    // The main window is as it was: the same controls and size.
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
        OpenFromStockTable();
        QCOMPARE(controls(), before);
        QCOMPARE(form_->size(), QSize(576, 594));
    }
};

QTEST_MAIN(QuestionsWindowTest)
#include "QuestionsWindowTest.moc"
