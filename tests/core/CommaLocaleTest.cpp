// Runs with a comma-decimal C locale in force; ctest builds the locale and
// points LOCPATH at it. Nothing the core reads or writes may follow it.
#include <gtest/gtest.h>

#include <clocale>
#include <cstdlib>
#include <sstream>
#include <string>
#include <string_view>

#include "ReadJson.h"
#include "arith/FloatText.h"
#include "arith/Num2String.h"
#include "arith/NumberReading.h"
#include "commandline/CommandLine.h"
#include "tables/ReadForm.h"

namespace tachoria {
namespace {

class CommaLocale : public ::testing::Test {
protected:
    void SetUp() override {
        const char* name = std::getenv("TACHORIA_COMMA_LOCALE");
        ASSERT_NE(name, nullptr) << "TACHORIA_COMMA_LOCALE names the locale to use";
        ASSERT_NE(std::setlocale(LC_ALL, name), nullptr) << "cannot set " << name;
        ASSERT_STREQ(std::localeconv()->decimal_point, ",");
    }
    void TearDown() override { std::setlocale(LC_ALL, "C"); }
};

TEST_F(CommaLocale, NumberTextKeepsThePoint) {
    EXPECT_EQ(NumberText(54.592), " 54.592");
    EXPECT_EQ(NumberText(-0.57), "-.57");
    EXPECT_EQ(Num2String(54.587, 2, 8), "   54.59");
}

// printf and strtod follow the locale; the WebAssembly build's texts go through them.
TEST_F(CommaLocale, FloatTextFallbacksKeepThePoint) {
    char buffer[kGeneral15Chars];
    const auto written = fallback::WriteGeneral15(buffer, buffer + sizeof buffer, -54.592);
    EXPECT_EQ(std::string_view(buffer, written.ptr), "-54.592");
    const std::string_view text = "3.27e1";
    double value = 0;
    const auto read = fallback::ReadDecimal(text.data(), text.data() + text.size(), value);
    EXPECT_EQ(read.ptr, text.data() + text.size());
    EXPECT_EQ(value, 32.7);
}

TEST_F(CommaLocale, StockReadingKeepsThePoint) {
    EXPECT_EQ(LeadingNumberValue("3.27"), 3.27);
    EXPECT_EQ(LeadingNumberValue("24.5 in"), 24.5);
    EXPECT_EQ(LeadingNumberValue("24,5"), 24);
    EXPECT_EQ(PlainNumberConverter().ToNumber("3.55"), 3.55);
    EXPECT_EQ(PlainNumberConverter().ToText(3.27), "3.27");
}

TEST_F(CommaLocale, CommandLineReadsAndWritesPoints) {
    std::ostringstream out;
    std::ostringstream err;
    const int status = RunCommandLine({"tachoria-cli", "generic", "--axle", "3.55", "--gear", "1.5",
                                       "--get", "rpm", "--format", "json"},
                                      out, err);
    EXPECT_EQ(status, 0) << err.str();
    testing::Json json = testing::ReadJson(out.str());
    EXPECT_EQ(json["inputs"]["axleRatio"], 3.55) << out.str();
    EXPECT_EQ(json["inputs"]["gearRatios"], testing::Json::parse("[1.5]")) << out.str();
    EXPECT_EQ(out.str().find("3,55"), std::string::npos) << out.str();
    std::ostringstream commaOut;
    EXPECT_EQ(RunCommandLine({"tachoria-cli", "generic", "--axle", "3,55", "--get", "rpm"},
                             commaOut, err),
              1);
}

}  // namespace
}  // namespace tachoria
