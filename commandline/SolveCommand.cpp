#include "commandline/SolveCommand.h"

#include <optional>
#include <string_view>
#include <tuple>
#include <vector>

#include "catalogue/StockCatalogue.h"
#include "commandline/OptionReading.h"
#include "comparison/Gearing.h"
#include "questions/GearingQuestions.h"

namespace tachoria {
namespace {

// The options' readings in order, up to the first that fails: that one's
// problem, naming its option and text, is what the user sees.
class Readings {
public:
    double Take(std::string_view option, std::string_view text, const Outcome<double>& reading) {
        if (!reading && !failure_) {
            failure_ = Failure{OptionProblem(option, text, reading.message())};
        }
        return reading ? *reading : 0;
    }
    double Tire(std::string_view option, std::string_view text) {
        return Take(option, text, ReadOption(text, ReadTireField, kTireRange));
    }
    double Ratio(std::string_view option, std::string_view text) {
        return Take(option, text, ReadOption(text, ReadRatioField, kRatioRange));
    }

    [[nodiscard]] const std::optional<Failure>& failure() const { return failure_; }

private:
    std::optional<Failure> failure_;
};

// What every question starts from: the engine speed at a road speed.
struct Target {
    double rpm = 0;
    double speed = 0;
    SpeedUnit unit = SpeedUnit::MPH;
};

Target ReadTarget(Readings& readings, const SolveOptions& options) {
    Target target;
    target.unit = options.unit == "kmh" ? SpeedUnit::KMH : SpeedUnit::MPH;
    target.rpm = readings.Take("--rpm", options.rpm,
                               ReadOption(options.rpm, ReadRedlineField, kRedlineRange));
    const InputRange& speeds = target.unit == SpeedUnit::MPH ? kMphRange : kKmhRange;
    target.speed = readings.Take("--speed", options.speed, ReadNumberOption(options.speed, speeds));
    return target;
}

// A JSON object written member by member, in order. (Appended piece by
// piece: GCC 12 warns falsely about a chain of "+".)
class JsonObject {
public:
    JsonObject& Add(std::string_view name, std::string_view value) {
        text_ += text_.empty() ? "{" : ", ";
        text_ += JsonString(name);
        text_ += ": ";
        text_ += value;
        return *this;
    }
    JsonObject& Add(std::string_view name, double value) { return Add(name, JsonNumber(value)); }
    JsonObject& AddText(std::string_view name, std::string_view text) {
        return Add(name, JsonString(text));
    }
    JsonObject& AddTarget(const Target& target) {
        return Add("rpm", target.rpm)
            .Add("speed", target.speed)
            .AddText("unit", UnitName(target.unit));
    }
    JsonObject& AddTire(std::string_view text, double diameter) {
        return AddText("tire", text).Add("tireDiameter", diameter);
    }

