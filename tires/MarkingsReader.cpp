#include "tires/MarkingsReader.h"

#include <algorithm>
#include <array>
#include <string>
#include <string_view>
#include <vector>

namespace tachoria::tires {
namespace {

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

bool IsLoadRange(std::string_view word) {
    return word.size() == 1 && kLoadRanges.find(word[0]) != std::string_view::npos;
}
bool IsSpeedSymbol(std::string_view word) {
    return word.size() == 1 && kSpeedSymbols.find(word[0]) != std::string_view::npos;
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

}  // namespace

std::string ShownWord(std::string_view word) {
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

bool IsMark(std::string_view lowerWord) { return IsOneOf(lowerWord, kMarks); }

namespace {

Problem NotAMarking(std::string_view word) {
    return "after the rim, " + ShownWord(word) + " is no load index, speed rating or load range";
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

}  // namespace

std::optional<Problem> ReadAfterRim(Cursor& cursor) {
    const std::string_view fromRim = cursor.Rest();
    const std::string_view typedWord =
        fromRim.substr(0, std::min(fromRim.find(' '), fromRim.size()));
    std::vector<std::string_view> words;
    if (const std::string_view glued = cursor.TakeLetters(); !glued.empty()) {
        const std::string lower = ToLowerAscii(glued);
        if (lower != "lt" && lower != "c") {
            return IsMark(lower)
                       ? "after the rim, put a blank before " + ShownWord(glued)  // "17XL"
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
        } else if (IsMark(word(0))) {
            gives = word(0);
        } else if (IsServiceDescription(word(0) + "r")) {
            return "after the rim, the load index " + ShownWord(words[i]) + " has no speed rating";
        } else {
            return NotAMarking(words[i]);
        }
        if (std::find(said.begin(), said.end(), gives) != said.end()) {
            std::string typed(words[from]);
            for (std::size_t k = from + 1; k <= i; ++k) {
                typed += " " + std::string(words[k]);
            }
            const std::string shown = ShownWord(typed);
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

}  // namespace tachoria::tires
