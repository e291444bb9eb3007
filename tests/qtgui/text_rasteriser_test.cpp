// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "qtgui/qt_text_rasteriser.h"
#include "scene/scene.h"

#include <gtest/gtest.h>

#include <ostream>

namespace gloob {
namespace {

struct Ink {
    int pixels = 0;
    int left = 1 << 30, right = -1, top = 1 << 30, bottom = -1;
};

Ink inkOf(const GlyphMask& mask) {
    Ink ink;
    for (int y = 0; y < mask.height; ++y) {
        for (int x = 0; x < mask.width; ++x) {
            if (mask.at(x, y)) {
                ++ink.pixels;
                ink.left = std::min(ink.left, x);
                ink.right = std::max(ink.right, x);
                ink.top = std::min(ink.top, y);
                ink.bottom = std::max(ink.bottom, y);
            }
        }
    }
    return ink;
}

TEST(LabelText, GameOverIsCentredAtTheTopOfItsBox) {
    const QtTextRasteriser text;
    const Scene scene;
    const PixelBox box = scene.lblGameOver.pixelBox();
    const GlyphMask mask =
        text.rasterise("GAME OVER", scene.lblGameOver.font, box.width(), box.height());
    ASSERT_EQ(mask.width, 169);
    ASSERT_EQ(mask.height, 81);
    const Ink ink = inkOf(mask);
    ASSERT_GT(ink.pixels, 200);
    // An 18 point font is 24 pixels: capitals roughly 17 high, near the top.
    EXPECT_LT(ink.top, 12);
    EXPECT_LT(ink.bottom, 32);
    EXPECT_NEAR((ink.left + ink.right) / 2.0, mask.width / 2.0, 3.0);
}

TEST(LabelText, ScoreDigitIsLargeBoldAndCentred) {
    const QtTextRasteriser text;
    const Scene scene;
    const PixelBox box = scene.lblPlayer1Score.pixelBox();
    const GlyphMask zero =
        text.rasterise("0", scene.lblPlayer1Score.font, box.width(), box.height());
    const Ink ink = inkOf(zero);
    EXPECT_GT(ink.bottom - ink.top, 20) << "33 points are 44 pixels";
    EXPECT_NEAR((ink.left + ink.right) / 2.0, zero.width / 2.0, 4.0);
    // A leading blank moves the digit off the centre, to the right.
    const Ink padded =
        inkOf(text.rasterise(" 0", scene.lblPlayer1Score.font, box.width(), box.height()));
    EXPECT_GT(padded.left, ink.left);
}

// Captions wrap at word boundaries, as the toolkit's labels do: a box too
// narrow for the whole caption shows its words on lines of their own.
TEST(LabelText, WrapsAtTheBlankWhenTheBoxIsTooNarrow) {
    const QtTextRasteriser text;
    const Font font = Scene::gameOverFont();
    const Ink oneLine = inkOf(text.rasterise("GAME OVER", font, 169, 81));
    const Ink twoLines = inkOf(text.rasterise("GAME OVER", font, 90, 81));
    ASSERT_GT(oneLine.pixels, 0);
    EXPECT_GT(twoLines.bottom - twoLines.top, 2 * (oneLine.bottom - oneLine.top));
    EXPECT_LT(twoLines.right - twoLines.left, oneLine.right - oneLine.left);
    EXPECT_EQ(twoLines.top, oneLine.top);
}

TEST(LabelText, EmptyCaptionLeavesNoInk) {
    const QtTextRasteriser text;
    EXPECT_EQ(inkOf(text.rasterise("", Scene::scoreFont(), 49, 49)).pixels, 0);
    EXPECT_GT(inkOf(text.rasterise("8", Scene::scoreFont(), 49, 49)).pixels, 0);
}

struct SizeCase {
    const char* name;
    int width, height;
};
void PrintTo(const SizeCase& c, std::ostream* out) {
    *out << c.name;
}

class UnusableBox : public ::testing::TestWithParam<SizeCase> {};

TEST_P(UnusableBox, GivesAnEmptyMask) {
    const QtTextRasteriser text;
    const GlyphMask mask =
        text.rasterise("8", Scene::scoreFont(), GetParam().width, GetParam().height);
    EXPECT_EQ(mask.width, 0);
    EXPECT_EQ(mask.height, 0);
    EXPECT_TRUE(mask.bits.empty());
}

INSTANTIATE_TEST_SUITE_P(
    Sizes, UnusableBox,
    ::testing::Values(SizeCase{"NoWidth", 0, 49}, SizeCase{"NoHeight", 49, 0},
                      SizeCase{"NegativeWidth", -1, 49}, SizeCase{"NegativeHeight", 49, -1},
                      SizeCase{"BothNegative", -49, -49},
                      SizeCase{"WiderThanAnyLabel", QtTextRasteriser::largestSide + 1, 49},
                      SizeCase{"HigherThanAnyLabel", 49, QtTextRasteriser::largestSide + 1},
                      SizeCase{"Huge", 1'000'000, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(LabelText, LargestBoxStillDraws) {
    const QtTextRasteriser text;
    const GlyphMask mask =
        text.rasterise("8", Scene::scoreFont(), QtTextRasteriser::largestSide, 64);
    EXPECT_EQ(mask.width, QtTextRasteriser::largestSide);
    EXPECT_GT(inkOf(mask).pixels, 0);
}

} // namespace
} // namespace gloob
