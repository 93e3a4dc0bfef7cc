// What users expect beyond the tables: copying a table, metric tire sizes,
// names for assistive technology, and the window icon.
#include <QAccessible>
#include <QAccessibleTableInterface>
#include <QAction>
#include <QClipboard>
#include <QLabel>
#include <QMenu>
#include <QMessageBox>
#include <QScreen>
#include <QTimer>

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

    void ClearBothLists() {
        for (const char* name : {"ListView", "ListView1"}) {
            Get<QTreeWidget>(name).clear();
        }
    }

    void FillStockTable() {
        SelectEarlyCar();
        Type("StockTire", QStringLiteral("24"));
        Click("StockGetRPMButton");
    }

    // A result list of each window, shown with the stock page's table, its
    // window in front and the list given the focus as Tab gives it.
    QTreeWidget& FocusedListOf(const QString& window) {
        FillStockTable();
        auto& stock = Get<QTreeWidget>("ListView");
        QTreeWidget* list = &stock;
        if (window == QStringLiteral("comparison")) {
            Action(stock, "compareGearing").trigger();
            list = form_->Compare()->findChild<QTreeWidget*>(QStringLiteral("cruise"));
        } else if (window == QStringLiteral("questions")) {
            Action(stock, "gearingQuestions").trigger();
            list = form_->Questions()->findChild<QTreeWidget*>(QStringLiteral("axleList"));
        }
        if (list == nullptr) {
            qFatal("no result list in the %s window", qPrintable(window));
        }
        list->window()->activateWindow();
        if (!QTest::qWaitFor([list] { return QApplication::activeWindow() == list->window(); })) {
            qFatal("the %s window does not come to the front", qPrintable(window));
        }
        list->setFocus(Qt::TabFocusReason);
        return *list;
    }

    static void EachWindow() {
        QTest::addColumn<QString>("window");
        for (const char* window : {"main", "comparison", "questions"}) {
            QTest::newRow(window) << QString::fromLatin1(window);
        }
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
        QCOMPARE(Get<QLineEdit>("TireBox").toolTip(),
                 QStringLiteral("185/80R13 = 24.65 in (metric)"));
        Click("Gen_GetRPMButton");
        QCOMPARE(Get<QLineEdit>("TireBox").text(), QStringLiteral("185/80R13"));
        QCOMPARE(Row(Get<QTreeWidget>("ListView1"), 0), QStringList({"   10", "  445"}));
        QVERIFY(warnings_.isEmpty());

        SelectEarlyCar();
        Type("StockTire", QStringLiteral("P185/80 R13"));
        QCOMPARE(Get<QLineEdit>("StockTire").toolTip(),
                 QStringLiteral("P185/80 R13 = 24.65 in (metric)"));
        Click("StockGetRPMButton");
        QCOMPARE(Row(Get<QTreeWidget>("ListView"), 0),
                 QStringList({"   10", " 1627", " 1047", " 642", " 445"}));

        // The early car's factory tire, no longer refused: 60 x 3.27 x
        // 336.135 / 24.7 = 2670.03 in 4th.
        Type("StockTire", QStringLiteral("6.50-13"));
        Click("StockGetRPMButton");
        QCOMPARE(Row(Get<QTreeWidget>("ListView"), 5).at(0).trimmed(), QStringLiteral("60"));
        QCOMPARE(Row(Get<QTreeWidget>("ListView"), 5).at(4).trimmed(), QStringLiteral("2670"));
        QVERIFY(warnings_.isEmpty());
    }

    // The tooltip and what a screen reader hears say which diameter the
    // tables will use, whatever was typed.
    void tireBoxesSayWhatTheyRead_data() {
        QTest::addColumn<QString>("box");
        QTest::addColumn<QString>("text");
        QTest::addColumn<QString>("reading");
        const QString how = QStringLiteral(
            "Type a diameter in inches, a size such as 185/80R13 or 33x12.50R15, or "
            "the revolutions per mile from the tire's data, such as 818 rev/mi.");
        QTest::newRow("stock: empty") << "StockTire"
                                      << "" << how;
        QTest::newRow("stock: comma") << "StockTire"
                                      << "24,5"
                                      << "\"24,5\" reads as 24 in.";
        QTest::newRow("stock: unit") << "StockTire"
                                     << "24.5 in"
                                     << "\"24.5 in\" reads as 24.5 in.";
        QTest::newRow("stock: code without rim") << "StockTire"
                                                 << "185/80R"
                                                 << "\"185/80R\": the rim diameter is missing.";
        QTest::newRow("stock: word") << "StockTire"
                                     << "abc"
                                     << "\"abc\" is not a number. " + how;
        QTest::newRow("stock: zero")
            << "StockTire"
            << "0"
            << "\"0\" reads as 0 in, and the tables need a diameter other than 0.";
        QTest::newRow("stock: too large") << "StockTire"
                                          << "1e400"
                                          << "\"1e400\" is too large a number.";
        QTest::newRow("generic: empty") << "TireBox"
                                        << ""
                                        << "Empty: the tables use 24 in. " + how;
        QTest::newRow("generic: number") << "TireBox"
                                         << "26.5"
                                         << "\"26.5\" reads as 26.5 in.";
        QTest::newRow("generic: comma") << "TireBox"
                                        << "24,5"
                                        << "\"24,5\" is not a number. " + how;
        QTest::newRow("generic: code") << "TireBox"
                                       << "195/70-14"
                                       << "195/70-14 = 24.75 in (metric)";
        const QString nominal = QStringLiteral(
            " in (period bias size, nominal; a tire's revolutions per mile give the truest "
            "speeds)");
        QTest::newRow("stock: factory bias size") << "StockTire"
                                                  << "6.50-13"
                                                  << "6.50-13 = 24.70" + nominal;
        QTest::newRow("generic: factory bias size") << "TireBox"
                                                    << "7.00 B 14"
                                                    << "7.00 B 14 = 26.20" + nominal;
        QTest::newRow("stock: other inch width")
            << "StockTire"
            << "6.50-14"
            << "\"6.50-14\": an inch-width size: type the tire's diameter, or its revolutions "
               "per mile from the tire's data.";
    }

    void tireBoxesSayWhatTheyRead() {
        QFETCH(QString, box);
        QFETCH(QString, text);
        QFETCH(QString, reading);
        auto& edit = Get<QLineEdit>(qPrintable(box));
        edit.setText(QStringLiteral("x"));
        edit.setText(text);
        QCOMPARE(edit.toolTip(), reading);
        QCOMPARE(edit.accessibleDescription(), reading);
    }

    void enterPressesTheFocusedButton_data() {
        QTest::addColumn<QString>("button");
        QTest::addColumn<int>("key");
        QTest::addColumn<int>("modifiers");
        QTest::addColumn<QString>("list");
        for (const auto& [button, list] : {std::pair{"StockGetRPMButton", "ListView"},
                                           {"StockGetMPHButton", "ListView"},
                                           {"Gen_GetRPMButton", "ListView1"},
                                           {"Gen_GetMPHButton", "ListView1"}}) {
            QTest::newRow(qPrintable(QStringLiteral("%1, Enter").arg(button)))
                << button << int(Qt::Key_Return) << int(Qt::NoModifier) << list;
            QTest::newRow(qPrintable(QStringLiteral("%1, keypad Enter").arg(button)))
                << button << int(Qt::Key_Enter) << int(Qt::KeypadModifier) << list;
        }
    }

    void enterPressesTheFocusedButton() {
        QFETCH(QString, button);
        QFETCH(int, key);
        QFETCH(int, modifiers);
        QFETCH(QString, list);
        SelectEarlyCar();
        Type("StockTire", QStringLiteral("24"));
        const bool generic = button.startsWith("Gen_");
        Get<QTabWidget>("StockTab")
            .setCurrentIndex(generic ? MainForm::kGenericPage : MainForm::kStockPage);
        auto& pushButton = Get<QPushButton>(qPrintable(button));
        pushButton.setFocus(Qt::TabFocusReason);
        QTest::keyClick(&pushButton, Qt::Key(key), Qt::KeyboardModifiers(modifiers));
        QCOMPARE(Get<QTreeWidget>(qPrintable(list)).topLevelItemCount(),
                 button.contains("RPM") ? (generic ? 12 : 15) : 14);
        // Enter with Ctrl is some other shortcut, not a press.
        ClearBothLists();
        QTest::keyClick(&pushButton, Qt::Key_Return, Qt::ControlModifier);
        QCOMPARE(Get<QTreeWidget>(qPrintable(list)).topLevelItemCount(), 0);
    }

    void copyActionsNeedRows() {
        for (const char* name : {"ListView", "ListView1"}) {
            auto& list = Get<QTreeWidget>(name);
            QVERIFY2(!Action(list, "copyRows").isEnabled(), name);
            QVERIFY2(!Action(list, "copyTable").isEnabled(), name);
        }
        FillStockTable();
        auto& stock = Get<QTreeWidget>("ListView");
        QVERIFY(Action(stock, "copyRows").isEnabled());
        QVERIFY(Action(stock, "copyTable").isEnabled());
        QVERIFY(!Action(Get<QTreeWidget>("ListView1"), "copyTable").isEnabled());
        // A table that stops before its first row leaves the list empty again.
        Type("StockTire", QStringLiteral("1e400"));
        Click("StockGetRPMButton");
        QCOMPARE(stock.topLevelItemCount(), 0);
        QVERIFY(!Action(stock, "copyTable").isEnabled());
    }

    // A pasted 100,000-digit number: the message quotes its ends and the box
    // stays on the screen.
    void warningForAHugePasteFitsOnTheScreen() {
        form_->SetWarningPresenter({});  // the real warning box
        Get<QTabWidget>("StockTab").setCurrentIndex(MainForm::kGenericPage);
        // A line edit keeps the first 32767 characters: still a number, too large.
        Get<QLineEdit>("TireBox").setText(QString(100000, '9'));
        Click("Gen_GetRPMButton");
        auto* box = form_->findChild<QMessageBox*>();
        QVERIFY(box != nullptr);
        QTRY_VERIFY(box->isVisible());
        QCOMPARE(box->text(), QStringLiteral("Tire Diameter \"%1\u2026%2\" is too large a number.")
                                  .arg(QString(19, '9'), QString(20, '9')));
        const QRect screen = box->screen()->availableGeometry();
        QVERIFY2(box->frameGeometry().width() <= screen.width(),
                 qPrintable(QString::number(box->frameGeometry().width())));
        QVERIFY(screen.contains(box->frameGeometry()));
        box->close();
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
        QCOMPARE(table->cellAt(0, 1)->text(QAccessible::Name),
                 Strings(tachoria::golden::kEarlyCarRPM[0].cells).value(0));
        QAccessibleInterface* header =
            table->cellAt(0, 4)->tableCellInterface()->columnHeaderCells().value(0);
        QVERIFY(header != nullptr);
        QCOMPARE(header->text(QAccessible::Name),
                 Strings(tachoria::golden::kEarlyCarRPMHeaders).value(4));
    }

    void shiftF10OpensAResultListsMenu_data() { EachWindow(); }
    void shiftF10OpensAResultListsMenu() {
        QFETCH(QString, window);
        QTreeWidget& list = FocusedListOf(window);
        QStringList shown;
        bool looked = false;
        // The menu runs its own event loop: it is read and closed from in there.
        QTimer::singleShot(100, &list, [&shown, &looked] {
            if (auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget())) {
                for (const QAction* action : menu->actions()) {
                    shown << action->text();
                }
                menu->close();
            }
            looked = true;
        });
        QTest::keyClick(&list, Qt::Key_F10, Qt::ShiftModifier);
        QTRY_VERIFY(looked);
        QVERIFY2(shown.contains(QStringLiteral("Copy Table")), qPrintable(shown.join('|')));
    }

    // Tab makes the first row current but selects nothing; Down then
    // selects that row, and the next Down the second.
    void downAfterTabSelectsTheFirstRow_data() { EachWindow(); }
    void downAfterTabSelectsTheFirstRow() {
        QFETCH(QString, window);
        QTreeWidget& list = FocusedListOf(window);
        QVERIFY(list.topLevelItemCount() > 2);
        QVERIFY(list.selectedItems().isEmpty());
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.selectedItems(), QList<QTreeWidgetItem*>{list.topLevelItem(0)});
        QTest::keyClick(&list, Qt::Key_Down);
        QCOMPARE(list.selectedItems(), QList<QTreeWidgetItem*>{list.topLevelItem(1)});
        QCOMPARE(list.currentItem(), list.topLevelItem(1));
    }

    // Rebuilding a table with a row selected: the selection is let go of
    // once, not moved and shrunk with each column and row taken away, each
    // step announced to screen readers by cell numbers that no longer match
    // the table (the last one naming a header cell).
    void rebuildingATableLetsGoOfItsSelectionOnce_data() { EachWindow(); }
    void rebuildingATableLetsGoOfItsSelectionOnce() {
        QFETCH(QString, window);
        QTreeWidget& list = FocusedListOf(window);
        for (int i = 0; i < 3; ++i) {
            QTest::keyClick(&list, Qt::Key_Down);
        }
        QCOMPARE(list.currentIndex().row(), 2);
        int selectionChanges = 0;
        QList<QModelIndex> currents;
        connect(list.selectionModel(), &QItemSelectionModel::selectionChanged, this,
                [&selectionChanges] { ++selectionChanges; });
        connect(list.selectionModel(), &QItemSelectionModel::currentChanged, this,
                [&currents](const QModelIndex& current) { currents << current; });
        const int rows = list.topLevelItemCount();
        if (window == QStringLiteral("main")) {
            Click("StockGetRPMButton");
        } else {
            // An edit of the window's fields recomputes its tables.
            auto* field = list.window()->findChild<QLineEdit*>(
                window == QStringLiteral("comparison") ? QStringLiteral("axleA")
                                                       : QStringLiteral("axleGear"));
            QVERIFY(field != nullptr);
            field->insert(QStringLiteral("0"));
        }
        QVERIFY(list.topLevelItemCount() > 0);
        QVERIFY2(rows >= 3, "the table had rows to take away");
        QCOMPARE(selectionChanges, 1);
        QCOMPARE(currents, QList<QModelIndex>{QModelIndex()});
    }

    void windowHasItsIcon() { QVERIFY(!form_->windowIcon().pixmap(32).isNull()); }
};

QTEST_MAIN(ConveniencesTest)
#include "ConveniencesTest.moc"
