#include "tires/TireReader.h"

#include <algorithm>
#include <array>
#include <cmath>
#include <cstddef>
#include <numbers>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "arith/AsciiText.h"
#include "arith/Blanks.h"
#include "arith/Num2String.h"
#include "arith/NumberReading.h"

namespace tachoria {
namespace {

// A metric size that writes no aspect ratio ("165R15") is of the 82 series.
constexpr double kUnwrittenAspect = 82;
// Metric widths are millimetres, far above this even on a moped; a first
// number below it is a width in inches ("6.50-13", "7.50R16").
constexpr double kWidestInchWidth = 30;
// Aspect ratios of metric tires, from low-profile sports to motorcycle
// sizes: outside them a number was mistyped, or was no aspect ratio at all
// ("31/10.50R15" means a flotation size).
constexpr double kLowestAspect = 20;
constexpr double kHighestAspect = 120;
// Past this a diameter is shown only as too large: no digits to misread.
constexpr double kLargestShown = 10000;

constexpr std::string_view kNotATire = "not a diameter, a size code or revolutions per mile";
constexpr std::string_view kNothing = "nothing is typed";
constexpr std::string_view kNegative = "a tire's numbers are never negative";
constexpr std::string_view kTooLarge = "the number is too large";
constexpr std::string_view kWidthMissing = "the width is missing";
constexpr std::string_view kAspectMissing = "the aspect ratio is missing";
constexpr std::string_view kRimMissing = "the rim diameter is missing";
constexpr std::string_view kNoWidth = "the width is 0";
constexpr std::string_view kNoAspect = "the aspect ratio is 0";
constexpr std::string_view kNoRim = "the rim diameter is 0";
constexpr std::string_view kNoDiameter = "the diameter is 0";
constexpr std::string_view kNoWidthAndRim = "there is no width and rim";
constexpr std::string_view kNoRevolutions = "the revolutions per mile are 0";
constexpr std::string_view kRevolutionUnit =
    "write revolutions per mile as a plain number and rev/mi, such as 818 rev/mi";
constexpr std::string_view kEngineSpeed =
    "RPM is an engine speed: write the tire's revolutions per mile as rev/mi, such as 818 rev/mi";
constexpr std::string_view kAspectRange = "the aspect ratio is not between 20 and 120";
constexpr std::string_view kMetricWithSlash =
    "a metric size is written with a slash: width/aspect, then the rim";
constexpr std::string_view kFlotationWithX =
    "a flotation size is written with an x: diameter x width, then the rim";
constexpr std::string_view kConstruction = "the construction letter is not R, D or B";
constexpr std::string_view kBrackets = "after the rim, the brackets do not pair up";
constexpr std::string_view kRimTooLarge = "the rim diameter is not below the tire's diameter";
constexpr std::string_view kInchWidth =
    "an inch-width size: type the tire's diameter, or its revolutions per mile from the "
    "tire's data";
constexpr std::string_view kLetterSize =
    "a letter size: type the tire's diameter, or its revolutions per mile from the tire's data";

// Units after a plain number, lower case and without blanks.
constexpr std::array<std::string_view, 5> kInchUnits = {"", "\"", "in", "inch", "inches"};
constexpr std::array<std::string_view, 10> kRevolutionUnits = {
    "rev/mi",         "revs/mi",          "rev/mile",   "revs/mile",   "r/mi",
    "revolutions/mi", "revolutions/mile", "revpermile", "revspermile", "revolutionspermile",
};

// Speed ratings printed before the construction letter: "SR", "HR", "ZR".
constexpr std::string_view kSpeedsBeforeConstruction = "qstuhvwyz";
// Speed symbols of a service description: "94W", "102/100R".
constexpr std::string_view kSpeedSymbols = "lmnpqrstuhvwyz";
// Load ranges of light-truck tires, written alone after the size: "E".
constexpr std::string_view kLoadRanges = "bcdefghjlmn";
// Other marks after the size that say nothing of its diameter: load,
// run-flat, tube, sidewall lettering, winter.
constexpr std::array<std::string_view, 18> kMarks = {
    "lt", "xl",  "sl",  "reinforced", "rf",  "rft", "ssr", "zp", "tl",
    "tt", "bsw", "owl", "rwl",        "wsw", "m+s", "m&s", "ms", "3pmsf",
};
// Pasted from web pages and spreadsheets: read as a blank or the inch mark.
constexpr std::array<std::pair<std::string_view, char>, 7> kLookalikes = {{
    {"\xC2\xA0", ' '},      // no-break space
    {"\xE2\x80\xAF", ' '},  // narrow no-break space
    {"\t", ' '},
    {"\r", ' '},
    {"\n", ' '},
    {"\xE2\x80\x9D", '"'},  // right double quotation mark
    {"\xE2\x80\xB3", '"'},  // double prime
}};

bool IsConstruction(char c) {
    return std::string_view("rdb").find(ToLowerAscii(c)) != std::string_view::npos;
}
bool IsLoadRange(std::string_view word) {
    return word.size() == 1 && kLoadRanges.find(word[0]) != std::string_view::npos;
}
bool IsSpeedSymbol(std::string_view word) {
    return word.size() == 1 && kSpeedSymbols.find(word[0]) != std::string_view::npos;
}

std::string Plain(std::string_view text) {
    std::string plain;
    plain.reserve(text.size());
    while (!text.empty()) {
        const auto lookalike =
            std::find_if(kLookalikes.begin(), kLookalikes.end(),
                         [text](const auto& pair) { return text.starts_with(pair.first); });
        if (lookalike != kLookalikes.end()) {
            plain += lookalike->second;
            text.remove_prefix(lookalike->first.size());
        } else {
            plain += text.front();
            text.remove_prefix(1);
        }
    }
    return plain;
}

// "225/45R17." or "818 rev/mi," ending a sentence: the mark is no part of
// the tire. A plain number keeps it, "25." being 25.
std::string_view WithoutEndMark(std::string_view typed) {
    const bool marked =
        !typed.empty() && std::string_view(".,;").find(typed.back()) != std::string_view::npos;
    const bool plainNumber = std::none_of(
        typed.begin(), typed.end(), [](char c) { return IsAsciiAlpha(c) || c == '/' || c == '"'; });
    return marked && !plainNumber ? TrimBlanks(typed.substr(0, typed.size() - 1)) : typed;
}

// Lower case without blanks: how a unit is compared, whatever its spacing.
std::string Squeezed(std::string_view text) {
    std::string squeezed;
    for (const char c : text) {
        if (!IsBlank(c)) {
            squeezed += ToLowerAscii(c);
        }
    }
    return squeezed;
}

template <std::size_t N>
bool IsOneOf(std::string_view word, const std::array<std::string_view, N>& words) {
    return std::find(words.begin(), words.end(), word) != words.end();
}

// The text as the note repeats it: each run of blanks one space.
std::string Spoken(std::string_view typed) {
    std::string spoken;
    for (const char c : typed) {
        if (!IsBlank(c)) {
            spoken += c;
        } else if (!spoken.ends_with(' ')) {
            spoken += ' ';
        }
    }
    return spoken;
}

// `text` with its decimal point, '.' or ',', written as `point`.
std::string WithPoint(std::string text, char point) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '.' || c == ','; }, point);
    return text;
}

