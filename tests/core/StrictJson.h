#pragma once

// A strict JSON check (RFC 8259) for the tests and the fuzzer: what the
// command line writes must parse in any reader, so nothing lenient passes
// (no leading zeros, no "+", no ".5", no trailing commas, no control
// characters in strings, no invalid escapes, no text after the value).
#include <cstddef>
#include <string_view>

namespace tachoria::testing {

class StrictJson {
public:
    // Whether `text` is one JSON value, with blanks around it allowed.
    static bool Parses(std::string_view text) {
        StrictJson json(text);
        json.Blanks();
        if (!json.Value(0)) {
            return false;
        }
        json.Blanks();
        return json.at_ == text.size();
    }

private:
    explicit StrictJson(std::string_view text) : text_(text) {}

    static constexpr int kDeepest = 64;

    [[nodiscard]] bool More() const { return at_ < text_.size(); }
    [[nodiscard]] char Next() const { return More() ? text_[at_] : '\0'; }
    static bool IsDigit(char c) { return c >= '0' && c <= '9'; }

    void Blanks() {
        while (More() && (Next() == ' ' || Next() == '\t' || Next() == '\n' || Next() == '\r')) {
            ++at_;
        }
    }

    bool Take(char c) {
        if (Next() != c || !More()) {
            return false;
        }
        ++at_;
        return true;
    }

    bool Word(std::string_view word) {
        if (text_.substr(at_, word.size()) != word) {
            return false;
        }
        at_ += word.size();
        return true;
    }

    bool Value(int depth) {
        if (depth > kDeepest) {
            return false;
        }
        switch (Next()) {
            case '{':
                return Object(depth);
            case '[':
                return Array(depth);
            case '"':
                return String();
            case 't':
                return Word("true");
            case 'f':
                return Word("false");
            case 'n':
                return Word("null");
            default:
                return Number();
        }
    }

    bool Object(int depth) {
        Take('{');
        Blanks();
        if (Take('}')) {
            return true;
        }
        do {
            Blanks();
            if (!String()) {
                return false;
            }
            Blanks();
            if (!Take(':')) {
                return false;
            }
            Blanks();
            if (!Value(depth + 1)) {
                return false;
            }
            Blanks();
        } while (Take(','));
        return Take('}');
    }

    bool Array(int depth) {
        Take('[');
        Blanks();
        if (Take(']')) {
            return true;
        }
        do {
            Blanks();
            if (!Value(depth + 1)) {
                return false;
            }
            Blanks();
        } while (Take(','));
        return Take(']');
    }

    bool Digits() {
        const std::size_t start = at_;
        while (More() && IsDigit(Next())) {
            ++at_;
        }
        return at_ > start;
    }

    bool Number() {
        Take('-');
        if (Take('0')) {
            if (IsDigit(Next()) && More()) {
                return false;
            }
        } else if (!Digits()) {
            return false;
        }
        if (Take('.') && !Digits()) {
            return false;
        }
        if (Take('e') || Take('E')) {
            if (!Take('+')) {
                Take('-');
            }
            return Digits();
        }
        return true;
    }

    // Control characters must be escaped; the bytes of other characters
    // are left to a UTF-8 check.
    bool String() {
        if (!Take('"')) {
            return false;
        }
        while (More()) {
            const char c = Next();
            ++at_;
            if (c == '"') {
                return true;
            }
            if (static_cast<unsigned char>(c) < 0x20) {
                return false;
            }
            if (c == '\\') {
                const char escaped = Next();
                ++at_;
                if (escaped == 'u') {
                    for (int i = 0; i < 4; ++i) {
                        const char h = Next();
                        ++at_;
                        if (!IsDigit(h) && !(h >= 'a' && h <= 'f') && !(h >= 'A' && h <= 'F')) {
                            return false;
                        }
                    }
                } else if (std::string_view("\"\\/bfnrt").find(escaped) == std::string_view::npos) {
                    return false;
                }
            }
        }
        return false;
    }

    std::string_view text_;
    std::size_t at_ = 0;
};

}  // namespace tachoria::testing
