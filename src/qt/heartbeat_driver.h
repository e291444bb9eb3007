// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/clock.h"
#include "app/real_time_pacer.h"
#include "precise_timer.h"
#include "timing_report.h"

#include <cstdint>
#include <functional>

namespace gloob {

class Engine;

// Paces the game by the real clock: the heartbeat timer between handlers,
// the paced waits inside them, pause, and the speed of a replay.
class HeartbeatDriver {
public:
    using EngineOf = std::function<Engine&()>;
    // Runs the game's next heartbeat, once the real clock has reached it.
    using RunHeartbeat = std::function<void()>;

    HeartbeatDriver(EngineOf engine, RunHeartbeat runHeartbeat);
    ~HeartbeatDriver();
    HeartbeatDriver(const HeartbeatDriver&) = delete;
    HeartbeatDriver& operator=(const HeartbeatDriver&) = delete;

    // What the timer runs.
    void beat();
    // Makes the next heartbeat due now and runs it: for tests.
    void runNextHeartbeatNow();
    void arm();
    // Sleeps in the window's own event loop until the virtual time is due, so
    // the window stays alive and input is queued for the wait's next pump.
    void paceTo(std::int64_t virtualMicros);
    // Time the game did not see pass (a message box) is not made up for.
    void clockStoodStill();
    // Runs the game unseen, as fast as it goes, up to this virtual time.
    void skipTo(std::int64_t virtualMicros) { skipUntil_ = virtualMicros; }
    // A new game, at `speed` times the real pace, beginning this much later than now.
    void restart(int speed, std::int64_t startAfterMicros = 0);
    void setSpeed(int speed);
    int speed() const { return pacer_.speed(); }
    void setPaused(bool paused);
    // While paused, between heartbeats: one heartbeat hands over what was
    // posted, and the pause holds.
    void stepWhilePaused();
    bool paused() const { return pacer_.paused(); }

    std::int64_t realMicros() const { return realClock_.nowMicros(); }
    TimingReport& timing() { return timing_; }

private:
    SteadyClock realClock_;
    TimingReport timing_{realClock_};
    RealTimePacer pacer_;
    PreciseTimer timer_;
    EngineOf engine_;
    RunHeartbeat runHeartbeat_;
    std::int64_t skipUntil_ = 0;
};

} // namespace gloob
