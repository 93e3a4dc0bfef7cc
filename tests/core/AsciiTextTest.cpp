#include "arith/AsciiText.h"

#include <gtest/gtest.h>

#include <string>

namespace tachoria {
namespace {

// The neighbours of each range are where a hand-written test goes wrong.
TEST(AsciiText, ClassifiesAndFoldsOnlyAsciiLettersAndDigits) {
    const struct {
        char c;
        bool digit;
        bool alpha;
        char lower;
        char upper;
    } cases[] = {
        {'0', true, false, '0', '0'},           {'9', true, false, '9', '9'},
        {'/', false, false, '/', '/'},          {':', false, false, ':', ':'},
        {'A', false, true, 'a', 'A'},           {'Z', false, true, 'z', 'Z'},
        {'a', false, true, 'a', 'A'},           {'z', false, true, 'z', 'Z'},
        {'@', false, false, '@', '@'},          {'[', false, false, '[', '['},
        {'`', false, false, '`', '`'},          {'{', false, false, '{', '{'},
        {' ', false, false, ' ', ' '},          {'\0', false, false, '\0', '\0'},
        {'\xC3', false, false, '\xC3', '\xC3'},  // first byte of "Ä" and "×"
        {'\xE4', false, false, '\xE4', '\xE4'},  // "ä" in Latin-1
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(static_cast<int>(static_cast<unsigned char>(c.c)));
        EXPECT_EQ(IsDigit(c.c), c.digit);
        EXPECT_EQ(IsAsciiAlpha(c.c), c.alpha);
        EXPECT_EQ(IsAsciiAlnum(c.c), c.digit || c.alpha);
        EXPECT_EQ(ToLowerAscii(c.c), c.lower);
        EXPECT_EQ(ToUpperAscii(c.c), c.upper);
    }
    EXPECT_EQ(ToLowerAscii("LT265/75R16 ÄÖ"), "lt265/75r16 ÄÖ");
    EXPECT_EQ(ToUpperAscii("94w m+s ä"), "94W M+S ä");
}

TEST(AsciiText, TellsADecimalPointFromAFullStop) {
    const struct {
        const char* text;
        std::size_t at;
        bool between;
    } cases[] = {
        {"24.5", 2, true}, {"24.", 2, false}, {".5", 0, false},
        {"a.5", 1, false}, {"2.x", 1, false}, {"2", 0, false},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(IsBetweenDigits(c.text, c.at), c.between) << c.text << " at " << c.at;
    }
}

}  // namespace
}  // namespace tachoria
