#include "commandline/SolveCommand.h"

#include <optional>
#include <string_view>
#include <tuple>
#include <utility>
#include <vector>

#include "catalogue/StockCatalogue.h"
#include "commandline/OptionReading.h"
#include "comparison/Gearing.h"
#include "questions/AxleQuestion.h"
#include "questions/GearingQuestions.h"
#include "questions/IdentifyQuestion.h"
#include "questions/TireQuestion.h"
#include "tables/TableJson.h"

namespace tachoria {
namespace {

// The options' "." as the decimal point, for every model and reader here.
const PlainNumberConverter kNumbers;

// One option that a field of a question's model holds.
struct OptionField {
    std::size_t field;
    std::string_view option;
    std::string_view text;
};

// The first of `fields` that the model finds bad, in the order the options
// are checked: its reason, naming its option and text, is what the user sees.
std::optional<Failure> FirstBad(const QuestionAnswer& answer,
                                std::initializer_list<OptionField> fields) {
    for (const OptionField& field : fields) {
        if (const FieldState& state = answer.fields.at(field.field); state.bad()) {
            return Failure{OptionProblem(field.option, field.text, *state.reason)};
        }
    }
    return std::nullopt;
}

// What every question starts from: the engine speed at a road speed.
struct Target {
    double rpm = 0;
    double speed = 0;
    SpeedUnit unit = SpeedUnit::MPH;
};

SpeedUnit UnitOf(const SolveOptions& options) {
    return options.unit == "kmh" ? SpeedUnit::KMH : SpeedUnit::MPH;
}

// The number a field read as; only for a field that is not bad.
double ValueOf(const QuestionAnswer& answer, std::size_t field) {
    return answer.fields.at(field).value.value_or(0);
}

// The target of the axle, tire and identify questions, whose first two
// fields are the engine speed and the road speed.
Target TargetOf(const QuestionModel& question) {
    static_assert(AxleQuestion::kRpm == 0 && TireQuestion::kRpm == 0 &&
                  IdentifyQuestion::kRpm == 0);
    static_assert(AxleQuestion::kSpeed == 1 && TireQuestion::kSpeed == 1 &&
                  IdentifyQuestion::kSpeed == 1);
    return {ValueOf(question.Answer(), 0), ValueOf(question.Answer(), 1), question.Unit()};
}

// What is written under a question's table: how its numbers are rounded,
// then its own footnotes.
std::vector<std::string_view> NotesOf(const QuestionModel& question) {
    std::vector<std::string_view> notes = {kQuestionsRoundingNote};
    for (const std::string_view note : question.Footnotes()) {
        notes.push_back(note);
    }
    return notes;
}

// The engine speed and road speed options into a question.
void SetTarget(QuestionModel& question, const SolveOptions& options) {
    question.SetUnit(UnitOf(options));
    question.SetText(0, options.rpm);
    question.SetText(1, options.speed);
}

// A JSON object written member by member, in order.
class JsonObject {
public:
    JsonObject& Add(std::string_view name, Json value) {
        json_[std::string(name)] = std::move(value);
        return *this;
    }
    JsonObject& Add(std::string_view name, double value) { return Add(name, JsonNumber(value)); }
    JsonObject& AddText(std::string_view name, std::string_view text) {
        return Add(name, Json(text));
    }
    JsonObject& AddTarget(const Target& target) {
        return Add("rpm", target.rpm)
            .Add("speed", target.speed)
            .AddText("unit", UnitName(target.unit));
    }
    JsonObject& AddTire(std::string_view text, double diameter) {
        return AddText("tire", text).Add("tireDiameter", diameter);
    }

