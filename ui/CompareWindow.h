#pragma once

#include <QWidget>
#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "comparison/Comparison.h"
#include "tables/Controls.h"
#include "ui/ComparisonPrinting.h"
#include "ui/LocaleNumbers.h"

class QAction;
class QComboBox;
class QLabel;
class QLineEdit;
class QScrollArea;
class QTreeWidget;

namespace tachoria {

class ChartWidget;
class SetupEditor;
struct QuestionsStart;

// "Compare Gearing": two gearings side by side, A ("now") and B
// ("planned"), with a shared redline and unit, and their results: engine
// speed when cruising, each gear at the redline, the speedometer after the
// change, and the chart. Every edit recomputes at once. Bad fields mark
// themselves; nothing here opens a message box except a failed save or
// print. Numbers on screen, copied and printed use the user's decimal
// point; saved files use ".".
class CompareWindow final : public QWidget, private FailureSink {
    Q_OBJECT

public:
    // Opens the gearing questions; "Gearing Questions…" (Ctrl+Shift+G)
    // gives them setup A, and is left out when this is empty.
    using QuestionsOpener = std::function<void(const QuestionsStart&)>;

    explicit CompareWindow(QWidget* parent = nullptr, QuestionsOpener openQuestions = {});
    ~CompareWindow() override;

    // Fills setup A, and B too unless `keepB`; what `now` leaves empty comes
    // from the default setup.
    void Fill(const SetupTexts& now, bool keepB);
    // Shows the window, restored if minimized, in front and wholly on its
    // screen.
    void Present();
    // The whole comparison on one page: both setups' inputs, the tables and
    // the chart, as "Print Comparison…" prints it.
    [[nodiscard]] ComparisonPrintout Printout() const;

protected:
    void showEvent(QShowEvent* event) override;

private:
    // The window's parts, in the order the constructor makes them: the
    // actions, then the content (the setups, the results and the
    // footnote), the scroll area around it, and the edits that recompute.
    void BuildShortcuts();
    QWidget* BuildContent();
    QWidget* BuildInputs();
    QWidget* BuildResults();
    void BuildScrollArea(QWidget& content);
    void ConnectLiveUpdates();
    QTreeWidget& NewResultList(const char* name, const QString& accessibleName,
                               const Table* (CompareWindow::*shown)() const, const QString& title);
    // Both setups, the redline and the unit, in one line for a title:
    // "A: tire 24; axle 3.27; gears 3.65 / 2.35 / 1.44 / 1 | B: … | redline
    // 5500 RPM; MPH".
    [[nodiscard]] QString SetupsLine() const;
    // The name offered for a file of `what` ("cruise"; empty for the whole
    // comparison), from both setups as they are now.
    [[nodiscard]] QString BaseName(std::string_view what) const;
    void Recompute();
    // Ctrl+S and Ctrl+P act on the focused table; elsewhere on the whole
    // comparison.
    void FollowFocus(QWidget* old, QWidget* focus);
    void PrintWholeComparison();
    void SaveWholeComparisonPdf();
    // A failed save or print, shown over this window.
    void Report(const std::string& message) override;

    const Table* CruiseShown() const { return &cruise_; }
    const Table* GearsShown() const { return &gears_; }
    const Table* SpeedometerShown() const { return &speedometer_; }

    LocaleNumbers numbers_;
    std::string decimalPoint_;
    SetupEditor* a_ = nullptr;
    SetupEditor* b_ = nullptr;
    QLineEdit* redline_ = nullptr;
    QLabel* redlineProblem_ = nullptr;
    QComboBox* unit_ = nullptr;
    // What drives A's speedometer; it starts from where A's gears came from
    // (the catalogue's cars: a front wheel) and then stays as chosen.
    QComboBox* speedometerDrive_ = nullptr;
    bool aWasStock_ = false;
    QTreeWidget* cruiseList_ = nullptr;
    QTreeWidget* gearList_ = nullptr;
    QTreeWidget* speedometerList_ = nullptr;
    QLabel* overRedlineNote_ = nullptr;
    ChartWidget* chart_ = nullptr;
    QLabel* footnote_ = nullptr;
    Table cruise_;
    Table gears_;
    Table speedometer_;
    QScrollArea* scroll_ = nullptr;
    QAction* printComparison_ = nullptr;
    QAction* saveComparisonPdf_ = nullptr;
    QuestionsOpener openQuestions_;
    QAction* gearingQuestions_ = nullptr;  // null without an opener
    bool placed_ = false;
};

}  // namespace tachoria