// A diameter in a note or message: two decimals, "24.97".
std::string Inches(double diameter, char point) { return WithPoint(FixedText(diameter, 2), point); }

std::string RangeMessage(double diameter, char point) {
    const auto bound = [point](double value) {
        return WithPoint(std::string(TrimBlanks(NumberText(value))), point);
    };
    std::string shown;
    if (!(diameter <= kLargestShown)) {
        shown = "far more than " + bound(kLargestTire);
    } else if (diameter < kSmallestTire && diameter > kSmallestTire - 0.01) {
        shown = "just under " + bound(kSmallestTire);  // not "5.00", which would seem to fit
    } else if (diameter > kLargestTire && diameter < kLargestTire + 0.01) {
        shown = "just over " + bound(kLargestTire);
    } else if (diameter < 0.01) {
        shown = "almost 0";
    } else {
        shown = Inches(diameter, point);
    }
    return "the size gives " + shown + " in; type a size from " + bound(kSmallestTire) + " to " +
           bound(kLargestTire) + " in";
}

bool InRange(double diameter) { return diameter >= kSmallestTire && diameter <= kLargestTire; }

struct Number {
    double value = 0;          // +infinity for more digits than a double holds
    std::string_view written;  // as typed, with the caller's decimal point
};

// Reads a trimmed text from left to right.
class Cursor {
public:
    // With `eitherPoint`, a number may be written with '.' as well as ','.
    Cursor(std::string_view text, char point, bool eitherPoint)
        : text_(text),
          point_(point),
          otherPoint_(point == ',' ? '.' : ','),
          eitherPoint_(eitherPoint) {}

