// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "scene/twips.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <limits>

namespace gloob::testing {
namespace {

constexpr float infinity = std::numeric_limits<float>::infinity();

struct PixelCase {
    const char* name;
    float twips;
    int pixel;
};

class PixelOf : public ::testing::TestWithParam<PixelCase> {};

TEST_P(PixelOf, RoundsDownAndStaysInASafeRange) {
    EXPECT_EQ(pixelOf(GetParam().twips), GetParam().pixel);
}

INSTANTIATE_TEST_SUITE_P(
    Twips, PixelOf,
    ::testing::Values(PixelCase{"Zero", 0, 0}, PixelCase{"LastTwipOfTheFirstPixel", 14.9f, 0},
                      PixelCase{"SecondPixel", 15, 1}, PixelCase{"LastColumn", 11264, 750},
                      PixelCase{"JustLeftOfTheCourt", -0.5f, -1},
                      PixelCase{"OnePixelLeft", -15, -1}, PixelCase{"TwoPixelsLeft", -15.5f, -2},
                      PixelCase{"NegativeFraction", -29.9f, -2},
                      PixelCase{"LastPixelBeforeTheSafeRangeEnds", 149'999.9f, 9'999},
                      PixelCase{"EdgeOfTheSafeRange", 150'000, farOffCourtPixels},
                      PixelCase{"Huge", 3.0e38f, farOffCourtPixels},
                      PixelCase{"HugeNegative", -3.0e38f, -farOffCourtPixels},
                      PixelCase{"Infinity", infinity, farOffCourtPixels},
                      PixelCase{"NegativeInfinity", -infinity, -farOffCourtPixels},
                      PixelCase{"NaNIsOffTheCourt", std::numeric_limits<float>::quiet_NaN(),
                                -farOffCourtPixels}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob::testing
