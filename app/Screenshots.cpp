// The README's screenshots, rendered offscreen on a 1366×768 screen:
// - stock.png and generic.png, the main window with each page's table
//   filled as a user would fill it;
// - compare.png, the comparison opened from the stock page's table with a
//   3.55 axle and 185/80R13 tires planned, sized to fit that screen less a
//   40 px panel;
// - compare-printed.png, that comparison as "Print Comparison…" prints it;
// - questions.png, the gearing questions opened from the stock page's table
//   at the size they open on that screen, with 185/80R13 tires planned for
//   the speedometer;
// - compare-dark.png, the comparison under a dark desktop theme, with a
//   redline low enough to mark cruising speeds and B's axle ratio mistyped.
//
//   tachoria_screenshots DIR           writes them into DIR
//   tachoria_screenshots --check DIR   renders the main window's two pages
//                                      and compares them, pixel by pixel,
//                                      with DIR's stock.png and generic.png;
//                                      exits 1 unless they are the same
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QLineEdit>
#include <QMouseEvent>
#include <QPainter>
#include <QPixmap>
#include <QPushButton>
#include <QRadioButton>
#include <QStyleFactory>
#include <QTabWidget>
#include <QTemporaryFile>
#include <QTreeWidget>
#include <algorithm>
#include <cstdio>
#include <vector>

#include "ui/ChartWidget.h"
#include "ui/CompareWindow.h"
#include "ui/ControlLook.h"
#include "ui/LegibleColours.h"
#include "ui/MainForm.h"
#include "ui/QuestionsWindow.h"

namespace {

// A laptop's screen, and what a desktop's panel leaves of it.
constexpr int kScreenWidth = 1366;
constexpr int kScreenHeight = 768;
constexpr int kPanelHeight = 40;

struct Shot {
    QString file;
    QImage image;
};

// The offscreen platform's screen is 800×600 unless it is told otherwise in
// a configuration file; the file must outlive the QApplication's start.
bool UseLaptopScreen(QTemporaryFile& config) {
    if (!config.open()) {
        return false;
    }
    config.write(QStringLiteral(R"({"screens": [{"name": "laptop", "x": 0, "y": 0,
        "width": %1, "height": %2, "logicalDpi": 96, "logicalBaseDpi": 96, "dpr": 1}]})")
                     .arg(kScreenWidth)
                     .arg(kScreenHeight)
                     .toUtf8());
    config.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + config.fileName().toLocal8Bit());
    return true;
}

void Choose(QComboBox& combo, const QString& text) {
    combo.setCurrentIndex(combo.findText(text));
    emit combo.activated(combo.currentIndex());
}

// The main window's two pages, each with its table shown.
std::vector<Shot> ShootMainWindow(tachoria::MainForm& window) {
    auto* tabs = window.findChild<QTabWidget*>(QStringLiteral("StockTab"));
    window.findChild<QLineEdit*>(QStringLiteral("StockTire"))->setText(QStringLiteral("24"));
    Choose(*window.findChild<QComboBox*>(QStringLiteral("StockModel")),
           QStringLiteral("Early Car (1961-1964)"));
    Choose(*window.findChild<QComboBox*>(QStringLiteral("StockYear")), QStringLiteral("1961-1963"));
    Choose(*window.findChild<QComboBox*>(QStringLiteral("StockDiff")), QStringLiteral("3.27"));
    window.findChild<QPushButton*>(QStringLiteral("StockGetRPMButton"))->click();
    QApplication::processEvents();
    std::vector<Shot> shots;
    shots.push_back({QStringLiteral("stock.png"), window.grab().toImage()});

    tabs->setCurrentIndex(tachoria::MainForm::kGenericPage);
    window.findChild<QPushButton*>(QStringLiteral("Gen_GetMPHButton"))->click();
    QApplication::processEvents();
    shots.push_back({QStringLiteral("generic.png"), window.grab().toImage()});
    tabs->setCurrentIndex(tachoria::MainForm::kStockPage);
    return shots;
}

