// Under a dark desktop theme the tool windows' marks stay readable: marked
// fields, the lines that say why, the "▲" cells and the chart's redline
// label, each measured on the rendered pixels against the WCAG figure.
// Under the light palette the colours stay what they always were.
#include <QApplication>
#include <QLabel>
#include <QLineEdit>
#include <QMap>
#include <QStyleFactory>
#include <QTest>
#include <QTreeWidget>

#include "comparison/Gearing.h"
#include "ui/ChartWidget.h"
#include "ui/CompareWindow.h"
#include "ui/LegibleColours.h"
#include "ui/LocaleNumbers.h"
#include "ui/QuestionsWindow.h"

using tachoria::ContrastRatio;

namespace {

// A desktop's dark theme, as a user's platform theme would give it.
QPalette DarkPalette() {
    QPalette dark(QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::Window, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::WindowText, Qt::white);
    dark.setColor(QPalette::Base, QColor(0x2a, 0x2a, 0x2a));
    dark.setColor(QPalette::AlternateBase, QColor(0x42, 0x42, 0x42));
    dark.setColor(QPalette::Text, Qt::white);
    dark.setColor(QPalette::Button, QColor(0x35, 0x35, 0x35));
    dark.setColor(QPalette::ButtonText, Qt::white);
    dark.setColor(QPalette::Highlight, QColor(0x2a, 0x82, 0xda));
    dark.setColor(QPalette::HighlightedText, Qt::white);
    dark.setColor(QPalette::ToolTipBase, QColor(0x20, 0x20, 0x20));
    dark.setColor(QPalette::ToolTipText, Qt::white);
    return dark;
}

// What a rectangle of pixels shows: its commonest colour as the
// background, and the pixel that stands out most from it as the ink.
struct Ink {
    QColor background;
    QColor ink;
    double ratio = 1;
};

Ink Measure(const QImage& image, const QRect& rect) {
    QMap<QRgb, int> counts;
    const QRect inside = rect & image.rect();
    for (int y = inside.top(); y <= inside.bottom(); ++y) {
        for (int x = inside.left(); x <= inside.right(); ++x) {
            ++counts[image.pixel(x, y)];
        }
    }
    Ink ink;
    int most = 0;
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        if (it.value() > most) {
            most = it.value();
            ink.background = QColor(it.key());
        }
    }
    for (auto it = counts.cbegin(); it != counts.cend(); ++it) {
        const double ratio = ContrastRatio(QColor(it.key()), ink.background);
        if (ratio > ink.ratio) {
            ink = {ink.background, QColor(it.key()), ratio};
        }
    }
    return ink;
}

QString Describe(const Ink& ink) {
    return QStringLiteral("%1 on %2: %3:1")
        .arg(ink.ink.name(), ink.background.name())
        .arg(ink.ratio, 0, 'f', 2);
}

template <typename T>
T& Find(const QWidget& window, const QString& name) {
    auto* found = window.findChild<T*>(name);
    if (found == nullptr) {
        qFatal("no %s", qPrintable(name));
    }
    return *found;
}

// Types a bad text into a field and checks that it is marked, visibly, and
// that its text reads on the mark; then the line that says why.
void CheckMarkedField(QWidget& window, const QString& field, const QString& problems) {
    auto& box = Find<QLineEdit>(window, field);
    box.selectAll();
    QTest::keyClicks(&box, QStringLiteral("88 x"));
    QVERIFY2(box.property("problem").toBool(), qPrintable(field));
    QApplication::processEvents();
    const QImage shot = box.grab().toImage();
    const Ink ink = Measure(shot, box.rect().adjusted(4, 4, -4, -4));
    const QString what = field + QStringLiteral(": ") + Describe(ink);
    // Marked: reddened, not the plain Base.
    QVERIFY2(ink.background.red() > ink.background.green() + 20, qPrintable(what));
    QVERIFY2(ink.ratio >= tachoria::kTextContrast, qPrintable(what));

    auto& label = Find<QLabel>(window, problems);
    QVERIFY2(label.isVisible(), qPrintable(problems));
    const Ink reason = Measure(label.grab().toImage(), label.rect());
    QVERIFY2(reason.ink.red() > reason.ink.green() + 40, qPrintable(Describe(reason)));
    QVERIFY2(reason.ratio >= tachoria::kTextContrast,
             qPrintable(problems + QStringLiteral(": ") + Describe(reason)));
}

}  // namespace

