// The Qt implementations of the core's control interfaces.
#include <QComboBox>
#include <QHeaderView>
#include <QLineEdit>
#include <QRegularExpression>
#include <QSignalSpy>
#include <QTest>
#include <QTreeWidget>

#include "tables/ToolsListView.h"
#include "ui/ControlAdapters.h"
#include "ui/LocaleNumbers.h"

using namespace tachoria;

class QtControlsTest : public QObject {
    Q_OBJECT

private slots:
    void resultListRebuildsColumnsAndRows() {
        QTreeWidget tree;
        tree.setColumnCount(0);
        tree.resize(561, 401);
        TreeResultList list(tree);
        QCOMPARE(list.ColumnCount(), 0);
        QCOMPARE(list.Width(), (561 - 2 * tree.frameWidth()) * 15);

        const std::vector<std::string> five = {"MPH", "1st Gear", "2nd Gear", "3rd Gear",
                                               "4th Gear"};
        SetHeaders(list, five, ColumnMode::Fix);
        QCOMPARE(tree.columnCount(), 5);
        QCOMPARE(tree.headerItem()->text(4), QStringLiteral("4th Gear"));
        int total = 0;
        for (int i = 0; i < 5; ++i) {
            QCOMPARE(tree.header()->sectionSize(i), tree.header()->sectionSize(0));
            total += tree.header()->sectionSize(i);
        }
        QVERIFY(total <= tree.viewport()->width());  // no horizontal scroll bar

        const int row = list.AddRow();
        list.SetRowText(row, "   10");
        list.SetSubItemText(row, 4, " 457");
        QCOMPARE(tree.topLevelItem(0)->text(0), QStringLiteral("   10"));
        QCOMPARE(tree.topLevelItem(0)->text(4), QStringLiteral(" 457"));

        list.RemoveColumn(2);
        QCOMPARE(tree.columnCount(), 4);
        QCOMPARE(tree.headerItem()->text(1), QStringLiteral("2nd Gear"));

        SetHeaders(list, {"RPM", "MPH"}, ColumnMode::Fix);
        ClearItems(list);
        QCOMPARE(list.ColumnCount(), 2);
        QCOMPARE(list.RowCount(), 0);
    }

    // A number out of range is a caller's fault: in every build it is
    // logged with the place that found it, and ignored rather than thrown
    // through Qt's event loop.
    void resultListLogsAndIgnoresNumbersOutOfRange() {
        QTreeWidget tree;
        TreeResultList list(tree);
        SetHeaders(list, {"RPM", "MPH"}, ColumnMode::Fix);
        const int row = list.AddRow();
        list.SetRowText(row, " 500");
        const auto expectLogged = [](const char* condition, int times) {
            const QRegularExpression logged(
                QStringLiteral(R"(ControlAdapters\.cpp:\d+: "%1" does not hold$)")
                    .arg(QRegularExpression::escape(QString::fromLatin1(condition))));
            for (int i = 0; i < times; ++i) {
                QTest::ignoreMessage(QtWarningMsg, logged);
            }
        };
        expectLogged("item != nullptr", 3);
        expectLogged("column >= 1 && column <= headers.size()", 1);
        expectLogged("subItem >= 1 && subItem < ColumnCount()", 2);
        list.RemoveRow(0);
        list.RemoveRow(2);
        list.RemoveColumn(3);
        list.SetRowText(2, "x");
        list.SetSubItemText(row, 2, "x");
        list.SetSubItemText(row, 0, "x");
        QCOMPARE(list.RowCount(), 1);
        QCOMPARE(list.ColumnCount(), 2);
        QCOMPARE(tree.topLevelItem(0)->text(0), QStringLiteral(" 500"));
        QCOMPARE(tree.topLevelItem(0)->text(1), QString());
    }

    void dropDownListSetsTextWithoutActivating() {
        QComboBox combo;
        ComboBoxList list(combo);
        QSignalSpy activated(&combo, &QComboBox::activated);
        list.AddItem("<select year>");
        list.AddItem("1961 (early)");
        list.SetText("1961 (early)");
        QCOMPARE(list.Text(), std::string("1961 (early)"));
        list.SetText("1961(early)");  // not an item: nothing changes
        QCOMPARE(list.Text(), std::string("1961 (early)"));
        list.Clear();
        QCOMPARE(combo.count(), 0);
        QCOMPARE(activated.count(), 0);
    }

    void textBoxKeepsTextExactly() {
        QLineEdit edit;
        LineEditTextBox box(edit);
        QCOMPARE(box.Text(), std::string());
        box.SetText("  24 in ");
        QCOMPARE(edit.text(), QStringLiteral("  24 in "));
        QCOMPARE(box.Text(), std::string("  24 in "));
    }

    void localeNumbersFollowTheLocale_data() {
        QTest::addColumn<QString>("locale");
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<double>("value");
        QTest::newRow("en 3.27") << "en_US"
                                 << "3.27" << true << 3.27;
        QTest::newRow("en blanks around") << "en_US"
                                          << " 24 " << true << 24.0;
        QTest::newRow("en comma") << "en_US"
                                  << "3,27" << false << 0.0;
        QTest::newRow("en word") << "en_US"
                                 << "abc" << false << 0.0;
        QTest::newRow("en blanks") << "en_US"
                                   << "   " << false << 0.0;
        QTest::newRow("en overflow") << "en_US"
                                     << "1e400" << true << qInf();
        // Too close to 0 for a double: 0, as the plain reader gives it, so
        // that the fields call it too small, as the command line does.
        QTest::newRow("en underflow") << "en_US"
                                      << "1e-400" << true << 0.0;
        QTest::newRow("de underflow") << "de_DE"
                                      << "0,1e-400" << true << 0.0;
        QTest::newRow("de underflow with a point") << "de_DE"
                                                   << "0.1e-400" << false << 0.0;
        QTest::newRow("en inf") << "en_US"
                                << "inf" << false << 0.0;
        QTest::newRow("en nan") << "en_US"
                                << "nan" << false << 0.0;
        QTest::newRow("de 3,27") << "de_DE"
                                 << "3,27" << true << 3.27;
        QTest::newRow("de point") << "de_DE"
                                  << "3.27" << false << 0.0;
        QTest::newRow("de negative") << "de_DE"
                                     << "-24,5" << true << -24.5;
    }

    void localeNumbersFollowTheLocale() {
        QFETCH(QString, locale);
        QFETCH(QString, text);
        QFETCH(bool, ok);
        QFETCH(double, value);
        const LocaleNumbers numbers{QLocale(locale)};
        const std::optional<double> read = numbers.ToNumber(text.toStdString());
        QCOMPARE(read.has_value(), ok);
        if (ok) {
            QCOMPARE(*read, value);
        }
    }

    void localeNumbersWriteDefaults() {
        QCOMPARE(LocaleNumbers(QLocale(QStringLiteral("de_DE"))).ToText(3.27), std::string("3,27"));
        QCOMPARE(LocaleNumbers(QLocale(QStringLiteral("en_US"))).ToText(3.27), std::string("3.27"));
        QCOMPARE(LocaleNumbers(QLocale(QStringLiteral("en_US"))).ToText(24), std::string("24"));
        QCOMPARE(LocaleNumbers(QLocale(QStringLiteral("en_US"))).ToText(12345),
                 std::string("12345"));
    }
};

QTEST_MAIN(QtControlsTest)
#include "QtControlsTest.moc"