// The comparison opened from the stock page's table, with B planned, and
// the pointer over the chart at 60 MPH showing the engine speeds there.
Shot ShootComparison(tachoria::MainForm& window) {
    window.Stock().List().findChild<QAction*>(QStringLiteral("compareGearing"))->trigger();
    tachoria::CompareWindow& compare = *window.Compare();
    compare.resize(compare.size().boundedTo(QSize(kScreenWidth, kScreenHeight - kPanelHeight)));
    compare.findChild<QLineEdit*>(QStringLiteral("axleB"))->setText(QStringLiteral("3.55"));
    compare.findChild<QLineEdit*>(QStringLiteral("tireB"))->setText(QStringLiteral("185/80R13"));
    QApplication::processEvents();
    auto* chart = compare.findChild<tachoria::ChartWidget*>();
    const tachoria::PlotArea area = chart->Area();
    const QPointF at(area.left + area.width * 60 / 140, area.top + area.height / 2);
    QMouseEvent move(QEvent::MouseMove, at, chart->mapToGlobal(at), Qt::NoButton, Qt::NoButton,
                     Qt::NoModifier);
    QApplication::sendEvent(chart, &move);
    QApplication::processEvents();
    return {QStringLiteral("compare.png"), compare.grab().toImage()};
}

// The comparison as "Print Comparison…" prints it, on an A4 page at 100
// dots per inch with the printer's usual margins.
Shot ShootPrintedComparison(const tachoria::CompareWindow& compare) {
    constexpr double kDotsPerInch = 100;
    QImage page(qRound(210 / 25.4 * kDotsPerInch), qRound(297 / 25.4 * kDotsPerInch),
                QImage::Format_RGB32);
    page.setDotsPerMeterX(qRound(kDotsPerInch / 0.0254));
    page.setDotsPerMeterY(qRound(kDotsPerInch / 0.0254));
    page.fill(Qt::white);
    QPainter painter(&page);
    const double margin = kDotsPerInch / 2;
    tachoria::PaintComparisonPage(
        painter, QRectF(margin, margin, page.width() - 2 * margin, page.height() - 2 * margin),
        compare.Printout(), QDate::currentDate());
    painter.end();
    return {QStringLiteral("compare-printed.png"), page};
}

// The gearing questions opened from the stock page's table, as they open
// on the laptop's screen less its panel; the speedometer's question asks
// what 185/80R13 tires do to it.
Shot ShootQuestions(tachoria::MainForm& window) {
    window.Stock().List().findChild<QAction*>(QStringLiteral("gearingQuestions"))->trigger();
    tachoria::QuestionsWindow& questions = *window.Questions();
    questions.resize(questions.size().boundedTo(QSize(kScreenWidth, kScreenHeight - kPanelHeight)));
    questions.findChild<QRadioButton*>(QStringLiteral("fromChange"))->setChecked(true);
    questions.findChild<QLineEdit*>(QStringLiteral("bTire"))->setText(QStringLiteral("185/80R13"));
    QApplication::processEvents();
    return {QStringLiteral("questions.png"), questions.grab().toImage()};
}

// The comparison of the stock page's setup under the dark theme, opened
// afresh so that every colour comes from that palette: B plans 185/80R13
// tires with its axle ratio mistyped, and a 3400 RPM redline marks the
// cruising speeds past it.
Shot ShootDarkComparison(tachoria::MainForm& window) {
    QApplication::setPalette(tachoria::ExampleDarkPalette());
    tachoria::CompareWindow compare;
    // The page's early car, 1961-1963: its gearbox, as the page hands it on.
    compare.Fill(window.Stock().CompareTexts(), false, tachoria::PageGearbox({}, {}, true));
    compare.resize(QSize(kScreenWidth, kScreenHeight - kPanelHeight));
    compare.show();
    compare.findChild<QLineEdit*>(QStringLiteral("tireB"))->setText(QStringLiteral("185/80R13"));
    compare.findChild<QLineEdit*>(QStringLiteral("axleB"))->setText(QStringLiteral("3,55"));
    compare.findChild<QLineEdit*>(QStringLiteral("redline"))->setText(QStringLiteral("3400"));
    QApplication::processEvents();
    return {QStringLiteral("compare-dark.png"), compare.grab().toImage()};
}

