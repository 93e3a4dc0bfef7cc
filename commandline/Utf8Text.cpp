#include "commandline/Utf8Text.h"

#include <cstddef>

namespace tachoria {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// The length of the well-formed character that starts `text` at `at`, or
// 0 when none does. Where none does, `*bad` is how many bytes to replace
// together: the lead byte and the continuation bytes that fit it.
std::size_t CharacterLength(std::string_view text, std::size_t at, std::size_t* bad) {
    const auto byte = [&text](std::size_t i) { return static_cast<unsigned char>(text[i]); };
    const unsigned char lead = byte(at);
    *bad = 1;
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    // The range of the second byte, narrowed where the lead byte allows
    // overlong forms, surrogates or code points past U+10FFFF.
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    for (std::size_t i = 1; i < length; ++i) {
        if (at + i >= text.size()) {
            return 0;
        }
        const unsigned char next = byte(at + i);
        const unsigned char least = i == 1 ? low : 0x80;
        const unsigned char most = i == 1 ? high : 0xBF;
        if (next < least || next > most) {
            return 0;
        }
        *bad = i + 1;
    }
    return length;
}

}  // namespace

bool IsUtf8(std::string_view text) {
    std::size_t bad = 0;
    for (std::size_t at = 0; at < text.size();) {
        const std::size_t length = CharacterLength(text, at, &bad);
        if (length == 0) {
            return false;
        }
        at += length;
    }
    return true;
}

std::string AsUtf8(std::string_view bytes) {
    std::string text;
    text.reserve(bytes.size());
    std::size_t bad = 0;
    for (std::size_t at = 0; at < bytes.size();) {
        const std::size_t length = CharacterLength(bytes, at, &bad);
        if (length == 0) {
            text += kReplacement;
            at += bad;
        } else {
            text.append(bytes.substr(at, length));
            at += length;
        }
    }
    return text;
}

}  // namespace tachoria
