#pragma once

#include <array>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "arith/PointNumbers.h"
#include "questions/AxleQuestion.h"
#include "questions/IdentifyQuestion.h"
#include "questions/SpeedometerQuestion.h"
#include "questions/TireQuestion.h"
#include "tables/MainPages.h"
#include "web/Address.h"

// The gearing questions' window for the web page: the four question models
// with the browser's decimal point, driven by the page's fields and pickers
// by name, and what each question shows as JSON.
namespace tachoria {

// The questions by the last part of their views' names ("solve-axle"):
// "axle", "tire", "identify", "speedometer".
std::span<const std::string_view> QuestionNames();

class QuestionsState {
public:
    // `decimalPoint`: the browser's, "," or ".".
    explicit QuestionsState(std::string_view decimalPoint);
    ~QuestionsState();
    QuestionsState(const QuestionsState&) = delete;
    QuestionsState& operator=(const QuestionsState&) = delete;

    // A field typed, by the names of its tachoria-cli solve option: axle:
    // "rpm", "speed", "tire", "gear"; tire: "rpm", "speed", "axle", "gear";
    // identify: "rpm", "speed", "tire", "gears"; speedometer: "teeth",
    // "error", "a-tire", "b-tire", "a-axle", "b-axle". False for a question
    // or field that is none.
    bool SetField(std::string_view question, std::string_view field, std::string text);
    // Pickers, by the texts of their entries (PickerEntries): "unit" (of all
    // four, whatever `question`), tire: "rim"; identify: "gearbox" (which
    // also sets the speedometer's drive, as on the desktop), "in-gear";
    // speedometer: "form", "driven-from". False for a picker or entry that
    // is none.
    bool Pick(std::string_view question, std::string_view picker, std::string_view entry);
    [[nodiscard]] std::vector<std::string> PickerEntries(std::string_view question,
                                                         std::string_view picker) const;

    // Every question from a main page, as the window opens from it: the
    // targets typed stay.
    void Fill(const MainPages& pages, TablePage page);

    // All four: {"unit":…, "footnote":…, "questions":{"axle":{…},…}}.
    [[nodiscard]] std::string Json() const;
    // One question: its title, fields, pickers, problems, sentence, table,
    // footnotes, printed title, file name and address.
    [[nodiscard]] std::string QuestionJson(std::string_view question) const;

    // The "solve-…?…" address of one question, and opening one: every
    // question from its start, then the options given into the view's
    // question. Returns the lines to say.
    [[nodiscard]] std::string AddressText(std::string_view question) const;
    std::vector<std::string> Open(const Address& address);

    [[nodiscard]] const QuestionModel* Question(std::string_view question) const;

private:
    struct Models;
    void Reset();

    std::string point_;
    PointNumberConverter numbers_;
    std::unique_ptr<Models> models_;
};

}  // namespace tachoria
