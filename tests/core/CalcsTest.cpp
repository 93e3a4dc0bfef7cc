#include "arith/Calcs.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>
#include <optional>

namespace tachoria {
namespace {

struct Case {
    double speed;
    double tire;
    double axle;
    double gear;
    int decimals;
    double expected;
};

TEST(RPMFromMPH, GivesTruncatedEngineSpeed) {
    const Case cases[] = {
        {30, 24, 3.27, 1, 0, 1373},     // 1373.95: truncated, not rounded
        {10, 24, 3.27, 3.65, 0, 1671},  // first gear of the early car
        {60, 24, 3.27, 2.35, 0, 6457}, {150, 24, 3.27, 1.44, 0, 9892}, {30, 24, 3.27, 1, 1, 1373.9},
        {30, -24, 3.27, 1, 0, -1374},  // negative results move away from zero
        {10, 24, 0, 1, 0, 0},          // a zero ratio gives 0, not a failure
        {10, 24, 3.27, 0, 0, 0},       {0, 24, 3.27, 1, 0, 0},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(RPMFromMPH(c.speed, c.tire, c.axle, c.gear, c.decimals), c.expected)
            << c.speed << " MPH, tire " << c.tire << ", axle " << c.axle << ", gear " << c.gear;
    }
}

TEST(MPHFromRPM, GivesTruncatedRoadSpeed) {
    const Case cases[] = {
        {2500, 24, 3.27, 1, 0, 54},  // 54.587
        {2500, 24, 3.27, 1, 2, 54.58},
        {500, 24, 3.27, 3.65, 0, 2},
        {7000, 24, 3.27, 1, 0, 152},
        {7000, 24, 3.27, 2.35, 0, 65},
        {2500, -24, 3.27, 1, 0, -55},
        {2500, 24, 3.27, 2, 0, 27},  // twice the gear, half the speed
    };
    for (const Case& c : cases) {
        EXPECT_EQ(MPHFromRPM(c.speed, c.tire, c.axle, c.gear, c.decimals), c.expected)
            << c.speed << " RPM, tire " << c.tire << ", axle " << c.axle << ", gear " << c.gear;
    }
}

// The true result of each is a whole number; only the fixed order of the
// products (axle × factor, × gear, ÷ tire, then the speed) lands on it or just
// below it as these values show. Another order truncates to the other side.
TEST(SpeedConversion, KeepsTheOrderOfOperations) {
    const Case rpm[] = {
        {30, 33.6135, 3.27, 1, 0, 981},      // another order gives 980
        {30, 109.916145, 3.27, 1, 0, 300},   // 299
        {10, 43.966458, 3.27, 1, 0, 250},    // 249
        {30, 36.638715, 3.27, 1, 0, 900},    // 899
        {20, 65.949687, 3.27, 1.5, 0, 500},  // 499
    };
    for (const Case& c : rpm) {
        EXPECT_EQ(RPMFromMPH(c.speed, c.tire, c.axle, c.gear, 0), c.expected) << c.tire;
    }
    const Case mph[] = {
        {500, 109.916145, 3.27, 1, 0, 50},       // another order gives 49
        {500, 153.882603, 3.27, 1, 0, 69},       // 70
        {1500, 36.638715, 3.27, 1, 0, 49},       // 50
        {4500, 7.327743, 3.27, 1, 0, 30},        // 29
        {1500, 131.899374, 3.27, 1.44, 0, 125},  // 124
        {500, 372.706488, 3.08, 1.44, 0, 124},   // 125
    };
    for (const Case& c : mph) {
        EXPECT_EQ(MPHFromRPM(c.speed, c.tire, c.axle, c.gear, 0), c.expected) << c.tire;
    }
}

TEST(SpeedConversion, FailsInsteadOfGivingInfinityOrNaN) {
    const double inf = std::numeric_limits<double>::infinity();
    const double nan = std::numeric_limits<double>::quiet_NaN();
    const struct {
        double speed, tire, axle, gear;
    } rpmFailures[] = {
        {10, 0, 3.27, 1},       {10, -0.0, 3.27, 1}, {10, 0, 0, 1},  // division by zero
        {10, 1e-320, 3.27, 1},                                       // quotient overflows
        {10, 24, 1e300, 1e300},                                      // product overflows
        {10, 24, 3.27e14, 1},                                        // beyond whole-number range
        {10, inf, 3.27, 1},     {10, nan, 3.27, 1},  {inf, 24, 3.27, 1},
    };
    for (const auto& c : rpmFailures) {
        EXPECT_EQ(RPMFromMPH(c.speed, c.tire, c.axle, c.gear, 0), std::nullopt)
            << c.speed << " " << c.tire << " " << c.axle << " " << c.gear;
    }
    const struct {
        double speed, tire, axle, gear;
    } mphFailures[] = {
        {500, 0, 3.27, 1},  // a zero tire must fail here too, not give 0 MPH
        {500, 24, 0, 1},           {500, 24, 3.27, 0},  {500, 24, 1e-200, 1e-200},
        {500, 1e300, 3.27, 1e-10}, {500, inf, 3.27, 1}, {500, 24, nan, 1},
    };
    for (const auto& c : mphFailures) {
        EXPECT_EQ(MPHFromRPM(c.speed, c.tire, c.axle, c.gear, 0), std::nullopt)
            << c.speed << " " << c.tire << " " << c.axle << " " << c.gear;
    }
}

TEST(SpeedConversion, NeverGivesNegativeZero) {
    const std::optional<double> rpm = RPMFromMPH(10, -24, 0, 1, 0);
    ASSERT_TRUE(rpm);
    EXPECT_FALSE(std::signbit(*rpm));
}

}  // namespace
}  // namespace tachoria
