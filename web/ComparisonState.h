#pragma once

#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arith/PointNumbers.h"
#include "comparison/ComparisonModel.h"
#include "tables/MainPages.h"
#include "web/Address.h"

// The comparison window for the web page: one ComparisonModel with the
// browser's decimal point, driven by the page's fields and pickers by name,
// and everything the window shows as JSON, so that the page's script only
// puts texts on screen.
namespace tachoria {

// The size of the plot the chart's geometry is given in (SVG user units);
// the page scales it as a whole.
struct PlotSize {
    double width = 1000;
    double height = 600;
};

// The catalogue's gearbox that an address's model line and years name, as
// the pickers' entries do ("Powerglide (1.82, 1.00)" as the years of a
// Powerglide); and those years of a gearbox.
std::optional<StockGearbox> GearboxNamed(std::string_view model, std::string_view years);
std::string YearsNamed(const StockGearbox& gearbox);

class ComparisonState {
public:
    // `decimalPoint`: the browser's, "," or ".".
    explicit ComparisonState(std::string_view decimalPoint);
    ~ComparisonState();
    ComparisonState(const ComparisonState&) = delete;
    ComparisonState& operator=(const ComparisonState&) = delete;

    // A field typed, by the names of tachoria-cli compare's options:
    // "a-tire", "a-axle", "a-gear-1" … "a-gear-6" (one gear field each), the
    // same for "b-", and "redline". False for a name that is no field, or a
    // gear field past the count on show.
    bool SetField(std::string_view name, std::string text);
    // How many gear fields a setup shows ("a" or "b"), 1 to 6: a field
    // shown again keeps its text.
    bool SetGearCount(std::string_view side, int count);
    // Pickers, by the texts of their entries (PickerEntries): a setup's
    // gearbox ("a-gearbox", "b-gearbox"), "unit", "driven-from". False for
    // a picker or entry that is none.
    bool Pick(std::string_view picker, std::string_view entry);
    // A picker's entries in their order, as the window lists them; none
    // for a name that is no picker.
    [[nodiscard]] std::vector<std::string> PickerEntries(std::string_view picker) const;

    // Both setups from a main page, as the window is first opened from it.
    void Fill(const MainPages& pages, TablePage page);

    // Everything the view shows, every value a text (or a flag): "setups"
    // ("a", "b": title, fields [{name, label, text, reason, readsAs}],
    // gearCount, gearbox, problems), "redline" (a field), "redlineProblems",
    // "pickers" (each picker's chosen entry), "tables" ("cruise", "gears",
    // "speedometer": headers, rows [{label, cells, notes}], caption,
    // copyText, csv, fileName, printTitle), "overRedline", "footnote",
    // "chart" (in `plot`, y downwards: width, height, drawn, xTitle,
    // yTitle, speedTicks [{x, label}], rpmTicks [{y, label}], redline {y,
    // label} or null, noLines, lines [{setup, dashed, gear, gearName,
    // points: "x,y x,y"}], bands [{setup, dashed, points}], legend {key,
    // gears, band}, description), "printout" (title, a, b, shared: lines;
    // footnote, fileName) and "address".
    [[nodiscard]] std::string Json(PlotSize plot = {}) const;
    // What lies under a pointer at `fraction` of the plot's width: the
    // desktop's readout text, and where its line stands in `plot`;
    // {"text":"","x":""} off the chart.
    [[nodiscard]] std::string ReadoutJson(double fraction, PlotSize plot = {}) const;

    // The "compare?…" address of what is on show, and opening one: from
    // the starting setup, each option given as typed. Returns the lines to
    // say (a gearbox that is no catalogue's, what was ignored).
    [[nodiscard]] std::string AddressText() const;
    std::vector<std::string> Open(const Address& address);

    [[nodiscard]] const ComparisonModel& Model() const { return *model_; }

private:
    std::string point_;
    PointNumberConverter numbers_;
    std::unique_ptr<ComparisonModel> model_;
};

}  // namespace tachoria
