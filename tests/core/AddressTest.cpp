// Page addresses after "#": encoded as the browser's encodeURIComponent,
// read back whatever a pasted link holds, and numbers that travel with "."
// between browsers of different languages.
#include "web/Address.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "arith/PointNumbers.h"

namespace tachoria {
namespace {

TEST(Address, EncodesAsEncodeUriComponent) {
    struct Case {
        std::string text;
        std::string encoded;
    };
    const std::vector<Case> cases = {
        {"+5", "%2B5"},
        {"a b", "a%20b"},
        {"185/80R13", "185%2F80R13"},
        {"Early Car (1961-1964)", "Early%20Car%20(1961-1964)"},
        {"3.65,2.35", "3.65%2C2.35"},
        {"-_.!~*'()", "-_.!~*'()"},
        {"&=?#%", "%26%3D%3F%23%25"},
        {"<script>", "%3Cscript%3E"},
        {"\u00E9\u25B2", "%C3%A9%E2%96%B2"},
        {std::string("a\0b", 3), "a%00b"},
        {"", ""},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(EncodeComponent(c.text), c.encoded) << c.text;
        EXPECT_EQ(DecodeComponent(c.encoded), c.text) << c.encoded;
    }
}

TEST(Address, DecodesAnyEscapeAndKeepsBadOnesAsText) {
    struct Case {
        std::string text;
        std::string decoded;
    };
    const std::vector<Case> cases = {
        {"+5", "+5"},  // a "+" is no blank here
        {"%2b5", "+5"},
        {"%c3%A9", "\u00E9"},
        {"%zz", "%zz"},
        {"%4", "%4"},
        {"100%", "100%"},
        {"%%41", "%A"},
        {"%C3", "\uFFFD"},                    // a sequence cut short
        {"%FF%FE", "\uFFFD\uFFFD"},           // bytes of no UTF-8
        {"%ED%A0%80", "\uFFFD\uFFFD\uFFFD"},  // a surrogate
        {"\xC3\xA9\xC3", "\u00E9\uFFFD"},     // raw bytes too
        {"%F0%9F%9A%97", "\U0001F697"},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(DecodeComponent(c.text), c.decoded) << c.text;
    }
}

TEST(Address, ReadsTheViewAndItsOptionsInOrder) {
    struct Case {
        std::string text;
        std::string view;
        std::vector<AddressOption> options;
        std::vector<std::string> unknown;
        std::optional<std::string> unknownView;
    };
    const std::vector<Case> cases = {
        {"#stock?model=Early%20Car%20(1961-1964)&years=1961-1963&axle=3.27&tire=185%2F80R13&get="
         "rpm",
         "stock",
         {{"model", "Early Car (1961-1964)"},
          {"years", "1961-1963"},
          {"axle", "3.27"},
          {"tire", "185/80R13"},
          {"get", "rpm"}},
         {},
         {}},
        {"compare?a-tire=24&format=json&colour=red&a-gears=3.65,2.35",
         "compare",
         {{"a-tire", "24"}, {"a-gears", "3.65,2.35"}},
         {"colour"},
         {}},
        {"solve-axle?rpm=2800&speed=70&tire=24&gear=1&model=x",
         "solve-axle",
         {{"rpm", "2800"}, {"speed", "70"}, {"tire", "24"}, {"gear", "1"}},
         {"model"},
         {}},
        {"solve-speedometer?error=%2B5&a-tire=24",
         "solve-speedometer",
         {{"error", "+5"}, {"a-tire", "24"}},
         {},
         {}},
        {"generic?&&tire=24&=5&gear", "generic", {{"tire", "24"}, {"gear", ""}}, {}, {}},
        {"generic", "generic", {}, {}, {}},
        {"", "", {}, {}, {}},
        {"#", "", {}, {}, {}},
        {"nowhere?tire=24", "", {}, {}, "nowhere"},
        {"Stock?tire=24", "", {}, {}, "Stock"},
        {"solve?rpm=1", "", {}, {}, "solve"},
        {"%3Cscript%3Ealert(1)%3C%2Fscript%3E", "", {}, {}, "<script>alert(1)</script>"},
    };
    for (const Case& c : cases) {
        const Address address = ReadAddress(c.text);
        EXPECT_EQ(address.view, c.view) << c.text;
        EXPECT_EQ(address.options, c.options) << c.text;
        EXPECT_EQ(address.unknownOptions, c.unknown) << c.text;
        EXPECT_EQ(address.unknownView, c.unknownView) << c.text;
        EXPECT_EQ(address.IgnoredLine().empty(), c.unknown.empty() && !c.unknownView) << c.text;
    }
}

TEST(Address, TakesTheLastOfAnOptionGivenTwice) {
    const Address address = ReadAddress("solve-axle?rpm=2800&speed=70&rpm=3000");
    ASSERT_NE(address.Find("rpm"), nullptr);
    EXPECT_EQ(*address.Find("rpm"), "3000");
    EXPECT_EQ(address.Find("tire"), nullptr);
}

TEST(Address, SaysWhatItIgnoredOnceAndShortly) {
    EXPECT_EQ(ReadAddress("compare?colour=red&size=9&colour=blue").IgnoredLine(),
              "Ignored in this address: \"colour\", \"size\".");
    EXPECT_EQ(ReadAddress("nowhere").IgnoredLine(), "This address names no view \"nowhere\".");
    const std::string longName(500, 'x');
    const std::string line = ReadAddress("stock?" + longName + "=1").IgnoredLine();
    EXPECT_LT(line.size(), 120U) << line;
    EXPECT_NE(line.find("\u2026"), std::string::npos) << "a cut name says it is cut";
}

// A string of valid UTF-8 holds no U+FFFD only if nothing was replaced.
bool IsValidUtf8(const std::string& text) { return ValidUtf8(text) == text; }

TEST(Address, StaysBoundedAndValidForHostileAddresses) {
    std::string many = "compare?";
    while (many.size() < 3 * kAddressLimit) {
        many += 'x';
        many += std::to_string(many.size());
        many += "=%00%FF<script>&a-tire=%3Cb%3E&";
    }
    const std::vector<std::string> hostile = {
        many,
        "stock?model=" + std::string(2 * kAddressLimit, 'A'),
        std::string("generic?tire=\xFF\xFE\x80&axle=%00&gear=%"),
        "%FF%FE?tire=1",
        "stock?<script>=</script>&get=%3Cimg%20src%3Dx%20onerror%3Dalert(1)%3E",
        std::string(kAddressLimit + 10, '%'),
        std::string(kAddressLimit, '&'),
        "compare?" + std::string(kAddressLimit, '='),
    };
    for (const std::string& text : hostile) {
        const Address address = ReadAddress(text);
        EXPECT_LE(address.unknownOptions.size(), 10U);
        std::size_t total = 0;
        for (const AddressOption& option : address.options) {
            EXPECT_TRUE(IsValidUtf8(option.name));
            EXPECT_TRUE(IsValidUtf8(option.value));
            total += option.value.size();
        }
        // U+FFFD is three bytes for the one it stands for.
        EXPECT_LE(total, 3 * kAddressLimit);
        EXPECT_TRUE(IsValidUtf8(address.IgnoredLine()));
        EXPECT_LT(address.IgnoredLine().size(), 1000U);
    }
    const Address script = ReadAddress(hostile[4]);
    ASSERT_NE(script.Find("get"), nullptr);
    EXPECT_EQ(*script.Find("get"), "<img src=x onerror=alert(1)>") << "kept as text, not run";
    EXPECT_EQ(script.unknownOptions, std::vector<std::string>{"<script>"});
}

TEST(Address, WrittenAndReadBackForEveryView) {
    for (const std::string_view view : AddressViews()) {
        std::vector<AddressOption> options;
        const std::optional<std::span<const std::string_view>> names = ViewOptions(view);
        ASSERT_TRUE(names.has_value()) << view;
        for (const std::string_view name : *names) {
            if (name != "format") {
                std::string value(name);
                value += " +1 & =?#% \u00E9";
                options.push_back({std::string(name), value});
            }
        }
        const std::string written = WriteAddress(view, options);
        EXPECT_EQ(written.find(' '), std::string::npos) << written;
        const Address read = ReadAddress("#" + written);
        EXPECT_EQ(read.view, view);
        EXPECT_EQ(read.options, options) << written;
        EXPECT_TRUE(read.unknownOptions.empty());
    }
    EXPECT_EQ(WriteAddress("generic", {}), "generic");
    EXPECT_FALSE(ViewOptions("solve").has_value());
}

TEST(Address, NumbersTravelWithAPointWhateverTheLanguage) {
    struct Case {
        char point;
        std::string typed;    // in the browser's form
        std::string address;  // as the address writes it
        bool back = true;     // opened again, it is the text typed
    };
    const std::vector<Case> cases = {
        {',', "3,27", "3.27"},
        {'.', "3.27", "3.27"},
        {',', "+5", "+5"},
        {',', "-2,5", "-2.5"},
        {',', "24", "24"},
        {',', "3,27:1", "3.27:1"},
        {',', " 3,55 : 1", " 3.55 : 1"},
        {',', "0,0000001", "0.0000001"},
        {',', "1000000000000000000000", "1000000000000000000000"},
        {',', "185/80R13", "185/80R13"},
        {',', "24 in", "24 in"},
        {',', "", ""},
        {'.', "3,27", "3,27"},         // no number where the point is "."
        {',', "1e5", "1e5"},           // no exponents: as typed
        {',', "3.27", "3.27", false},  // a group mark: as typed, and a number opened
    };
    for (const Case& c : cases) {
        const PointNumberConverter user(c.point);
        EXPECT_EQ(AddressNumber(c.typed, user), c.address) << c.typed;
        if (c.back) {
            EXPECT_EQ(UserNumber(c.address, user), c.typed) << c.address;
        }
    }
    const PointNumberConverter comma(',');
    EXPECT_EQ(UserNumber("3.27", comma), "3,27");
    EXPECT_EQ(UserNumber("3,27", comma), "3,27") << "no \".\" number: as given";
}

TEST(Address, GearsJoinedByCommasBetweenPointNumbers) {
    const PointNumberConverter comma(',');
    const std::vector<std::string> gears = {"3,65", "2,35", "1,44", "1"};
    EXPECT_EQ(AddressGears(gears, comma), "3.65,2.35,1.44,1");
    EXPECT_EQ(UserGears("3.65,2.35,1.44,1", comma), gears);
    EXPECT_EQ(UserGears("3.65,,x", PointNumberConverter('.')),
              (std::vector<std::string>{"3.65", "", "x"}));
    const std::vector<std::string> many = UserGears(std::string(1000, ','), comma);
    EXPECT_EQ(many.size(), 16U) << "a hostile list stays short";
    EXPECT_EQ(many.back().size(), 1000U - 15U);
}

}  // namespace
}  // namespace tachoria