    bool AtEnd() const { return at_ == text_.size(); }
    std::string_view Rest() const { return text_.substr(at_); }
    std::size_t Position() const { return at_; }
    void Restore(std::size_t position) { at_ = position; }

    // True when there was a blank to skip.
    bool SkipBlanks() {
        const std::size_t from = at_;
        while (!AtEnd() && IsBlank(text_[at_])) {
            ++at_;
        }
        return at_ > from;
    }
    bool Take(char c) {
        if (AtEnd() || text_[at_] != c) {
            return false;
        }
        ++at_;
        return true;
    }
    // "x", "X" or "×" in UTF-8.
    bool TakeTimes() {
        if (Take('x') || Take('X')) {
            return true;
        }
        if (Rest().starts_with("\xC3\x97")) {
            at_ += 2;
            return true;
        }
        return false;
    }
    std::string_view TakeLetters() {
        const std::size_t from = at_;
        while (!AtEnd() && IsAsciiAlpha(text_[at_])) {
            ++at_;
        }
        return text_.substr(from, at_ - from);
    }
    // "P", "LT", "ST" or "T" in front of a metric or flotation size, and the
    // blanks after it.
    bool TakePrefix() {
        const std::size_t from = at_;
        const std::string prefix = ToLowerAscii(TakeLetters());
        if (prefix == "p" || prefix == "lt" || prefix == "st" || prefix == "t") {
            SkipBlanks();
            return true;
        }
        at_ = from;
        return false;
    }
    bool AtNumber() const { return NumberAt(at_); }
    bool AtNegativeNumber() const { return !AtEnd() && text_[at_] == '-' && NumberAt(at_ + 1); }
    // A decimal written with the point the caller does not use: "17.5" where
    // the point is ",".
    bool AtOtherPoint() const { return !eitherPoint_ && OtherPointAt(at_); }
    // Digits with at most one decimal point; no sign, no exponent.
    std::optional<Number> TakeNumber() {
        if (!AtNumber()) {
            return std::nullopt;
        }
        const std::size_t from = at_;
        SkipDigits();
        if (Take(point_) || (eitherPoint_ && OtherPointAt(at_) && Take(otherPoint_))) {
            SkipDigits();
        }
        const std::string_view written = text_.substr(from, at_ - from);
        return Number{ScanLeadingNumber(WithPoint(std::string(written), '.')).value, written};
    }

private:
    bool OtherPointAt(std::size_t i) const {
        return i + 1 < text_.size() && text_[i] == otherPoint_ && IsDigit(text_[i + 1]);
    }
    bool NumberAt(std::size_t i) const {
        return i < text_.size() &&
               (IsDigit(text_[i]) ||
                (text_[i] == point_ && i + 1 < text_.size() && IsDigit(text_[i + 1])));
    }
    void SkipDigits() {
        while (!AtEnd() && IsDigit(text_[at_])) {
            ++at_;
        }
    }

    std::string_view text_;
    char point_;
    char otherPoint_;
    bool eitherPoint_;
    std::size_t at_ = 0;
};

