#pragma once

#include <functional>
#include <optional>
#include <vector>

#include "comparison/Gearing.h"
#include "tables/GenericPage.h"
#include "ui/ControlAdapters.h"
#include "ui/LocaleNumbers.h"
#include "ui/TwipPage.h"

class QLabel;
class QLineEdit;
class QPushButton;
class QTreeWidget;

namespace tachoria {

struct QuestionsStart;

// The "Generic Vehicle" page: three boxes, two buttons and a result list.
// It owns its controls (as their Qt parent), their adapters and the page
// logic that works on them.
class GenericPageWidget final : public TwipPage {
public:
    // Opens the comparison window with a setup's fields.
    using CompareOpener = std::function<void(const SetupTexts&)>;
    // Opens the gearing questions with the page's inputs.
    using QuestionsOpener = std::function<void(const QuestionsStart&)>;

    // `tabs` is the tab control the page sits in; failures go to `failures`;
    // "Compare Gearing…" calls `compare` and "Gearing Questions…" `questions`
    // with the page's inputs.
    GenericPageWidget(QWidget& tabs, FailureSink& failures, const CompareOpener& compare,
                      const QuestionsOpener& questions);

    // The handlers, named after their control and event.
    void Gen_GetMPHButton_Click();
    void Gen_GetRPMButton_Click();

    // The page's inputs as a gearing to compare.
    [[nodiscard]] SetupTexts CompareTexts() const;
    // The page's inputs for the gearing questions.
    [[nodiscard]] QuestionsStart QuestionsTexts() const;

    // The controls that take the focus, in keyboard order, without the list.
    [[nodiscard]] std::vector<QWidget*> FocusOrder() const;
    [[nodiscard]] QTreeWidget& List() const { return ListView1_; }
    // The table the list shows, or null before the first press.
    [[nodiscard]] const Table* ShownTable() const { return shown_ ? &*shown_ : nullptr; }

private:
    QLabel& Label1_;
    QLineEdit& TireBox_;
    QPushButton& Gen_GetRPMButton_;
    QLabel& Label2_;
    QLineEdit& DiffBox_;
    QPushButton& Gen_GetMPHButton_;
    QLabel& Label3_;
    QLineEdit& TransBox_;
    QTreeWidget& ListView1_;

    struct Adapters {
        LineEditTextBox tire;
        LineEditTextBox diff;
        LineEditTextBox trans;
        TreeResultList list;
    } adapters_;
    LocaleNumbers numbers_;
    GenericPage logic_;
    std::optional<Table> shown_;
};

}  // namespace tachoria
