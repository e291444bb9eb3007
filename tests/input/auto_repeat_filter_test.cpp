// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "app/auto_repeat_filter.h"
#include "match/keys.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <vector>

namespace gloob::testing {
namespace {

enum class Action { press, release, markedRelease };

struct KeyStep {
    Action action;
    std::int16_t key;
};

struct RepeatCase {
    const char* name;
    std::vector<KeyStep> steps;
    // Walking steps once the next heartbeat has delivered what was held back.
    std::int16_t player1, player2;
};

class AutoRepeat : public ::testing::TestWithParam<RepeatCase> {};

// Two players share one keyboard and any release stops both, so a repeat's
// release that got through would stop the other player too.
TEST_P(AutoRepeat, ReachesTheGameOnlyAsRealPressesAndReleases) {
    const RepeatCase& c = GetParam();
    TestWindow w;
    AutoRepeatFilter filter([&](const KeyEvent& e) {
        if (e.down) {
            w.frm.Form_KeyDown(e.keyCode, e.shift);
        } else {
            w.frm.Form_KeyUp(e.keyCode, e.shift);
        }
    });
    for (const KeyStep& step : c.steps) {
        switch (step.action) {
        case Action::press:
            filter.press(step.key, 0);
            break;
        case Action::release:
            filter.release(step.key, 0, false);
            break;
        case Action::markedRelease:
            filter.release(step.key, 0, true);
            break;
        }
    }
    filter.flush();
    EXPECT_EQ(w.state().player1SpeedX, c.player1);
    EXPECT_EQ(w.state().player2SpeedX, c.player2);
}

constexpr Action press = Action::press;
constexpr Action release = Action::release;
constexpr Action marked = Action::markedRelease;

INSTANTIATE_TEST_SUITE_P(
    TwoPlayers, AutoRepeat,
    ::testing::Values(
        RepeatCase{"UnmarkedRepeatOfPlayer2KeepsPlayer1Walking",
                   {{press, keys::left}, {press, keys::d}, {release, keys::d}, {press, keys::d}},
                   -150,
                   150},
        RepeatCase{
            "UnmarkedRepeatOfPlayer1KeepsPlayer2Walking",
            {{press, keys::a}, {press, keys::right}, {release, keys::right}, {press, keys::right}},
            150,
            -150},
        RepeatCase{"RepeatsOfBothPlayersInTurn",
                   {{press, keys::left},
                    {press, keys::d},
                    {release, keys::left},
                    {press, keys::left},
                    {release, keys::d},
                    {press, keys::d}},
                   -150,
                   150},
        RepeatCase{"MarkedRepeatKeepsBothWalking",
                   {{press, keys::left}, {press, keys::d}, {marked, keys::d}, {press, keys::d}},
                   -150,
                   150},
        RepeatCase{"RealReleaseStopsBothAtTheHeartbeat",
                   {{press, keys::left}, {press, keys::d}, {release, keys::d}},
                   0,
                   0},
        RepeatCase{"PressOfAnotherKeyIsNoRepeat",
                   {{press, keys::left}, {press, keys::d}, {release, keys::d}, {press, keys::a}},
                   0,
                   -150}),
    [](const auto& info) { return std::string(info.param.name); });

// A repeat's release and press a millisecond apart may fall on either side of
// a delivery point; a real release is handed over at the first delivery point
// that leaves its press time to come.
TEST(AutoRepeatAtADeliveryPoint, HandsOverAReleaseOnlyOnceItCannotBeARepeat) {
    std::vector<KeyEvent> delivered;
    AutoRepeatFilter filter([&](const KeyEvent& e) { delivered.push_back(e); });
    constexpr std::int64_t gap = AutoRepeatFilter::repeatGapMicros;

    filter.press(keys::left, 0);
    filter.release(keys::left, 0, false, 10'000);
    filter.deliveryPoint(10'000 + gap / 3);
    filter.press(keys::left, 0);
    filter.deliveryPoint(10'000 + gap);
    ASSERT_EQ(delivered.size(), 2U) << "the repeat straddling the delivery point is no release";
    EXPECT_TRUE(delivered[1].down);

    filter.release(keys::left, 0, false, 30'000);
    filter.deliveryPoint(30'000 + gap - 1);
    EXPECT_EQ(delivered.size(), 2U);
    filter.deliveryPoint(30'000 + gap);
    ASSERT_EQ(delivered.size(), 3U);
    EXPECT_FALSE(delivered[2].down);
}

} // namespace
} // namespace gloob::testing
