#pragma once

#include <QWidget>
#include <functional>

#include "tables/Controls.h"
#include "ui/CompareWindow.h"
#include "ui/GenericPageWidget.h"
#include "ui/QuestionsWindow.h"
#include "ui/StockPageWidget.h"

class QTabWidget;

namespace tachoria {

// The program's main window: a fixed-size tab control with the "Generic
// Vehicle" and "Stock Corvair Gearing" pages. Every widget in it is owned by
// its Qt parent: the window owns the tab control, the tab control the pages,
// and each page its controls.
class MainForm final : public QWidget, private FailureSink {
public:
    // Client area in twips.
    static constexpr int kWidthTwips = 8640;
    static constexpr int kHeightTwips = 8910;
    static constexpr int kTabHeightTwips = 8895;
    static constexpr int kGenericPage = 0;
    static constexpr int kStockPage = 1;

    explicit MainForm(QWidget* parent = nullptr);

    // How a failure is shown: by default a warning box over the window that
    // does not block (the handler that failed has ended when it is read).
    // Tests put a recorder here; an empty presenter restores the box.
    using WarningPresenter = std::function<void(QWidget& parent, const QString& message)>;
    void SetWarningPresenter(WarningPresenter presenter);

    // The window's load handler: prepares the stock page's lists. It runs
    // once, in the constructor, before the window is first shown.
    void Form_Load();

    // Opens "Compare Gearing" with `now` as setup A, and as B too unless
    // the window is open (shown or minimized), which keeps its B and comes
    // to the front. There is never more than one. `gearbox`: the stock
    // gearbox of `now`'s gears, if they came from the catalogue.
    void OpenCompare(const SetupTexts& now, const std::optional<StockGearbox>& gearbox = {});
    // The comparison window, or null before it is first opened.
    [[nodiscard]] CompareWindow* Compare() const { return compare_; }

    // Opens "Gearing Questions" with the page's inputs, or, while it is open
    // (shown or minimized), brings it to the front as it is. There is never
    // more than one.
    void OpenQuestions(const QuestionsStart& start);
    // The questions window, or null before it is first opened.
    [[nodiscard]] QuestionsWindow* Questions() const { return questions_; }

    [[nodiscard]] GenericPageWidget& Generic() const { return genericPage_; }
    [[nodiscard]] StockPageWidget& Stock() const { return stockPage_; }

protected:
    void showEvent(QShowEvent* event) override;

private:
    void Report(const std::string& message) override;
    void SetTabOrder();

    QTabWidget& StockTab_;
    GenericPageWidget& genericPage_;
    StockPageWidget& stockPage_;
    WarningPresenter presentWarning_;
    CompareWindow* compare_ = nullptr;      // made when first opened; a child window of this one
    QuestionsWindow* questions_ = nullptr;  // the same
};

}  // namespace tachoria