// The pixels that differ, counting every pixel that only one of the two
// images has; `where` gets the smallest rectangle holding them.
qint64 DifferingPixels(const QImage& rendered, const QImage& committed, QRect& where) {
    const QImage a = rendered.convertToFormat(QImage::Format_ARGB32);
    const QImage b = committed.convertToFormat(QImage::Format_ARGB32);
    const int width = std::max(a.width(), b.width());
    const int height = std::max(a.height(), b.height());
    qint64 count = 0;
    where = QRect();
    for (int y = 0; y < height; ++y) {
        for (int x = 0; x < width; ++x) {
            const bool inA = x < a.width() && y < a.height();
            const bool inB = x < b.width() && y < b.height();
            if (!inA || !inB || a.pixel(x, y) != b.pixel(x, y)) {
                ++count;
                where |= QRect(x, y, 1, 1);
            }
        }
    }
    return count;
}

int Check(const QString& dir, const std::vector<Shot>& shots) {
    int status = 0;
    for (const Shot& shot : shots) {
        const QString path = QDir(dir).filePath(shot.file);
        const QImage committed(path);
        if (committed.isNull()) {
            std::printf("%s: cannot be read\n", qPrintable(path));
            status = 1;
            continue;
        }
        QRect where;
        const qint64 count = DifferingPixels(shot.image, committed, where);
        std::printf("%s: %lld differing pixels (rendered %d×%d, committed %d×%d)", qPrintable(path),
                    static_cast<long long>(count), shot.image.width(), shot.image.height(),
                    committed.width(), committed.height());
        if (count > 0) {
            std::printf(", within x %d-%d, y %d-%d", where.left(), where.right(), where.top(),
                        where.bottom());
            status = 1;
        }
        std::printf("\n");
    }
    return status;
}

int Write(const QString& dir, const std::vector<Shot>& shots) {
    QDir().mkpath(dir);
    int status = 0;
    for (const Shot& shot : shots) {
        if (!shot.image.save(QDir(dir).filePath(shot.file))) {
            std::fprintf(stderr, "could not write %s in %s\n", qPrintable(shot.file),
                         qPrintable(dir));
            status = 1;
        }
    }
    return status;
}

}  // namespace

int main(int argc, char* argv[]) {
    const bool check = argc > 1 && qstrcmp(argv[1], "--check") == 0;
    const int dirArg = check ? 2 : 1;
    if (argc > dirArg + 1) {
        std::fprintf(stderr, "usage: %s [--check] [DIR]\n", argv[0]);
        return 2;
    }
    QTemporaryFile screenConfig;
    if (!UseLaptopScreen(screenConfig)) {
        std::fprintf(stderr, "could not write the offscreen screen's configuration\n");
        return 1;
    }
    QApplication app(argc, argv);
    // As main() sets them up.
    QApplication::setStyle(QStyleFactory::create(QStringLiteral("Fusion")));
    QApplication::setFont(tachoria::ApplicationFont());
    const QString dir = argc > dirArg ? QString::fromLocal8Bit(argv[dirArg]) : QStringLiteral(".");

    tachoria::MainForm window;
    window.show();
    std::vector<Shot> shots = ShootMainWindow(window);
    if (check) {
        return Check(dir, shots);
    }
    shots.push_back(ShootComparison(window));
    shots.push_back(ShootPrintedComparison(*window.Compare()));
    shots.push_back(ShootQuestions(window));
    shots.push_back(ShootDarkComparison(window));
    return Write(dir, shots);
}
