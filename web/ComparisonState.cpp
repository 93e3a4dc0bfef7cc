#include "web/ComparisonState.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <nlohmann/json.hpp>

#include "arith/AsciiText.h"
#include "inputs/Defaults.h"
#include "inputs/GearName.h"
#include "inputs/InputRanges.h"
#include "tables/DecimalPoint.h"
#include "tables/FileNames.h"
#include "tables/TableText.h"

namespace tachoria {
namespace {

using JsonValue = nlohmann::ordered_json;

constexpr std::string_view kCustomGears = "Custom gears";

std::optional<Setup> SideNamed(std::string_view side) {
    if (side == "a") {
        return Setup::A;
    }
    if (side == "b") {
        return Setup::B;
    }
    return std::nullopt;
}

std::string_view Letter(Setup side) { return side == Setup::A ? "a" : "b"; }

// A coordinate for SVG: "." as the point, to 0.01.
std::string Coordinate(double value) { return PlainDigits(std::round(value * 100) / 100); }

std::string PointsText(const Chart& chart, const PlotArea& area, const ChartLine& line) {
    std::string points;
    for (const ChartPoint& point : line.points) {
        const Pixel pixel = ToPixel(chart, area, point);
        points += points.empty() ? "" : " ";
        points += Coordinate(pixel.x);
        points += ',';
        points += Coordinate(pixel.y);
    }
    return points;
}

JsonValue FieldJson(std::string name, const FieldState& state, std::string_view text,
                    std::string_view point) {
    return {{"name", std::move(name)},
            {"label", state.label},
            {"text", text},
            {"reason", WithDecimalPoint(state.reason.value_or(""), point)},
            {"readsAs", WithDecimalPoint(state.readsAs, point)}};
}

// A table as the window shows it: the browser's decimal point, and a
// cell with a note marked with the sign after it, the note kept for its
// tooltip and screen readers.
JsonValue TableJson(const Table& table, std::string_view point) {
    const Table shown = WithDecimalPoint(table, point);
    JsonValue rows = JsonValue::array();
    for (const TableRow& row : shown.rows) {
        std::vector<std::string> cells = row.cells;
        for (std::size_t c = 0; c < row.notes.size() && c < cells.size(); ++c) {
            if (!row.notes[c].empty()) {
                cells[c] += ' ';
                cells[c] += kNoteSign;
            }
        }
        std::vector<std::string> notes = row.notes;
        notes.resize(cells.size());
        rows.push_back({{"label", row.label}, {"cells", cells}, {"notes", notes}});
    }
    return {{"headers", shown.headers}, {"rows", std::move(rows)}};
}

std::string GearsLine(const SetupTexts& texts) {
    std::string line;
    for (const std::string& gear : texts.gears) {
        // Not ", ": in a comma locale that would run into the decimals.
        line += line.empty() ? "" : " / ";
        line += gear;
    }
    return line;
}

std::string Label(const std::optional<StockGearbox>& gearbox) {
    return GearboxLabel(gearbox, kCustomGears);
}

template <typename Choices>
std::vector<std::string> Labels(const Choices& choices) {
    std::vector<std::string> labels;
    labels.reserve(std::size(choices));
    for (const auto& choice : choices) {
        labels.emplace_back(choice.label);
    }
    return labels;
}

// The chart in a plot of `plot`'s size, y growing downwards as in SVG:
// every coordinate with ".", every label with the browser's point.
JsonValue ChartJson(const ComparisonAnswer& answer, PlotSize plot, std::string_view point) {
    const Chart& chart = answer.chart;
    const PlotArea area{0, 0, plot.width, plot.height};
    JsonValue drawn = JsonValue::object();
    drawn["width"] = Coordinate(plot.width);
    drawn["height"] = Coordinate(plot.height);
    drawn["drawn"] = chart.speedMax > 0 && chart.rpmMax > 0;
    drawn["xTitle"] = "Road speed, " + std::string(UnitName(chart.unit));
    drawn["yTitle"] = "Engine RPM";
    JsonValue speedTicks = JsonValue::array();
    for (const double speed : chart.speedTicks) {
        speedTicks.push_back({{"x", Coordinate(ToPixel(chart, area, {speed, 0}).x)},
                              {"label", WithDecimalPoint(TickText(speed), point)}});
    }
    JsonValue rpmTicks = JsonValue::array();
    for (const double rpm : chart.rpmTicks) {
        rpmTicks.push_back({{"y", Coordinate(ToPixel(chart, area, {0, rpm}).y)},
                            {"label", WithDecimalPoint(TickText(rpm), point)}});
    }
    drawn["speedTicks"] = std::move(speedTicks);
    drawn["rpmTicks"] = std::move(rpmTicks);
    if (chart.redline) {
        drawn["redline"] = {
            {"y", Coordinate(ToPixel(chart, area, {0, *chart.redline}).y)},
            {"label", "redline " + WithDecimalPoint(TickText(*chart.redline), point)}};
        drawn["noLines"] = "";
    } else {
        // The lines end at the redline: without one there are none to draw.
        drawn["redline"] = nullptr;
        drawn["noLines"] =
            "The lines need a redline " +
            WithDecimalPoint(RangeText(kRedlineRange, PlainNumberConverter()), point) + ".";
    }
    int gears = 0;
    JsonValue lines = JsonValue::array();
    for (const ChartLine& line : chart.gearLines) {
        gears = std::max(gears, line.gear);
        lines.push_back({{"setup", line.setup == Setup::A ? "A" : "B"},
                         {"dashed", line.setup == Setup::B},
                         {"gear", std::to_string(line.gear)},
                         {"gearName", GearName(line.gear)},
                         {"points", PointsText(chart, area, line)}});
    }
    JsonValue bands = JsonValue::array();
    for (const ChartLine& line : chart.sawtooths) {
        bands.push_back({{"setup", line.setup == Setup::A ? "A" : "B"},
                         {"dashed", line.setup == Setup::B},
                         {"points", PointsText(chart, area, line)}});
    }
    drawn["lines"] = std::move(lines);
    drawn["bands"] = std::move(bands);
    std::vector<std::string> legendGears;
    for (int gear = 1; gear <= gears; ++gear) {
        legendGears.push_back(GearName(gear));
    }
    drawn["legend"] = {
        {"key", gears > 0 ? "A solid, B dashed:" : ""},
        {"gears", legendGears},
        {"band", chart.sawtooths.empty() ? ""
                                         : "Grey band: shifting up at the redline, and the RPM "
                                           "each shift drops to"}};
    drawn["description"] = WithDecimalPoint(answer.chartDescription, point);
    return drawn;
}
}  // namespace

std::optional<StockGearbox> GearboxNamed(std::string_view model, std::string_view years) {
    for (const GearboxChoice& choice : StockGearboxChoices()) {
        const StockGearbox& gearbox = choice.gearbox;
        const std::string_view its =
            gearbox.powerglide ? std::string_view(kPowerglideName) : gearbox.yearRange;
        if (gearbox.model == model && its == years) {
            return gearbox;
        }
    }
    return std::nullopt;
}

std::string YearsNamed(const StockGearbox& gearbox) {
    return gearbox.powerglide ? std::string(kPowerglideName) : gearbox.yearRange;
}

ComparisonState::ComparisonState(std::string_view decimalPoint)
    : point_(decimalPoint == "," ? "," : "."),
      numbers_(point_.front()),
      model_(std::make_unique<ComparisonModel>(numbers_)) {}

ComparisonState::~ComparisonState() = default;

bool ComparisonState::SetField(std::string_view name, std::string text) {
    if (name == "redline") {
        model_->SetRedline(std::move(text));
        return true;
    }
    const std::optional<Setup> side = SideNamed(name.substr(0, 1));
    if (!side || name.size() < 3 || name[1] != '-') {
        return false;
    }
    const std::string_view field = name.substr(2);
    SetupTexts texts = model_->Texts(*side);
    if (field == "tire") {
        texts.tire = std::move(text);
    } else if (field == "axle") {
        texts.axle = std::move(text);
    } else if (field.size() == 6 && field.starts_with("gear-") && field[5] >= '1' &&
               field[5] <= '6' && static_cast<std::size_t>(field[5] - '0') <= texts.gears.size()) {
        texts.gears[static_cast<std::size_t>(field[5] - '1')] = std::move(text);
    } else {
        return false;
    }
    model_->SetTexts(*side, std::move(texts));
    return true;
}

bool ComparisonState::SetGearCount(std::string_view sideName, int count) {
    const std::optional<Setup> side = SideNamed(sideName);
    if (!side || count < 1 || count > static_cast<int>(kMostGears)) {
        return false;
    }
    SetupTexts texts = model_->Texts(*side);
    texts.gears.resize(static_cast<std::size_t>(count));
    model_->SetTexts(*side, std::move(texts));
    return true;
}

std::vector<std::string> ComparisonState::PickerEntries(std::string_view picker) const {
    if (picker == "a-gearbox" || picker == "b-gearbox") {
        std::vector<std::string> entries = {std::string(kCustomGears)};
        for (const GearboxChoice& choice : StockGearboxChoices()) {
            entries.push_back(choice.label);
        }
        return entries;
    }
    if (picker == "unit") {
        return Labels(kUnitChoices);
    }
    if (picker == "driven-from") {
        return Labels(kDriveChoices);
    }
    return {};
}

bool ComparisonState::Pick(std::string_view picker, std::string_view entry) {
    if (picker == "a-gearbox" || picker == "b-gearbox") {
        const Setup side = picker.front() == 'a' ? Setup::A : Setup::B;
        if (entry == kCustomGears) {
            model_->SetGearbox(side, std::nullopt);
            return true;
        }
        const auto& choices = StockGearboxChoices();
        // std::ranges' algorithms are missing from the WebAssembly build's libc++.
        const auto chosen =
            std::find_if(choices.begin(), choices.end(),
                         [&](const GearboxChoice& choice) { return choice.label == entry; });
        if (chosen == choices.end()) {
            return false;
        }
        model_->SetGearbox(side, chosen->gearbox);
        return true;
    }
    if (picker == "unit") {
        const auto chosen =
            std::find_if(kUnitChoices.begin(), kUnitChoices.end(),
                         [&](const UnitChoice& choice) { return choice.label == entry; });
        if (chosen == kUnitChoices.end()) {
            return false;
        }
        model_->SetUnit(chosen->unit);
        return true;
    }
    if (picker == "driven-from") {
        for (const DriveChoice& choice : kDriveChoices) {
            if (choice.label == entry) {
                model_->SetDrive(choice.drive);
                return true;
            }
        }
    }
    return false;
}

void ComparisonState::Fill(const MainPages& pages, TablePage page) {
    SetupTexts texts;
    std::optional<StockGearbox> gearbox;
    if (page == TablePage::Stock) {
        const std::string& model = pages.ListNamed("StockModel")->text;
        const std::string& years = pages.ListNamed("StockYear")->text;
        texts = StockSetupTexts(model, years, pages.ListNamed("StockDiff")->text,
                                pages.BoxText("StockTire"), numbers_);
        gearbox = PageGearbox(model, years, true);
    } else {
        // Empty boxes stand for their defaults, as on a press.
        const auto text = [&](std::string_view box, double fallback) {
            const std::string typed = pages.BoxText(box);
            return typed.empty() ? numbers_.ToText(fallback) : typed;
        };
        texts = {text("TireBox", kDefaultTireDiameter),
                 text("DiffBox", kDefaultDiffRatio),
                 {text("TransBox", kDefaultTransRatio)}};
    }
    const SetupTexts completed = CompletedSetupTexts(texts, numbers_);
    for (const Setup side : {Setup::A, Setup::B}) {
        model_->SetTexts(side, completed);
        model_->SetGearbox(side, gearbox);
    }
}

std::string ComparisonState::Json(PlotSize plot) const {
    const ComparisonAnswer& answer = model_->Answer();
    JsonValue json = JsonValue::object();
    JsonValue setups = JsonValue::object();
    for (const Setup side : {Setup::A, Setup::B}) {
        const SetupTexts& texts = model_->Texts(side);
        const SetupReading& reading = side == Setup::A ? answer.a : answer.b;
        const std::string letter(Letter(side));
        JsonValue fields = JsonValue::array();
        fields.push_back(FieldJson(letter + "-tire", reading.tire, texts.tire, point_));
        fields.push_back(FieldJson(letter + "-axle", reading.axle, texts.axle, point_));
        for (std::size_t i = 0; i < texts.gears.size() && i < reading.gears.size(); ++i) {
            fields.push_back(FieldJson(letter + "-gear-" + std::to_string(i + 1), reading.gears[i],
                                       texts.gears[i], point_));
        }
        std::vector<std::string> problems;
        for (const std::string& line : reading.ProblemLines()) {
            problems.push_back(WithDecimalPoint(line, point_));
        }
        setups[letter] = {{"title", side == Setup::A ? "A: now" : "B: planned"},
                          {"fields", std::move(fields)},
                          {"gearCount", std::to_string(texts.gears.size())},
                          {"gearbox", Label(model_->Gearbox(side))},
                          {"problems", std::move(problems)}};
    }
    json["setups"] = std::move(setups);
    json["redline"] = FieldJson("redline", answer.redline, model_->Redline(), point_);
    json["redlineProblems"] =
        answer.redline.bad()
            ? std::vector<std::string>{WithDecimalPoint(answer.redline.Line(), point_)}
            : std::vector<std::string>{};
    const auto unitLabel =
        std::find_if(kUnitChoices.begin(), kUnitChoices.end(),
                     [&](const UnitChoice& c) { return c.unit == model_->Unit(); });
    const auto driveLabel =
        std::find_if(kDriveChoices.begin(), kDriveChoices.end(),
                     [&](const DriveChoice& c) { return c.drive == model_->Drive(); });
    json["pickers"] = {{"a-gearbox", Label(model_->Gearbox(Setup::A))},
                       {"b-gearbox", Label(model_->Gearbox(Setup::B))},
                       {"unit", unitLabel->label},
                       {"driven-from", driveLabel->label}};

    const SetupTexts& a = model_->Texts(Setup::A);
    const SetupTexts& b = model_->Texts(Setup::B);
    const auto setupLine = [](std::string_view letter, const SetupTexts& texts) {
        // "; " between the parts: a comma would run into comma decimals.
        return std::string(letter) + ": tire " + texts.tire + "; axle " + texts.axle + "; gears " +
               GearsLine(texts);
    };
    const std::string setupsLine = setupLine("A", a) + " | " + setupLine("B", b) + " | redline " +
                                   model_->Redline() + " RPM; " + std::string(unitLabel->label);
    struct Shown {
        std::string_view name;
        std::string_view caption;
        std::string_view title;
        const Table& table;
    };
    const std::array<Shown, 3> shown = {{
        {"cruise", kCruiseCaption, "Engine RPM in top gear", answer.cruise},
        {"gears", kGearsCaption, "Each gear at the redline", answer.gears},
        {"speedometer", kSpeedometerCaption, "Speedometer after the change", answer.speedometer},
    }};
    JsonValue tables = JsonValue::object();
    for (const Shown& s : shown) {
        JsonValue table = TableJson(s.table, point_);
        table["caption"] = s.caption;
        table["copyText"] = WithDecimalPoint(TabSeparatedText(s.table), point_);
        table["csv"] = CommaSeparatedText(s.table);
        table["fileName"] = ComparisonBaseName(s.name, {a.tire, a.axle}, {b.tire, b.axle});
        table["printTitle"] = "Compare Gearing: " + std::string(s.title) + " (" + setupsLine + ")";
        tables[std::string(s.name)] = std::move(table);
    }
    json["tables"] = std::move(tables);
    const std::string footnote =
        WithDecimalPoint(kRoundingNote, point_) + " " + std::string(kSpeedometerDriveNote);
    json["overRedline"] =
        answer.overRedline ? std::string(kNoteSign) + " over the redline" : std::string();
    json["footnote"] = footnote;

    json["chart"] = ChartJson(answer, plot, point_);

    // The printed page: both setups' inputs, the tables (marked) and the
    // chart, under the window's title.
    const auto inputs = [&](Setup side, const SetupReading& reading) {
        const SetupTexts& texts = model_->Texts(side);
        const std::string& reads = reading.tire.readsAs;
        return std::vector<std::string>{
            "Tire: " + texts.tire +
                (reads.empty() ? "" : " (" + WithDecimalPoint(reads, point_) + ")"),
            "Axle ratio: " + texts.axle, "Gears: " + GearsLine(texts),
            "Gearbox: " + Label(model_->Gearbox(side))};
    };
    std::string printedFootnote = footnote;
    if (HasNotes(answer.cruise) || HasNotes(answer.gears)) {
        printedFootnote += " " + std::string(kNoteSign) + ": over the redline.";
    }
    json["printout"] = {
        {"title", "Compare Gearing"},
        {"a", inputs(Setup::A, answer.a)},
        {"b", inputs(Setup::B, answer.b)},
        {"shared",
         {"Redline: " + model_->Redline() + " RPM", "Unit: " + std::string(unitLabel->label),
          "Speedometer driven from: " + std::string(driveLabel->label)}},
        {"footnote", printedFootnote},
        {"fileName", ComparisonBaseName({}, {a.tire, a.axle}, {b.tire, b.axle})}};
    json["address"] = AddressText();
    return json.dump(-1, ' ', false, JsonValue::error_handler_t::replace);
}

std::string ComparisonState::ReadoutJson(double fraction, PlotSize plot) const {
    const Chart& chart = model_->Answer().chart;
    JsonValue json = {{"text", ""}, {"x", ""}};
    if (std::isfinite(fraction) && fraction >= 0 && fraction <= 1 && chart.speedMax > 0) {
        const double speed = fraction * chart.speedMax;
        const std::string text = ValuesAt(chart, speed);
        if (!text.empty()) {
            const PlotArea area{0, 0, plot.width, plot.height};
            json["text"] = WithDecimalPoint(text, point_);
            json["x"] = Coordinate(ToPixel(chart, area, {std::floor(speed * 10) / 10, 0}).x);
        }
    }
    return json.dump(-1, ' ', false, JsonValue::error_handler_t::replace);
}

std::string ComparisonState::AddressText() const {
    std::vector<AddressOption> options;
    for (const Setup side : {Setup::A, Setup::B}) {
        const std::string letter(Letter(side));
        const SetupTexts& texts = model_->Texts(side);
        options.push_back({letter + "-tire", AddressNumber(texts.tire, numbers_)});
        options.push_back({letter + "-axle", AddressNumber(texts.axle, numbers_)});
        if (const std::optional<StockGearbox>& gearbox = model_->Gearbox(side)) {
            options.push_back({letter + "-model", gearbox->model});
            options.push_back({letter + "-years", gearbox->powerglide ? std::string(kPowerglideName)
                                                                      : gearbox->yearRange});
        } else {
            options.push_back({letter + "-gears", AddressGears(texts.gears, numbers_)});
        }
    }
    options.push_back({"redline", AddressNumber(model_->Redline(), numbers_)});
    options.push_back({"unit", model_->Unit() == SpeedUnit::KMH ? "kmh" : "mph"});
    // Only a drive that A's gearbox would not give needs saying.
    if (model_->Drive() != DriveOf(model_->Gearbox(Setup::A))) {
        options.push_back({"driven-from", model_->Drive() == SpeedometerDrive::FrontWheel
                                              ? "wheel"
                                              : "transmission"});
    }
    return WriteAddress("compare", options);
}

std::vector<std::string> ComparisonState::Open(const Address& address) {
    model_ = std::make_unique<ComparisonModel>(numbers_);
    std::vector<std::string> said;
    for (const Setup side : {Setup::A, Setup::B}) {
        const std::string letter(Letter(side));
        SetupTexts texts = model_->Texts(side);
        if (const std::string* tire = address.Find(letter + "-tire")) {
            texts.tire = UserNumber(*tire, numbers_);
        }
        if (const std::string* axle = address.Find(letter + "-axle")) {
            texts.axle = UserNumber(*axle, numbers_);
        }
        if (const std::string* gears = address.Find(letter + "-gears")) {
            // Ratios given are typed ones, even where they are a gearbox's.
            model_->SetGearbox(side, std::nullopt);
            texts.gears = UserGears(*gears, numbers_);
            if (texts.gears.size() > kMostGears) {
                said.push_back((side == Setup::A ? "A's" : "B's") + std::string(" gears: ") +
                               std::to_string(texts.gears.size()) +
                               " given, and a setup has 1 to 6: the first 6 are used.");
                texts.gears.resize(kMostGears);
            }
        }
        model_->SetTexts(side, texts);
        const std::string* model = address.Find(letter + "-model");
        const std::string* years = address.Find(letter + "-years");
        if (model != nullptr || years != nullptr) {
            const std::optional<StockGearbox> gearbox =
                GearboxNamed(model ? *model : "", years ? *years : "");
            if (gearbox) {
                model_->SetGearbox(side, gearbox);
            } else {
                said.push_back((side == Setup::A ? "A's" : "B's") +
                               std::string(" gearbox is not in the list: ") +
                               (model ? *model : "") + ", " + (years ? *years : "") + ".");
            }
        }
    }
    if (const std::string* redline = address.Find("redline")) {
        model_->SetRedline(UserNumber(*redline, numbers_));
    }
    if (const std::string* given = address.Find("unit")) {
        // In any case, as tachoria-cli takes it.
        const std::string lower = ToLowerAscii(*given);
        const std::string* unit = &lower;
        if (*unit == "mph" || *unit == "kmh") {
            model_->SetUnit(*unit == "kmh" ? SpeedUnit::KMH : SpeedUnit::MPH);
        } else {
            said.push_back("The unit is mph or kmh, not " + *given + ".");
        }
    }
    if (const std::string* drive = address.Find("driven-from")) {
        if (*drive == "transmission" || *drive == "wheel") {
            model_->SetDrive(*drive == "wheel" ? SpeedometerDrive::FrontWheel
                                               : SpeedometerDrive::Transmission);
        } else {
            said.push_back("The speedometer is driven from transmission or wheel, not " + *drive +
                           ".");
        }
    }
    return said;
}

}  // namespace tachoria
