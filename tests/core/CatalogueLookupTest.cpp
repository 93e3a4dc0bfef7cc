#include "catalogue/CatalogueLookup.h"

#include <gtest/gtest.h>

#include <optional>
#include <string>

namespace tachoria {
namespace {

constexpr std::string_view kEarly = "Early Car (1961-1964)";
constexpr std::string_view kForward = "Forward Control";
constexpr std::string_view kLate = "Late Car (1965-1969)";

// What a match is, in one comparable text: the catalogue's, "(several)" or
// "(none)".
std::string Found(const CatalogueMatch& match) {
    return match.text ? std::string(*match.text) : match.ambiguous ? "(several)" : "(none)";
}

TEST(CatalogueLookup, MatchesAModelLineInAnyCaseOrByTheStartOfItsName) {
    const struct {
        const char* typed;
        std::string_view found;
    } cases[] = {
        {"Early Car (1961-1964)", kEarly},
        {"early car (1961-1964)", kEarly},
        {"Early Car", kEarly},
        {"early", kEarly},
        {"  EARLY  ", kEarly},
        {"forward", kForward},
        {"Forward Control", kForward},
        {"f", kForward},
        {"Late Car", kLate},
        {"LATE CAR (1965-1969)", kLate},
        // Not the start of a name, or more than it.
        {"Car", "(none)"},
        {"Early Car (1961-1965)", "(none)"},
        {"Early Cars", "(none)"},
        {"Corvair", "(none)"},
        {"<select model>", "(none)"},
        // Every line starts so.
        {"", "(several)"},
        {"   ", "(several)"},
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Found(MatchModel(c.typed)), c.found) << '"' << c.typed << '"';
    }
}

TEST(CatalogueLookup, MatchesAYearRangeByItsTextOrByAYearOnlyOneRangeHolds) {
    const struct {
        std::string_view model;
        const char* typed;
        const char* found;
    } cases[] = {
        {kEarly, "1961-1963", "1961-1963"},
        {kEarly, "1961", "1961-1963"},
        {kEarly, "1962", "1961-1963"},
        {kEarly, "1963", "1961-1963"},
        {kEarly, " 1964 ", "1964"},
        {kForward, "1961 (EARLY)", "1961 (early)"},
        {kForward, "1962", "1961(late)-1963"},
        {kForward, "1965", "1964-1965"},
        {kLate, "1965", "1965"},
        {kLate, "1968", "1966-1969"},
        // The Forward Control changed gearbox during 1961.
        {kForward, "1961", "(several)"},
        // No range of the line holds it, or it is no year.
        {kEarly, "1965", "(none)"},
        {kEarly, "1960", "(none)"},
        {kLate, "1970", "(none)"},
        {kLate, "66", "(none)"},
        {kLate, "1966-69", "(none)"},
        {kLate, "19666", "(none)"},
        {kLate, "", "(none)"},
        {"Late Car", "1966", "(none)"},  // the model by the catalogue's text only
    };
    for (const auto& c : cases) {
        EXPECT_EQ(Found(MatchYearRange(c.model, c.typed)), c.found) << c.model << ", " << c.typed;
    }
}

TEST(CatalogueLookup, MatchesAnAxleRatioByItsValue) {
    // Gearbox 2 is offered with 3.08, 3.27, 3.55 and 3.89; gearbox 4 with
    // 3.27 and 3.55.
    EXPECT_EQ(MatchAxleRatio(2, 3.270), std::optional<std::string_view>("3.27"));
    EXPECT_EQ(MatchAxleRatio(2, 3.89), std::optional<std::string_view>("3.89"));
    EXPECT_EQ(MatchAxleRatio(4, 3.55), std::optional<std::string_view>("3.55"));
    EXPECT_EQ(MatchAxleRatio(4, 3.08), std::nullopt);
    EXPECT_EQ(MatchAxleRatio(2, 3.271), std::nullopt);
    EXPECT_EQ(MatchAxleRatio(kNoGearbox, 3.27), std::nullopt);
}

TEST(CatalogueLookup, KnowsTheWheelsOfEachModelLine) {
    EXPECT_EQ(WheelRimInches(kEarly), 13);
    EXPECT_EQ(WheelRimInches(kForward), 14);
    EXPECT_EQ(WheelRimInches(kLate), 13);
    EXPECT_EQ(WheelRimInches("late car (1965-1969)"), 0);
    EXPECT_EQ(WheelRimInches(kSelectModel), 0);
}

}  // namespace
}  // namespace tachoria
