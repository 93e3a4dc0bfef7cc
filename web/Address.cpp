#include "web/Address.h"

#include <algorithm>
#include <array>

#include "arith/PointNumbers.h"
#include "inputs/FieldReaders.h"

namespace tachoria {
namespace {

constexpr std::array<std::string_view, 7> kViews = {
    "stock",      "generic",        "compare",          "solve-axle",
    "solve-tire", "solve-identify", "solve-speedometer"};

constexpr std::array<std::string_view, 6> kStockOptions = {"model", "years", "axle",
                                                           "tire",  "get",   "format"};
constexpr std::array<std::string_view, 5> kGenericOptions = {"tire", "axle", "gear", "get",
                                                             "format"};
constexpr std::array<std::string_view, 14> kCompareOptions = {
    "a-tire",  "a-axle",  "a-gears", "a-model", "a-years", "b-tire",      "b-axle",
    "b-gears", "b-model", "b-years", "redline", "unit",    "driven-from", "format"};
constexpr std::array<std::string_view, 6> kAxleOptions = {"rpm",  "speed", "tire",
                                                          "gear", "unit",  "format"};
constexpr std::array<std::string_view, 7> kTireOptions = {"rpm", "speed", "axle",  "gear",
                                                          "rim", "unit",  "format"};
constexpr std::array<std::string_view, 9> kIdentifyOptions = {
    "rpm", "speed", "tire", "gears", "model", "years", "in-gear", "unit", "format"};
constexpr std::array<std::string_view, 11> kSpeedometerOptions = {
    "teeth",  "error",  "driven-from", "model", "years", "a-tire",
    "a-axle", "b-tire", "b-axle",      "unit",  "format"};

// What is said of a hostile address stays short: a few names, each cut.
constexpr std::size_t kMostNamed = 10;
constexpr std::size_t kLongestNamed = 60;
// Options read from one address; the views have at most 14.
constexpr std::size_t kMostOptions = 200;
// Gear texts from one value: more than any field takes, fewer than a
// hostile value could make.
constexpr std::size_t kMostGearTexts = 16;

bool Unreserved(unsigned char c) {
    return (c >= 'A' && c <= 'Z') || (c >= 'a' && c <= 'z') || (c >= '0' && c <= '9') ||
           std::string_view("-_.!~*'()").find(static_cast<char>(c)) != std::string_view::npos;
}

int HexValue(char c) {
    if (c >= '0' && c <= '9') {
        return c - '0';
    }
    if (c >= 'a' && c <= 'f') {
        return c - 'a' + 10;
    }
    if (c >= 'A' && c <= 'F') {
        return c - 'A' + 10;
    }
    return -1;
}

// The length of the UTF-8 sequence at `text[i]`, or 0 when none starts there.
std::size_t SequenceLength(std::string_view text, std::size_t i) {
    const auto byte = [&](std::size_t k) { return static_cast<unsigned char>(text[k]); };
    const unsigned char lead = byte(i);
    if (lead < 0x80) {
        return 1;
    }
    std::size_t length = 0;
    unsigned char low = 0x80;
    unsigned char high = 0xBF;
    if (lead >= 0xC2 && lead <= 0xDF) {
        length = 2;
    } else if (lead >= 0xE0 && lead <= 0xEF) {
        length = 3;
        low = lead == 0xE0 ? 0xA0 : 0x80;
        high = lead == 0xED ? 0x9F : 0xBF;  // no surrogates
    } else if (lead >= 0xF0 && lead <= 0xF4) {
        length = 4;
        low = lead == 0xF0 ? 0x90 : 0x80;
        high = lead == 0xF4 ? 0x8F : 0xBF;
    } else {
        return 0;
    }
    if (i + length > text.size() || byte(i + 1) < low || byte(i + 1) > high) {
        return 0;
    }
    for (std::size_t k = 2; k < length; ++k) {
        if (byte(i + k) < 0x80 || byte(i + k) > 0xBF) {
            return 0;
        }
    }
    return length;
}

std::string Quoted(std::string_view text) {
    std::string quoted = "\"";
    quoted += ValidUtf8(text.substr(0, kLongestNamed));
    quoted += text.size() > kLongestNamed ? "…\"" : "\"";
    return quoted;
}

// `text` with every `from` written as `to`.
std::string Swapped(std::string_view text, char from, char to) {
    std::string swapped(text);
    std::replace(swapped.begin(), swapped.end(), from, to);
    return swapped;
}

// Where `numbers` reads `text` as the same number as `other` reads `swapped`,
// `swapped`, which keeps the text as typed; else the number as `other`
// writes it.
std::string Rewritten(std::string_view text, const NumberConverter& numbers,
                      const NumberConverter& other) {
    const std::optional<double> value = numbers.ToNumber(text);
    if (!value) {
        return std::string(text);
    }
    std::string swapped = Swapped(text, numbers.DecimalPoint(), other.DecimalPoint());
    if (other.ToNumber(swapped) == value) {
        return swapped;
    }
    return other.ToText(*value);
}

// The same for a ratio written "3,27:1": its number only.
std::string RewrittenRatio(std::string_view text, const NumberConverter& numbers,
                           const NumberConverter& other) {
    const std::string_view number = RatioNumberText(text);
    if (number.size() == text.size()) {
        return Rewritten(text, numbers, other);
    }
    const auto at = static_cast<std::size_t>(number.data() - text.data());
    std::string rewritten(text.substr(0, at));
    rewritten += Rewritten(number, numbers, other);
    rewritten += text.substr(at + number.size());
    return rewritten;
}

const PointNumberConverter kAddressNumbers('.');

}  // namespace

std::span<const std::string_view> AddressViews() { return kViews; }

std::optional<std::span<const std::string_view>> ViewOptions(std::string_view view) {
    const std::array<std::span<const std::string_view>, kViews.size()> options = {
        kStockOptions, kGenericOptions,  kCompareOptions,    kAxleOptions,
        kTireOptions,  kIdentifyOptions, kSpeedometerOptions};
    for (std::size_t i = 0; i < kViews.size(); ++i) {
        if (kViews[i] == view) {
            return options[i];
        }
    }
    return std::nullopt;
}

const std::string* Address::Find(std::string_view name) const {
    const auto found = std::find_if(options.rbegin(), options.rend(),
                                    [name](const AddressOption& o) { return o.name == name; });
    return found == options.rend() ? nullptr : &found->value;
}

std::string Address::IgnoredLine() const {
    std::string line;
    if (unknownView) {
        line = "This address names no view " + Quoted(*unknownView) + ".";
    }
    if (!unknownOptions.empty()) {
        line += line.empty() ? "" : " ";
        line += "Ignored in this address: ";
        for (std::size_t i = 0; i < unknownOptions.size(); ++i) {
            line += i == 0 ? "" : ", ";
            line += Quoted(unknownOptions[i]);
        }
        line += ".";
    }
    return line;
}

std::string ValidUtf8(std::string_view text) {
    std::string valid;
    valid.reserve(text.size());
    for (std::size_t i = 0; i < text.size();) {
        const std::size_t length = SequenceLength(text, i);
        if (length == 0) {
            valid += "\uFFFD";
            ++i;
        } else {
            valid.append(text.substr(i, length));
            i += length;
        }
    }
    return valid;
}

std::string EncodeComponent(std::string_view text) {
    constexpr std::string_view kHex = "0123456789ABCDEF";
    std::string encoded;
    encoded.reserve(text.size());
    for (const char c : text) {
        const auto byte = static_cast<unsigned char>(c);
        if (Unreserved(byte)) {
            encoded += c;
        } else {
            encoded += '%';
            encoded += kHex[byte >> 4];
            encoded += kHex[byte & 0xF];
        }
    }
    return encoded;
}

std::string DecodeComponent(std::string_view text) {
    std::string decoded;
    decoded.reserve(text.size());
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '%' && i + 2 < text.size() && HexValue(text[i + 1]) >= 0 &&
            HexValue(text[i + 2]) >= 0) {
            decoded += static_cast<char>(HexValue(text[i + 1]) * 16 + HexValue(text[i + 2]));
            i += 2;
        } else {
            decoded += text[i];
        }
    }
    return ValidUtf8(decoded);
}

