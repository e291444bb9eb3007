// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "app/heartbeat.h"
#include "app/real_time_pacer.h"

#include <gtest/gtest.h>

#include <functional>
#include <ostream>

namespace gloob {
namespace {

struct PaceCase {
    const char* name;
    std::function<void(RealTimePacer&)> steps;
    std::int64_t virtualMicros;
    std::int64_t expectedReal;
};
void PrintTo(const PaceCase& c, std::ostream* out) {
    *out << c.name;
}

class Pacing : public ::testing::TestWithParam<PaceCase> {};

// Each case starts with virtual time 0 at real time 1 s.
TEST_P(Pacing, PutsVirtualTimeOnTheRealClock) {
    RealTimePacer pacer;
    pacer.anchor(0, 1'000'000);
    GetParam().steps(pacer);
    EXPECT_EQ(pacer.realMicrosOf(GetParam().virtualMicros), GetParam().expectedReal);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, Pacing,
    ::testing::Values(
        PaceCase{"InStep", [](RealTimePacer&) {}, heartbeatMicros, 1'000'000 + heartbeatMicros},
        // A heartbeat reached a little late keeps the schedule.
        PaceCase{"SlightlyLateKeepsTheSchedule",
                 [](RealTimePacer& p) { p.reached(heartbeatMicros, 1'020'000); },
                 2 * heartbeatMicros, 1'000'000 + 2 * heartbeatMicros},
        // After a stall, virtual time falls behind: the next beat is one
        // heartbeat after the late one, not at once.
        PaceCase{"StallDropsTheMissedTime",
                 [](RealTimePacer& p) { p.reached(heartbeatMicros, 1'500'000); },
                 2 * heartbeatMicros, 1'500'000 + heartbeatMicros},
        PaceCase{"TwiceAsFast", [](RealTimePacer& p) { p.setSpeed(2, 1'000'000); }, 100'000,
                 1'050'000},
        // A speed change keeps the moment of the change in place.
        PaceCase{"SpeedChangedHalfWay", [](RealTimePacer& p) { p.setSpeed(4, 1'100'000); }, 300'000,
                 1'150'000},
        // Paused at 0.2 s of virtual time for 5 s of real time.
        PaceCase{"PauseStopsVirtualTime",
                 [](RealTimePacer& p) {
                     p.pause(1'200'000);
                     p.resume(6'200'000);
                 },
                 300'000, 6'300'000},
        PaceCase{"PausedNeverComes", [](RealTimePacer& p) { p.pause(1'000'000); }, 1, INT64_MAX}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob
