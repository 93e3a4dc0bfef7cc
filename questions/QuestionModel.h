#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "arith/NumberReading.h"
#include "comparison/Gearing.h"
#include "inputs/FieldState.h"
#include "inputs/SpeedUnit.h"
#include "tables/Table.h"

// What every gearing question shares, whatever shows it (a Qt window, a web
// page, the command line): its fields as typed in, its answer out. A front
// end binds one widget to each field and shows the answer; it reads no
// number and knows no range.
namespace tachoria {

// What a page of the main window gives the questions: its tire, axle ratio
// and gears as typed (empty where the page leaves them empty) and, from the
// stock page, its model and year range.
struct QuestionsStart {
    SetupTexts setup;
    std::string model;
    std::string yearRange;
    bool stockPage = false;
};

// A question's answer to its fields as they are.
struct QuestionAnswer {
    std::vector<FieldState> fields;  // in the question's order of fields
    // The fields are fine but the question has no answer (no ratio
    // brings the engine speed that low): why, as the library says it.
    std::optional<std::string> refusal;
    std::string summary;  // one sentence; kNoValue without an answer
    // The answer's rows; without an answer none, under the headers of the
    // last answer, so that a list keeps its columns while a field is fixed.
    Table table;

    [[nodiscard]] bool answered() const { return !table.rows.empty(); }
    // The lines under the question: "Engine RPM: Too small: type …" for
    // each bad field, or "No answer: …." for a refusal; none when answered.
    [[nodiscard]] std::vector<std::string> ProblemLines() const;
};

// A question's fields and its answer. Setting a field or a choice marks the
// answer stale; Answer() works it out once, when it is next asked for.
class QuestionModel {
public:
    virtual ~QuestionModel() = default;
    QuestionModel(const QuestionModel&) = delete;
    QuestionModel& operator=(const QuestionModel&) = delete;

    // "Axle ratio for a target": the question's heading.
    [[nodiscard]] virtual std::string_view Title() const = 0;

    [[nodiscard]] std::size_t FieldCount() const { return texts_.size(); }
    [[nodiscard]] const std::string& Text(std::size_t field) const { return texts_.at(field); }
    void SetText(std::size_t field, std::string text);
    // What the field is captioned on screen: "Engine RPM", "Speed, km/h".
    [[nodiscard]] std::string Caption(std::size_t field) const;

    // The unit of the question's road speeds. Changing it writes the speeds
    // typed in the new unit (to 0.01) and renames their captions.
    [[nodiscard]] SpeedUnit Unit() const { return unit_; }
    void SetUnit(SpeedUnit unit);

    // Takes the page's tire, axle ratio and gears into the fields they
    // apply to; what `start` leaves empty comes from the default setup.
    // The targets, the unit and the teeth stay as they are.
    virtual void Fill(const QuestionsStart& start) = 0;

    [[nodiscard]] const QuestionAnswer& Answer() const;

    // The heading of a printed answer, "Gearing Questions: Axle ratio for a
    // target (2800 RPM at 70 MPH; tire 24; gear 1)", and the base of a file
    // name for it ("questions-axle_2800-rpm_70-mph_tire-24_gear-1").
    [[nodiscard]] virtual std::string PrintedTitle() const = 0;
    [[nodiscard]] virtual std::string FileName() const = 0;

    // The footnotes under this question's answer (the tachometer's: what a
    // size code says of a loaded tire), besides kQuestionsRoundingNote, which
    // every question's numbers follow.
    [[nodiscard]] virtual std::vector<std::string_view> Footnotes() const { return {}; }

    [[nodiscard]] const NumberConverter& Numbers() const { return numbers_; }

protected:
    // One a field: its caption on screen ("Speed, MPH", naming a road
    // speed's unit as MPH) and the label its reasons follow ("Road speed").
    struct FieldNames {
        std::string caption;
        std::string label;
    };
    // `speeds`: the fields that hold road speeds.
    QuestionModel(const NumberConverter& numbers, std::vector<FieldNames> names,
                  std::vector<std::size_t> speeds);

    // The answer to the fields as they are: fields read with Check and CheckTire
    // (inputs/FieldState), the rest from the question's library.
    [[nodiscard]] virtual QuestionAnswer Compute() const = 0;
    // The answer's fields, each unread, enabled and labelled.
    [[nodiscard]] std::vector<FieldState> FreshFields() const;
    void Changed() { stale_ = true; }
    // The field's text as a file name's part, "24" or "185-80R13".
    [[nodiscard]] std::string Part(std::size_t field) const;

    // For the questions that start from an engine speed at a road speed, in
    // their fields `rpm` and `speed`: the two read into `fields`; "2800 RPM
    // at 70 MPH" for a title; "2800-rpm_70-mph" for a file name.
    struct Target {
        std::optional<double> rpm;
        std::optional<double> speed;
    };
    Target CheckTarget(std::vector<FieldState>& fields, std::size_t rpm, std::size_t speed) const;
    [[nodiscard]] std::string TargetText(std::size_t rpm, std::size_t speed) const;
    [[nodiscard]] std::string TargetPart(std::size_t rpm, std::size_t speed) const;
    // "Gearing Questions: <title> (<inputs>)".
    [[nodiscard]] std::string Titled(std::string_view inputs) const;

private:
    const NumberConverter& numbers_;
    std::vector<std::string> texts_;
    std::vector<FieldNames> names_;
    std::vector<std::size_t> speeds_;
    SpeedUnit unit_ = SpeedUnit::MPH;
    mutable bool stale_ = true;
    mutable QuestionAnswer answer_;
};

// The answer with its fields and why there is none: no rows, kNoValue as
// the sentence.
QuestionAnswer Unanswered(std::vector<FieldState> fields, std::optional<std::string> refusal = {});

// The library's outcome for fields that are fine: `shown(answer)` gives
// the sentence and the table, a refusal no answer with its reason.
template <typename Value, typename Shown>
QuestionAnswer AnswerOf(std::vector<FieldState> fields, const Outcome<Value>& outcome,
                        Shown&& shown) {
    if (!outcome) {
        return Unanswered(std::move(fields), outcome.message());
    }
    QuestionAnswer answer = std::forward<Shown>(shown)(*outcome);
    answer.fields = std::move(fields);
    return answer;
}

// Where a question starts: a cruise an owner wants, and a tachometer
// reading at a true 60.
inline constexpr double kStartingTargetRpm = 2800;
inline constexpr double kStartingTargetMph = 70;
inline constexpr double kStartingTachometerRpm = 2900;
inline constexpr double kStartingTachometerMph = 60;
inline constexpr double kStartingDrivenTeeth = 18;

}  // namespace tachoria
