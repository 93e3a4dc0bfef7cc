#include "web/QuestionsState.h"

#include <algorithm>
#include <nlohmann/json.hpp>

#include "arith/AsciiText.h"
#include "inputs/Defaults.h"
#include "questions/GearingQuestions.h"
#include "tables/DecimalPoint.h"
#include "tables/TableText.h"
#include "web/ComparisonState.h"

namespace tachoria {
namespace {

using JsonValue = nlohmann::ordered_json;

constexpr std::array<std::string_view, 4> kQuestions = {"axle", "tire", "identify", "speedometer"};
constexpr std::string_view kTypedGears = "Typed gears";
constexpr std::string_view kFromChange = "Change from A to B";

struct FieldName {
    std::string_view name;
    std::size_t field;
};

// Each question's fields by their options' names, in the question's order.
std::vector<FieldName> FieldNames(std::string_view question) {
    if (question == "axle") {
        return {{"rpm", AxleQuestion::kRpm},
                {"speed", AxleQuestion::kSpeed},
                {"tire", AxleQuestion::kTire},
                {"gear", AxleQuestion::kGear}};
    }
    if (question == "tire") {
        return {{"rpm", TireQuestion::kRpm},
                {"speed", TireQuestion::kSpeed},
                {"axle", TireQuestion::kAxle},
                {"gear", TireQuestion::kGear}};
    }
    if (question == "identify") {
        return {{"rpm", IdentifyQuestion::kRpm},
                {"speed", IdentifyQuestion::kSpeed},
                {"tire", IdentifyQuestion::kTire},
                {"gears", IdentifyQuestion::kGears}};
    }
    if (question == "speedometer") {
        return {
            {"teeth", SpeedometerQuestion::kTeeth},  {"error", SpeedometerQuestion::kOffPercent},
            {"a-tire", SpeedometerQuestion::kATire}, {"b-tire", SpeedometerQuestion::kBTire},
            {"a-axle", SpeedometerQuestion::kAAxle}, {"b-axle", SpeedometerQuestion::kBAxle}};
    }
    return {};
}

// A sentence or note as the desktop shows it: the user's decimal point,
// and no line break between a number and its "%".
std::string ForReading(std::string_view text, std::string_view point) {
    std::string reading = WithDecimalPoint(text, point);
    std::string kept;
    kept.reserve(reading.size());
    for (std::size_t i = 0; i < reading.size(); ++i) {
        if (reading.compare(i, 2, " %") == 0) {
            kept += "\u00A0";
        } else {
            kept += reading[i];
        }
    }
    return kept;
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

// The gear ratios of the identify question's one field, one text each.
std::vector<std::string> GearTexts(std::string_view text, const NumberConverter& numbers) {
    const char separator = GearSeparator(numbers).front();
    std::vector<std::string> gears;
    while (true) {
        const std::size_t at = text.find(separator);
        std::string_view gear = text.substr(0, at);
        while (gear.starts_with(' ')) {
            gear.remove_prefix(1);
        }
        while (gear.ends_with(' ')) {
            gear.remove_suffix(1);
        }
        gears.emplace_back(gear);
        if (at == std::string_view::npos) {
            return gears;
        }
        text.remove_prefix(at + 1);
    }
}

// An address's gears in the identify question's one field: ratios that
// read with "." in the user's form, joined as the field joins them; any
// other text as given.
std::string UserGearsText(const std::string& value, const NumberConverter& numbers) {
    if (!ReadGearsField(value, PlainNumberConverter())) {
        return value;
    }
    return GearsText(UserGears(value, numbers), numbers);
}

std::string UnitOption(SpeedUnit unit) { return unit == SpeedUnit::KMH ? "kmh" : "mph"; }

}  // namespace

std::span<const std::string_view> QuestionNames() { return kQuestions; }

struct QuestionsState::Models {
    explicit Models(const NumberConverter& numbers)
        : axle(numbers), tire(numbers), identify(numbers), speedometer(numbers) {}
    AxleQuestion axle;
    TireQuestion tire;
    IdentifyQuestion identify;
    SpeedometerQuestion speedometer;

