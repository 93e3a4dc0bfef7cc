#pragma once

// The command line's JSON read back, for the tests and the fuzzer, by
// nlohmann/json's reader, which is strict (RFC 8259): no leading zeros, no
// "+", no ".5", no trailing commas, no control characters or bytes that are
// not UTF-8 in strings, no invalid escapes, no text after the value. Members
// keep their order, so that comparing two values compares the order of
// their keys as well.
#include <nlohmann/json.hpp>
#include <string>
#include <string_view>
#include <vector>

namespace tachoria::testing {

using Json = nlohmann::ordered_json;

// `text` as one JSON value (blanks around it allowed), or a discarded value
// (is_discarded()) when it is not one.
inline Json ReadJson(std::string_view text) { return Json::parse(text, nullptr, false); }

// The names of an object's members, in order; none for any other value.
inline std::vector<std::string> Keys(const Json& json) {
    std::vector<std::string> keys;
    if (json.is_object()) {
        for (const auto& member : json.items()) {
            keys.push_back(member.key());
        }
    }
    return keys;
}

}  // namespace tachoria::testing
