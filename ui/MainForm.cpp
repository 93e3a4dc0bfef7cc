#include "ui/MainForm.h"

#include <QTabBar>
#include <QTabWidget>
#include <QTimer>
#include <QTreeWidget>

#include "tables/Captions.h"
#include "ui/ControlLook.h"
#include "ui/TwipPage.h"

namespace tachoria {

MainForm::MainForm(QWidget* parent)
    : QWidget(parent, Qt::Window | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                          Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint),
      StockTab_(*Named(new QTabWidget(this), "StockTab")),
      genericPage_(*new GenericPageWidget(
          StockTab_, *this, [this](const SetupTexts& now) { OpenCompare(now); },
          [this](const QuestionsStart& start) { OpenQuestions(start); })),
      stockPage_(*new StockPageWidget(
          StockTab_, *this,
          [this](const SetupTexts& now, const std::optional<StockGearbox>& gearbox) {
              OpenCompare(now, gearbox);
          },
          [this](const QuestionsStart& start) { OpenQuestions(start); })),
      presentWarning_(ShowWarning) {
    setObjectName(QStringLiteral("MainForm"));
    setWindowTitle(QStringLiteral("Tachoria"));
    setFont(ArialFont(false));
    setFixedSize(kWidthTwips / kTwipsPerPixel, kHeightTwips / kTwipsPerPixel);

    StockTab_.setGeometry(0, 0, kWidthTwips / kTwipsPerPixel, kTabHeightTwips / kTwipsPerPixel);
    StockTab_.addTab(&genericPage_, ToQString(kGenericPageName));
    StockTab_.addTab(&stockPage_, ToQString(kStockPageName));
    StockTab_.setCurrentIndex(kStockPage);

    SetTabOrder();
    // Typing goes somewhere from the start: to the tab strip, where the
    // keyboard order begins.
    StockTab_.tabBar()->setFocus();
    Form_Load();
}

void MainForm::SetTabOrder() {
    // The tab strip first, then the stock page, the generic page, and the
    // two result lists last. Hidden and disabled controls are skipped.
    std::vector<QWidget*> order = {StockTab_.tabBar()};
    for (QWidget* control : stockPage_.FocusOrder()) {
        order.push_back(control);
    }
    for (QWidget* control : genericPage_.FocusOrder()) {
        order.push_back(control);
    }
    order.push_back(&stockPage_.List());
    order.push_back(&genericPage_.List());
    for (std::size_t i = 1; i < order.size(); ++i) {
        QWidget::setTabOrder(order[i - 1], order[i]);
    }
}

void MainForm::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    if (!testAttribute(Qt::WA_SetWindowIcon)) {
        // Drawing the SVG icon loads the SVG module and renders every icon
        // size: most of what start-up costs beyond any Qt window. The window
        // is shown first and gets its icon a moment later.
        QTimer::singleShot(0, this, [this] {
            setWindowIcon(QIcon(QStringLiteral(":/org.tachoria.Tachoria.svg")));
        });
    }
}

void MainForm::SetWarningPresenter(WarningPresenter presenter) {
    presentWarning_ = presenter ? std::move(presenter) : ShowWarning;
}

void MainForm::Report(const std::string& message) {
    presentWarning_(*this, QString::fromStdString(message));
}

void MainForm::Form_Load() { stockPage_.Form_Load(); }

void MainForm::OpenCompare(const SetupTexts& now, const std::optional<StockGearbox>& gearbox) {
    // Open, it keeps the plan in B; closed, it starts over from the page.
    const bool open = compare_ != nullptr && compare_->isVisible();
    if (compare_ == nullptr) {
        compare_ =
            new CompareWindow(this, [this](const QuestionsStart& start) { OpenQuestions(start); });
    }
    compare_->Fill(now, open, gearbox);
    compare_->Present();
}

void MainForm::OpenQuestions(const QuestionsStart& start) {
    // Open, it keeps what is typed in it; closed, it starts over from the
    // page.
    if (questions_ == nullptr) {
        questions_ = new QuestionsWindow(this, start);
    } else if (!questions_->isVisible()) {
        questions_->Fill(start);
    }
    questions_->Present();
}

}  // namespace tachoria
