// The window as a user meets it: layout, the selection cascade driven by
// keyboard and mouse, and what each button does to which list.
#include <QLabel>
#include <QMessageBox>
#include <QTabBar>

#include "WindowTestBase.h"

class MainFormTest : public WindowTestBase {
    Q_OBJECT

private slots:
    void initTestCase() { QLocale::setDefault(QLocale(QStringLiteral("en_US"))); }

    void init() { OpenWindow(); }

    void cleanup() { form_.reset(); }

    void opensOnTheStockPageWithPlaceholders() {
        QCOMPARE(form_->windowTitle(), QStringLiteral("Tachoria"));
        auto& tabs = Get<QTabWidget>("StockTab");
        QCOMPARE(tabs.count(), 2);
        QCOMPARE(tabs.tabText(0), QStringLiteral("Generic Vehicle"));
        QCOMPARE(tabs.tabText(1), QStringLiteral("Stock Corvair Gearing"));
        QCOMPARE(tabs.currentIndex(), MainForm::kStockPage);

        QCOMPARE(Items(Get<QComboBox>("StockModel")),
                 QStringList({"<select model>", "Early Car (1961-1964)", "Forward Control",
                              "Late Car (1965-1969)"}));
        QCOMPARE(Get<QComboBox>("StockModel").currentText(), QStringLiteral("<select model>"));
        QCOMPARE(Items(Get<QComboBox>("StockYear")), QStringList({"<select year>"}));
        QCOMPARE(Items(Get<QComboBox>("StockDiff")), QStringList({"<select differential>"}));
        QVERIFY(Get<QComboBox>("StockModel").isEnabled());
        QVERIFY(!Get<QComboBox>("StockYear").isEnabled());
        QVERIFY(!Get<QComboBox>("StockDiff").isEnabled());
        QVERIFY(!Get<QComboBox>("StockModel").isEditable());
        for (const char* box : {"TireBox", "DiffBox", "TransBox", "StockTire"}) {
            QVERIFY2(Get<QLineEdit>(box).text().isEmpty(), box);
        }
        for (const char* list : {"ListView", "ListView1"}) {
            QCOMPARE(Get<QTreeWidget>(list).columnCount(), 0);
            QCOMPARE(Get<QTreeWidget>(list).topLevelItemCount(), 0);
        }
    }

