// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "match/int16_arith.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <cmath>
#include <limits>

namespace gloob::testing {
namespace {

constexpr std::int16_t lowest = std::numeric_limits<std::int16_t>::min();
constexpr std::int16_t highest = std::numeric_limits<std::int16_t>::max();

struct AddCase {
    const char* name;
    std::int16_t a, b, sum;
};

class Add16 : public ::testing::TestWithParam<AddCase> {};

TEST_P(Add16, SaturatesAtTheLimits) {
    const AddCase& c = GetParam();
    EXPECT_EQ(add16(c.a, c.b), c.sum);
    EXPECT_EQ(add16(c.b, c.a), c.sum);
}

INSTANTIATE_TEST_SUITE_P(Sums, Add16,
                         ::testing::Values(AddCase{"Step", 9240, 65, 9305},
                                           AddCase{"Gravity", -80, 10, -70},
                                           AddCase{"ReachesTheTop", 32700, 67, highest},
                                           AddCase{"OneBeyondTheTop", highest, 1, highest},
                                           AddCase{"FarBeyondTheTop", 30000, 30000, highest},
                                           AddCase{"ReachesTheBottom", -32700, -68, lowest},
                                           AddCase{"OneBelowTheBottom", lowest, -1, lowest},
                                           AddCase{"FarBelowTheBottom", -30000, -30000, lowest},
                                           AddCase{"BothLimits", lowest, highest, -1}),
                         [](const auto& info) { return std::string(info.param.name); });

struct NegateCase {
    const char* name;
    std::int16_t value, negated;
};

class Negate16 : public ::testing::TestWithParam<NegateCase> {};

TEST_P(Negate16, ReversesAStep) {
    EXPECT_EQ(negate16(GetParam().value), GetParam().negated);
}

INSTANTIATE_TEST_SUITE_P(Steps, Negate16,
                         ::testing::Values(NegateCase{"Positive", 65, -65},
                                           NegateCase{"Negative", -130, 130},
                                           NegateCase{"Zero", 0, 0},
                                           NegateCase{"Highest", highest, -32767},
                                           NegateCase{"LowestSaturates", lowest, highest}),
                         [](const auto& info) { return std::string(info.param.name); });

struct RoundCase {
    const char* name;
    float value;
    std::int16_t rounded;
};

class ToInt16 : public ::testing::TestWithParam<RoundCase> {};

TEST_P(ToInt16, RoundsHalvesToEvenAndSaturates) {
    EXPECT_EQ(toInt16(GetParam().value), GetParam().rounded);
}

INSTANTIATE_TEST_SUITE_P(
    Values, ToInt16,
    ::testing::Values(
        RoundCase{"Whole", 5145, 5145}, RoundCase{"BelowAHalf", 2.4f, 2},
        RoundCase{"AboveAHalf", 2.6f, 3}, RoundCase{"HalfDownToEven", 2.5f, 2},
        RoundCase{"HalfUpToEven", 3.5f, 4}, RoundCase{"NegativeHalfToEven", -2.5f, -2},
        RoundCase{"NegativeHalfUpToEven", -3.5f, -4}, RoundCase{"HalfToZero", 0.5f, 0},
        RoundCase{"HighestExactly", 32767, highest},
        RoundCase{"HalfAboveHighest", 32767.5f, highest}, RoundCase{"AboveHighest", 40000, highest},
        RoundCase{"LowestExactly", -32768, lowest}, RoundCase{"HalfBelowLowest", -32768.5f, lowest},
        RoundCase{"BelowLowest", -40000, lowest}, RoundCase{"Huge", 3.0e38f, highest},
        RoundCase{"HugeNegative", -3.0e38f, lowest},
        RoundCase{"Infinity", std::numeric_limits<float>::infinity(), highest},
        RoundCase{"NegativeInfinity", -std::numeric_limits<float>::infinity(), lowest},
        RoundCase{"NaN", std::numeric_limits<float>::quiet_NaN(), 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob::testing
