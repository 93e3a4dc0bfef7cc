#include "outcome/Outcome.h"

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

namespace tachoria {
namespace {

// A three-step reading, each step able to fail, as a field reader chains them.
Outcome<int> Parse(const std::string& text) {
    if (text.empty()) {
        return Failure{"Empty"};
    }
    if (text.find_first_not_of("-0123456789") != std::string::npos) {
        return Failure{"Not a number"};
    }
    return std::stoi(text);
}

Outcome<int> Positive(int n) {
    if (n <= 0) {
        return Failure{"Must be greater than 0"};
    }
    return n;
}

Outcome<std::string> Checked(const std::string& text, int& stepsRun) {
    return Parse(text)
        .and_then([&](int n) {
            ++stepsRun;
            return Positive(n);
        })
        .transform([&](int n) {
            ++stepsRun;
            return std::to_string(n * 2) + " teeth";
        });
}

TEST(Outcome, ChainPassesOnTheFirstFailureAndSkipsTheLaterSteps) {
    const struct {
        const char* text;
        Outcome<std::string> expected;
        int stepsRun;
    } cases[] = {
        {"21", std::string("42 teeth"), 2},          {"", Failure{"Empty"}, 0},
        {"2x", Failure{"Not a number"}, 0},          {"-3", Failure{"Must be greater than 0"}, 1},
        {"0", Failure{"Must be greater than 0"}, 1},
    };
    for (const auto& c : cases) {
        int stepsRun = 0;
        EXPECT_EQ(Checked(c.text, stepsRun), c.expected) << c.text;
        EXPECT_EQ(stepsRun, c.stepsRun) << c.text;
    }
}

TEST(Outcome, FailurePassesOnToAnotherValueType) {
    const auto lengthOf = [](const Outcome<std::string>& text) -> Outcome<std::size_t> {
        if (!text) {
            return text.failure();
        }
        return text->size();
    };
    EXPECT_EQ(lengthOf(Failure{"Too large: type 1 to 6"}),
              Outcome<std::size_t>(Failure{"Too large: type 1 to 6"}));
    EXPECT_EQ(lengthOf(std::string("abc")), Outcome<std::size_t>(std::size_t{3}));
}

TEST(Outcome, ValueOrGivesTheFallbackOnlyForAFailure) {
    const struct {
        Outcome<double> outcome;
        double expected;
    } cases[] = {
        {3.27, 3.27},
        {0.0, 0.0},
        {Failure{"Empty"}, -1.0},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(c.outcome.value_or(-1.0), c.expected);
    }
    EXPECT_EQ(Outcome<std::string>(Failure{"x"}).value_or("none"), "none");
}

TEST(Outcome, TemporariesAreMovedThroughNotCopied) {
    // A move-only value proves the rvalue overloads move it along the chain.
    const auto make = [](bool ok) -> Outcome<std::unique_ptr<int>> {
        if (!ok) {
            return Failure{"none"};
        }
        return std::make_unique<int>(7);
    };
    const Outcome<int> doubled =
        make(true).transform([](std::unique_ptr<int> p) { return *p * 2; });
    ASSERT_TRUE(doubled.ok());
    EXPECT_EQ(*doubled, 14);

    const Outcome<std::vector<int>> listed =
        make(true).and_then([](std::unique_ptr<int> p) -> Outcome<std::vector<int>> {
            return std::vector<int>{*p, *p};
        });
    EXPECT_EQ(listed, Outcome<std::vector<int>>(std::vector<int>{7, 7}));

    const std::unique_ptr<int> fallback = make(false).value_or(std::make_unique<int>(3));
    EXPECT_EQ(*fallback, 3);
    EXPECT_EQ(make(false).transform([](std::unique_ptr<int> p) { return *p; }).message(), "none");
}

// A failure that says more, as a tire's refusal says its kind.
struct Coded : Failure {
    int code = 0;

    Coded(std::string message, int code) : Failure{std::move(message)}, code(code) {}
};

TEST(Outcome, ARicherFailureKeepsItsDetailAndPassesOnAsAPlainOne) {
    const Outcome<int, Coded> refused = Coded{"the width is 0", 2};
    EXPECT_EQ(refused.failure().code, 2);
    const Outcome<int> plain = refused;
    EXPECT_EQ(plain, Outcome<int>(Failure{"the width is 0"}));
    const auto passOn = [](const Outcome<int, Coded>& o) -> Outcome<std::string> {
        if (!o) {
            return o.failure();
        }
        return std::to_string(*o);
    };
    EXPECT_EQ(passOn(refused).message(), "the width is 0");
    EXPECT_EQ(passOn(7), Outcome<std::string>(std::string("7")));
    // transform keeps the richer failure.
    EXPECT_EQ(refused.transform([](int n) { return n * 2; }).failure().code, 2);
    EXPECT_EQ(Outcome<int>(Outcome<int, Coded>(5)), Outcome<int>(5));
}

}  // namespace
}  // namespace tachoria
