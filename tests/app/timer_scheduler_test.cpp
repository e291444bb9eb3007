// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "test_support.h"

#include "app/heartbeat.h"
#include "app/timer_scheduler.h"

#include <gtest/gtest.h>

#include <vector>

namespace gloob::testing {
namespace {

using Fired = std::vector<TimerId>;

constexpr TimerId main_ = TimerId::tmrMain;
constexpr TimerId ball = TimerId::tmrBall;
constexpr TimerId jump1 = TimerId::tmrJump1;
constexpr TimerId jump2 = TimerId::tmrJump2;

// A scheduler over the created scene's timers, armed at time 0.
struct Timers {
    Scene scene;
    TimerScheduler scheduler{scene};
    Fired fired;

    Timers() {
        for (TimerId t : {main_, ball, jump1, jump2}) {
            scheduler.arm(t, 0);
        }
    }
    Fired at(std::int64_t heartbeat) {
        fired.clear();
        scheduler.dispatch(heartbeat, [&](TimerId t) { fired.push_back(t); });
        return fired;
    }
};

TEST(TimerScheduler, VisitsTimersInTheirFixedOrder) {
    Timers t;
    EXPECT_EQ(t.at(heartbeatMicros), (Fired{main_, jump1, jump2}));
    EXPECT_EQ(t.at(2 * heartbeatMicros), (Fired{main_, ball, jump1, jump2}));
}

TEST(TimerScheduler, ThirtyMillisecondTimerFiresEverySecondHeartbeat) {
    Timers t;
    t.scene.tmrMain.Interval = 0;
    std::vector<int> ballHeartbeats;
    for (int n = 1; n <= 12; ++n) {
        const Fired fired = t.at(n * heartbeatMicros);
        EXPECT_EQ(std::count(fired.begin(), fired.end(), jump1), 1) << "heartbeat " << n;
        if (std::count(fired.begin(), fired.end(), ball) == 1) {
            ballHeartbeats.push_back(n);
        }
    }
    EXPECT_EQ(ballHeartbeats, (std::vector<int>{2, 4, 6, 8, 10, 12}));
}

TEST(TimerScheduler, SwitchedOffTimerNeverFires) {
    Timers t;
    t.scene.tmrMain.Interval = 0;
    for (int n = 1; n <= 5; ++n) {
        const Fired fired = t.at(n * heartbeatMicros);
        EXPECT_EQ(std::count(fired.begin(), fired.end(), main_), 0);
    }
}

TEST(TimerScheduler, LateTimersFireOnceAndDropTheTicksTheyMissed) {
    Timers t;
    t.at(heartbeatMicros);
    // A handler held the thread for 200 ms: thirteen heartbeats went by.
    const std::int64_t late = 14 * heartbeatMicros;
    EXPECT_EQ(t.at(late), (Fired{main_, ball, jump1, jump2}));
    EXPECT_EQ(t.at(late), Fired{}) << "nothing is owed for the missed heartbeats";
    EXPECT_EQ(t.at(late + heartbeatMicros), (Fired{main_, jump1, jump2}));
    EXPECT_EQ(t.at(late + 2 * heartbeatMicros), (Fired{main_, ball, jump1, jump2}));
}

TEST(TimerScheduler, RunningHandlerIsNotEnteredAgainWhileTheOthersKeepTicking) {
    Timers t;
    Fired nested;
    int depth = 0;
    t.scheduler.dispatch(heartbeatMicros, [&](TimerId timer) {
        if (timer != main_ || depth > 0) {
            nested.push_back(timer);
            return;
        }
        ++depth;
        // The main tick waits, and the wait dispatches the later heartbeats.
        for (int n = 2; n <= 5; ++n) {
            t.scheduler.dispatch(n * heartbeatMicros,
                                 [&](TimerId inner) { nested.push_back(inner); });
        }
        EXPECT_TRUE(t.scheduler.isRunning(main_));
        --depth;
    });
    EXPECT_EQ(std::count(nested.begin(), nested.end(), main_), 0);
    // Heartbeats 2 to 5 inside the wait; once back at heartbeat 1 the jump
    // timer is no longer due there.
    EXPECT_EQ(std::count(nested.begin(), nested.end(), jump1), 4);
    EXPECT_EQ(std::count(nested.begin(), nested.end(), ball), 2);
    EXPECT_FALSE(t.scheduler.isRunning(main_));
    EXPECT_EQ(t.at(6 * heartbeatMicros), (Fired{main_, ball, jump1, jump2}))
        << "once its handler has returned the main tick fires again";
}

TEST(TimerScheduler, SettingAnIntervalMakesTheTimerDueThatLongFromNow) {
    Timers t;
    t.at(2 * heartbeatMicros);    // ball fired, due again at 61250
    t.scheduler.arm(ball, 40000); // the same 30 ms written again at 40 ms
    EXPECT_EQ(t.scheduler.dueMicros(ball), 70000);
    EXPECT_EQ(std::count(t.fired.begin(), t.fired.end(), ball), 1);
    EXPECT_EQ(t.at(4 * heartbeatMicros), (Fired{main_, jump1, jump2})) << "not due at 62500";
    EXPECT_EQ(t.at(5 * heartbeatMicros), (Fired{main_, ball, jump1, jump2}));
}

TEST(TimerScheduler, HandlerMaySwitchItsOwnTimerOff) {
    Timers t;
    t.scheduler.dispatch(heartbeatMicros, [&](TimerId timer) {
        if (timer == main_) {
            t.scene.tmrMain.Interval = 0;
            t.scheduler.arm(main_, heartbeatMicros);
        }
    });
    EXPECT_EQ(t.at(2 * heartbeatMicros), (Fired{ball, jump1, jump2}));
}

TEST(TimerScheduler, NothingFiresWhileHeldAndPlayGoesOnAfterwards) {
    Timers t;
    t.scheduler.hold();
    for (int n = 1; n <= 10; ++n) {
        EXPECT_EQ(t.at(n * heartbeatMicros), Fired{});
    }
    t.scheduler.release();
    EXPECT_EQ(t.at(11 * heartbeatMicros), (Fired{main_, ball, jump1, jump2}));
}

TEST(TimerScheduler, WindowMadeAtTimeZeroStartsItsTimersThenWithMainTickOff) {
    TestWindow w;
    w.runHeartbeats(4);
    EXPECT_EQ(w.host.timersHandled,
              (Fired{jump1, jump2, ball, jump1, jump2, jump1, jump2, ball, jump1, jump2}));
}

TEST(TimerScheduler, NoTimerFiresWhileAMessageBoxIsOpen) {
    TestWindow w;
    w.host.onMessage = [&](std::string_view) {
        w.host.timersHandled.clear();
        w.runHeartbeats(8);
        EXPECT_TRUE(w.host.timersHandled.empty());
    };
    w.frm.mnuAbout_Click();
    ASSERT_EQ(w.host.messagesShown.size(), 1u);
    w.runHeartbeats(1);
    EXPECT_FALSE(w.host.timersHandled.empty()) << "play goes on after the box closes";
}

} // namespace
} // namespace gloob::testing
