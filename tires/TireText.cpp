#include "tires/TireText.h"

#include <utility>

#include "arith/AsciiText.h"
#include "arith/Blanks.h"
#include "arith/Num2String.h"

namespace tachoria::tires {
namespace {

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

}  // namespace

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

std::string Squeezed(std::string_view text) {
    std::string squeezed;
    for (const char c : text) {
        if (!IsBlank(c)) {
            squeezed += ToLowerAscii(c);
        }
    }
    return squeezed;
}

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

std::string WithPoint(std::string text, char point) {
    std::replace_if(
        text.begin(), text.end(), [](char c) { return c == '.' || c == ','; }, point);
    return text;
}

std::string Inches(double diameter, char point) { return WithPoint(FixedText(diameter, 2), point); }

}  // namespace tachoria::tires
