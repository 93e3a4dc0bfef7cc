#include "tires/PeriodSizeReader.h"

#include <algorithm>
#include <array>
#include <string>
#include <vector>

#include "arith/AsciiText.h"
#include "arith/Blanks.h"
#include "tires/MarkingsReader.h"
#include "tires/TireLexer.h"
#include "tires/TireText.h"

namespace tachoria::tires {
namespace {

struct PeriodSize {
    double width;     // inches
    double rim;       // inches
    double diameter;  // inches, nominal
};

// The Tire and Rim Association's nominal diameters, as Corvair owners quote
// them (a reproduction of the original 6.50-13 measures 24.58 in): 6.50-13
// on the 1960-1964 cars, 7.00-13 on the later cars, 7.00-14 on the Forward
// Control.
constexpr std::array<PeriodSize, 3> kPeriodSizes = {{
    {6.5, 13, 24.7},
    {7.0, 13, 25.3},
    {7.0, 14, 26.2},
}};

// "6.50", "6.5", "7.00" or, without the point, "650" and "700".
bool IsPeriodWidth(const Number& width) {
    const std::string_view written = width.written;
    if (std::all_of(written.begin(), written.end(), IsDigit)) {
        return written == "650" || written == "700";
    }
    return IsDigit(written.back()) && (width.value == 6.5 || width.value == 7.0);
}

double WidthOf(const Number& width) {
    return width.written.size() == 3 && width.value >= 100 ? width.value / 100 : width.value;
}

// Between the width and the rim: "-", "x" or blanks, and a "B" for bias.
bool TakeGap(Cursor& cursor) {
    bool any = cursor.SkipBlanks();
    if (cursor.Take('-') || cursor.TakeTimes()) {
        any = true;
        cursor.SkipBlanks();
    }
    const std::size_t beforeLetters = cursor.Position();
    const std::string letters = ToLowerAscii(cursor.TakeLetters());
    if (letters == "b") {
        any = true;
        cursor.SkipBlanks();
    } else if (!letters.empty()) {
        cursor.Restore(beforeLetters);
        return false;
    }
    return any && cursor.AtNumber();
}

// "4", "4pr", "4ply", "4-ply": the ply rating, whole or its number alone.
enum class Ply { None, Number, Rating };

Ply PlyOf(std::string_view word) {
    std::size_t digits = 0;
    while (digits < word.size() && IsDigit(word[digits])) {
        ++digits;
    }
    if (digits == 0 || digits > 2) {
        return Ply::None;
    }
    const std::string_view rest = word.substr(digits);
    if (rest.empty()) {
        return Ply::Number;
    }
    return rest == "pr" || rest == "ply" || rest == "-ply" ? Ply::Rating : Ply::None;
}

// Blanks, "," and ";" part the words after the rim: "6.50-13, 4PR".
bool IsSeparator(char c) { return IsBlank(c) || c == ',' || c == ';'; }

std::vector<std::string_view> Words(std::string_view tail) {
    std::vector<std::string_view> words;
    std::size_t at = 0;
    for (;;) {
        while (at < tail.size() && IsSeparator(tail[at])) {
            ++at;
        }
        if (at == tail.size()) {
            return words;
        }
        const std::size_t from = at;
        while (at < tail.size() && !IsSeparator(tail[at])) {
            ++at;
        }
        words.push_back(tail.substr(from, at - from));
    }
}

// The words after the rim: a ply rating, "bias" ("bias ply", "bias-ply")
// and the marks of any size, each once. Nothing when every one is read.
std::optional<Problem> ReadPlyAndMarks(std::string_view tail) {
    if (!tail.empty() && !IsSeparator(tail.front())) {
        return "after the rim, put a blank before " + ShownWord(tail);  // "13bias"
    }
    const std::vector<std::string_view> words = Words(tail);
    std::vector<std::string> said;
    for (std::size_t i = 0; i < words.size(); ++i) {
        const auto word = [&words, i](std::size_t ahead) {
            return i + ahead < words.size() ? ToLowerAscii(words[i + ahead]) : std::string();
        };
        const std::size_t from = i;
        std::string gives;
        if (const Ply ply = PlyOf(word(0)); ply == Ply::Rating) {
            gives = "ply";
        } else if (ply == Ply::Number && (word(1) == "pr" || word(1) == "ply")) {
            gives = "ply";  // "4 PR"
            i += 1;
        } else if (word(0) == "bias" || word(0) == "bias-ply") {
            gives = "bias";
            i += word(0) == "bias" && word(1) == "ply" ? 1 : 0;
        } else if (IsMark(word(0))) {
            gives = word(0);
        } else {
            return "after the rim, " + ShownWord(words[i]) + " is no ply rating, \"bias\" or mark";
        }
        if (std::find(said.begin(), said.end(), gives) != said.end()) {
            std::string typed(words[from]);
            for (std::size_t k = from + 1; k <= i; ++k) {
                typed += ' ';
                typed += words[k];
            }
            return "after the rim, " + ShownWord(typed) + " comes twice";
        }
        said.push_back(gives);
    }
    return std::nullopt;
}

}  // namespace

std::optional<Reading> ReadPeriodSize(std::string_view typed, char point, bool eitherPoint) {
    Cursor cursor(typed, point, eitherPoint);
    const std::optional<Number> width = cursor.TakeNumber();
    if (!width || !IsPeriodWidth(*width) || !TakeGap(cursor)) {
        return std::nullopt;
    }
    const std::optional<Number> rim = cursor.TakeNumber();
    if (!rim || (!cursor.AtEnd() && !IsSeparator(cursor.Rest().front()) &&
                 !IsAsciiAlpha(cursor.Rest().front()))) {
        return std::nullopt;  // "6.50-13/"
    }
    const auto size = std::find_if(
        kPeriodSizes.begin(), kPeriodSizes.end(),
        [&](const PeriodSize& s) { return s.width == WidthOf(*width) && s.rim == rim->value; });
    if (size == kPeriodSizes.end()) {
        return std::nullopt;  // "6.50-14", "7.00-15": no published diameter here
    }
    if (const auto problem = ReadPlyAndMarks(cursor.Rest())) {
        return Reading{Refusal{*problem, UnreadTire::NoDiameter}};
    }
    const std::string readsAs = Inches(size->diameter, point) +
                                " in (period bias size, nominal; a tire's revolutions per mile "
                                "give the truest speeds)";
    return Reading{
        Tire{size->diameter, TireForm::PeriodBias, Spoken(typed) + " = " + readsAs, readsAs}};
}

}  // namespace tachoria::tires
