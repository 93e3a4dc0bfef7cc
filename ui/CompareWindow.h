#pragma once

#include <functional>
#include <optional>
#include <string>
#include <string_view>

#include "comparison/Comparison.h"
#include "comparison/ComparisonModel.h"
#include "tables/Controls.h"
#include "ui/ComparisonPrinting.h"
#include "ui/LocaleNumbers.h"
#include "ui/ToolWindow.h"

class QAction;
class QLabel;

namespace tachoria {

class ChartWidget;
class CheckedField;
class DrivePicker;
class ReasonLine;
class SetupEditor;
struct QuestionsStart;
class TableResultList;
class UnitPicker;

// "Compare Gearing": two gearings side by side, A ("now") and B
// ("planned"), with a shared redline and unit, and their results: engine
// speed when cruising, each gear at the redline, the speedometer after the
// change, and the chart. Every edit recomputes at once. Bad fields mark
// themselves; nothing here opens a message box except a failed save or
// print. Numbers on screen, copied and printed use the user's decimal
// point; saved files use ".".
class CompareWindow final : public ToolWindow {
    Q_OBJECT

public:
    // Opens the gearing questions; "Gearing Questions…" (Ctrl+Shift+G)
    // gives them setup A, and is left out when this is empty.
    using QuestionsOpener = std::function<void(const QuestionsStart&)>;

    explicit CompareWindow(QWidget* parent = nullptr, QuestionsOpener openQuestions = {});

    // Fills setup A, and B too unless `keepB`; what `now` leaves empty comes
    // from the default setup. `gearbox`: the stock gearbox `now`'s gears are
    // (from the stock page), whose model line sets the speedometer's drive;
    // none for gears typed, which start with the transmission.
    void Fill(const SetupTexts& now, bool keepB, const std::optional<StockGearbox>& gearbox = {});
    // The whole comparison on one page: both setups' inputs, the tables and
    // the chart, as "Print Comparison…" prints it.
    [[nodiscard]] ComparisonPrintout Printout() const;

private:
    // The window's parts, in the order the constructor makes them: the
    // actions, then the content (the setups, the results and the
    // footnote), and the edits that recompute.
    void BuildShortcuts();
    QWidget* BuildContent();
    QWidget* BuildInputs();
    QWidget* BuildResults();
    void ConnectLiveUpdates();
    TableResultList& NewResultList(const char* name, const QString& accessibleName,
                                   const QString& title);
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
    void FocusMoved(QWidget* focus) override;
    void PrintWholeComparison();
    void SaveWholeComparisonPdf();

    LocaleNumbers numbers_;
    ComparisonModel model_{numbers_};
    std::string decimalPoint_;
    SetupEditor* a_ = nullptr;
    SetupEditor* b_ = nullptr;
    CheckedField* redline_ = nullptr;
    ReasonLine* redlineProblem_ = nullptr;
    UnitPicker* unit_ = nullptr;
    // What drives A's speedometer; it follows A's gearbox (its model line's
    // drive; custom gears: the transmission) and otherwise stays as chosen.
    DrivePicker* speedometerDrive_ = nullptr;
    TableResultList* cruiseList_ = nullptr;
    TableResultList* gearList_ = nullptr;
    TableResultList* speedometerList_ = nullptr;
    QLabel* overRedlineNote_ = nullptr;
    ChartWidget* chart_ = nullptr;
    QLabel* footnote_ = nullptr;
    QAction* printComparison_ = nullptr;
    QAction* saveComparisonPdf_ = nullptr;
    QuestionsOpener openQuestions_;
    QAction* gearingQuestions_ = nullptr;  // null without an opener
};

}  // namespace tachoria
