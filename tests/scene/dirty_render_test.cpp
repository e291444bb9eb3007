// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "test_support.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>
#include <ostream>

namespace gloob::testing {
namespace {

Pictures stripedPictures() {
    Pictures pictures{RgbImage(5, 3), RgbImage(3, 4)};
    for (std::size_t i = 0; i < pictures.mountain.pixels.size(); ++i) {
        pictures.mountain.pixels[i] = 0x101010u * static_cast<std::uint32_t>(i + 1);
    }
    for (std::size_t i = 0; i < pictures.beach.pixels.size(); ++i) {
        pictures.beach.pixels[i] = 0x0C0804u * static_cast<std::uint32_t>(i + 3);
    }
    return pictures;
}

struct Window {
    FakeHost host;
    BlockTextRasteriser text;
    Pictures pictures = stripedPictures();
    FrmGloob frm{host, text, pictures};
    Window() { frm.Form_Load(); }
};

int areaOf(const std::vector<PixelBox>& boxes) {
    int area = 0;
    for (const PixelBox& box : boxes) {
        area += box.width() * box.height();
    }
    return area;
}

struct DirtyCase {
    const char* name;
    // Applied one after the other, the frame brought up to date after each.
    std::vector<std::function<void(Scene&)>> steps;
    // The most pixels the last step may report changed.
    int mostRedrawn;
};
void PrintTo(const DirtyCase& c, std::ostream* os) {
    *os << c.name;
}

class DirtyRegion : public ::testing::TestWithParam<DirtyCase> {};

bool inside(const std::vector<PixelBox>& boxes, int x, int y) {
    return std::any_of(boxes.begin(), boxes.end(),
                       [&](const PixelBox& box) { return box.contains(x, y); });
}

TEST_P(DirtyRegion, RedrawsToExactlyTheFullFrameAndReportsEveryChange) {
    Window w;
    const Compositor& compositor = w.frm.compositor();
    ShownFrame shown;
    ASSERT_EQ(areaOf(compositor.update(shown)), 751 * 473) << "a new frame is drawn whole";
    for (const auto& step : GetParam().steps) {
        step(w.frm.scene);
        const RgbImage before = shown.image;
        const std::vector<PixelBox> redrawn = compositor.changes(shown);
        const std::vector<PixelBox> changed = compositor.update(shown);
        EXPECT_TRUE(compositor.changes(shown).empty()) << "nothing is left to redraw";
        RgbImage full;
        compositor.render(full);
        int wrong = 0, unreported = 0, outsideRedrawn = 0;
        for (int y = 0; y < full.height; ++y) {
            for (int x = 0; x < full.width; ++x) {
                wrong += full.at(x, y) != shown.image.at(x, y);
                unreported += before.at(x, y) != shown.image.at(x, y) && !inside(changed, x, y);
                outsideRedrawn += inside(changed, x, y) && !inside(redrawn, x, y);
            }
        }
        ASSERT_EQ(wrong, 0);
        EXPECT_EQ(unreported, 0);
        EXPECT_EQ(outsideRedrawn, 0);
    }
}

TEST_P(DirtyRegion, RedrawsLittleOfTheFrame) {
    Window w;
    const Compositor& compositor = w.frm.compositor();
    ShownFrame shown;
    compositor.update(shown);
    const auto& steps = GetParam().steps;
    for (std::size_t i = 0; i + 1 < steps.size(); ++i) {
        steps[i](w.frm.scene);
        compositor.update(shown);
    }
    steps.back()(w.frm.scene);
    EXPECT_LE(areaOf(compositor.update(shown)), GetParam().mostRedrawn);
}

void moveBall(Scene& s, float dx, float dy) {
    s.shpBall.Left += dx;
    s.shpBall.Top += dy;
}

INSTANTIATE_TEST_SUITE_P(
    Scenes, DirtyRegion,
    ::testing::Values(
        // 25 x 25 pixels moved 10 right and 10 down: one merged 35 x 35 box.
        DirtyCase{"BallFlies", {[](Scene& s) { moveBall(s, 150, 150); }}, 35 * 35},
        DirtyCase{
            "BallJumpsAcrossTheCourt", {[](Scene& s) { moveBall(s, -6000, 3000); }}, 2 * 25 * 25},
        DirtyCase{"BallUnderAScoreLabel",
                  {[](Scene& s) {
                      s.shpBall.Left = 10447.5f;
                      s.shpBall.Top = 263;
                  }},
                  2 * 25 * 25},
        DirtyCase{"BallOverTheNetAtOddTwips",
                  {[](Scene& s) {
                      s.shpBall.Left = 5771;
                      s.shpBall.Top = 5033;
                  }},
                  2 * 26 * 26},
        DirtyCase{"MovedWithinItsPixelsRedrawsNothing", {[](Scene& s) { moveBall(s, 7, 7); }}, 0},
        // Of a gloob's box little more than the edges changes.
        DirtyCase{"PlayerJumpsWithItsBase",
                  {[](Scene& s) {
                      s.shpGloob1.Top -= 150;
                      s.shpBase1.Top -= 150;
                  }},
                  97 * (89 + 10) / 3},
        DirtyCase{"PlayerWalksBackAndForth",
                  {[](Scene& s) {
                       s.shpGloob2.Left += 150;
                       s.shpBase2.Left += 150;
                   },
                   [](Scene& s) {
                       s.shpGloob2.Left -= 300;
                       s.shpBase2.Left -= 300;
                   }},
                  (97 + 20) * 89 / 3},
        DirtyCase{
            "ScoreCaptionChanges", {[](Scene& s) { s.lblPlayer1Score.Caption = " 1"; }}, 49 * 49},
        DirtyCase{"GameOverGoesAndComesBack",
                  {[](Scene& s) { s.lblGameOver.Visible = false; },
                   [](Scene& s) { s.lblGameOver.Visible = true; }},
                  169 * 81},
        DirtyCase{"BallHiddenThenShownElsewhere",
                  {[](Scene& s) { s.shpBall.Visible = false; },
                   [](Scene& s) {
                       moveBall(s, -3000, 1500);
                       s.shpBall.Visible = true;
                   }},
                  25 * 25},
        DirtyCase{"PictureShownThenSwapped",
                  {[](Scene& s) { s.imgMountain.Visible = true; },
                   [](Scene& s) {
                       s.imgMountain.Visible = false;
                       s.imgBeach.Visible = true;
                   }},
                  728 * 324},
        DirtyCase{"ColourChangeInPlace",
                  {[](Scene& s) { s.shpWallLeft.FillColor = colours::red; }},
                  17 * 73},
        DirtyCase{"BallLeavesTheClientArea", {[](Scene& s) { moveBall(s, 2400, -1500); }}, 25 * 25},
        DirtyCase{
            "NewBackgroundRedrawsAll", {[](Scene& s) { s.BackColor = colours::black; }}, 751 * 473},
        DirtyCase{"AWholeRally",
                  {[](Scene& s) { moveBall(s, -150, 150); },
                   [](Scene& s) {
                       moveBall(s, -150, 150);
                       s.shpGloob1.Left -= 150;
                       s.shpBase1.Left -= 150;
                   },
                   [](Scene& s) {
                       moveBall(s, -150, 150);
                       s.shpGloob1.Top -= 150;
                       s.shpBase1.Top -= 150;
                       s.lblPlayer2Score.Caption = " 3";
                   }},
                  35 * 35 + 97 * 99 + 49 * 49}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob::testing
