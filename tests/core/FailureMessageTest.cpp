#include "tables/FailureMessage.h"

#include <gtest/gtest.h>

#include <string>

namespace tachoria {
namespace {

TEST(Quote, KeepsShortTextsWhole) {
    EXPECT_EQ(Quote(""), "\"\"");
    EXPECT_EQ(Quote("abc"), "\"abc\"");
    const std::string forty(40, '7');
    EXPECT_EQ(Quote(forty), "\"" + forty + "\"");
}

// A pasted 100,000-digit number must not make a message box wider than the
// screen: the middle goes, the ends stay, and a character is never cut in two.
TEST(Quote, ElidesTheMiddleOfLongTexts) {
    const struct {
        std::string text;
        std::string quoted;
    } cases[] = {
        {std::string(41, '7'),
         "\"" + std::string(19, '7') + "\u2026" + std::string(20, '7') + "\""},
        {"1" + std::string(100000, '0') + "9",
         "\"1" + std::string(18, '0') + "\u2026" + std::string(19, '0') + "9\""},
        // 45 two-byte characters: the cut falls between characters.
        {[] {
             std::string s;
             for (int i = 0; i < 45; ++i) {
                 s += "\u00e9";
             }
             return s;
         }(),
         [] {
             std::string s = "\"";
             for (int i = 0; i < 19; ++i) {
                 s += "\u00e9";
             }
             s += "\u2026";
             for (int i = 0; i < 20; ++i) {
                 s += "\u00e9";
             }
             return s + "\"";
         }()},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.text.substr(0, 20));
        EXPECT_EQ(Quote(c.text), c.quoted);
    }
}

TEST(FailureMessages, QuoteTheTextElided) {
    const std::string pasted = std::string(50, '1') + "x";
    const std::string quoted = Quote(pasted);
    EXPECT_EQ(NotANumberMessage("Tire Diameter", pasted),
              "Tire Diameter " + quoted + " is not a number.");
    EXPECT_EQ(TooLargeMessage("--tire", "1e400"), "--tire \"1e400\" is too large a number.");
    const NamedInput zero[] = {{"Differential Gearing", "0", 0.0, true}};
    EXPECT_EQ(RowFailureMessage(zero),
              "Differential Gearing \"0\" is zero, and the table divides by it. Enter a number "
              "other than 0.");
}

}  // namespace
}  // namespace tachoria
