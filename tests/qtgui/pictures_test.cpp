// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "qtgui/picture_loader.h"
#include "scene/colour.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

#include <array>
#include <cstdlib>
#include <fstream>
#include <string>

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

struct BrokenCase {
    const char* name;
    const char* file;     // written into a fresh folder; empty: none
    const char* contents; // of the file
};
void PrintTo(const BrokenCase& c, std::ostream* out) {
    *out << c.name;
}

class BrokenPicture : public ::testing::TestWithParam<BrokenCase> {};

// Never an empty picture that silently draws nothing: the load fails and
// says which picture.
TEST_P(BrokenPicture, FailsNamingThePicture) {
    const BrokenCase& c = GetParam();
    QTemporaryDir dir;
    ASSERT_TRUE(dir.isValid());
    const std::string path = dir.filePath(QStringLiteral("background.jpg")).toStdString();
    if (*c.file != '\0') {
        std::ofstream(path, std::ios::binary) << c.contents;
    }
    try {
        decodePicture(QString::fromStdString(path));
        FAIL() << "decoded a broken picture";
    } catch (const PictureError& error) {
        EXPECT_NE(std::string(error.what()).find("cannot decode the picture " + path),
                  std::string::npos)
            << error.what();
    }
}

INSTANTIATE_TEST_SUITE_P(
    Files, BrokenPicture,
    ::testing::Values(BrokenCase{"Missing", "", ""}, BrokenCase{"Empty", "background.jpg", ""},
                      BrokenCase{"NotAPicture", "background.jpg", "a picture of the beach"},
                      BrokenCase{"JpegMarkerThenNothing", "background.jpg", "\xFF\xD8\xFF\xE0"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob
