// tachoria-cli prints, cell for cell, the tables the window shows for the
// same inputs.
#include <QProcess>

#include "WindowTestBase.h"
#include "catalogue/StockCatalogue.h"

class CliMatchesWindowTest : public WindowTestBase {
    Q_OBJECT

    // The program's table as tab-separated lines, or its error.
    static QStringList Cli(const QStringList& args) {
        QProcess cli;
        cli.start(QStringLiteral(TACHORIA_CLI), args + QStringList{"--format", "tsv"});
        if (!cli.waitForFinished(30000) || cli.exitCode() != 0) {
            return {QStringLiteral("status %1: %2")
                        .arg(cli.exitCode())
                        .arg(QString::fromUtf8(cli.readAllStandardError()))};
        }
        return QString::fromUtf8(cli.readAllStandardOutput()).split('\n', Qt::SkipEmptyParts);
    }

    // The list as the same lines: cells without their padding.
    static QStringList Shown(const QTreeWidget& list) {
        QStringList lines = {Headers(list).join('\t')};
        for (int row = 0; row < list.topLevelItemCount(); ++row) {
            QStringList cells = Row(list, row);
            for (QString& cell : cells) {
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
                    for (const char* tire : {"24", "185/80R13", "13.5 in", "-26"}) {
                        Type("StockTire", QString::fromLatin1(tire));
                        for (const auto& [button, get] : {std::pair{"StockGetRPMButton", "rpm"},
                                                          {"StockGetMPHButton", "mph"}}) {
                            Click(button);
                            const QStringList cli =
                                Cli({"stock", "--model", texts[0], "--years", texts[1], "--axle",
                                     texts[2], "--tire", tire, "--get", get});
                            QVERIFY2(cli == Shown(Get<QTreeWidget>("ListView")),
                                     qPrintable(texts.join(", ") + ", " + tire + ", " + get + ": " +
                                                cli.join(" | ")));
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
        const struct {
            const char* tire;
            const char* axle;
            const char* gear;
        } cases[] = {
            {"24", "3.27", "1"},     {"185/80R13", "3.55", "2.35"},
            {"13.5", "4.11", "0.7"}, {"-24", "3.08", "1"},
            {"26.6", "0", "1"},      {"30", "3.73", "3.65"},
            {"1e-3", "3.27", "1"},   {"P195/70 R14", "3.42", "1.44"},
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
                if (warnings_.isEmpty()) {
                    QVERIFY2(cli == Shown(Get<QTreeWidget>("ListView1")), qPrintable(what));
                } else {
                    // No table in the window: none from the program either.
                    QVERIFY2(cli.size() == 1 && cli.first().startsWith("status 1"),
                             qPrintable(what));
                }
            }
        }
    }
};

QTEST_MAIN(CliMatchesWindowTest)
#include "CliMatchesWindowTest.moc"