Address ReadAddress(std::string_view text) {
    text = text.substr(0, kAddressLimit);
    if (text.starts_with('#')) {
        text.remove_prefix(1);
    }
    Address address;
    const std::size_t question = text.find('?');
    const std::string view = DecodeComponent(text.substr(0, question));
    const std::optional<std::span<const std::string_view>> known = ViewOptions(view);
    if (!known) {
        if (!view.empty()) {
            address.unknownView = view.substr(0, kLongestNamed + 1);
        }
        return address;
    }
    address.view = view;
    std::string_view rest =
        question == std::string_view::npos ? std::string_view() : text.substr(question + 1);
    for (std::size_t read = 0; !rest.empty() && read < kMostOptions; ++read) {
        const std::size_t amp = rest.find('&');
        const std::string_view piece = rest.substr(0, amp);
        rest = amp == std::string_view::npos ? std::string_view() : rest.substr(amp + 1);
        if (piece.empty()) {
            continue;
        }
        const std::size_t equals = piece.find('=');
        std::string name = DecodeComponent(piece.substr(0, equals));
        std::string value = equals == std::string_view::npos
                                ? std::string()
                                : DecodeComponent(piece.substr(equals + 1));
        if (name.empty()) {
            continue;  // "=5": nothing it could be said of
        }
        if (std::find(known->begin(), known->end(), name) == known->end()) {
            if (address.unknownOptions.size() < kMostNamed &&
                std::find(address.unknownOptions.begin(), address.unknownOptions.end(), name) ==
                    address.unknownOptions.end()) {
                address.unknownOptions.push_back(name.substr(0, kLongestNamed + 1));
            }
        } else if (name != "format") {
            address.options.push_back({std::move(name), std::move(value)});
        }
    }
    return address;
}

std::string WriteAddress(std::string_view view, std::span<const AddressOption> options) {
    std::string address = EncodeComponent(view);
    for (std::size_t i = 0; i < options.size(); ++i) {
        address += i == 0 ? '?' : '&';
        address += EncodeComponent(options[i].name);
        address += '=';
        address += EncodeComponent(options[i].value);
    }
    return address;
}

std::string AddressNumber(std::string_view text, const NumberConverter& user) {
    return RewrittenRatio(text, user, kAddressNumbers);
}

std::string UserNumber(std::string_view text, const NumberConverter& user) {
    return RewrittenRatio(text, kAddressNumbers, user);
}

std::string AddressGears(std::span<const std::string> gears, const NumberConverter& user) {
    std::string value;
    for (std::size_t i = 0; i < gears.size(); ++i) {
        if (i > 0) {
            value += ',';
        }
        value += AddressNumber(gears[i], user);
    }
    return value;
}

std::vector<std::string> UserGears(std::string_view value, const NumberConverter& user) {
    std::vector<std::string> gears;
    while (gears.size() < kMostGearTexts) {
        const std::size_t comma = value.find(',');
        gears.push_back(UserNumber(value.substr(0, comma), user));
        if (comma == std::string_view::npos) {
            return gears;
        }
        value.remove_prefix(comma + 1);
    }
    // More than a field can hold: the rest stays in the last, as given.
    gears.back() += ',';
    gears.back() += value;
    return gears;
}

}  // namespace tachoria
