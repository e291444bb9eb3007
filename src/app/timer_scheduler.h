// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "scene/scene.h"

#include <array>
#include <cstdint>
#include <functional>

namespace gloob {

// Decides which timers fire at a heartbeat. Missed ticks are dropped, never
// queued; a timer is never entered again while its handler is on the stack;
// nothing fires while the scheduler is held (a message box is open).
class TimerScheduler {
public:
    explicit TimerScheduler(const Scene& scene) : scene_(scene) {}

    // After an Interval write: a timer that is on is due that long from now.
    void arm(TimerId timer, std::int64_t nowMicros);

    // Visits the timers in the order tmrMain, tmrBall, tmrJump1, tmrJump2 and
    // fires each one that is on, idle and due at or before the heartbeat.
    // Returns how many fired.
    int dispatch(std::int64_t heartbeatMicros, const std::function<void(TimerId)>& fire);

    void hold() { ++holds_; }
    void release() { --holds_; }
    bool isRunning(TimerId timer) const { return running_[index(timer)]; }
    std::int64_t dueMicros(TimerId timer) const { return due_[index(timer)]; }
    // When each timer is due next, for a snapshot taken while none runs.
    const std::array<std::int64_t, timerCount>& dueTimes() const { return due_; }
    void restoreDueTimes(const std::array<std::int64_t, timerCount>& due) { due_ = due; }

private:
    static std::size_t index(TimerId timer) { return static_cast<std::size_t>(timer); }

    const Scene& scene_;
    std::array<std::int64_t, timerCount> due_{};
    std::array<bool, timerCount> running_{};
    int holds_ = 0;
};

} // namespace gloob