class DarkPaletteTest : public QObject {
    Q_OBJECT

    QPalette light_;

private slots:
    void initTestCase() {
        QLocale::setDefault(QLocale(QStringLiteral("en_US")));
        QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
        light_ = QApplication::palette();
        QApplication::setPalette(DarkPalette());
    }

    // Figures WCAG gives, and what Legible promises for any background.
    void contrastAndLegibleColours() {
        QCOMPARE(ContrastRatio(Qt::black, Qt::white), 21.0);
        QCOMPARE(ContrastRatio(QColor(0x77, 0x77, 0x77), QColor(0x77, 0x77, 0x77)), 1.0);
        QVERIFY(qAbs(ContrastRatio(QColor(0x76, 0x76, 0x76), Qt::white) - 4.54) < 0.01);
        QVERIFY(qAbs(ContrastRatio(Qt::white, QColor(0xa0, 0, 0)) - 8.42) < 0.01);
        const QColor red(0xa0, 0, 0);
        for (const QColor background :
             {QColor(Qt::black), QColor(0x2a, 0x2a, 0x2a), QColor(0x50, 0x20, 0x20),
              QColor(0x80, 0x80, 0x80), QColor(0xc0, 0xc0, 0xc0), QColor(Qt::white)}) {
            const QColor legible = tachoria::Legible(red, {background}, tachoria::kTextContrast);
            const QString what = legible.name() + QStringLiteral(" on ") + background.name();
            QVERIFY2(ContrastRatio(legible, background) >= tachoria::kTextContrast,
                     qPrintable(what));
            // Still a red: its red channel leads.
            QVERIFY2(legible.red() >= legible.green() && legible.green() == legible.blue(),
                     qPrintable(what));
            if (ContrastRatio(red, background) >= tachoria::kTextContrast) {
                QCOMPARE(legible, red);
            }
        }
    }

    // The light theme's windows keep their colours exactly.
    void lightPaletteKeepsItsColours() {
        QPalette light = light_;
        light.setColor(QPalette::Base, Qt::white);
        QCOMPARE(tachoria::ProblemBackground(light), QColor(255, 221, 221));
        QCOMPARE(tachoria::ProblemText(light), QColor(0xa0, 0, 0));
        QCOMPARE(tachoria::RedlineColour(light), QColor(0xcc, 0, 0));
    }