    QuestionModel* Named(std::string_view question) {
        const std::array<QuestionModel*, 4> all = All();
        for (std::size_t i = 0; i < kQuestions.size(); ++i) {
            if (kQuestions[i] == question) {
                return all[i];
            }
        }
        return nullptr;
    }
    std::array<QuestionModel*, 4> All() { return {&axle, &tire, &identify, &speedometer}; }
};

QuestionsState::QuestionsState(std::string_view decimalPoint)
    : point_(decimalPoint == "," ? "," : "."), numbers_(point_.front()) {
    Reset();
}

QuestionsState::~QuestionsState() = default;

void QuestionsState::Reset() { models_ = std::make_unique<Models>(numbers_); }

const QuestionModel* QuestionsState::Question(std::string_view question) const {
    return models_->Named(question);
}

bool QuestionsState::SetField(std::string_view question, std::string_view field, std::string text) {
    QuestionModel* model = models_->Named(question);
    for (const FieldName& name : FieldNames(question)) {
        if (name.name == field) {
            // Gears filled from the catalogue are not for typing.
            if (model == &models_->identify && name.field == IdentifyQuestion::kGears &&
                models_->identify.GearsReadOnly()) {
                return false;
            }
            model->SetText(name.field, std::move(text));
            return true;
        }
    }
    return false;
}

std::vector<std::string> QuestionsState::PickerEntries(std::string_view question,
                                                       std::string_view picker) const {
    if (picker == "unit") {
        return Labels(kUnitChoices);
    }
    if (question == "tire" && picker == "rim") {
        return Labels(RimChoices());
    }
    if (question == "identify" && picker == "gearbox") {
        std::vector<std::string> entries = {std::string(kTypedGears)};
        for (const GearboxChoice& choice : StockGearboxChoices()) {
            entries.push_back(choice.label);
        }
        return entries;
    }
    if (question == "identify" && picker == "in-gear") {
        std::vector<std::string> entries;
        for (int gear = 1; gear <= models_->identify.GearCount(); ++gear) {
            entries.push_back(std::to_string(gear));
        }
        return entries;
    }
    if (question == "speedometer" && picker == "form") {
        return {models_->speedometer.Caption(SpeedometerQuestion::kOffPercent),
                std::string(kFromChange)};
    }
    if (question == "speedometer" && picker == "driven-from") {
        return Labels(kDriveChoices);
    }
    return {};
}

bool QuestionsState::Pick(std::string_view question, std::string_view picker,
                          std::string_view entry) {
    const std::vector<std::string> entries = PickerEntries(question, picker);
    const auto found = std::find(entries.begin(), entries.end(), entry);
    if (found == entries.end()) {
        return false;
    }
    const auto index = static_cast<std::size_t>(found - entries.begin());
    if (picker == "unit") {
        for (QuestionModel* model : models_->All()) {
            model->SetUnit(kUnitChoices.at(index).unit);
        }
    } else if (picker == "rim") {
        models_->tire.SetRim(RimChoices().at(index).rim);
    } else if (picker == "gearbox") {
        const std::optional<StockGearbox> gearbox =
            index == 0 ? std::nullopt : std::optional(StockGearboxChoices().at(index - 1).gearbox);
        models_->identify.SetGearbox(gearbox);
        // The car's gearbox: its model line says what drives the speedometer.
        models_->speedometer.FollowGearbox(gearbox);
    } else if (picker == "in-gear") {
        models_->identify.SetChosenGear(static_cast<int>(index) + 1);
    } else if (picker == "form") {
        models_->speedometer.SetForm(index == 0 ? SpeedometerForm::ReadsOff
                                                : SpeedometerForm::FromChange);
    } else {
        models_->speedometer.SetDrive(kDriveChoices.at(index).drive);
    }
    return true;
}

void QuestionsState::Fill(const MainPages& pages, TablePage page) {
    QuestionsStart start;
    if (page == TablePage::Stock) {
        start.model = pages.ListNamed("StockModel")->text;
        start.yearRange = pages.ListNamed("StockYear")->text;
        start.setup =
            StockSetupTexts(start.model, start.yearRange, pages.ListNamed("StockDiff")->text,
                            pages.BoxText("StockTire"), numbers_);
        start.stockPage = true;
    } else {
        // Empty boxes stand for their defaults, as on a press.
        const auto text = [&](std::string_view box, double fallback) {
            const std::string typed = pages.BoxText(box);
            return typed.empty() ? numbers_.ToText(fallback) : typed;
        };
        start.setup = {text("TireBox", kDefaultTireDiameter),
                       text("DiffBox", kDefaultDiffRatio),
                       {text("TransBox", kDefaultTransRatio)}};
    }
    for (QuestionModel* model : models_->All()) {
        model->Fill(start);
    }
}

std::string QuestionsState::Json() const {
    JsonValue json = JsonValue::object();
    const SpeedUnit unit = models_->axle.Unit();
    json["unit"] =
        std::find_if(kUnitChoices.begin(), kUnitChoices.end(), [unit](const UnitChoice& c) {
            return c.unit == unit;
        })->label;
    json["unitEntries"] = Labels(kUnitChoices);
    json["footnote"] = ForReading(kQuestionsRoundingNote, point_);
    JsonValue questions = JsonValue::object();
    for (const std::string_view name : kQuestions) {
        questions[std::string(name)] = JsonValue::parse(QuestionJson(name));
    }
    json["questions"] = std::move(questions);
    return json.dump(-1, ' ', false, JsonValue::error_handler_t::replace);
}

std::string QuestionsState::QuestionJson(std::string_view question) const {
    const QuestionModel* model = models_->Named(question);
    if (model == nullptr) {
        return "null";
    }
    const QuestionAnswer& answer = model->Answer();
    JsonValue json = JsonValue::object();
    json["title"] = model->Title();
    JsonValue fields = JsonValue::array();
    for (const FieldName& name : FieldNames(question)) {
        const FieldState& state = answer.fields.at(name.field);
        const bool readOnly = model == &models_->identify &&
                              name.field == IdentifyQuestion::kGears &&
                              models_->identify.GearsReadOnly();
        fields.push_back(
            {{"name", name.name},
             {"label", model->Caption(name.field)},
             {"text", model->Text(name.field)},
             {"enabled", state.enabled},
             {"readOnly", readOnly},
             {"reason", state.enabled ? WithDecimalPoint(state.reason.value_or(""), point_) : ""},
             {"readsAs", state.enabled ? WithDecimalPoint(state.readsAs, point_) : ""}});
    }
    json["fields"] = std::move(fields);
    JsonValue pickers = JsonValue::object();
    const auto picker = [&](std::string_view name, std::string chosen) {
        pickers[std::string(name)] = {{"entries", PickerEntries(question, name)},
                                      {"chosen", std::move(chosen)}};
    };
    if (question == "tire") {
        const auto rim =
            std::find_if(RimChoices().begin(), RimChoices().end(),
                         [&](const RimChoice& c) { return c.rim == models_->tire.Rim(); });
        picker("rim", rim == RimChoices().end() ? "" : rim->label);
    } else if (question == "identify") {
        picker("gearbox", GearboxLabel(models_->identify.Gearbox(), kTypedGears));
        picker("in-gear", models_->identify.GearCount() > 0
                              ? std::to_string(models_->identify.InGear())
                              : std::string());
    } else if (question == "speedometer") {
        const SpeedometerQuestion& s = models_->speedometer;
        picker("form", s.Form() == SpeedometerForm::ReadsOff
                           ? s.Caption(SpeedometerQuestion::kOffPercent)
                           : std::string(kFromChange));
        picker("driven-from", s.Drive() == SpeedometerDrive::FrontWheel
                                  ? std::string(kDriveChoices[1].label)
                                  : std::string(kDriveChoices[0].label));
    }
    json["pickers"] = std::move(pickers);
    std::vector<std::string> problems;
    for (const std::string& line : answer.ProblemLines()) {
        problems.push_back(WithDecimalPoint(line, point_));
    }
    json["problems"] = std::move(problems);
    json["sentence"] = ForReading(answer.summary, point_);
    const Table shown = WithDecimalPoint(answer.table, point_);
    JsonValue rows = JsonValue::array();
    for (const TableRow& row : shown.rows) {
        rows.push_back({{"label", row.label}, {"cells", row.cells}});
    }
    json["table"] = {{"headers", shown.headers}, {"rows", std::move(rows)}};
    json["copyText"] =
        answer.answered() ? WithDecimalPoint(TabSeparatedText(answer.table), point_) : "";
    json["csv"] = answer.answered() ? CommaSeparatedText(answer.table) : "";
    json["fileName"] = model->FileName();
    json["printTitle"] = model->PrintedTitle();
    std::vector<std::string> footnotes;
    for (const std::string_view note : model->Footnotes()) {
        footnotes.push_back(ForReading(note, point_));
    }
    json["footnotes"] = std::move(footnotes);
    json["address"] = AddressText(question);
    return json.dump(-1, ' ', false, JsonValue::error_handler_t::replace);
}

std::string QuestionsState::AddressText(std::string_view question) const {
    QuestionModel* model = models_->Named(question);
    if (model == nullptr) {
        return {};
    }
    std::vector<AddressOption> options;
    const auto add = [&](std::string_view name, std::size_t field) {
        options.push_back({std::string(name), AddressNumber(model->Text(field), numbers_)});
    };
    if (question == "identify") {
        const IdentifyQuestion& identify = models_->identify;
        add("rpm", IdentifyQuestion::kRpm);
        add("speed", IdentifyQuestion::kSpeed);
        add("tire", IdentifyQuestion::kTire);
        if (const std::optional<StockGearbox>& gearbox = identify.Gearbox()) {
            options.push_back({"model", gearbox->model});
            options.push_back({"years", YearsNamed(*gearbox)});
        } else {
            // Gears that read travel as ratios with "."; any other text as typed.
            const std::string& gears = identify.Text(IdentifyQuestion::kGears);
            options.push_back({"gears", ReadGearsField(gears, numbers_)
                                            ? AddressGears(GearTexts(gears, numbers_), numbers_)
                                            : gears});
        }
        options.push_back({"in-gear", std::to_string(identify.ChosenGear())});
    } else if (question == "speedometer") {
        const SpeedometerQuestion& s = models_->speedometer;
        add("teeth", SpeedometerQuestion::kTeeth);
        if (s.Form() == SpeedometerForm::ReadsOff) {
            add("error", SpeedometerQuestion::kOffPercent);
        } else {
            add("a-tire", SpeedometerQuestion::kATire);
            add("a-axle", SpeedometerQuestion::kAAxle);
            add("b-tire", SpeedometerQuestion::kBTire);
            add("b-axle", SpeedometerQuestion::kBAxle);
        }
        // Without it, the command line's speedometer is the transmission's.
        if (s.Drive() == SpeedometerDrive::FrontWheel) {
            options.push_back({"driven-from", "wheel"});
        }
    } else {
        for (const FieldName& name : FieldNames(question)) {
            add(name.name, name.field);
        }
        if (question == "tire" && models_->tire.Rim()) {
            options.push_back({"rim", std::to_string(*models_->tire.Rim())});
        }
    }
    options.push_back({"unit", UnitOption(model->Unit())});
    return WriteAddress("solve-" + std::string(question), options);
}

std::vector<std::string> QuestionsState::Open(const Address& address) {
    Reset();
    std::vector<std::string> said;
    if (!address.view.starts_with("solve-")) {
        return said;
    }
    const std::string question = address.view.substr(6);
    QuestionModel* model = models_->Named(question);
    if (model == nullptr) {
        return said;
    }
    if (const std::string* given = address.Find("unit")) {
        // In any case, as tachoria-cli takes it.
        const std::string lower = ToLowerAscii(*given);
        const std::string* unit = &lower;
        if (*unit == "mph" || *unit == "kmh") {
            for (QuestionModel* each : models_->All()) {
                each->SetUnit(*unit == "kmh" ? SpeedUnit::KMH : SpeedUnit::MPH);
            }
        } else {
            said.push_back("The unit is mph or kmh, not " + *given + ".");
        }
    }
    for (const FieldName& name : FieldNames(question)) {
        if (const std::string* value = address.Find(name.name)) {
            model->SetText(name.field, name.name == "gears" ? UserGearsText(*value, numbers_)
                                                            : UserNumber(*value, numbers_));
        }
    }
    const std::string* modelLine = address.Find("model");
    const std::string* years = address.Find("years");
    std::optional<StockGearbox> gearbox;
    if (modelLine != nullptr || years != nullptr) {
        gearbox = GearboxNamed(modelLine ? *modelLine : "", years ? *years : "");
        if (!gearbox) {
            said.push_back("The gearbox is not in the list: " + (modelLine ? *modelLine : "") +
                           ", " + (years ? *years : "") + ".");
        }
    }
    if (question == "tire") {
        if (const std::string* rim = address.Find("rim")) {
            const auto found = std::find_if(
                RimChoices().begin(), RimChoices().end(),
                [&](const RimChoice& c) { return c.rim && std::to_string(*c.rim) == *rim; });
            if (found != RimChoices().end()) {
                models_->tire.SetRim(found->rim);
            } else {
                said.push_back("The rim is not in the list: " + *rim + ".");
            }
        }
    } else if (question == "identify") {
        if (gearbox) {
            models_->identify.SetGearbox(gearbox);
            models_->speedometer.FollowGearbox(gearbox);
        } else if (address.Find("gears") != nullptr) {
            models_->identify.SetGearbox(std::nullopt);
        }
        if (const std::string* inGear = address.Find("in-gear")) {
            const std::optional<double> gear = numbers_.ToNumber(*inGear);
            if (gear && *gear >= 1 && *gear <= static_cast<double>(kMostGears) &&
                *gear == static_cast<int>(*gear)) {
                models_->identify.SetChosenGear(static_cast<int>(*gear));
            } else {
                said.push_back("The gear the car was in is 1 to 6, not " + *inGear + ".");
            }
        }
    } else if (question == "speedometer") {
        const bool change =
            address.Find("error") == nullptr && (address.Find("a-tire") || address.Find("b-tire") ||
                                                 address.Find("a-axle") || address.Find("b-axle"));
        models_->speedometer.SetForm(change ? SpeedometerForm::FromChange
                                            : SpeedometerForm::ReadsOff);
        if (gearbox) {
            models_->speedometer.FollowGearbox(gearbox);
        }
        if (const std::string* drive = address.Find("driven-from")) {
            if (*drive == "transmission" || *drive == "wheel") {
                models_->speedometer.SetDrive(*drive == "wheel" ? SpeedometerDrive::FrontWheel
                                                                : SpeedometerDrive::Transmission);
            } else {
                said.push_back("The speedometer is driven from transmission or wheel, not " +
                               *drive + ".");
            }
        }
    }
    return said;
}

}  // namespace tachoria