// Why a part of a size could not be read.
using Problem = std::string;

using Refusal = TireRefusal;
using Reading = Outcome<Tire, TireRefusal>;

std::string DecimalsMessage(char point) {
    return std::string("decimals are written with '") + point + "'";
}

// A number a size cannot do without: missing, negative, written with the
// other decimal point or 0 is refused.
std::optional<Problem> ReadPart(Cursor& cursor, Number& part, std::string_view missing,
                                std::string_view zero, const std::string& decimals) {
    if (cursor.AtEnd()) {
        return Problem{missing};
    }
    if (cursor.AtNegativeNumber()) {
        return Problem{kNegative};
    }
    const std::optional<Number> number = cursor.TakeNumber();
    if (!number) {
        return Problem{missing};
    }
    if (cursor.AtOtherPoint()) {
        return Problem{decimals};
    }
    if (number->value == 0) {
        return Problem{zero};
    }
    part = *number;
    return std::nullopt;
}

// What stands between two numbers of a size: blanks, a "/" or "-", and the
// construction letter (R, D or B, a speed rating before it: "ZR") with a
// "-" after it: "/", " ", "R", " ZR ", "-HR", "R-", "/R".
struct Gap {
    bool blanks = false;
    bool separator = false;  // "/" or "-"
    bool letters = false;
    bool construction = false;  // the letters are a construction letter
    char speed = 0;             // the speed rating before it, if any

    bool Any() const { return blanks || separator || letters; }
};

Gap ReadGap(Cursor& cursor) {
    Gap gap;
    gap.blanks = cursor.SkipBlanks();
    if (cursor.Take('/') || cursor.Take('-')) {
        gap.separator = true;
        cursor.SkipBlanks();
    }
    const std::string_view letters = cursor.TakeLetters();
    if (letters.empty()) {
        return gap;
    }
    gap.letters = true;
    // "RF" marks a run-flat radial: "225/45RF17".
    if ((letters.size() == 1 && IsConstruction(letters[0])) || ToLowerAscii(letters) == "rf") {
        gap.construction = true;
    } else if (letters.size() == 2 && IsConstruction(letters[1]) &&
               kSpeedsBeforeConstruction.find(ToLowerAscii(letters[0])) != std::string_view::npos) {
        gap.construction = true;
        gap.speed = ToUpperAscii(letters[0]);
    }
    if (gap.construction) {
        cursor.SkipBlanks();
        if (cursor.Take('-')) {
            cursor.SkipBlanks();
        }
    }
    return gap;
}

// Two or three digits.
bool TakeLoadIndex(std::string_view& word) {
    std::size_t digits = 0;
    while (digits < word.size() && IsDigit(word[digits])) {
        ++digits;
    }
    word.remove_prefix(digits);
    return digits == 2 || digits == 3;
}

// "94w", "120/116s": load index, a second one for dual wheels, and the speed
// symbol; lower case.
bool IsServiceDescription(std::string_view word) {
    if (!TakeLoadIndex(word)) {
        return false;
    }
    if (word.starts_with('/')) {
        word.remove_prefix(1);
        if (!TakeLoadIndex(word)) {
            return false;
        }
    }
    return IsSpeedSymbol(word);
}

// A word of the user's in a message: upper case, as sidewalls print it, and
// cut short when long.
std::string Shown(std::string_view word) {
    constexpr std::size_t kLongest = 20;
    std::string shown = ToUpperAscii(word.substr(0, kLongest));
    if (word.size() > kLongest) {
        while (!shown.empty() && (static_cast<unsigned char>(word[shown.size()]) & 0xC0) == 0x80) {
            shown.pop_back();  // no half of a UTF-8 character
        }
        shown += "...";
    }
    return "\"" + shown + "\"";
}

Problem NotAMarking(std::string_view word) {
    return "after the rim, " + Shown(word) + " is no load index, speed rating or load range";
}

