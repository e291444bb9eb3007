#include "qtgui/picture_loader.h"
#include "scene/colour.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdlib>

namespace gloob {
namespace {

TEST(BackgroundPictures, DecodeAtTheirOwnSizes) {
    const Pictures pictures = loadPictures();
    EXPECT_EQ(pictures.mountain.width, 600);
    EXPECT_EQ(pictures.mountain.height, 348);
    EXPECT_EQ(pictures.beach.width, 400);
    EXPECT_EQ(pictures.beach.height, 270);
}

// The probes find players and posts by exact colour, so a picture must never
// hold one of their colours: a background would change play.
TEST(BackgroundPictures, HoldNoColourThatTheProbesLookFor) {
    const Pictures pictures = loadPictures();
    const std::array<Colour, 4> probed{colours::blue, colours::green, colours::navy, colours::teal};
    for (const RgbImage* image : {&pictures.mountain, &pictures.beach}) {
        ASSERT_FALSE(image->pixels.empty());
        int hits = 0;
        for (std::uint32_t rgb : image->pixels) {
            for (Colour colour : probed) {
                hits += fromRgb(rgb) == colour ? 1 : 0;
            }
        }
        EXPECT_EQ(hits, 0);
    }
}

// A landscape, not a flat fill: the pictures carry many colours, light overall.
TEST(BackgroundPictures, AreRealPicturesLightEnoughToPlayOver) {
    const Pictures pictures = loadPictures();
    for (const RgbImage* image : {&pictures.mountain, &pictures.beach}) {
        std::array<bool, 4096> seen{};
        double brightness = 0;
        for (std::uint32_t rgb : image->pixels) {
            seen[((rgb >> 12) & 0xF00) | ((rgb >> 8) & 0xF0) | ((rgb >> 4) & 0xF)] = true;
            brightness += ((rgb >> 16) & 0xFF) + ((rgb >> 8) & 0xFF) + (rgb & 0xFF);
        }
        EXPECT_GT(std::count(seen.begin(), seen.end(), true), 100);
        EXPECT_GT(brightness / (3.0 * static_cast<double>(image->pixels.size())), 110.0);
    }
}

} // namespace
} // namespace gloob
