#include "qtgui/qt_text_rasteriser.h"
#include "scene/scene.h"

#include <gtest/gtest.h>

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

TEST(LabelText, HasNoAntialiasedEdges) {
    const QtTextRasteriser text;
    const Scene scene;
    const GlyphMask mask = text.rasterise("8", scene.lblPlayer2Score.font, 49, 49);
    for (std::uint8_t bit : mask.bits) {
        ASSERT_TRUE(bit == 0 || bit == 1);
    }
    EXPECT_EQ(inkOf(text.rasterise("", scene.lblPlayer2Score.font, 49, 49)).pixels, 0);
}

} // namespace
} // namespace gloob
