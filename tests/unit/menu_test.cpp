// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "test_support.h"

#include <gtest/gtest.h>

#include <functional>
#include <string>
#include <vector>

namespace gloob::testing {
namespace {

const std::vector<MenuId> lengthGroup{MenuId::mnu3, MenuId::mnu5, MenuId::mnu8};
const std::vector<MenuId> backgroundGroup{MenuId::mnuMountain, MenuId::mnuBeach, MenuId::mnuNone};

struct CheckCase {
    const char* name;
    MenuId item;
    const std::vector<MenuId>* group;
};

class CheckGroup : public ::testing::TestWithParam<CheckCase> {};

// From every mark of its group, an item marks itself and clears the others;
// nothing else in the window or the match changes.
TEST_P(CheckGroup, ItemMarksItselfAndClearsTheRestOfItsGroup) {
    const CheckCase& c = GetParam();
    for (const MenuId from : *c.group) {
        TestWindow w;
        w.frm.menuClick(from);
        Scene expected = w.scene();
        for (const MenuId item : *c.group) {
            expected.menu(item).Checked = item == c.item;
        }
        const MatchState stateBefore = w.state();

        w.frm.menuClick(c.item);
        EXPECT_TRUE(w.scene() == expected) << "from " << static_cast<int>(from);
        EXPECT_TRUE(w.state() == stateBefore);

        w.frm.menuClick(c.item);
        EXPECT_TRUE(w.scene() == expected) << "choosing the marked item again";
        EXPECT_TRUE(w.host.messagesShown.empty());
    }
}

INSTANTIATE_TEST_SUITE_P(Menus, CheckGroup,
                         ::testing::Values(CheckCase{"Three", MenuId::mnu3, &lengthGroup},
                                           CheckCase{"Five", MenuId::mnu5, &lengthGroup},
                                           CheckCase{"Eight", MenuId::mnu8, &lengthGroup},
                                           CheckCase{"Mountain", MenuId::mnuMountain,
                                                     &backgroundGroup},
                                           CheckCase{"Beach", MenuId::mnuBeach, &backgroundGroup},
                                           CheckCase{"None", MenuId::mnuNone, &backgroundGroup}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Menus, ItemsThatOpenSubmenusDoNothing) {
    TestWindow w;
    const Scene sceneBefore = w.scene();
    for (const MenuId item :
         {MenuId::mnuOptions, MenuId::mnuNumberBalls, MenuId::mnuBackround, MenuId::mnuHelp}) {
        w.frm.menuClick(item);
    }
    EXPECT_TRUE(w.scene() == sceneBefore);
    EXPECT_TRUE(w.host.messagesShown.empty());
    EXPECT_FALSE(w.host.programEnded);
}

TEST(Messages, InstructionsShowTheirTextWordForWord) {
    TestWindow w;
    const Scene sceneBefore = w.scene();
    w.frm.menuClick(MenuId::mnuInstructions);
    ASSERT_EQ(w.host.messagesShown.size(), 1u);
    EXPECT_EQ(w.host.messagesShown[0],
              "Try to hit the ball so your opponent cannot return it! Each time your opponent "
              "misses it, you will receive a point; first person to 5 points wins. Player 1 use "
              "the arrow keys to control his gloob. Player 2 use W,A,S, and D to control his "
              "gloob");
    EXPECT_TRUE(w.scene() == sceneBefore);
}

TEST(Messages, AboutNamesTheGameWithTwoLs) {
    TestWindow w;
    w.frm.menuClick(MenuId::mnuAbout);
    ASSERT_EQ(w.host.messagesShown.size(), 1u);
    EXPECT_EQ(w.host.messagesShown[0],
              "Gloob Volleyball\nA volleyball game for two players at one keyboard.");
}

// Drops the ball below the floor in player 2's half and lets the main tick fire.
void pointForPlayer1(TestWindow& w) {
    w.scene().shpBall.Left = 2000;
    w.scene().shpBall.Top = 6600;
    w.runHeartbeats(1);
}

void playToGameOver(TestWindow& w) {
    for (int points = 0; points < 10 && !w.scene().cmdPlay.Visible; ++points) {
        pointForPlayer1(w);
    }
    ASSERT_TRUE(w.scene().cmdPlay.Visible);
}

TEST(Menus, ChoicesDuringAMatchWaitForTheNextPlay) {
    TestWindow w;
    Scene& s = w.scene();
    // Chosen during the start pause, after Play! has read the marks.
    w.host.at(1000, [&] {
        w.frm.menuClick(MenuId::mnu8);
        w.frm.menuClick(MenuId::mnuBeach);
    });
    w.frm.cmdPlay_Click();
    EXPECT_TRUE(s.mnu8.Checked);
    EXPECT_TRUE(s.mnuBeach.Checked);
    EXPECT_EQ(w.state().ballsPerGame, 5);
    EXPECT_FALSE(s.imgBeach.Visible);

    w.frm.menuClick(MenuId::mnu3);
    w.frm.menuClick(MenuId::mnuMountain);
    EXPECT_EQ(w.state().ballsPerGame, 5);
    EXPECT_FALSE(s.imgMountain.Visible);
    for (int points = 1; points <= 4; ++points) {
        pointForPlayer1(w);
        ASSERT_FALSE(s.cmdPlay.Visible) << "the match still runs to 5, after " << points;
    }
    pointForPlayer1(w);
    ASSERT_TRUE(s.cmdPlay.Visible);

    w.frm.cmdPlay_Click();
    EXPECT_EQ(w.state().ballsPerGame, 3);
    EXPECT_TRUE(s.imgMountain.Visible);
    EXPECT_FALSE(s.imgBeach.Visible);
}

TEST(Menus, FirstMatchWithUntouchedMenusPlaysToFiveWithoutAPicture) {
    TestWindow w;
    w.frm.cmdPlay_Click();
    EXPECT_EQ(w.state().ballsPerGame, 5);
    EXPECT_FALSE(w.scene().imgMountain.Visible);
    EXPECT_FALSE(w.scene().imgBeach.Visible);
}

struct NextMatchCase {
    const char* name;
    MenuId firstBackground;
    MenuId length;
    MenuId background;
    std::int16_t ballsPerGame;
    bool mountain;
    bool beach;
};

class NextMatch : public ::testing::TestWithParam<NextMatchCase> {};

TEST_P(NextMatch, TakesLengthAndPictureFromTheMarks) {
    const NextMatchCase& c = GetParam();
    TestWindow w;
    w.frm.menuClick(MenuId::mnu3);
    w.frm.menuClick(c.firstBackground);
    w.frm.cmdPlay_Click();
    playToGameOver(w);

    w.frm.menuClick(c.length);
    w.frm.menuClick(c.background);
    w.frm.cmdPlay_Click();

    EXPECT_EQ(w.state().ballsPerGame, c.ballsPerGame);
    EXPECT_EQ(w.scene().imgMountain.Visible, c.mountain);
    EXPECT_EQ(w.scene().imgBeach.Visible, c.beach);
}

INSTANTIATE_TEST_SUITE_P(
    Menus, NextMatch,
    ::testing::Values(
        // A match started with None shows no picture left over from the last one.
        NextMatchCase{"MountainThenNone", MenuId::mnuMountain, MenuId::mnu5, MenuId::mnuNone, 5,
                      false, false},
        NextMatchCase{"BeachThenNone", MenuId::mnuBeach, MenuId::mnu5, MenuId::mnuNone, 5, false,
                      false},
        NextMatchCase{"MountainThenEightAndBeach", MenuId::mnuMountain, MenuId::mnu8,
                      MenuId::mnuBeach, 8, false, true},
        NextMatchCase{"BeachThenThreeAndMountain", MenuId::mnuBeach, MenuId::mnu3,
                      MenuId::mnuMountain, 3, true, false}),
    [](const auto& info) { return std::string(info.param.name); });

struct ExitCase {
    const char* name;
    std::function<void(TestWindow&)> exit;
};

class Exit : public ::testing::TestWithParam<ExitCase> {};

TEST_P(Exit, EndsTheProgramAtOnce) {
    TestWindow w;
    EXPECT_EQ(testing::runEndOf([&] { GetParam().exit(w); }), RunEnded::Reason::programEnded);
    EXPECT_TRUE(w.host.programEnded);
    EXPECT_TRUE(w.frm.ended());

    const Scene sceneAfter = w.scene();
    w.runHeartbeats(10);
    EXPECT_TRUE(w.scene() == sceneAfter) << "no handler runs after the end";
}

INSTANTIATE_TEST_SUITE_P(
    Commands, Exit,
    ::testing::Values(
        ExitCase{"MenuOnTheFirstScreen", [](TestWindow& w) { w.frm.menuClick(MenuId::mnuExit); }},
        ExitCase{"ButtonOnTheFirstScreen", [](TestWindow& w) { w.frm.cmdExit_Click(); }},
        ExitCase{"ButtonAfterGameOver",
                 [](TestWindow& w) {
                     w.frm.menuClick(MenuId::mnu3);
                     w.frm.cmdPlay_Click();
                     playToGameOver(w);
                     w.frm.cmdExit_Click();
                 }},
        // Chosen in the start pause: the main tick never starts.
        ExitCase{"MenuDuringTheStartPause",
                 [](TestWindow& w) {
                     w.host.at(500, [&w] { w.frm.menuClick(MenuId::mnuExit); });
                     try {
                         w.frm.cmdPlay_Click();
                     } catch (const RunEnded&) {
                         EXPECT_EQ(w.scene().tmrMain.Interval, 0);
                         throw;
                     }
                 }},
        // A front end that catches the end in the handler it ran, as the
        // window does, must not let the waiting handler go on.
        ExitCase{"MenuDuringTheStartPauseCaughtByTheFrontEnd",
                 [](TestWindow& w) {
                     w.host.at(300, [&w] {
                         try {
                             w.frm.menuClick(MenuId::mnuExit);
                         } catch (const RunEnded&) {
                         }
                     });
                     try {
                         w.frm.cmdPlay_Click();
                     } catch (const RunEnded&) {
                         EXPECT_EQ(w.host.virtualClock.nowMicros(), 300000);
                         EXPECT_EQ(w.scene().tmrMain.Interval, 0);
                         throw;
                     }
                 }},
        // Chosen during a match: the tick of that heartbeat does not run.
        ExitCase{"MenuDuringAMatch",
                 [](TestWindow& w) {
                     w.frm.cmdPlay_Click();
                     w.runHeartbeats(3);
                     const float left = w.scene().shpBall.Left;
                     const std::int64_t nowMs = w.host.virtualClock.nowMicros() / 1000;
                     w.host.at(nowMs + 1, [&w] { w.frm.menuClick(MenuId::mnuExit); });
                     try {
                         w.runHeartbeats(1);
                     } catch (const RunEnded&) {
                         EXPECT_EQ(w.scene().shpBall.Left, left);
                         throw;
                     }
                 }}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Exit, ClickOnTheHiddenButtonDoesNothing) {
    TestWindow w;
    w.frm.cmdPlay_Click();
    ASSERT_FALSE(w.scene().cmdExit.Visible);

    EXPECT_NO_THROW(w.frm.cmdExit_Click());

    EXPECT_FALSE(w.host.programEnded);
    EXPECT_FALSE(w.frm.ended());
    const float left = w.scene().shpBall.Left;
    w.runHeartbeats(1);
    EXPECT_EQ(w.scene().shpBall.Left, left + 65) << "the match goes on";
}

} // namespace
} // namespace gloob::testing
