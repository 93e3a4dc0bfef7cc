// What users expect beyond the tables: copying a table, metric tire sizes,
// names for assistive technology, and the window icon.
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QAction>
#include <QClipboard>
#include <QLabel>

#include "WindowTestBase.h"

class ConveniencesTest : public WindowTestBase {
    Q_OBJECT

    QAction& Action(QTreeWidget& list, const char* name) {
        auto* action = list.findChild<QAction*>(QString::fromLatin1(name));
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

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }
    void init() { OpenWindow(); }
    void cleanup() { form_.reset(); }

    void ctrlCCopiesTheSelectedRows() {
        FillStockTable();
        auto& list = Get<QTreeWidget>("ListView");
        QGuiApplication::clipboard()->setText(QStringLiteral("before"));
        list.setFocus();
        QTest::keySequence(&list, QKeySequence::Copy);  // nothing selected: nothing copied
        QCOMPARE(QGuiApplication::clipboard()->text(), QStringLiteral("before"));

        list.topLevelItem(0)->setSelected(true);
        list.topLevelItem(14)->setSelected(true);
        QTest::keySequence(&list, QKeySequence::Copy);
        QCOMPARE(QGuiApplication::clipboard()->text(),
                 QStringLiteral("MPH\t1st Gear\t2nd Gear\t3rd Gear\t4th Gear\n"
                                "10\t1671\t1076\t659\t457\n"
                                "150\t\t\t9892\t6869\n"));
    }

    void copyTableTakesEveryRow() {
        FillStockTable();
        auto& list = Get<QTreeWidget>("ListView");
        QVERIFY(list.actions().contains(&Action(list, "copyTable")));
        QCOMPARE(list.contextMenuPolicy(), Qt::ActionsContextMenu);
        Action(list, "copyTable").trigger();
        const QStringList lines = QGuiApplication::clipboard()->text().split('\n');
        QCOMPARE(lines.size(), 1 + 15 + 1);  // header, rows, and the last line's end
        QCOMPARE(lines[6], QStringLiteral("60\t\t6457\t3956\t2747"));

        Get<QTabWidget>("StockTab").setCurrentIndex(MainForm::kGenericPage);
        Click("Gen_GetMPHButton");
        auto& generic = Get<QTreeWidget>("ListView1");
        Action(generic, "copyTable").trigger();
        QVERIFY(QGuiApplication::clipboard()->text().startsWith("RPM\tMPH\n500\t10\n"));
        QCOMPARE(Action(generic, "copyRows").text(), QStringLiteral("Copy"));
        QCOMPARE(Action(generic, "copyTable").text(), QStringLiteral("Copy Table"));
    }

    void tireBoxesTakeSizeCodes() {
        Get<QTabWidget>("StockTab").setCurrentIndex(MainForm::kGenericPage);
        Type("TireBox", QStringLiteral("185/80R13"));
        QCOMPARE(Get<QLineEdit>("TireBox").toolTip(), QStringLiteral("185/80R13 = 24.65 in"));
        Click("Gen_GetRPMButton");
        QCOMPARE(Get<QLineEdit>("TireBox").text(), QStringLiteral("185/80R13"));
        QCOMPARE(Row(Get<QTreeWidget>("ListView1"), 0), QStringList({"   10", "  445"}));
        QVERIFY(warnings_.isEmpty());

        SelectEarlyCar();
        Type("StockTire", QStringLiteral("P185/80 R13"));
        QCOMPARE(Get<QLineEdit>("StockTire").toolTip(), QStringLiteral("P185/80 R13 = 24.65 in"));
        Click("StockGetRPMButton");
        QCOMPARE(Row(Get<QTreeWidget>("ListView"), 0),
                 QStringList({"   10", " 1627", " 1047", " 642", " 445"}));

        Type("StockTire", QStringLiteral("24 in"));
        QVERIFY(!Get<QLineEdit>("StockTire").toolTip().contains('='));
    }

    void controlsHaveAccessibleNames_data() {
        QTest::addColumn<QString>("control");
        QTest::addColumn<QString>("name");
        const char* const names[][2] = {
            {"TireBox", "Tire Diameter"},
            {"DiffBox", "Differential Gearing"},
            {"TransBox", "Transmission Gearing"},
            {"StockTire", "Tire Diameter"},
            {"StockModel", "Model"},
            {"StockYear", "Year range"},
            {"StockDiff", "Differential ratio"},
            {"Gen_GetRPMButton", "Get RPM, Generic Vehicle"},
            {"Gen_GetMPHButton", "Get MPH, Generic Vehicle"},
            {"StockGetRPMButton", "Get RPM, Stock Corvair Gearing"},
            {"StockGetMPHButton", "Get MPH, Stock Corvair Gearing"},
            {"ListView1", "Generic Vehicle results"},
            {"ListView", "Stock Corvair Gearing results"},
        };
        for (const auto& [control, name] : names) {
            QTest::newRow(control) << QString::fromLatin1(control) << QString::fromLatin1(name);
        }
    }

    void controlsHaveAccessibleNames() {
        QFETCH(QString, control);
        QFETCH(QString, name);
        auto* widget = form_->findChild<QWidget*>(control);
        QVERIFY(widget != nullptr);
        QAccessibleInterface* iface = QAccessible::queryAccessibleInterface(widget);
        QVERIFY(iface != nullptr);
        QCOMPARE(widget->accessibleName(), name);
        // Where the platform names a control by the label it is related to
        // (drop-down lists on Linux), that label must carry the name.
        const auto labels = iface->relations(QAccessible::Label);
        if (iface->text(QAccessible::Name) != name) {
            QCOMPARE(labels.size(), 1);
            QCOMPARE(labels.first().first->text(QAccessible::Name), name);
        }
    }

    void captionsLabelTheirBoxes() {
        for (const auto& [label, box] : {std::pair{"Label1", "TireBox"},
                                         {"Label2", "DiffBox"},
                                         {"Label3", "TransBox"},
                                         {"Label6", "StockTire"}}) {
            QCOMPARE(Get<QLabel>(label).buddy(), &Get<QLineEdit>(box));
        }
    }

    void resultListsExposeRowsAndHeaders() {
        FillStockTable();
        QAccessibleInterface* iface =
            QAccessible::queryAccessibleInterface(&Get<QTreeWidget>("ListView"));
        QVERIFY(iface != nullptr);
        QAccessibleTableInterface* table = iface->tableInterface();
        QVERIFY(table != nullptr);
        QTRY_COMPARE(table->rowCount(), 15);  // once the view has laid out its rows
        QCOMPARE(table->columnCount(), 5);
        QCOMPARE(table->cellAt(0, 1)->text(QAccessible::Name), QStringLiteral(" 1671"));
        QAccessibleInterface* header =
            table->cellAt(0, 4)->tableCellInterface()->columnHeaderCells().value(0);
        QVERIFY(header != nullptr);
        QCOMPARE(header->text(QAccessible::Name), QStringLiteral("4th Gear"));
    }

    void windowHasItsIcon() { QVERIFY(!form_->windowIcon().pixmap(32).isNull()); }
};

QTEST_MAIN(ConveniencesTest)
#include "ConveniencesTest.moc"
