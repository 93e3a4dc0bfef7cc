#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "comparison/Gearing.h"
#include "comparison/StockGearboxes.h"
#include "tables/StockPage.h"
#include "ui/ControlAdapters.h"
#include "ui/TwipPage.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace tachoria {

struct QuestionsStart;

// The "Stock Corvair Gearing" page: the tire box, the cascade of model,
// year range and differential lists, two buttons and a result list. It owns
// its controls (as their Qt parent), their adapters and the page logic.
class StockPageWidget final : public TwipPage {
public:
    // Opens the comparison window with a setup's fields.
    // The page's setup, and the gearbox its model and years select
    // (PageGearbox).
    using CompareOpener =
        std::function<void(const SetupTexts&, const std::optional<StockGearbox>&)>;
    // Opens the gearing questions with the page's inputs.
    using QuestionsOpener = std::function<void(const QuestionsStart&)>;

    // `tabs` is the tab control the page sits in; failures go to `failures`;
    // "Compare Gearing…" calls `compare` and "Gearing Questions…" `questions`
    // with the page's inputs.
    StockPageWidget(QWidget& tabs, FailureSink& failures, const CompareOpener& compare,
                    const QuestionsOpener& questions);

    // The handlers, named after their control and event. Form_Load is the
    // window's, and prepares this page's lists.
    void Form_Load();
    void StockModel_Click();
    void StockYear_Click();
    void StockDiff_Click();
    void StockGetRPMButton_Click();
    void StockGetMPHButton_Click();

    // The page's inputs as a gearing to compare.
    [[nodiscard]] SetupTexts CompareTexts() const;
    // The page's inputs for the gearing questions.
    [[nodiscard]] QuestionsStart QuestionsTexts() const;

    // The controls that take the focus, in keyboard order, without the list.
    [[nodiscard]] std::vector<QWidget*> FocusOrder() const;
    [[nodiscard]] QTreeWidget& List() const { return ListView_; }
    // The table the list shows, or null before the first table.
    [[nodiscard]] const Table* ShownTable() const { return shown_ ? &*shown_ : nullptr; }

private:
    void Run(TableMode mode);

    QLabel& Label6_;
    QLineEdit& StockTire_;
    QLabel& Label5_;
    QComboBox& StockModel_;
    QComboBox& StockYear_;
    QComboBox& StockDiff_;
    QPushButton& StockGetRPMButton_;
    QPushButton& StockGetMPHButton_;
    QLabel& Label7_;
    QTreeWidget& ListView_;

    struct Adapters {
        LineEditTextBox tire;
        ComboBoxList model;
        ComboBoxList year;
        ComboBoxList diff;
        TreeResultList list;
    } adapters_;
    StockPage logic_;
    std::optional<Table> shown_;
};

}  // namespace tachoria
