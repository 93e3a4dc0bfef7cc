// tachoria-cli prints, cell for cell, the tables the windows show for the
// same inputs.
#include <QComboBox>
#include <QProcess>

#include "WindowTestBase.h"
#include "catalogue/StockCatalogue.h"
#include "comparison/StockGearboxes.h"
#include "ui/CompareWindow.h"
#include "ui/LocaleNumbers.h"

class CliMatchesWindowTest : public WindowTestBase {
    Q_OBJECT

    // The program's tables as tab-separated lines, one list per table, or
    // its error.
    static QList<QStringList> CliTables(const QStringList& args) {
        QProcess cli;
        cli.start(QStringLiteral(TACHORIA_CLI), args + QStringList{"--format", "tsv"});
        if (!cli.waitForFinished(30000) || cli.exitCode() != 0) {
            return {{QStringLiteral("status %1: %2")
                         .arg(cli.exitCode())
                         .arg(QString::fromUtf8(cli.readAllStandardError()))}};
        }
        QList<QStringList> tables;
        const QString out = QString::fromUtf8(cli.readAllStandardOutput());
        for (const QString& table : out.split(QStringLiteral("\n\n"))) {
            tables << table.split('\n', Qt::SkipEmptyParts);
        }
        return tables;
    }

    static QStringList Cli(const QStringList& args) {
        QStringList lines;
        for (const QStringList& table : CliTables(args)) {
            lines << table;
        }
        return lines;
    }

