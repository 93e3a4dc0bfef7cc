#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "arith/AsciiText.h"
#include "arith/Blanks.h"
#include "arith/NumberReading.h"
#include "tires/TireMessages.h"
#include "tires/TireText.h"

// A tire text's numbers, letters and separators, read from left to right:
// internal to tires/.
namespace tachoria::tires {

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

// A number a size cannot do without: missing, negative, written with the
// other decimal point or 0 is refused.
std::optional<Problem> ReadPart(Cursor& cursor, Number& part, std::string_view missing,
                                std::string_view zero, const std::string& decimals);

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

Gap ReadGap(Cursor& cursor);

}  // namespace tachoria::tires
