// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "timer_scheduler.h"

namespace gloob {

void TimerScheduler::arm(TimerId timer, std::int64_t nowMicros) {
    due_[index(timer)] = nowMicros + std::int64_t{scene_.timer(timer).Interval} * 1000;
}

int TimerScheduler::dispatch(std::int64_t heartbeat, const std::function<void(TimerId)>& fire) {
    int fired = 0;
    for (TimerId timer : timersInDispatchOrder) {
        const std::size_t i = index(timer);
        const std::int32_t interval = scene_.timer(timer).Interval;
        if (holds_ > 0 || interval <= 0 || running_[i] || due_[i] > heartbeat) {
            continue;
        }
        // Due again one interval after this heartbeat, however late it fires;
        // set before the handler runs, so the handler may switch itself off.
        due_[i] = heartbeat + std::int64_t{interval} * 1000;
        running_[i] = true;
        struct Finish {
            bool& running;
            ~Finish() { running = false; }
        } finish{running_[i]};
        fire(timer);
        ++fired;
    }
    return fired;
}

} // namespace gloob
