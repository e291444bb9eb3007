// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "qt/precise_timer.h"

#include <QCoreApplication>
#include <QDeadlineTimer>
#include <QEventLoop>

#include <gtest/gtest.h>

#include <functional>

namespace gloob {
namespace {

struct TimerCase {
    const char* name;
    std::function<void(PreciseTimer&)> arm;
    int fires;
};
void PrintTo(const TimerCase& c, std::ostream* out) {
    *out << c.name;
}

class PreciseTimerFires : public ::testing::TestWithParam<TimerCase> {};

// The heartbeat's timer fires once for its last arming, and not at all once stopped.
TEST_P(PreciseTimerFires, OnceForItsLastArming) {
    int fires = 0;
    PreciseTimer timer([&] { ++fires; });
    GetParam().arm(timer);
    // Well past every arming below: the event loop runs, the count is what matters.
    const QDeadlineTimer until(300);
    while (!until.hasExpired()) {
        QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 20);
    }
    EXPECT_EQ(fires, GetParam().fires);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, PreciseTimerFires,
    ::testing::Values(TimerCase{"DueNow", [](PreciseTimer& t) { t.start(0); }, 1},
                      TimerCase{"DueSoon", [](PreciseTimer& t) { t.start(2'000); }, 1},
                      TimerCase{"OverdueFiresAtOnce", [](PreciseTimer& t) { t.start(-5'000); }, 1},
                      TimerCase{"Stopped",
                                [](PreciseTimer& t) {
                                    t.start(2'000);
                                    t.stop();
                                },
                                0},
                      TimerCase{"ArmedAgainFiresOnce",
                                [](PreciseTimer& t) {
                                    t.start(1'000);
                                    t.start(3'000);
                                },
                                1}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob
