// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "heartbeat_driver.h"

#include "app/engine.h"

#include <QEventLoop>
#include <QTimer>

#include <algorithm>

namespace gloob {

HeartbeatDriver::HeartbeatDriver(EngineOf engine, RunHeartbeat runHeartbeat)
    : timer_([this] { beat(); }), engine_(std::move(engine)),
      runHeartbeat_(std::move(runHeartbeat)) {}

HeartbeatDriver::~HeartbeatDriver() {
    timer_.stop();
}

void HeartbeatDriver::beat() {
    if (engine_().insideHandler() || pacer_.paused()) {
        return;
    }
    // Each heartbeat skipped is due at once; a new game ends the skipping.
    while (engine_().nextHeartbeatMicros() < skipUntil_ && !pacer_.paused()) {
        pacer_.anchor(skipUntil_, realClock_.nowMicros());
        runHeartbeat_();
    }
    skipUntil_ = 0;
    const std::int64_t now = realClock_.nowMicros();
    const std::int64_t next = engine_().nextHeartbeatMicros();
    if (now < pacer_.realMicrosOf(next)) {
        arm();
        return;
    }
    pacer_.reached(next, now);
    timing_.heartbeat(now, next);
    runHeartbeat_();
    arm();
}

void HeartbeatDriver::runNextHeartbeatNow() {
    pacer_.anchor(engine_().nextHeartbeatMicros(), realClock_.nowMicros());
    beat();
}

// The next heartbeat at the real time it is due; a late beat is not made up
// for, the pacer lets virtual time fall behind instead.
void HeartbeatDriver::arm() {
    if (pacer_.paused()) {
        timer_.stop();
        return;
    }
    timer_.start(pacer_.realMicrosOf(engine_().nextHeartbeatMicros()) - realClock_.nowMicros());
}

void HeartbeatDriver::paceTo(std::int64_t virtualMicros) {
    for (;;) {
        const std::int64_t now = realClock_.nowMicros();
        const std::int64_t due = pacer_.realMicrosOf(virtualMicros);
        if (now >= due) {
            pacer_.reached(virtualMicros, now);
            return;
        }
        // Paused, it looks again now and then; otherwise it wakes when due.
        const std::int64_t waitMillis = pacer_.paused() ? 50 : (due - now + 999) / 1000;
        QEventLoop loop;
        QTimer::singleShot(static_cast<int>(waitMillis), Qt::PreciseTimer, &loop,
                           &QEventLoop::quit);
        loop.exec();
    }
}

void HeartbeatDriver::clockStoodStill() {
    pacer_.anchor(engine_().nowMicros(), realClock_.nowMicros());
}

void HeartbeatDriver::restart(int speed, std::int64_t startAfterMicros) {
    skipUntil_ = 0;
    pacer_.setSpeed(speed, realClock_.nowMicros());
    pacer_.anchor(0, realClock_.nowMicros() + startAfterMicros);
}

void HeartbeatDriver::setSpeed(int speed) {
    pacer_.setSpeed(speed, realClock_.nowMicros());
    arm();
}

void HeartbeatDriver::stepWhilePaused() {
    if (pacer_.paused() && !engine_().insideHandler()) {
        runHeartbeat_();
    }
}

void HeartbeatDriver::setPaused(bool paused) {
    if (paused) {
        pacer_.pause(realClock_.nowMicros());
    } else {
        pacer_.resume(realClock_.nowMicros());
    }
    arm();
}

} // namespace gloob
