// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "test_support.h"

#include <gtest/gtest.h>

namespace gloob::testing {
namespace {

struct WaitCase {
    const char* name;
    std::int32_t milliseconds;
    std::int64_t pumpCostMicros;
    int expectedPumps;
    std::int64_t expectedElapsedMicros;
};

class PacedWait : public ::testing::TestWithParam<WaitCase> {};

TEST_P(PacedWait, PumpsInSlicesAndNeverEndsEarly) {
    const WaitCase& c = GetParam();
    TestWindow w;
    w.host.pumpCostMicros = c.pumpCostMicros;
    w.host.virtualClock.advanceTo(15625);
    w.host.pumps = 0;
    w.frm.Wait(c.milliseconds);
    EXPECT_EQ(w.host.pumps, c.expectedPumps);
    EXPECT_EQ(w.host.virtualClock.nowMicros() - 15625, c.expectedElapsedMicros);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PacedWait,
    ::testing::Values(WaitCase{"Zero", 0, 0, 1, 0}, WaitCase{"Negative", -2000, 0, 1, 0},
                      WaitCase{"MinusOne", -1, 0, 1, 0},
                      // Below 10 ms the slice is 0: it pumps until the counter reaches the
                      // deadline, even when pumps take no time, since a 0 ms sleep yields
                      // the rest of the millisecond. Started at 15.625 ms the counter
                      // reads 15, so a 1 ms wait ends at 16 ms, after two pumps.
                      WaitCase{"OneMillisecond", 1, 0, 2, 375},
                      WaitCase{"NineMilliseconds", 9, 0, 10, 8375},
                      // Slow pumps move the clock as well: two pumps of 250 us each.
                      WaitCase{"OneMillisecondSlowPumps", 1, 250, 2, 625},
                      // 50 ms slices for half a second: 10 pumps, the last slice slept unpumped.
                      WaitCase{"HalfASecond", 500, 0, 10, 500000},
                      // 100 ms slices: 20 pumps, the last slice slept unpumped.
                      WaitCase{"TwoSeconds", 2000, 0, 20, 2000000}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(PacedWait, IsExactAcrossTheCountersWrap) {
    TestWindow w;
    // The virtual counter reads 4294966296 at time 0: the wait wraps to 1000.
    ASSERT_GT(w.host.virtualClock.timeGetTime(), 4294966000u);
    w.frm.Wait(2000);
    EXPECT_EQ(w.host.virtualClock.nowMicros(), 2000000);
    EXPECT_LT(w.host.virtualClock.timeGetTime(), 2000u);
}

TEST(PacedWait, DeliversInputAndTimersWhileItWaits) {
    TestWindow w;
    std::int64_t deliveredAt = -1;
    w.host.at(250, [&] {
        deliveredAt = w.host.virtualClock.nowMicros();
        w.frm.Form_KeyDown(87, 0);
    });
    w.frm.Wait(2000);
    EXPECT_EQ(deliveredAt, 300000) << "at the first pump after it became pending";
    // One jump tick per pump, missed heartbeats dropped: the pumps at 300 to
    // 1900 ms gave the jump 17 of its 31 ticks.
    EXPECT_EQ(w.state().player2Jumping, -1);
    EXPECT_EQ(w.scene().shpGloob2.Top, 5520 - (150 * 17 - 5 * 17 * 16));
    // The jump timers are first due at 10 ms, after the pump at 0.
    EXPECT_EQ(
        std::count(w.host.timersHandled.begin(), w.host.timersHandled.end(), TimerId::tmrJump2),
        19);
}

TEST(PacedWait, NestedWaitKeepsItsOwnDeadline) {
    TestWindow w;
    std::int64_t innerEnded = -1;
    w.host.at(500, [&] {
        w.frm.Wait(2000);
        innerEnded = w.host.virtualClock.nowMicros();
    });
    w.frm.Wait(2000);
    EXPECT_EQ(innerEnded, 2500000);
    // The outer wait resumes past its own deadline and returns at once.
    EXPECT_EQ(w.host.virtualClock.nowMicros(), 2500000);
}

} // namespace
} // namespace gloob::testing