// The words after the rim: blanks, ",", ";" and a pair of brackets
// separate them ("225/45ZR17, (94W) XL"). Nothing when the brackets do not
// pair up.
std::optional<std::vector<std::string_view>> Words(std::string& tail) {
    int depth = 0;
    for (char& c : tail) {
        if (c == '(' && ++depth > 1) {
            return std::nullopt;
        }
        if (c == ')' && --depth < 0) {
            return std::nullopt;
        }
        if (std::string_view("(),;").find(c) != std::string_view::npos) {
            c = ' ';
        }
    }
    if (depth != 0) {
        return std::nullopt;
    }
    std::vector<std::string_view> words;
    for (std::string_view rest = tail; !(rest = TrimLeadingBlanks(rest)).empty();) {
        std::size_t end = 0;
        while (end < rest.size() && !IsBlank(rest[end])) {
            ++end;
        }
        words.push_back(rest.substr(0, end));
        rest.remove_prefix(end);
    }
    return words;
}

// What may follow the rim: "LT" or "C" right after it, then a service
// description ("94W", "94 W", "120/116S"), a load range ("E", "LRE", "LR E",
// "Load Range E") and marks that say nothing of the diameter ("XL", "Extra
// Load", "RFT", "M+S", ...), each once.
std::optional<Problem> ReadAfterRim(Cursor& cursor) {
    const std::string_view fromRim = cursor.Rest();
    const std::string_view typedWord =
        fromRim.substr(0, std::min(fromRim.find(' '), fromRim.size()));
    std::vector<std::string_view> words;
    if (const std::string_view glued = cursor.TakeLetters(); !glued.empty()) {
        const std::string lower = ToLowerAscii(glued);
        if (lower != "lt" && lower != "c") {
            return IsOneOf(lower, kMarks)
                       ? "after the rim, put a blank before " + Shown(glued)  // "17XL"
                       : NotAMarking(typedWord);
        }
        words.push_back(glued);
    }
    std::string tail(cursor.Rest());
    if (!tail.empty() && std::string_view(" \t,;(").find(tail.front()) == std::string_view::npos) {
        return NotAMarking(typedWord);
    }
    const auto rest = Words(tail);
    if (!rest) {
        return Problem{kBrackets};
    }
    words.insert(words.end(), rest->begin(), rest->end());

    std::vector<std::string> said;  // what each marking gave
    for (std::size_t i = 0; i < words.size(); ++i) {
        const std::size_t from = i;
        const auto word = [&words, i](std::size_t ahead) {
            return i + ahead < words.size() ? ToLowerAscii(words[i + ahead]) : std::string();
        };
        std::string gives;
        if (word(0) == "extra" && word(1) == "load") {
            gives = "extra load";
            i += 1;
        } else if (word(0) == "load" && word(1) == "range" && IsLoadRange(word(2))) {
            gives = "load range";
            i += 2;
        } else if (word(0) == "lr" && IsLoadRange(word(1))) {
            gives = "load range";
            i += 1;
        } else if (IsLoadRange(word(0)) || (word(0).size() == 3 && word(0).starts_with("lr") &&
                                            IsLoadRange(word(0).substr(2)))) {
            gives = "load range";
        } else if (IsServiceDescription(word(0))) {
            gives = "service";
        } else if (IsSpeedSymbol(word(1)) && IsServiceDescription(word(0) + word(1))) {
            gives = "service";  // "94 W"
            i += 1;
        } else if (IsOneOf(word(0), kMarks)) {
            gives = word(0);
        } else if (IsServiceDescription(word(0) + "r")) {
            return "after the rim, the load index " + Shown(words[i]) + " has no speed rating";
        } else {
            return NotAMarking(words[i]);
        }
        if (std::find(said.begin(), said.end(), gives) != said.end()) {
            std::string typed(words[from]);
            for (std::size_t k = from + 1; k <= i; ++k) {
                typed += " " + std::string(words[k]);
            }
            const std::string shown = Shown(typed);
            if (gives == "service") {
                return "after the rim, " + shown + " is a second load index and speed rating";
            }
            if (gives == "load range") {
                return "after the rim, " + shown + " is a second load range";
            }
            return "after the rim, " + shown + " comes twice";
        }
        said.push_back(gives);
    }
    return std::nullopt;
}