    [[nodiscard]] Json Value() const { return json_; }

private:
    Json json_ = Json::object();
};

// A question answered, in every form it is written in.
struct Answered {
    std::string_view question;
    std::string summary;
    Table table;
    Json inputs;  // an object
    std::vector<std::string_view> notes;
};

// The library's reason, as one sentence after the question it stopped.
Failure Unanswered(std::string_view question, const std::string& why) {
    std::string message = "solve " + std::string(question) + ": " + why;
    if (!message.ends_with('.')) {
        message += '.';
    }
    return Failure{message};
}

Outcome<Answered> SolveAxle(const SolveOptions& options) {
    AxleQuestion question(kNumbers);
    SetTarget(question, options);
    question.SetText(AxleQuestion::kTire, options.tire);
    question.SetText(AxleQuestion::kGear, options.gear);
    const QuestionAnswer& answer = question.Answer();
    if (const std::optional<Failure> bad =
            FirstBad(answer, {{AxleQuestion::kRpm, "--rpm", options.rpm},
                              {AxleQuestion::kSpeed, "--speed", options.speed},
                              {AxleQuestion::kTire, "--tire", options.tire},
                              {AxleQuestion::kGear, "--gear", options.gear}})) {
        return *bad;
    }
    if (answer.refusal) {
        return Unanswered("axle", *answer.refusal);
    }
    const Target target = TargetOf(question);
    const double tire = ValueOf(answer, AxleQuestion::kTire);
    const double gear = ValueOf(answer, AxleQuestion::kGear);
    return Answered{
        "axle", answer.summary, answer.table,
        JsonObject().AddTarget(target).AddTire(options.tire, tire).Add("gearRatio", gear).Value(),
        NotesOf(question)};
}

Outcome<Answered> SolveTire(const SolveOptions& options) {
    TireQuestion question(kNumbers);
    SetTarget(question, options);
    question.SetText(TireQuestion::kAxle, options.axle);
    question.SetText(TireQuestion::kGear, options.gear);
    if (const std::optional<Failure> bad =
            FirstBad(question.Answer(), {{TireQuestion::kRpm, "--rpm", options.rpm},
                                         {TireQuestion::kSpeed, "--speed", options.speed},
                                         {TireQuestion::kAxle, "--axle", options.axle},
                                         {TireQuestion::kGear, "--gear", options.gear}})) {
        return *bad;
    }
    if (options.rim) {
        const Outcome<double> rim = ReadNumberField(*options.rim, kRimRange, kNumbers, true);
        if (!rim) {
            return Failure{OptionProblem("--rim", *options.rim, rim.message())};
        }
        question.SetRim(static_cast<int>(*rim));
    }
    const QuestionAnswer& answer = question.Answer();
    if (answer.refusal) {
        return Unanswered("tire", *answer.refusal);
    }
    const Target target = TargetOf(question);
    const double axle = ValueOf(answer, TireQuestion::kAxle);
    const double gear = ValueOf(answer, TireQuestion::kGear);
    JsonObject inputs;
    inputs.AddTarget(target).Add("axleRatio", axle).Add("gearRatio", gear);
    if (question.Rim()) {
        inputs.Add("rim", *question.Rim());
    }
    return Answered{"tire", answer.summary, answer.table, inputs.Value(), NotesOf(question)};
}

// The gearbox options into the question: typed gears, or a stock gearbox
// of the catalogue; or why neither can be used.
Outcome<Done> SetGearbox(IdentifyQuestion& question, const SolveOptions& options) {
    if (options.gears) {
        question.SetGearbox(std::nullopt);
        question.SetText(IdentifyQuestion::kGears, *options.gears);
        if (const std::optional<Failure> bad = FirstBad(
                question.Answer(), {{IdentifyQuestion::kGears, "--gears", *options.gears}})) {
            return *bad;
        }
    } else if (options.model && options.years) {
        const Outcome<StockGearbox> gearbox =
            ReadStockGearboxOptions(*options.model, *options.years);
        if (!gearbox) {
            return gearbox.failure();
        }
        question.SetGearbox(*gearbox);
    } else {
        return Failure{"solve identify: give --gears, or --model and --years."};
    }
    return Done{};
}

Outcome<Answered> SolveIdentify(const SolveOptions& options) {
    IdentifyQuestion question(kNumbers);
    SetTarget(question, options);
    question.SetText(IdentifyQuestion::kTire, options.tire);
    if (const std::optional<Failure> bad =
            FirstBad(question.Answer(), {{IdentifyQuestion::kRpm, "--rpm", options.rpm},
                                         {IdentifyQuestion::kSpeed, "--speed", options.speed},
                                         {IdentifyQuestion::kTire, "--tire", options.tire}})) {
        return *bad;
    }
    if (const Outcome<Done> gearbox = SetGearbox(question, options); !gearbox) {
        return gearbox.failure();
    }
    const InputRange gears{1, static_cast<double>(question.GearCount()), ""};
    const Outcome<double> inGearRead = ReadNumberField(options.inGear, gears, kNumbers, true);
    if (!inGearRead) {
        return Failure{OptionProblem("--in-gear", options.inGear, inGearRead.message())};
    }
    const double inGear = *inGearRead;
    question.SetChosenGear(static_cast<int>(inGear));
    const QuestionAnswer& answer = question.Answer();
    if (answer.refusal) {
        return Unanswered("identify", *answer.refusal);
    }
    const Target target = TargetOf(question);
    const double tire = ValueOf(answer, IdentifyQuestion::kTire);
    // The ratios as the question read them: typed, or the stock gearbox's.
    const std::vector<double> ratios =
        ReadGearsField(question.Text(IdentifyQuestion::kGears), kNumbers)
            .value_or(std::vector<double>{});
    JsonObject inputs;
    inputs.AddTarget(target).AddTire(options.tire, tire);
    if (const std::optional<StockGearbox>& gearbox = question.Gearbox()) {
        inputs.AddText("model", gearbox->model).AddText("yearRange", gearbox->yearRange);
    }
    inputs.Add("gearRatios", JsonNumbers(ratios)).Add("inGear", inGear);
    return Answered{"identify", answer.summary, answer.table, inputs.Value(), NotesOf(question)};
}

// The options' readings in order, up to the first that fails: that one's
// problem, naming its option and text, is what the user sees. (The
// speedometer's options are read here rather than by its question's model:
// driven from a wheel, an axle ratio given is still read and written out.)
class Readings {
public:
    double Take(std::string_view option, std::string_view text, const Outcome<double>& reading) {
        if (!reading && !failure_) {
            failure_ = Failure{OptionProblem(option, text, reading.message())};
        }
        return reading ? *reading : 0;
    }
    double Tire(std::string_view option, std::string_view text) {
        return Take(option, text, ReadTireField(text, kNumbers));
    }
    double Ratio(std::string_view option, std::string_view text) {
        return Take(option, text, ReadRatioField(text, kNumbers));
    }

