// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "test_support.h"

#include <gtest/gtest.h>

#include <limits>

namespace gloob::testing {
namespace {

struct ProbeCase {
    const char* name;
    float x, y;
    Colour expected;
};

class SharedPixels : public ::testing::TestWithParam<ProbeCase> {};

// What the first screen shows where shapes overlap: the stacking order decides.
TEST_P(SharedPixels, ShowTheUppermostShape) {
    TestWindow w;
    EXPECT_EQ(w.frm.Point(GetParam().x, GetParam().y), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Court, SharedPixels,
    ::testing::Values(ProbeCase{"FloorStripsOverlap", 5765, 6300, colours::darkGreen},
                      ProbeCase{"FloorStripsOverlapInThePostsRows", 5765, 6125, colours::darkGreen},
                      ProbeCase{"NetFootLeftOfTheOverlap", 5600, 6125, colours::darkGreen},
                      ProbeCase{"NetFootRightOfLeftStripShowsRightPost", 5800, 6125, colours::navy},
                      ProbeCase{"BelowTheRightPost", 5800, 6140, colours::mediumBlue},
                      ProbeCase{"PostsOverlap", 5765, 5500, colours::navy},
                      ProbeCase{"LeftPostAlone", 5600, 5500, colours::teal},
                      ProbeCase{"RightPostAlone", 5900, 5040, colours::navy},
                      ProbeCase{"AboveTheNet", 5600, 5039, colours::white},
                      ProbeCase{"CeilingPartsOverlap", 5885, 200, colours::mediumBlue},
                      ProbeCase{"LeftCeilingAlone", 3000, 120, colours::darkGreen},
                      ProbeCase{"UnderTheCeiling", 3000, 255, colours::white},
                      ProbeCase{"TopLeftCornerCeilingOverWall", 125, 200, colours::darkGreen},
                      ProbeCase{"LeftWallBesideTheCeiling", 60, 200, colours::teal},
                      ProbeCase{"TopRightCornerCeilingOverWall", 11045, 200, colours::mediumBlue},
                      ProbeCase{"RightWallBesideTheCeiling", 11100, 200, colours::navy},
                      ProbeCase{"BottomLeftCornerStripOverWall", 60, 6125, colours::darkGreen},
                      ProbeCase{"BottomRightCornerStripOverWall", 11100, 6125, colours::mediumBlue},
                      ProbeCase{"LeftWallAboveTheFloor", 60, 6100, colours::teal},
                      ProbeCase{"Player1UpperHalf", 9000, 5700, colours::blue},
                      ProbeCase{"Player2UpperHalf", 2880, 5700, colours::green},
                      ProbeCase{"Player1LowerHalfUnderTheStrip", 9000, 6200, colours::mediumBlue},
                      ProbeCase{"Player1LowerHalfShowsBase", 9000, 6500, colours::white},
                      ProbeCase{"Player2LowerHalfUnderTheStrip", 2880, 6200, colours::darkGreen},
                      ProbeCase{"Player2LowerHalfShowsBase", 2880, 6500, colours::white},
                      ProbeCase{"BallCentre", 9427, 1267, colours::red},
                      ProbeCase{"InsideBodyBoxOutsideCircle", 8340, 5600, colours::white},
                      ProbeCase{"CircleStartsAtLeftPlus120", 8400, 6110, colours::blue},
                      ProbeCase{"OnePixelLeftOfCircle", 8399, 6110, colours::white},
                      ProbeCase{"CircleLastColumnBeforeLeftPlus1335", 9614, 6110, colours::blue},
                      ProbeCase{"CircleEndsAtLeftPlus1335", 9615, 6110, colours::white},
                      ProbeCase{"LeftOfClientArea", -1, 100, colours::outsideWindow},
                      ProbeCase{"AboveClientArea", 100, -0.5f, colours::outsideWindow},
                      ProbeCase{"RightOfClientArea", 11265, 100, colours::outsideWindow},
                      ProbeCase{"BelowClientArea", 100, 7095, colours::outsideWindow},
                      ProbeCase{"LastPixelOfClientArea", 11264, 7094, colours::white}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Compositor, LowerHalfOfAJumpingBodyStillShowsItsBase) {
    TestWindow w;
    w.scene().shpGloob1.Top -= 900;
    w.scene().shpBase1.Top -= 900;
    // Body from 4620 to 5835, its base from 5220.
    EXPECT_EQ(w.frm.Point(9000, 5500), colours::white) << "the base moves with the body";
    EXPECT_EQ(w.frm.Point(9000, 4700), colours::blue);
}

TEST(Compositor, EveryWriteIsSeenAtOnce) {
    TestWindow w;
    w.scene().shpBall.Left = 3000;
    w.scene().shpBall.Top = 3000;
    EXPECT_EQ(w.frm.Point(3187, 3187), colours::red);
    EXPECT_EQ(w.frm.Point(9427, 1267), colours::white);
    w.scene().shpBall.Visible = false;
    EXPECT_EQ(w.frm.Point(3187, 3187), colours::white);
}

// The ball passes under the labels: a glyph pixel reads the text colour, the
// gap between two glyphs the ball.
TEST(Compositor, LabelGlyphsLieAboveTheBall) {
    TestWindow w;
    // With the block font, "GAME OVER" starts 49 pixels into the label's box.
    const int firstGlyphColumn = 4320 / 15 + 49;
    w.scene().shpBall.Left = (firstGlyphColumn - 7) * 15.0f;
    w.scene().shpBall.Top = 130 * 15.0f;
    EXPECT_EQ(w.frm.Point((firstGlyphColumn + 1) * 15.0f, 140 * 15.0f), colours::black);
    EXPECT_EQ(w.frm.Point((firstGlyphColumn + 6) * 15.0f, 140 * 15.0f), colours::red);
    w.scene().lblGameOver.Visible = false;
    EXPECT_EQ(w.frm.Point((firstGlyphColumn + 1) * 15.0f, 140 * 15.0f), colours::red);
}

TEST(Compositor, ScoreCaptionIsRedrawnWhenItChanges) {
    TestWindow w;
    const int boxLeft = 10320 / 15;
    const int boxWidth = 735 / 15;
    const float row = 240 + 15;
    const float oneGlyphColumn = (boxLeft + (boxWidth - 6) / 2) * 15.0f;
    EXPECT_EQ(w.frm.Point(oneGlyphColumn, row), colours::black);
    w.scene().lblPlayer1Score.Caption = " 0"; // the blank moves the digit right
    EXPECT_EQ(w.frm.Point(oneGlyphColumn, row), colours::white);
}

Pictures testPictures() {
    Pictures pictures;
    pictures.mountain = RgbImage(4, 2);
    pictures.beach = RgbImage(2, 2);
    const std::uint32_t mountainColours[] = {0x102030, 0x405060, 0x708090, 0xA0B0C0,
                                             0x112233, 0x445566, 0x778899, 0xAABBCC};
    for (int i = 0; i < 8; ++i) {
        pictures.mountain.pixels[static_cast<std::size_t>(i)] = mountainColours[i];
    }
    pictures.beach.pixels = {0xEEDD99, 0x3388CC, 0x22AA44, 0xDDCC88};
    return pictures;
}

struct PictureWindow {
    FakeHost host;
    BlockTextRasteriser text;
    Pictures pictures = testPictures();
    FrmGloob frm{host, text, pictures};
    PictureWindow() { frm.Form_Load(); }
};

TEST(Compositor, PictureIsStretchedToItsBoxByNearestNeighbour) {
    PictureWindow w;
    w.frm.scene.imgMountain.Visible = true;
    // The 728 x 324 pixel box from (8, 16): each source pixel 182 x 162 pixels.
    // Its top row lies under the ceiling.
    EXPECT_EQ(w.frm.Point(8 * 15, 16 * 15), colours::darkGreen);
    EXPECT_EQ(w.frm.Point(8 * 15, 17 * 15), colours::teal) << "the left wall lies above it";
    EXPECT_EQ(w.frm.Point(9 * 15, 17 * 15), fromRgb(0x102030));
    EXPECT_EQ(w.frm.Point((8 + 181) * 15, 17 * 15), fromRgb(0x102030));
    EXPECT_EQ(w.frm.Point((8 + 182) * 15, 17 * 15), fromRgb(0x405060));
    EXPECT_EQ(w.frm.Point(3000, (16 + 161) * 15), fromRgb(0x405060));
    EXPECT_EQ(w.frm.Point(3000, (16 + 162) * 15), fromRgb(0x445566));
    EXPECT_EQ(w.frm.Point((8 + 727) * 15, (16 + 323) * 15), fromRgb(0xAABBCC));
    EXPECT_EQ(w.frm.Point(7 * 15, 16 * 15), colours::teal) << "left wall beside the picture";
}

TEST(Compositor, PicturesLieBelowEveryShapeAndLabel) {
    PictureWindow w;
    w.frm.scene.imgBeach.Visible = true;
    EXPECT_EQ(w.frm.Point(9427, 1267), colours::red);
    EXPECT_EQ(w.frm.Point(9000, 5700), colours::blue);
    EXPECT_EQ(w.frm.Point(2880, 5700), colours::green);
    EXPECT_EQ(w.frm.Point(5600, 5500), colours::teal);
    EXPECT_EQ(w.frm.Point(5900, 5500), colours::navy);
    EXPECT_EQ(w.frm.Point(3000, 200), colours::darkGreen);
    EXPECT_EQ(w.frm.Point(60, 3000), colours::teal);
    const int digitColumn = 120 / 15 + (735 / 15 - 6) / 2;
    EXPECT_EQ(w.frm.Point(digitColumn * 15.0f, 255), colours::black);
    EXPECT_EQ(w.frm.Point(3000, 3000), fromRgb(0x22AA44));
    // Inside the ball's box but outside its circle: the picture shows through.
    EXPECT_EQ(w.frm.Point(9255, 1095), fromRgb(0x3388CC));
    // Below the picture's box.
    EXPECT_EQ(w.frm.Point(3000, 5100), colours::white);
}

// Asks the query at a point inside every pixel and counts the answers that
// differ from the frame the window's compositor renders.
void expectQueryMatchesRender(const FrmGloob& frm, const Compositor& query, const char* scene) {
    RgbImage frame;
    frm.compositor().render(frame);
    ASSERT_EQ(frame.width, 751);
    ASSERT_EQ(frame.height, 473);
    int mismatches = 0;
    for (int y = 0; y < frame.height; ++y) {
        for (int x = 0; x < frame.width; ++x) {
            // Any point inside the pixel answers for it.
            const float tx = x * 15.0f + static_cast<float>((x * 7 + y * 3) % 15);
            const float ty = y * 15.0f + static_cast<float>((x * 5 + y * 11) % 15);
            if (toRgb(query.Point(tx, ty)) != frame.at(x, y)) {
                ++mismatches;
            }
        }
    }
    EXPECT_EQ(mismatches, 0) << scene;
}

void expectQueryMatchesRender(const FrmGloob& frm, const char* scene) {
    expectQueryMatchesRender(frm, frm.compositor(), scene);
}

TEST(Compositor, QueryAgreesWithTheRenderedFrameOnEveryPixel) {
    PictureWindow w;
    Scene& scene = w.frm.scene;
    expectQueryMatchesRender(w.frm, "first screen");

    scene.shpBall.Left = 5771;
    scene.shpBall.Top = 5033;
    expectQueryMatchesRender(w.frm, "ball at odd twips over the net");
    scene.shpBall.Left = 10447.5f;
    scene.shpBall.Top = 263;
    expectQueryMatchesRender(w.frm, "ball at half twips under a label");

    scene.shpGloob2.Top -= 1200;
    scene.shpBase2.Top -= 1200;
    scene.shpGloob2.Left = 3300;
    scene.shpBase2.Left = 3300;
    expectQueryMatchesRender(w.frm, "player 2 at the top of a jump");

    scene.imgMountain.Visible = true;
    scene.lblGameOver.Visible = false;
    scene.lblPlayer1Score.Caption = "4";
    expectQueryMatchesRender(w.frm, "mountain picture during a match");
}

// Round shapes are drawn as runs of their rows: partly off the window's
// edges, and a twip apart, they still show exactly what the query answers.
TEST(Compositor, RoundShapesAtTheWindowsEdgesAgreeWithTheQuery) {
    PictureWindow w;
    Scene& scene = w.frm.scene;
    for (const auto& [left, top] : {std::pair{-200.0f, 3000.0f},
                                    {3000.0f, -200.0f},
                                    {11100.0f, 6900.0f},
                                    {-374.0f, -374.0f}}) {
        scene.shpBall.Left = left;
        scene.shpBall.Top = top;
        expectQueryMatchesRender(w.frm, "ball at an edge");
    }
    for (const float twips : {0.0f, 1.0f, 7.5f, 14.0f}) {
        scene.shpGloob1.Left = 10500.0f + twips;
        scene.shpGloob2.Left = -700.0f - twips;
        scene.shpGloob2.Top = -600.0f + twips;
        expectQueryMatchesRender(w.frm, "players past the walls");
    }
}

// Positions the game never makes still draw and answer without overflow:
// a shape at NaN shows nowhere, one stretched far past the court covers it.
TEST(Compositor, ShapesAtNaNOrHugeTwipsStayDrawable) {
    PictureWindow w;
    Scene& scene = w.frm.scene;
    scene.shpBall.Left = std::numeric_limits<float>::quiet_NaN();
    expectQueryMatchesRender(w.frm, "ball at NaN");
    EXPECT_EQ(w.frm.Point(9427, 1267), colours::white);

    scene.shpBall.Left = scene.shpBall.Top = -1.0e30f;
    scene.shpBall.Width = scene.shpBall.Height = 2.0e30f;
    expectQueryMatchesRender(w.frm, "ball far larger than the court");
    EXPECT_EQ(w.frm.Point(11000, 7000), colours::red);

    scene.shpBall.Visible = false;
    scene.Shape1.Width = std::numeric_limits<float>::infinity();
    expectQueryMatchesRender(w.frm, "ceiling strip without an end");
    EXPECT_EQ(w.frm.Point(11200, 150), colours::mediumBlue);
}

// A copy of the court that holds all but the ball and the players still
// answers every pixel as the rendered frame shows it, wherever they move:
// behind the net's post, over the floor, out of the court, hidden, and over a
// picture and a label shown when it was held, which it walks with them.
TEST(Compositor, HeldStillAnswersAsTheFullWalkWhereverTheMovingShapesGo) {
    PictureWindow w;
    Scene& scene = w.frm.scene;
    struct Case {
        const char* where;
        float ballLeft, ballTop;
        float player1Left, player2Top;
        bool ballVisible, pictureVisible;
    };
    const Case cases[] = {
        {"first screen", scene.shpBall.Left, scene.shpBall.Top, scene.shpGloob1.Left,
         scene.shpGloob2.Top, scene.shpBall.Visible, false},
        {"ball behind the net's post", 5771, 5033, 7000, scene.shpGloob2.Top, true, false},
        {"ball on the floor, player 1 against the net", 8000, 5600, 5900, scene.shpGloob2.Top, true,
         false},
        {"ball half out of the court, player 2 jumping", -200.5f, 3000, 9000,
         scene.shpGloob2.Top - 1200, true, false},
        {"ball hidden over a picture", 3000, 3000, 7000, scene.shpGloob2.Top, false, true},
        {"ball over the picture and a score", 10447.5f, 263, 6015, scene.shpGloob2.Top, true, true},
    };
    for (const Case& c : cases) {
        scene.imgMountain.Visible = c.pictureVisible;
        Compositor held(scene, w.text, w.pictures);
        held.holdStillAllBut({&Scene::shpBall, &Scene::shpGloob1, &Scene::shpBase1,
                              &Scene::shpGloob2, &Scene::shpBase2});
        scene.shpBall.Left = c.ballLeft;
        scene.shpBall.Top = c.ballTop;
        scene.shpBall.Visible = c.ballVisible;
        scene.shpGloob1.Left = scene.shpBase1.Left = c.player1Left;
        scene.shpBase2.Top += c.player2Top - scene.shpGloob2.Top;
        scene.shpGloob2.Top = c.player2Top;
        expectQueryMatchesRender(w.frm, held, c.where);
    }
}

} // namespace
} // namespace gloob::testing