// "E78-14", "GR70-15": a letter for the load, the aspect ratio, the rim.
bool IsLetterSize(std::string_view typed) {
    std::size_t at = 1;
    if (typed.empty() || ToLowerAscii(typed[0]) < 'a' || ToLowerAscii(typed[0]) > 'n') {
        return false;
    }
    if (at < typed.size() && ToLowerAscii(typed[at]) == 'r') {
        ++at;
    }
    return at + 1 < typed.size() && IsDigit(typed[at]) && IsDigit(typed[at + 1]) &&
           (at + 2 == typed.size() || !IsDigit(typed[at + 2]));
}

Reading ReadInches(std::string_view typed, const Number& number, std::string_view unit,
                   char point) {
    // Plain numbers follow the user's decimal point strictly, as every box does.
    if (number.written.find(point == ',' ? '.' : ',') != std::string_view::npos) {
        return Refusal{DecimalsMessage(point), UnreadTire::NotASize};
    }
    if (!std::isfinite(number.value)) {
        return Refusal{std::string(kTooLarge), UnreadTire::NotASize};
    }
    const std::string inches = std::string(number.written) + " in";
    const bool plain = unit.empty() || unit == "in";
    return Tire{number.value, TireForm::Inches, plain ? inches : Spoken(typed) + " = " + inches,
                inches};
}

Reading ReadRevolutions(std::string_view typed, const Number& revolutions, char point) {
    if (revolutions.value == 0) {
        return Refusal{std::string(kNoRevolutions), UnreadTire::NoDiameter};
    }
    const double diameter = RevolutionsPerMile(revolutions.value);
    if (!InRange(diameter)) {
        return Refusal{RangeMessage(diameter, point), UnreadTire::NoDiameter};
    }
    const std::string readsAs = Inches(diameter, point) + " in";
    return Tire{diameter, TireForm::RevolutionsPerMile, Spoken(typed) + " = " + readsAs, readsAs};
}

// "33x12.50R15": diameter, "x", width, then the rim as a metric size has it.
Reading ReadFlotation(Cursor& cursor, std::string_view typed, const Number& diameter, char point) {
    // Unfinished or faulty, its first number is the diameter still.
    const auto refuse = [](std::string_view message) {
        return Refusal{std::string(message), UnreadTire::DiameterFirst};
    };
    const std::string decimals = DecimalsMessage(point);
    if (diameter.value == 0) {
        return refuse(kNoDiameter);
    }
    cursor.SkipBlanks();
    if (cursor.AtEnd()) {
        return refuse(kNoWidthAndRim);
    }
    Number width;
    if (const auto problem = ReadPart(cursor, width, kWidthMissing, kNoWidth, decimals)) {
        return refuse(*problem);
    }
    if (diameter.value < width.value) {
        return Refusal{std::string(kInchWidth), UnreadTire::NoDiameter};  // "7.00x15"
    }
    if (diameter.value > kLargestTire && width.value >= kLowestAspect &&
        width.value <= kHighestAspect) {
        return Refusal{std::string(kMetricWithSlash), UnreadTire::NoDiameter};  // "225x45R17"
    }
    const Gap gap = ReadGap(cursor);
    if (gap.letters && !gap.construction) {
        return refuse(kConstruction);
    }
    if (!gap.Any() && !cursor.AtEnd()) {
        return refuse(kRimMissing);
    }
    Number rim;
    if (const auto problem = ReadPart(cursor, rim, kRimMissing, kNoRim, decimals)) {
        return refuse(*problem);
    }
    if (rim.value >= diameter.value) {
        return refuse(kRimTooLarge);
    }
    if (const auto problem = ReadAfterRim(cursor)) {
        return refuse(*problem);
    }
    if (!InRange(diameter.value)) {
        return refuse(RangeMessage(diameter.value, point));
    }
    std::string readsAs = WithPoint(std::string(diameter.written), point) + " in (flotation";
    if (gap.speed != 0) {
        readsAs += std::string(", speed rating ") + gap.speed;
    }
    readsAs += ")";
    return Tire{diameter.value, TireForm::Flotation, Spoken(typed) + " = " + readsAs, readsAs};
}

// "225/45ZR17", "165R15": width in millimetres, aspect ratio in percent (82
// when not written), construction, rim in inches.
Reading ReadMetric(Cursor& cursor, std::string_view typed, const Number& width, bool prefixed,
                   char point) {
    const Gap first = ReadGap(cursor);
    // Numbers held apart by blanks alone are a size only from a metric width
    // ("225 45 17"): "2 4" is no inch-width size, but two numbers.
    const bool blankSeparated =
        first.blanks && cursor.AtNumber() && width.value >= kWidestInchWidth;
    const bool isSize = prefixed || first.separator || first.construction || blankSeparated;
    if (!isSize) {
        return Refusal{std::string(kNotATire), UnreadTire::NotASize};  // "24abc", "2 4"
    }
    // Whatever is wrong, its first number is a width, not a diameter.
    const auto refuse = [](std::string_view message) {
        return Refusal{std::string(message), UnreadTire::NoDiameter};
    };
    const std::string decimals = DecimalsMessage(point);
    if (width.value == 0) {
        return refuse(kNoWidth);
    }
    double aspect = kUnwrittenAspect;
    char speed = first.speed;
    if (first.construction) {
        if (width.value < kWidestInchWidth) {
            return refuse(kInchWidth);
        }
    } else {
        if (first.letters || (!first.Any() && !cursor.AtEnd())) {
            return refuse(kAspectMissing);
        }
        Number written;
        if (const auto problem = ReadPart(cursor, written, kAspectMissing, kNoAspect, decimals)) {
            return refuse(*problem);
        }
        if (width.value < kWidestInchWidth) {
            return refuse(kInchWidth);
        }
        if (written.value < kLowestAspect && width.value <= kLargestTire) {
            return refuse(kFlotationWithX);
        }
        const std::size_t afterWritten = cursor.Position();
        cursor.SkipBlanks();
        if (written.value < kLowestAspect && cursor.AtEnd()) {
            return refuse(kAspectMissing);  // "165-15": width and rim
        }
        cursor.Restore(afterWritten);
        if (written.value < kLowestAspect || written.value > kHighestAspect) {
            return refuse(kAspectRange);
        }
        const Gap second = ReadGap(cursor);
        if (second.letters && !second.construction) {
            return refuse(kConstruction);
        }
        if (!second.Any() && !cursor.AtEnd()) {
            return refuse(kRimMissing);
        }
        aspect = written.value;
        speed = second.speed;
    }
    Number rim;
    if (const auto problem = ReadPart(cursor, rim, kRimMissing, kNoRim, decimals)) {
        return refuse(*problem);
    }
    if (const auto problem = ReadAfterRim(cursor)) {
        return refuse(*problem);
    }
    const double diameter = MetricDiameter(width.value, aspect, rim.value);
    if (!InRange(diameter)) {
        return refuse(RangeMessage(diameter, point));
    }
    std::string readsAs = Inches(diameter, point) + " in (metric";
    if (first.construction) {
        readsAs += ", no aspect ratio: read as 82-series";
    }
    if (speed != 0) {
        readsAs += first.construction ? "; speed rating " : ", speed rating ";
        readsAs += speed;
    }
    readsAs += ")";
    return Tire{diameter, first.construction ? TireForm::MetricNoAspect : TireForm::Metric,
                Spoken(typed) + " = " + readsAs, readsAs};
}