    [[nodiscard]] const std::optional<Failure>& failure() const { return failure_; }

private:
    std::optional<Failure> failure_;
};

// The speedometer's setups: A, the one it is true with, and B, the one
// fitted. Driven from a wheel, only the tires count, and an axle not given
// is left at 0.
struct Setups {
    Gearing a;
    Gearing b;
};

// A setup in the inputs: an axle ratio not given is null.
Json SetupJson(const std::optional<std::string>& tire, const Gearing& gearing,
               const std::optional<std::string>& axle) {
    return JsonObject()
        .AddTire(tire.value_or(""), gearing.tireDiameter)
        .Add("axleRatio", axle ? JsonNumber(gearing.axleRatio) : Json())
        .Value();
}

Outcome<Setups> ReadSetups(const SolveOptions& options, SpeedometerDrive drive) {
    Readings readings;
    Setups setups;
    for (const auto& [letter, tire, axle, gearing] :
         {std::tuple{'a', &options.aTire, &options.aAxle, &setups.a},
          std::tuple{'b', &options.bTire, &options.bAxle, &setups.b}}) {
        const std::string prefix = std::string("--") + letter + "-";
        if (!*tire || (drive == SpeedometerDrive::Transmission && !*axle)) {
            return Failure{"solve speedometer: give " + prefix + "tire" +
                           (drive == SpeedometerDrive::Transmission ? " and " + prefix + "axle"
                                                                    : std::string()) +
                           ", or --error."};
        }
        gearing->tireDiameter = readings.Tire(prefix + "tire", **tire);
        if (*axle) {
            gearing->axleRatio = readings.Ratio(prefix + "axle", **axle);
        }
        gearing->gears = {1};
    }
    if (readings.failure()) {
        return *readings.failure();
    }
    return setups;
}

// What drives the speedometer: --driven-from, else the model line's drive
// (--model, --years), else the transmission.
Outcome<SpeedometerDrive> DriveOf(const SolveOptions& options) {
    if (options.drivenFrom) {
        return *options.drivenFrom == "wheel" ? SpeedometerDrive::FrontWheel
                                              : SpeedometerDrive::Transmission;
    }
    if (options.model && options.years) {
        const Outcome<StockGearbox> gearbox =
            ReadStockGearboxOptions(*options.model, *options.years);
        if (!gearbox) {
            return gearbox.failure();
        }
        return tachoria::DriveOf(*gearbox);
    }
    return SpeedometerDrive::Transmission;
}

Outcome<Answered> SolveSpeedometer(const SolveOptions& options) {
    const Outcome<SpeedometerDrive> drive = DriveOf(options);
    if (!drive) {
        return drive.failure();
    }
    const bool wheel = *drive == SpeedometerDrive::FrontWheel;
    Readings readings;
    JsonObject inputs;
    // A wheel has no driven gear: its teeth are not asked for.
    double teeth = 0;
    if (!wheel) {
        if (!options.teeth) {
            return Failure{
                "solve speedometer: give --teeth: driven from the transmission, the answer is "
                "the driven gear's."};
        }
        teeth = readings.Take("--teeth", *options.teeth, ReadTeethField(*options.teeth, kNumbers));
        if (readings.failure()) {
            return *readings.failure();
        }
        inputs.Add("teeth", teeth);
    }
    inputs.AddText("drivenFrom", wheel ? "wheel" : "transmission");
    if (options.model && options.years) {
        inputs.AddText("model", *options.model).AddText("yearRange", *options.years);
    }
    double error = 0;
    if (options.error) {
        error = readings.Take("--error", *options.error, ReadErrorField(*options.error, kNumbers));
        if (readings.failure()) {
            return *readings.failure();
        }
    } else {
        const Outcome<Setups> setups = ReadSetups(options, *drive);
        if (!setups) {
            return setups.failure();
        }
        error = SpeedometerErrorPercent(setups->a, setups->b, *drive);
        inputs.Add("a", SetupJson(options.aTire, setups->a, options.aAxle))
            .Add("b", SetupJson(options.bTire, setups->b, options.bAxle));
    }
    inputs.Add("errorPercent", error);
    if (wheel) {
        const Outcome<CableAdapterAnswer> adapter = CableAdapterFor(error);
        if (!adapter) {
            return Unanswered("speedometer", adapter.message());
        }
        return Answered{"speedometer",
                        CableAdapterSummary(*adapter),
                        CableAdapterTable(*adapter),
                        inputs.Value(),
                        {kQuestionsRoundingNote, kCableAdapterNote}};
    }
    const Outcome<SpeedometerGearAnswer> answer = SpeedometerGearFor(teeth, error);
    if (!answer) {
        return Unanswered("speedometer", answer.message());
    }
    return Answered{"speedometer",
                    SpeedometerGearSummary(*answer),
                    SpeedometerGearTable(*answer, teeth),
                    inputs.Value(),
                    {kQuestionsRoundingNote}};
}

std::string Written(const Answered& answered, TextFormat format) {
    if (format == TextFormat::Json) {
        const Json members = JsonObject()
                                 .AddText("question", answered.question)
                                 .AddText("summary", answered.summary)
                                 .Add("inputs", answered.inputs)
                                 .Value();
        return JsonDocument(JsonTable(answered.table, members));
    }
    if (format != TextFormat::Text) {
        return FormattedText(answered.table, format);
    }
    std::string text = answered.summary + "\n\n" + FormattedText(answered.table, format) + "\n";
    for (const std::string_view note : answered.notes) {
        text += note;
        text += "\n";
    }
    return text;
}

Outcome<Answered> Solve(SolveQuestion question, const SolveOptions& options) {
    switch (question) {
        case SolveQuestion::Axle:
            return SolveAxle(options);
        case SolveQuestion::Tire:
            return SolveTire(options);
        case SolveQuestion::Identify:
            return SolveIdentify(options);
        case SolveQuestion::Speedometer:
            break;
    }
    return SolveSpeedometer(options);
}

}  // namespace

Outcome<std::string> RunSolve(SolveQuestion question, const SolveOptions& options,
                              TextFormat format) {
    const Outcome<Answered> answered = Solve(question, options);
    if (!answered) {
        return answered.failure();
    }
    return Written(*answered, format);
}

}  // namespace tachoria