    void controlsSitWhereTheLayoutPutsThem_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<QString>("name");
        QTest::addColumn<QRect>("twips");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("bold");
        const int generic = MainForm::kGenericPage;
        const int stock = MainForm::kStockPage;
        const struct {
            int page;
            const char* name;
            QRect twips;
            const char* text;
            bool bold;
        } controls[] = {
            {generic, "Label1", {840, 960, 2535, 375}, "Tire Diameter", true},
            {generic, "TireBox", {3480, 960, 1575, 390}, "", false},
            {generic, "Gen_GetRPMButton", {5760, 960, 1575, 495}, "Get RPM", true},
            {generic, "Label2", {840, 1560, 2535, 375}, "Differential Gearing", true},
            {generic, "DiffBox", {3480, 1560, 1575, 390}, "", false},
            {generic, "Gen_GetMPHButton", {5760, 1920, 1575, 495}, "Get MPH", true},
            {generic, "Label3", {840, 2160, 2535, 375}, "Transmission Gearing", true},
            {generic, "TransBox", {3480, 2160, 1575, 390}, "", false},
            {generic, "ListView1", {120, 2760, 8415, 6015}, "", false},
            {stock, "Label6", {1800, 840, 1575, 375}, "Tire Diameter", false},
            {stock, "StockTire", {3480, 840, 1815, 390}, "", false},
            {stock, "Label5", {5520, 840, 735, 375}, "inches", false},
            {stock, "StockModel", {240, 1560, 2895, 390}, "<select model>", false},
            {stock, "StockYear", {3240, 1560, 2535, 390}, "<select year>", false},
            {stock, "StockDiff", {5880, 1560, 2535, 390}, "<select differential>", false},
            {stock, "StockGetRPMButton", {2160, 2160, 1575, 615}, "Get RPM", false},
            {stock, "StockGetMPHButton", {5160, 2160, 1575, 615}, "Get MPH", false},
            {stock, "Label7", {2760, 2880, 3135, 375}, "Engine RPM versus MPH", true},
            {stock, "ListView", {120, 3360, 8415, 5415}, "", false},
        };
        for (const auto& c : controls) {
            const char* pageName = c.page == generic ? "Generic Vehicle" : "Stock Corvair Gearing";
            QTest::newRow(qPrintable(QStringLiteral("%1: %2").arg(pageName, c.name)))
                << c.page << QString::fromLatin1(c.name) << c.twips << QString::fromLatin1(c.text)
                << c.bold;
        }
    }

    void controlsSitWhereTheLayoutPutsThem() {
        QFETCH(int, page);
        QFETCH(QString, name);
        QFETCH(QRect, twips);
        QFETCH(QString, text);
        QFETCH(bool, bold);
        auto& tabs = Get<QTabWidget>("StockTab");
        auto* control = form_->findChild<QWidget*>(name);
        QVERIFY(control != nullptr);
        QVERIFY(tabs.widget(page)->isAncestorOf(control));
        // Show the control's page, so that it is laid out as a user sees it.
        tabs.setCurrentIndex(page);
        QVERIFY(control->isVisible());
        const QRect pixels(twips.x() / 15, twips.y() / 15, twips.width() / 15, twips.height() / 15);
        QCOMPARE(QRect(control->mapTo(&tabs, QPoint(0, 0)), control->size()), pixels);
        QVERIFY(tabs.tabBar()->geometry().bottom() < 840 / 15);

        QCOMPARE(control->font().family(), QStringLiteral("Arial"));
        QCOMPARE(control->font().pointSize(), 12);
        QCOMPARE(control->font().bold(), bold);
        if (auto* label = qobject_cast<QLabel*>(control)) {
            QCOMPARE(label->text(), text);
        } else if (auto* button = qobject_cast<QPushButton*>(control)) {
            QCOMPARE(button->text(), text);
        } else if (auto* combo = qobject_cast<QComboBox*>(control)) {
            QCOMPARE(combo->currentText(), text);
        }
    }

    void windowHasAFixedClientArea() {
        QCOMPARE(form_->size(), QSize(576, 594));
        QCOMPARE(form_->minimumSize(), QSize(576, 594));
        QCOMPARE(form_->maximumSize(), QSize(576, 594));
        QCOMPARE(Get<QTabWidget>("StockTab").geometry(), QRect(0, 0, 576, 593));
        form_->resize(800, 800);
        QCOMPARE(form_->size(), QSize(576, 594));
    }

    void modelChoiceRefillsYearsAndDisablesDifferential() {
        Choose("StockModel", QStringLiteral("Forward Control"));
        QCOMPARE(Items(Get<QComboBox>("StockYear")),
                 QStringList({"<select year>", "1961 (early)", "1961(late)-1963", "1964-1965"}));
        QCOMPARE(Get<QComboBox>("StockYear").currentText(), QStringLiteral("<select year>"));
        QVERIFY(Get<QComboBox>("StockYear").isEnabled());
        QVERIFY(!Get<QComboBox>("StockDiff").isEnabled());

        Choose("StockYear", QStringLiteral("1961 (early)"));
        QCOMPARE(Items(Get<QComboBox>("StockDiff")),
                 QStringList({"<select differential>", "3.27"}));
        QVERIFY(Get<QComboBox>("StockDiff").isEnabled());

        Choose("StockYear", QStringLiteral("<select year>"));
        QCOMPARE(Items(Get<QComboBox>("StockDiff")), QStringList({"<select differential>"}));
        QVERIFY(Get<QComboBox>("StockDiff").isEnabled());

        Choose("StockModel", QStringLiteral("<select model>"));
        QCOMPARE(Items(Get<QComboBox>("StockYear")), QStringList({"<select year>"}));
        QVERIFY(Get<QComboBox>("StockYear").isEnabled());
        QVERIFY(!Get<QComboBox>("StockDiff").isEnabled());
    }

    void programSettingAListNeverRunsAHandler() {
        // Setting the model list's text in code refills nothing.
        Get<QComboBox>("StockModel").setCurrentIndex(1);
        QCOMPARE(Items(Get<QComboBox>("StockYear")), QStringList({"<select year>"}));
        QVERIFY(!Get<QComboBox>("StockYear").isEnabled());
    }

    void stockButtonsWriteTheEarlyCarsGoldenTables() {
        SelectEarlyCar();
        Type("StockTire", QStringLiteral("24"));
        Click("StockGetRPMButton");
        const auto& list = Get<QTreeWidget>("ListView");
        QCOMPARE(Headers(list), Strings(tachoria::golden::kEarlyCarRPMHeaders));
        CompareRows(list, tachoria::golden::kEarlyCarRPM);

        Click("StockGetMPHButton");
        QCOMPARE(Headers(list), Strings(tachoria::golden::kEarlyCarMPHHeaders));
        CompareRows(list, tachoria::golden::kEarlyCarMPH);
        QCOMPARE(Get<QTreeWidget>("ListView1").columnCount(), 0);  // the other page's list
        QVERIFY(warnings_.isEmpty());
    }

    void stockButtonsDoNothingForAnIncompleteSelection() {
        SelectEarlyCar();
        Click("StockGetRPMButton");  // no tire diameter
        QCOMPARE(Get<QTreeWidget>("ListView").columnCount(), 0);
        Type("StockTire", QStringLiteral("24"));
        Click("StockGetRPMButton");
        Choose("StockModel", QStringLiteral("Late Car (1965-1969)"));
        Click("StockGetMPHButton");
        QCOMPARE(Headers(Get<QTreeWidget>("ListView")).first(), QStringLiteral("MPH"));
        QCOMPARE(Get<QTreeWidget>("ListView").topLevelItemCount(), 15);
        QVERIFY(warnings_.isEmpty());
    }

    void genericButtonsFillEmptyBoxesWithDefaults() {
        Get<QTabWidget>("StockTab").setCurrentIndex(MainForm::kGenericPage);
        Click("Gen_GetMPHButton");
        QCOMPARE(Get<QLineEdit>("TireBox").text(), QStringLiteral("24"));
        QCOMPARE(Get<QLineEdit>("DiffBox").text(), QStringLiteral("3.27"));
        QCOMPARE(Get<QLineEdit>("TransBox").text(), QStringLiteral("1"));
        const auto& list = Get<QTreeWidget>("ListView1");
        QCOMPARE(Headers(list), QStringList({"RPM", "MPH"}));
        QCOMPARE(list.topLevelItemCount(), 14);
        QCOMPARE(Row(list, 0), QStringList({" 500", " 10"}));
        QCOMPARE(Row(list, 13), QStringList({" 7000", " 152"}));

        Click("Gen_GetRPMButton");
        QCOMPARE(Headers(list), QStringList({"MPH", "RPM"}));
        QCOMPARE(list.topLevelItemCount(), 12);
        QCOMPARE(Row(list, 0), QStringList({"   10", "  457"}));
        QCOMPARE(Row(list, 11), QStringList({"  120", " 5495"}));
        QCOMPARE(Get<QTreeWidget>("ListView").columnCount(), 0);  // the other page's list
    }

    void genericButtonsLeaveTheStockTableAlone() {
        SelectEarlyCar();
        Type("StockTire", QStringLiteral("24"));
        Click("StockGetRPMButton");
        Get<QTabWidget>("StockTab").setCurrentIndex(MainForm::kGenericPage);
        Click("Gen_GetRPMButton");
        QCOMPARE(Get<QTreeWidget>("ListView").topLevelItemCount(), 15);
        QCOMPARE(Headers(Get<QTreeWidget>("ListView")).first(), QStringLiteral("MPH"));
    }

    void pagesKeepTheirContentsAcrossSwitches() {
        auto& tabs = Get<QTabWidget>("StockTab");
        SelectEarlyCar();
        Type("StockTire", QStringLiteral("25.5"));
        Click("StockGetMPHButton");
        tabs.setCurrentIndex(MainForm::kGenericPage);
        Type("DiffBox", QStringLiteral("3.55"));
        Click("Gen_GetRPMButton");
        tabs.setCurrentIndex(MainForm::kStockPage);
        tabs.setCurrentIndex(MainForm::kGenericPage);
        QCOMPARE(Get<QLineEdit>("DiffBox").text(), QStringLiteral("3.55"));
        QCOMPARE(Get<QTreeWidget>("ListView1").topLevelItemCount(), 12);
        tabs.setCurrentIndex(MainForm::kStockPage);
        QCOMPARE(Get<QLineEdit>("StockTire").text(), QStringLiteral("25.5"));
        QCOMPARE(Get<QComboBox>("StockDiff").currentText(), QStringLiteral("3.27"));
        QCOMPARE(Get<QTreeWidget>("ListView").topLevelItemCount(), 14);
    }

    // Typing works from the start: the tab strip, where the keyboard order
    // begins, has the focus, and the arrow keys turn its pages.
    void opensWithTheTabStripFocused() {
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        auto& tabs = Get<QTabWidget>("StockTab");
        QCOMPARE(QApplication::focusWidget(), tabs.tabBar());
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Left);
        QCOMPARE(tabs.currentIndex(), int(MainForm::kGenericPage));
    }

    void tabKeyFollowsThePageOrder_data() {
        QTest::addColumn<int>("page");
        QTest::addColumn<bool>("selectionMade");
        QTest::addColumn<QStringList>("order");
        QTest::newRow("generic") << int(MainForm::kGenericPage) << false
                                 << QStringList({"TireBox", "DiffBox", "TransBox",
                                                 "Gen_GetRPMButton", "Gen_GetMPHButton",
                                                 "ListView1"});
        QTest::newRow("stock, lists disabled")
            << int(MainForm::kStockPage) << false
            << QStringList({"StockTire", "StockModel", "StockGetRPMButton", "StockGetMPHButton",
                            "ListView"});
        QTest::newRow("stock, lists enabled")
            << int(MainForm::kStockPage) << true
            << QStringList({"StockTire", "StockModel", "StockYear", "StockDiff",
                            "StockGetRPMButton", "StockGetMPHButton", "ListView"});
    }

    void tabKeyFollowsThePageOrder() {
        QFETCH(int, page);
        QFETCH(bool, selectionMade);
        QFETCH(QStringList, order);
        if (selectionMade) {
            SelectEarlyCar();
        }
        auto& tabs = Get<QTabWidget>("StockTab");
        tabs.setCurrentIndex(page);
        form_->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(form_.get()));
        tabs.tabBar()->setFocus(Qt::TabFocusReason);
        QCOMPARE(QApplication::focusWidget(), tabs.tabBar());
        QStringList visited;
        for (qsizetype i = 0; i < order.size(); ++i) {
            QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
            visited << QApplication::focusWidget()->objectName();
        }
        QCOMPARE(visited, order);
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), tabs.tabBar());  // and round again
    }

    void failureShowsOneMessageAndTheWindowGoesOn() {
        Get<QTabWidget>("StockTab").setCurrentIndex(MainForm::kGenericPage);
        Type("TireBox", QStringLiteral("abc"));
        Click("Gen_GetMPHButton");
        QCOMPARE(warnings_, QStringList({"Tire Diameter \"abc\" is not a number."}));
        QCOMPARE(Headers(Get<QTreeWidget>("ListView1")), QStringList({"RPM", "MPH"}));
        QCOMPARE(Get<QTreeWidget>("ListView1").topLevelItemCount(), 0);

        Type("TireBox", QStringLiteral("26"));
        Click("Gen_GetMPHButton");
        QCOMPARE(warnings_.size(), 1);
        QCOMPARE(Get<QTreeWidget>("ListView1").topLevelItemCount(), 14);

        SelectEarlyCar();
        Type("StockTire", QStringLiteral("1e400"));
        Click("StockGetRPMButton");
        QCOMPARE(warnings_.size(), 2);
        QCOMPARE(warnings_.last(),
                 QStringLiteral("Tire Diameter \"1e400\" is too large a number."));
        QCOMPARE(Get<QTreeWidget>("ListView").topLevelItemCount(), 0);
    }

    // The window and everything in it go with their Qt parents; closing and
    // destroying it with both tables shown and a warning box up must touch
    // nothing already freed (the asan build checks).
    void closingWithTablesAndAWarningUpFreesEverything() {
        auto window = std::make_unique<MainForm>();  // with its real warning box
        window->show();
        QVERIFY(QTest::qWaitForWindowExposed(window.get()));
        window->findChild<QLineEdit*>(QStringLiteral("StockTire"))->setText(QStringLiteral("24"));
        for (const auto& [combo, text] : {std::pair{"StockModel", "Early Car (1961-1964)"},
                                          {"StockYear", "1961-1963"},
                                          {"StockDiff", "3.27"}}) {
            auto* list = window->findChild<QComboBox*>(QString::fromLatin1(combo));
            list->setCurrentIndex(list->findText(QString::fromLatin1(text)));
            emit list->activated(list->currentIndex());
        }
        window->Stock().StockGetRPMButton_Click();
        window->Generic().Gen_GetMPHButton_Click();
        QCOMPARE(window->Stock().List().topLevelItemCount(), 15);
        QCOMPARE(window->Generic().List().topLevelItemCount(), 14);

        window->findChild<QLineEdit*>(QStringLiteral("TireBox"))->setText(QStringLiteral("abc"));
        window->Generic().Gen_GetRPMButton_Click();
        auto* box = window->findChild<QMessageBox*>();
        QVERIFY(box != nullptr);
        QTRY_VERIFY(box->isVisible());
        QCOMPARE(box->text(), QStringLiteral("Tire Diameter \"abc\" is not a number."));
        QCOMPARE(box->windowModality(), Qt::WindowModal);

        window->close();
        window.reset();
        QApplication::processEvents();
    }

    void defaultsFollowTheUsersLocale() {
        QLocale::setDefault(QLocale(QStringLiteral("de_DE")));
        MainForm german;
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        german.SetWarningPresenter(
            [](QWidget&, const QString& message) { QFAIL(qPrintable(message)); });
        german.findChild<QLineEdit*>(QStringLiteral("TransBox"))->setText(QStringLiteral("1,5"));
        german.Generic().Gen_GetRPMButton_Click();
        QCOMPARE(german.findChild<QLineEdit*>(QStringLiteral("DiffBox"))->text(),
                 QStringLiteral("3,27"));
        // 10 MPH × 1.5 × 3.27 × 336.135 / 24 = 686.97
        QCOMPARE(
            german.findChild<QTreeWidget*>(QStringLiteral("ListView1"))->topLevelItem(0)->text(1),
            QStringLiteral("  686"));
    }
};

QTEST_MAIN(MainFormTest)
#include "MainFormTest.moc"