// What a box should make of a text as `reading` reads it.
UnreadTire KindOf(const Reading& reading) {
    if (!reading) {
        return reading.failure().kind;
    }
    switch (reading->form) {
        case TireForm::Inches:
            return UnreadTire::NotASize;
        case TireForm::Flotation:
            return UnreadTire::DiameterFirst;
        default:
            return UnreadTire::NoDiameter;
    }
}

// "818 rev", "818 rev./mi", "818 revs/km", "818 tr/mi": meant as revolutions
// per mile, whatever the spelling; the number is none of the tire's sizes.
bool MeansRevolutions(std::string_view unit) {
    const bool begun =
        unit.size() >= 2 &&
        std::any_of(kRevolutionUnits.begin(), kRevolutionUnits.end(),
                    [unit](std::string_view whole) { return whole.starts_with(unit); });
    return begun || unit.starts_with("r/") || unit.starts_with("rev") ||
           unit.find("/mi") != std::string_view::npos ||
           unit.find("permile") != std::string_view::npos;
}

// With `eitherPoint`, a size's numbers may be written with '.' or ',':
// sidewalls print '.' wherever the user lives.
Reading Read(std::string_view text, char point, bool eitherPoint) {
    const std::string plain = Plain(text);
    const std::string_view typed = WithoutEndMark(TrimBlanks(plain));
    if (typed.empty()) {
        return Refusal{std::string(kNothing), UnreadTire::NotASize};
    }
    if (IsLetterSize(typed)) {
        return Refusal{std::string(kLetterSize), UnreadTire::NoDiameter};
    }
    Cursor cursor(typed, point, eitherPoint);
    const bool prefixed = cursor.TakePrefix();
    const UnreadTire kind = prefixed ? UnreadTire::NoDiameter : UnreadTire::NotASize;
    if (cursor.AtNegativeNumber()) {
        // "-818 rev/mi": what it would be without the sign.
        return Refusal{std::string(kNegative),
                       prefixed ? kind : KindOf(Read(typed.substr(1), point, eitherPoint))};
    }
    const std::optional<Number> first = cursor.TakeNumber();
    if (!first) {
        return Refusal{std::string(prefixed && cursor.AtEnd() ? kWidthMissing : kNotATire), kind};
    }
    if (cursor.AtOtherPoint()) {
        // "818,5 rev/mi" where the point is '.': what it would be with either.
        return Refusal{DecimalsMessage(point), prefixed ? kind : KindOf(Read(typed, point, true))};
    }
    if (!prefixed) {
        const std::string unit = Squeezed(cursor.Rest());
        if (IsOneOf(unit, kInchUnits)) {
            return ReadInches(typed, *first, unit, point);
        }
        if (IsOneOf(unit, kRevolutionUnits)) {
            return ReadRevolutions(typed, *first, point);
        }
        if (unit == "rpm" || unit == "r.p.m" || unit == "r/min") {
            return Refusal{std::string(kEngineSpeed), UnreadTire::NoDiameter};
        }
        if (MeansRevolutions(unit)) {
            return Refusal{std::string(kRevolutionUnit), UnreadTire::NoDiameter};
        }
    }
    const std::size_t afterFirst = cursor.Position();
    cursor.SkipBlanks();
    if (cursor.TakeTimes()) {
        return ReadFlotation(cursor, typed, *first, point);
    }
    cursor.Restore(afterFirst);
    return ReadMetric(cursor, typed, *first, prefixed, point);
}

Reading Read(std::string_view text, char decimalPoint) {
    const char point = decimalPoint == ',' ? ',' : '.';
    return Read(text, point, point == ',');
}

}  // namespace

double RevolutionsPerMile(double diameter) {
    constexpr double kInchesPerMile = 63360;
    return kInchesPerMile / (std::numbers::pi * diameter);
}

double MetricDiameter(double width, double aspect, double rim) {
    constexpr double kMillimetresPerInch = 25.4;
    return rim + 2 * width * aspect / 100 / kMillimetresPerInch;
}

Outcome<Tire, TireRefusal> ReadTire(std::string_view text, char decimalPoint) {
    return Read(text, decimalPoint);
}

}  // namespace tachoria