    // The list as the same lines: cells without their padding, or the sign
    // that marks a cell over the redline (`marks` counts those).
    static QStringList Shown(const QTreeWidget& list, int* marks = nullptr) {
        static const QString kSign = QStringLiteral(" \u25B2");
        QStringList lines = {Headers(list).join('\t')};
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            QStringList cells = Row(list, row);
            for (QString& cell : cells) {
                if (cell.endsWith(kSign) && marks != nullptr) {
                    cell.chop(kSign.size());
                    ++*marks;
                }
                cell = cell.trimmed();
            }
            lines << cells.join('\t');
        }
        return lines;
    }

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }
    void init() { OpenWindow(); }
    void cleanup() { form_.reset(); }

    void stockTablesMatch() {
        int compared = 0;
        for (const std::string_view model : tachoria::ModelTexts()) {
            for (const std::string_view years : tachoria::YearRangeTexts(model)) {
                const tachoria::GearboxCode code = tachoria::GearboxCodeOf(model, years);
                for (const std::string_view axle : tachoria::AxleRatioTexts(code)) {
                    const QStringList texts = Strings(std::array{model, years, axle});
                    Choose("StockModel", texts[0]);
                    Choose("StockYear", texts[1]);
                    Choose("StockDiff", texts[2]);
                    // "-26" is a table in the window, but no tire: the program,
                    // which takes only the working ranges, refuses it.
                    for (const char* tire : {"24", "185/80R13", "13.5 in", "-26"}) {
                        Type("StockTire", QString::fromLatin1(tire));
                        const bool works = tire[0] != '-';
                        for (const auto& [button, get] : {std::pair{"StockGetRPMButton", "rpm"},
                                                          {"StockGetMPHButton", "mph"}}) {
                            Click(button);
                            const QStringList cli =
                                Cli({"stock", "--model", texts[0], "--years", texts[1], "--axle",
                                     texts[2], "--tire", tire, "--get", get});
                            const QString what = texts.join(", ") + ", " + tire + ", " + get +
                                                 ": " + cli.join(" | ");
                            if (works) {
                                QVERIFY2(cli == Shown(Get<QTreeWidget>("ListView")),
                                         qPrintable(what));
                            } else {
                                QVERIFY2(cli.size() == 1 && cli.first().startsWith("status 1"),
                                         qPrintable(what));
                            }
                            ++compared;
                        }
                    }
                }
            }
        }
        QCOMPARE(compared, 17 * 4 * 2);
        QVERIFY(warnings_.isEmpty());
    }

    void genericTablesMatch() {
        Get<QTabWidget>("StockTab").setCurrentIndex(MainForm::kGenericPage);
        // The window tabulates any number; the program only the working
        // ranges (`works`), and refuses the rest.
        const struct {
            const char* tire;
            const char* axle;
            const char* gear;
            bool works;
        } cases[] = {
            {"24", "3.27", "1", true},     {"185/80R13", "3.55", "2.35", true},
            {"13.5", "4.11", "0.7", true}, {"-24", "3.08", "1", false},
            {"26.6", "0", "1", false},     {"30", "3.73", "3.65", true},
            {"1e-3", "3.27", "1", false},  {"P195/70 R14", "3.42", "1.44", true},
            {"100", "50", "0.05", true},   {"5", "0.05", "50", true},
        };
        for (const auto& c : cases) {
            Type("TireBox", QString::fromLatin1(c.tire));
            Type("DiffBox", QString::fromLatin1(c.axle));
            Type("TransBox", QString::fromLatin1(c.gear));
            for (const auto& [button, get] :
                 {std::pair{"Gen_GetRPMButton", "rpm"}, {"Gen_GetMPHButton", "mph"}}) {
                warnings_.clear();
                Click(button);
                const QStringList cli = Cli({"generic", "--tire", c.tire, "--axle", c.axle,
                                             "--gear", c.gear, "--get", get});
                const QString what = QStringLiteral("%1, %2, %3, %4: %5")
                                         .arg(c.tire, c.axle, c.gear, get, cli.join(" | "));
                if (warnings_.isEmpty() && c.works) {
                    QVERIFY2(cli == Shown(Get<QTreeWidget>("ListView1")), qPrintable(what));
                } else {
                    // No table in the window, or none that works: none from
                    // the program either.
                    QVERIFY2(cli.size() == 1 && cli.first().startsWith("status 1"),
                             qPrintable(what));
                }
            }
        }
    }

    // The comparison window's three lists and `tachoria-cli compare`: the
    // same cells for the same setups, redline and unit; and where a field
    // is out of its range, the window's reason in the program's message.
    void comparisonsMatch() {
        using tachoria::SetupTexts;
        const SetupTexts early = {"24", "3.27", {"3.65", "2.35", "1.44", "1"}};
        const SetupTexts late = {"185/80R13", "3.55", {"3.2", "2.2", "1.47", "1"}};
        const SetupTexts sixSpeed = {
            "P195/70 R14", "3.42", {"4.1", "2.5", "1.6", "1.2", "1", "0.8"}};
        const SetupTexts tall = {"30", "2.73", {"2.2", "1"}};
        const SetupTexts tooSmall = {"4.5", "3.27", {"3.65", "1"}};
        const SetupTexts badGear = {"24", "3.27", {"3.65", "60", "1"}};
        const struct {
            SetupTexts a;
            SetupTexts b;
            const char* redline;
            const char* unit;
            const char* badField;  // the window's field whose reason the program gives
        } cases[] = {
            {early, late, "5500", "mph", nullptr},    {early, sixSpeed, "6500", "kmh", nullptr},
            {sixSpeed, tall, "4000", "mph", nullptr}, {tall, early, "1000", "kmh", nullptr},
            {late, late, "30000", "mph", nullptr},    {early, late, "99", "mph", "redline"},
            {tooSmall, late, "5500", "mph", "tireA"}, {early, badGear, "5500", "kmh", "gearB2"},
        };
        tachoria::CompareWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto field = [&window](const char* name) {
            auto* widget = window.findChild<QWidget*>(QString::fromLatin1(name));
            if (widget == nullptr) {
                qFatal("no field named %s", name);
            }
            return widget;
        };
        int marked = 0;
        for (const auto& c : cases) {
            window.Fill(c.b, false);
            window.Fill(c.a, true);
            auto* redline = qobject_cast<QLineEdit*>(field("redline"));
            redline->clear();
            QTest::keyClicks(redline, QString::fromLatin1(c.redline));
            qobject_cast<QComboBox*>(field("unit"))
                ->setCurrentIndex(c.unit == std::string("mph") ? 0 : 1);

            // Typed gears start with the transmission; the drive is passed as shown.
            const auto* drive = window.findChild<QComboBox*>(QStringLiteral("speedometerDrive"));
            QVERIFY(drive != nullptr);
            const auto texts = [](const SetupTexts& setup) {
                return Strings(setup.gears).join(',');
            };
            const QStringList args = {"compare",
                                      "--a-tire",
                                      Strings(std::array{c.a.tire})[0],
                                      "--a-axle",
                                      Strings(std::array{c.a.axle})[0],
                                      "--a-gears",
                                      texts(c.a),
                                      "--b-tire",
                                      Strings(std::array{c.b.tire})[0],
                                      "--b-axle",
                                      Strings(std::array{c.b.axle})[0],
                                      "--b-gears",
                                      texts(c.b),
                                      "--redline",
                                      c.redline,
                                      "--unit",
                                      c.unit,
                                      "--driven-from",
                                      drive->currentIndex() == 0 ? "transmission" : "wheel"};
            const QList<QStringList> cli = CliTables(args);
            const QString what = args.join(' ') + ": " + cli.first().join(" | ");
            if (c.badField != nullptr) {
                const QString reason = field(c.badField)->toolTip();
                QVERIFY2(!reason.isEmpty(), qPrintable(what));
                QVERIFY2(cli.size() == 1 && cli.first().size() == 1 &&
                             cli.first().first().startsWith("status 1: ") &&
                             cli.first().first().contains(reason),
                         qPrintable(what + " / " + reason));
                continue;
            }
            QVERIFY2(cli.size() == 3, qPrintable(what));
            int marks = 0;
            const char* lists[] = {"cruise", "gears", "speedometer"};
            for (int i = 0; i < 3; ++i) {
                auto* list = window.findChild<QTreeWidget*>(QString::fromLatin1(lists[i]));
                QVERIFY(list != nullptr);
                QVERIFY2(cli[i] == Shown(*list, &marks),
                         qPrintable(what + "\n" + cli[i].join('\n') + "\n---\n" +
                                    Shown(*list).join('\n')));
            }
            // The program's text marks the same cells, and says what the sign means.
            QProcess text;
            text.start(QStringLiteral(TACHORIA_CLI), args);
            QVERIFY(text.waitForFinished(30000));
            const QString shown = QString::fromUtf8(text.readAllStandardOutput());
            QCOMPARE(shown.count(QStringLiteral("\u25B2")), marks + (marks > 0 ? 1 : 0));
            marked += marks;
        }
        // The redlines above put some cruising speeds over them.
        QVERIFY(marked > 0);
    }

    // Every gearbox of the catalogue as A, by --a-model and --a-years, and
    // B on 185/80R13 with a 3.55 axle: the program takes the same gears and
    // the same speedometer drive from A's model line as the window does.
    void comparisonsByModelLineMatch() {
        tachoria::CompareWindow window;
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        const auto* drive = window.findChild<QComboBox*>(QStringLiteral("speedometerDrive"));
        QVERIFY(drive != nullptr);
        int wheels = 0;
        for (const std::string_view model : tachoria::ModelTexts()) {
            for (const std::string_view years : tachoria::YearRangeTexts(model)) {
                const tachoria::StockGearbox gearbox{std::string(model), std::string(years)};
                const tachoria::LocaleNumbers numbers;
                const tachoria::SetupTexts a = {"24", "3.27",
                                                tachoria::StockGearTexts(gearbox, numbers)};
                window.Fill({"185/80R13", "3.55", a.gears}, false, gearbox);
                window.Fill(a, true, gearbox);
                const QStringList texts = Strings(std::array{model, years});
                const QStringList args = {
                    "compare", "--a-tire",  "24",     "--a-axle",  "3.27",      "--a-model",
                    texts[0],  "--a-years", texts[1], "--b-tire",  "185/80R13", "--b-axle",
                    "3.55",    "--b-model", texts[0], "--b-years", texts[1]};
                const QList<QStringList> cli = CliTables(args);
                const QString what = args.join(' ') + ": " + cli.first().join(" | ");
                QVERIFY2(cli.size() == 3, qPrintable(what));
                const char* lists[] = {"cruise", "gears", "speedometer"};
                for (int i = 0; i < 3; ++i) {
                    auto* list = window.findChild<QTreeWidget*>(QString::fromLatin1(lists[i]));
                    QVERIFY(list != nullptr);
                    QVERIFY2(cli[i] == Shown(*list),
                             qPrintable(what + "\n" + cli[i].join('\n') + "\n---\n" +
                                        Shown(*list).join('\n')));
                }
                wheels += drive->currentIndex();
            }
        }
        QCOMPARE(wheels, 2);  // the late car's two year ranges
    }
};

QTEST_MAIN(CliMatchesWindowTest)
#include "CliMatchesWindowTest.moc"