    void compareWindowFieldsReadWhenMarked_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("problems");
        QTest::newRow("axle B") << "axleB"
                                << "problemsB";
        QTest::newRow("tire A") << "tireA"
                                << "problemsA";
        QTest::newRow("redline") << "redline"
                                 << "redlineProblem";
    }
    void compareWindowFieldsReadWhenMarked() {
        QFETCH(QString, field);
        QFETCH(QString, problems);
        tachoria::CompareWindow window;
        window.Fill(tachoria::DefaultSetupTexts(tachoria::LocaleNumbers()), false);
        window.resize(1366, 728);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        CheckMarkedField(window, field, problems);
    }

    void questionsWindowFieldsReadWhenMarked_data() {
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("problems");
        QTest::newRow("axle question's speed") << "axleSpeed"
                                               << "axleProblems";
        QTest::newRow("tire question's axle") << "tireAxle"
                                              << "tireProblems";
    }
    void questionsWindowFieldsReadWhenMarked() {
        QFETCH(QString, field);
        QFETCH(QString, problems);
        tachoria::QuestionsWindow window;
        window.resize(1366, 728);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        CheckMarkedField(window, field, problems);
    }

    // The desktop switches to its dark theme with the window open and a
    // field marked: the mark, its reason and the "▲" cells follow.
    void marksFollowASwitchToTheDarkTheme() {
        QApplication::setPalette(light_);
        tachoria::CompareWindow window;
        window.Fill(tachoria::DefaultSetupTexts(tachoria::LocaleNumbers()), false);
        window.resize(1366, 728);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto& redline = Find<QLineEdit>(window, QStringLiteral("redline"));
        redline.selectAll();
        QTest::keyClicks(&redline, QStringLiteral("3000"));
        auto& axle = Find<QLineEdit>(window, QStringLiteral("axleB"));
        axle.selectAll();
        QTest::keyClicks(&axle, QStringLiteral("88 x"));
        QApplication::setPalette(DarkPalette());
        // The widgets hear of it through posted events, then reapply.
        QTest::qWait(100);

        const Ink field = Measure(axle.grab().toImage(), axle.rect().adjusted(4, 4, -4, -4));
        QVERIFY2(field.ratio >= tachoria::kTextContrast, qPrintable(Describe(field)));
        QVERIFY2(field.background.red() > field.background.green() + 20,
                 qPrintable(Describe(field)));
        auto& reason = Find<QLabel>(window, QStringLiteral("problemsB"));
        const Ink line = Measure(reason.grab().toImage(), reason.rect());
        QVERIFY2(line.ratio >= tachoria::kTextContrast, qPrintable(Describe(line)));
        auto& cruise = Find<QTreeWidget>(window, QStringLiteral("cruise"));
        const QTreeWidgetItem* last = cruise.topLevelItem(cruise.topLevelItemCount() - 1);
        QVERIFY(last->text(1).endsWith(QStringLiteral("\u25B2")));
        const QColor mark = last->foreground(1).color();
        QVERIFY2(
            ContrastRatio(mark, cruise.palette().color(QPalette::Base)) >= tachoria::kTextContrast,
            qPrintable(mark.name()));
    }

    // A low redline puts cruising speeds past it: each "▲" cell, on plain
    // and alternate rows, and the chart's redline label read on the dark
    // Base.
    void overRedlineMarksAndRedlineLabelRead() {
        tachoria::CompareWindow window;
        window.Fill(tachoria::DefaultSetupTexts(tachoria::LocaleNumbers()), false);
        window.resize(1366, 728);
        window.show();
        QVERIFY(QTest::qWaitForWindowExposed(&window));
        auto& redline = Find<QLineEdit>(window, QStringLiteral("redline"));
        redline.selectAll();
        QTest::keyClicks(&redline, QStringLiteral("3000"));
        QApplication::processEvents();

        auto& cruise = Find<QTreeWidget>(window, QStringLiteral("cruise"));
        const QImage shot = cruise.viewport()->grab().toImage();
        int marks = 0;
        for (int r = 0; r < cruise.topLevelItemCount(); ++r) {
            QTreeWidgetItem* item = cruise.topLevelItem(r);
            for (int c = 1; c < cruise.columnCount(); ++c) {
                if (!item->text(c).endsWith(QStringLiteral("\u25B2"))) {
                    continue;
                }
                ++marks;
                const QRect cell = cruise.visualRect(cruise.model()->index(r, c));
                const Ink ink = Measure(shot, cell.adjusted(1, 1, -1, -1));
                const QString what =
                    QStringLiteral("row %1 column %2: ").arg(r).arg(c) + Describe(ink);
                QVERIFY2(ink.ink.red() > ink.ink.green() + 40, qPrintable(what));
                QVERIFY2(ink.ratio >= tachoria::kTextContrast, qPrintable(what));
            }
        }
        QVERIFY2(marks >= 2, "a redline of 3000 should mark cruising speeds");

        auto& chart = *window.findChild<tachoria::ChartWidget*>();
        const QImage drawn = chart.grab().toImage();
        const tachoria::PlotArea area = chart.Area();
        const tachoria::Pixel at = tachoria::ToPixel(chart.Shown(), area, {0, 3000});
        // The label stands right-aligned just above the redline's line.
        const QFontMetrics metrics(chart.font());
        const int width = metrics.horizontalAdvance(QStringLiteral("redline 3000"));
        const QRect label(static_cast<int>(area.left + area.width) - 4 - width,
                          static_cast<int>(at.y) - metrics.height() - 1, width, metrics.height());
        const Ink ink = Measure(drawn, label);
        QVERIFY2(ink.ink.red() > ink.ink.green() + 40, qPrintable(Describe(ink)));
        QVERIFY2(ink.ratio >= tachoria::kTextContrast, qPrintable(Describe(ink)));
        QCOMPARE(ink.background, chart.palette().color(QPalette::Base));
    }
};

QTEST_MAIN(DarkPaletteTest)
#include "DarkPaletteTest.moc"
