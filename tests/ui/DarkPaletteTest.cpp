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
#include <memory>

#include "comparison/Gearing.h"
#include "ui/ChartWidget.h"
#include "ui/CompareWindow.h"
#include "ui/LegibleColours.h"
#include "ui/LocaleNumbers.h"
#include "ui/QuestionsWindow.h"

using tachoria::ContrastRatio;

namespace {

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

void Type(QWidget& window, const QString& field, const QString& text) {
    auto& box = Find<QLineEdit>(window, field);
    box.selectAll();
    QTest::keyClicks(&box, text);
}

// Text in a red that reads: the ink's red leads, at 4.5:1 or more.
void CheckReadableRed(const Ink& ink, const QString& what) {
    const QString shown = what + QStringLiteral(": ") + Describe(ink);
    QVERIFY2(ink.ink.red() > ink.ink.green() + 40, qPrintable(shown));
    QVERIFY2(ink.ratio >= tachoria::kTextContrast, qPrintable(shown));
}

// A marked field, visibly reddened, whose text reads on the mark; and the
// line that says why.
void CheckMarked(QWidget& window, const QString& field, const QString& problems) {
    auto& box = Find<QLineEdit>(window, field);
    QVERIFY2(box.property("problem").toBool(), qPrintable(field));
    const Ink ink = Measure(box.grab().toImage(), box.rect().adjusted(4, 4, -4, -4));
    const QString what = field + QStringLiteral(": ") + Describe(ink);
    QVERIFY2(ink.background.red() > ink.background.green() + 20, qPrintable(what));
    QVERIFY2(ink.ratio >= tachoria::kTextContrast, qPrintable(what));
    auto& label = Find<QLabel>(window, problems);
    QVERIFY2(label.isVisible(), qPrintable(problems));
    CheckReadableRed(Measure(label.grab().toImage(), label.rect()), problems);
}

// Each "▲" cell of the cruise table, on plain and alternate rows.
void CheckOverRedlineCells(QWidget& window) {
    auto& cruise = Find<QTreeWidget>(window, QStringLiteral("cruise"));
    const QImage shot = cruise.viewport()->grab().toImage();
    int marks = 0;
    for (int r = 0; r < cruise.topLevelItemCount(); ++r) {
        for (int c = 1; c < cruise.columnCount(); ++c) {
            if (cruise.topLevelItem(r)->text(c).endsWith(QStringLiteral("\u25B2"))) {
                ++marks;
                const QRect cell = cruise.visualRect(cruise.model()->index(r, c));
                CheckReadableRed(Measure(shot, cell.adjusted(1, 1, -1, -1)),
                                 QStringLiteral("row %1 column %2").arg(r).arg(c));
            }
        }
    }
    QVERIFY2(marks >= 2, "a redline of 3000 should mark cruising speeds");
}

std::unique_ptr<QWidget> Open(const QString& which) {
    std::unique_ptr<QWidget> window;
    if (which == QStringLiteral("comparison")) {
        auto compare = std::make_unique<tachoria::CompareWindow>();
        compare->Fill(tachoria::DefaultSetupTexts(tachoria::LocaleNumbers()), false);
        window = std::move(compare);
    } else {
        window = std::make_unique<tachoria::QuestionsWindow>();
    }
    window->resize(1366, 728);
    window->show();
    if (!QTest::qWaitForWindowExposed(window.get())) {
        qFatal("the %s window does not show", qPrintable(which));
    }
    return window;
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
        QApplication::setPalette(tachoria::ExampleDarkPalette());
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

    void markedFieldsRead_data() {
        QTest::addColumn<QString>("window");
        QTest::addColumn<QString>("field");
        QTest::addColumn<QString>("problems");
        QTest::newRow("comparison, axle B") << "comparison"
                                            << "axleB"
                                            << "problemsB";
        QTest::newRow("comparison, tire A") << "comparison"
                                            << "tireA"
                                            << "problemsA";
        QTest::newRow("comparison, redline") << "comparison"
                                             << "redline"
                                             << "redlineProblem";
        QTest::newRow("questions, speed") << "questions"
                                          << "axleSpeed"
                                          << "axleProblems";
        QTest::newRow("questions, axle") << "questions"
                                         << "tireAxle"
                                         << "tireProblems";
    }
    void markedFieldsRead() {
        QFETCH(QString, window);
        QFETCH(QString, field);
        QFETCH(QString, problems);
        const std::unique_ptr<QWidget> shown = Open(window);
        Type(*shown, field, QStringLiteral("88 x"));
        CheckMarked(*shown, field, problems);
    }

    // A low redline puts cruising speeds past it: the "▲" cells and the
    // chart's redline label read on the dark Base.
    void overRedlineMarksAndRedlineLabelRead() {
        const std::unique_ptr<QWidget> window = Open(QStringLiteral("comparison"));
        Type(*window, QStringLiteral("redline"), QStringLiteral("3000"));
        CheckOverRedlineCells(*window);

        auto& chart = *window->findChild<tachoria::ChartWidget*>();
        const tachoria::PlotArea area = chart.Area();
        const tachoria::Pixel at = tachoria::ToPixel(chart.Shown(), area, {0, 3000});
        // The label stands right-aligned just above the redline's line.
        const QFontMetrics metrics(chart.font());
        const int width = metrics.horizontalAdvance(QStringLiteral("redline 3000"));
        const QRect label(static_cast<int>(area.left + area.width) - 4 - width,
                          static_cast<int>(at.y) - metrics.height() - 1, width, metrics.height());
        const Ink ink = Measure(chart.grab().toImage(), label);
        CheckReadableRed(ink, QStringLiteral("redline label"));
        QCOMPARE(ink.background, chart.palette().color(QPalette::Base));
    }

    // The desktop switches to its dark theme with the window open and a
    // field marked: the mark, its reason and the "▲" cells follow.
    void marksFollowASwitchToTheDarkTheme() {
        QApplication::setPalette(light_);
        const std::unique_ptr<QWidget> window = Open(QStringLiteral("comparison"));
        Type(*window, QStringLiteral("redline"), QStringLiteral("3000"));
        Type(*window, QStringLiteral("axleB"), QStringLiteral("88 x"));
        QApplication::setPalette(tachoria::ExampleDarkPalette());
        // The widgets hear of it through posted events, then reapply.
        QTest::qWait(100);
        CheckMarked(*window, QStringLiteral("axleB"), QStringLiteral("problemsB"));
        CheckOverRedlineCells(*window);
    }
};

QTEST_MAIN(DarkPaletteTest)
#include "DarkPaletteTest.moc"
