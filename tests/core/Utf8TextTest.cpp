#include "commandline/Utf8Text.h"

#include <gtest/gtest.h>

#include <string>

namespace tachoria {
namespace {

constexpr std::string_view kReplacement = "\xEF\xBF\xBD";

// `before`, then `count` replacement characters, then `after`.
std::string Replaced(std::string_view before, int count, std::string_view after = "") {
    std::string text(before);
    for (int i = 0; i < count; ++i) {
        text += kReplacement;
    }
    text += after;
    return text;
}

// Each ill-formed part becomes one U+FFFD, as Unicode recommends: a lead
// byte with the continuation bytes that fit it, or one stray byte.
TEST(Utf8Text, RepairsWhatIsNotUtf8AndKeepsWhatIs) {
    const struct {
        std::string bytes;
        std::string text;
    } cases[] = {
        {"", ""},
        {"24 in", "24 in"},
        {"\xe2\x80\x94 caf\xc3\xa9 \xf0\x9f\x9a\x97", "\xe2\x80\x94 caf\xc3\xa9 \xf0\x9f\x9a\x97"},
        {"\xf4\x8f\xbf\xbf", "\xf4\x8f\xbf\xbf"},  // U+10FFFF, the last
        {"24\xff\xfe", Replaced("24", 2)},         // never in UTF-8
        {"\x80x", Replaced("", 1, "x")},           // a stray continuation
        {"\xc0\xaf", Replaced("", 2)},             // an overlong "/"
        {"\xe0\x80\xaf", Replaced("", 3)},         // overlong, three bytes
        {"\xed\xa0\x80", Replaced("", 3)},         // a surrogate
        {"\xf4\x90\x80\x80", Replaced("", 4)},     // past U+10FFFF
        {"a\xe2\x82", Replaced("a", 1)},           // cut short at the end
        {"\xf0\x9f\x9a"
         "b",
         Replaced("", 1, "b")},                                     // cut short before a letter
        {"\xe2\x82\xe2\x82\xac", Replaced("", 1, "\xe2\x82\xac")},  // cut short, then whole
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.bytes);
        EXPECT_EQ(AsUtf8(c.bytes), c.text);
        EXPECT_EQ(IsUtf8(c.bytes), c.bytes == c.text);
        EXPECT_TRUE(IsUtf8(AsUtf8(c.bytes)));
    }
}

}  // namespace
}  // namespace tachoria
