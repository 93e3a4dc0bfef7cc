#include "arith/TireSize.h"

#include <cmath>

#include "arith/Blanks.h"
#include "arith/Num2String.h"
#include "arith/NumberReading.h"

namespace tachoria {
namespace {

constexpr double kMillimetresPerInch = 25.4;

// Reads a text from left to right, skipping blanks before each part.
class Reader {
public:
    explicit Reader(std::string_view text) : text_(text) {}

    void SkipBlanks() {
        while (at_ < text_.size() && IsBlank(text_[at_])) {
            ++at_;
        }
    }
    // Consumes `word` (case ignored) when it comes next.
    bool Take(std::string_view word) {
        SkipBlanks();
        if (text_.size() - at_ < word.size()) {
            return false;
        }
        for (std::size_t i = 0; i < word.size(); ++i) {
            const char c = text_[at_ + i];
            const char lower = c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
            if (lower != word[i]) {
                return false;
            }
        }
        at_ += word.size();
        return true;
    }
    // An unsigned number with an optional fraction; no sign, no exponent.
    std::optional<double> Number() {
        SkipBlanks();
        std::size_t end = at_;
        while (end < text_.size() &&
               ((text_[end] >= '0' && text_[end] <= '9') || text_[end] == '.')) {
            ++end;
        }
        const std::string_view digits = text_.substr(at_, end - at_);
        const LeadingNumber number = ScanLeadingNumber(digits);
        if (number.length == 0 || number.length != digits.size()) {
            return std::nullopt;
        }
        at_ = end;
        return number.value;
    }
    bool AtBlank() const { return at_ < text_.size() && IsBlank(text_[at_]); }
    bool AtEnd() {
        SkipBlanks();
        return at_ == text_.size();
    }

private:
    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace

std::optional<double> TireSizeDiameter(std::string_view text) {
    Reader reader(text);
    if (!reader.Take("lt")) {
        reader.Take("p");
    }
    const std::optional<double> width = reader.Number();
    if (!width || !reader.Take("/")) {
        return std::nullopt;
    }
    const std::optional<double> aspect = reader.Number();
    if (!aspect) {
        return std::nullopt;
    }
    // The construction letter or dash, or just a blank, before the rim.
    const bool blankBeforeRim = reader.AtBlank();
    if (!reader.Take("r") && !reader.Take("-") && !blankBeforeRim) {
        return std::nullopt;
    }
    const std::optional<double> rim = reader.Number();
    if (!rim || !reader.AtEnd() || *width <= 0 || *aspect <= 0 || *rim <= 0) {
        return std::nullopt;
    }
    const double diameter = *rim + 2.0 * *width * *aspect / 100.0 / kMillimetresPerInch;
    if (!std::isfinite(diameter)) {
        return std::nullopt;  // digits enough to overflow a double are no tire
    }
    return diameter;
}

std::string TireSizeNote(std::string_view text) {
    const std::optional<double> diameter = TireSizeDiameter(text);
    if (!diameter) {
        return {};
    }
    const std::string shown = Num2String(*diameter, 2, 0);
    return std::string(TrimBlanks(text)) + " = " + std::string(TrimBlanks(shown)) + " in";
}

}  // namespace tachoria