    [[nodiscard]] std::string Text() const {
        std::string text = text_.empty() ? "{" : text_;
        text += "}";
        return text;
    }

private:
    std::string text_;
};

std::string JsonNumbers(const std::vector<double>& values) {
    std::string json = "[";
    for (const double value : values) {
        json += json.size() == 1 ? "" : ", ";
        json += JsonNumber(value);
    }
    json += "]";
    return json;
}

// A question answered, in every form it is written in.
struct Answered {
    std::string_view question;
    std::string summary;
    Table table;
    std::string inputs;  // a JSON object
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
    Readings readings;
    const Target target = ReadTarget(readings, options);
    const double tire = readings.Tire("--tire", options.tire);
    const double gear = readings.Ratio("--gear", options.gear);
    if (readings.failure()) {
        return *readings.failure();
    }
    const Outcome<AxleAnswer> answer =
        AxleForTarget(target.rpm, target.speed, target.unit, tire, gear);
    if (!answer) {
        return Unanswered("axle", answer.message());
    }
    return Answered{
        "axle",
        AxleSummary(*answer, target.rpm, target.speed, target.unit),
        AxleTable(*answer, target.speed, target.unit),
        JsonObject().AddTarget(target).AddTire(options.tire, tire).Add("gearRatio", gear).Text(),
        {kQuestionsRoundingNote}};
}

Outcome<Answered> SolveTire(const SolveOptions& options) {
    Readings readings;
    const Target target = ReadTarget(readings, options);
    const double axle = readings.Ratio("--axle", options.axle);
    const double gear = readings.Ratio("--gear", options.gear);
    if (readings.failure()) {
        return *readings.failure();
    }
    const Outcome<TireAnswer> answer =
        TireForTarget(target.rpm, target.speed, target.unit, axle, gear);
    if (!answer) {
        return Unanswered("tire", answer.message());
    }
    return Answered{
        "tire",
        TireSummary(*answer, target.rpm, target.speed, target.unit),
        TireTable(*answer),
        JsonObject().AddTarget(target).Add("axleRatio", axle).Add("gearRatio", gear).Text(),
        {kQuestionsRoundingNote}};
}

// The gears the car may have been in: typed, or a stock gearbox's four;
// with the gearbox whose axle ratios are checked (kNoGearbox: every one).
struct Gearbox {
    std::vector<double> gears;
    GearboxCode code = kNoGearbox;
};

Outcome<Gearbox> ReadGearbox(const SolveOptions& options) {
    Gearbox gearbox;
    if (options.gears) {
        const Outcome<std::vector<double>> gears = ReadGearsOption(*options.gears);
        if (!gears) {
            return Failure{OptionProblem("--gears", *options.gears, gears.message())};
        }
        gearbox.gears = *gears;
    } else if (options.model && options.years) {
        const Outcome<GearboxCode> code = ReadGearboxOptions(*options.model, *options.years);
        if (!code) {
            return code.failure();
        }
        gearbox.code = *code;
        for (const Gear gear : kForwardGears) {
            gearbox.gears.push_back(RatioSetOf(gearbox.code).Of(gear));
        }
    } else {
        return Failure{"solve identify: give --gears, or --model and --years."};
    }
    return gearbox;
}

Outcome<Answered> SolveIdentify(const SolveOptions& options) {
    Readings readings;
    const Target target = ReadTarget(readings, options);
    const double tire = readings.Tire("--tire", options.tire);
    if (readings.failure()) {
        return *readings.failure();
    }
    const Outcome<Gearbox> gearbox = ReadGearbox(options);
    if (!gearbox) {
        return gearbox.failure();
    }
    const InputRange gears{1, static_cast<double>(gearbox->gears.size()), ""};
    const double inGear =
        readings.Take("--in-gear", options.inGear, ReadNumberOption(options.inGear, gears, true));
    if (readings.failure()) {
        return *readings.failure();
    }
    const double gear = gearbox->gears[static_cast<std::size_t>(inGear) - 1];
    const std::vector<double> axles = CatalogueAxleRatios(gearbox->code);
    const Outcome<IdentifyAnswer> answer =
        IdentifyAxle(target.rpm, target.speed, target.unit, tire, gear, axles);
    if (!answer) {
        return Unanswered("identify", answer.message());
    }
    JsonObject inputs;
    inputs.AddTarget(target).AddTire(options.tire, tire);
    if (options.model && options.years) {
        inputs.AddText("model", *options.model).AddText("yearRange", *options.years);
    }
    inputs.Add("gearRatios", JsonNumbers(gearbox->gears)).Add("inGear", inGear);
    return Answered{"identify",
                    IdentifySummary(*answer),
                    IdentifyTable(*answer, target.rpm, target.speed, target.unit, tire),
                    inputs.Text(),
                    {kQuestionsRoundingNote, kRollingTireNote}};
}

// The speedometer's setups: A, the one it is true with, and B, the one
// fitted. Driven from a wheel, only the tires count, and an axle not given
// is left at 0.
struct Setups {
    Gearing a;
    Gearing b;
};

// A setup in the inputs: an axle ratio not given is null.
std::string SetupJson(const std::optional<std::string>& tire, const Gearing& gearing,
                      const std::optional<std::string>& axle) {
    return JsonObject()
        .AddTire(tire.value_or(""), gearing.tireDiameter)
        .Add("axleRatio", axle ? JsonNumber(gearing.axleRatio) : "null")
        .Text();
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

Outcome<Answered> SolveSpeedometer(const SolveOptions& options) {
    Readings readings;
    const double teeth =
        readings.Take("--teeth", options.teeth, ReadNumberOption(options.teeth, kTeethRange, true));
    if (readings.failure()) {
        return *readings.failure();
    }
    JsonObject inputs;
    inputs.Add("teeth", teeth);
    double error = 0;
    if (options.error) {
        error =
            readings.Take("--error", *options.error, ReadNumberOption(*options.error, kErrorRange));
        if (readings.failure()) {
            return *readings.failure();
        }
    } else {
        const SpeedometerDrive drive = options.drivenFrom == "wheel"
                                           ? SpeedometerDrive::FrontWheel
                                           : SpeedometerDrive::Transmission;
        const Outcome<Setups> setups = ReadSetups(options, drive);
        if (!setups) {
            return setups.failure();
        }
        error = SpeedometerErrorPercent(setups->a, setups->b, drive);
        inputs.AddText("drivenFrom", options.drivenFrom)
            .Add("a", SetupJson(options.aTire, setups->a, options.aAxle))
            .Add("b", SetupJson(options.bTire, setups->b, options.bAxle));
    }
    inputs.Add("errorPercent", error);
    const Outcome<SpeedometerGearAnswer> answer = SpeedometerGearFor(teeth, error);
    if (!answer) {
        return Unanswered("speedometer", answer.message());
    }
    return Answered{"speedometer",
                    SpeedometerGearSummary(*answer),
                    SpeedometerGearTable(*answer, teeth),
                    inputs.Text(),
                    {kQuestionsRoundingNote}};
}

std::string Written(const Answered& answered, TextFormat format) {
    if (format == TextFormat::Json) {
        const JsonMember members[] = {{"question", JsonString(answered.question)},
                                      {"summary", JsonString(answered.summary)},
                                      {"inputs", answered.inputs}};
        return JsonTable(answered.table, members, "") + "\n";
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
