// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "real_time_pacer.h"

#include "heartbeat.h"

#include <limits>

namespace gloob {

void RealTimePacer::anchor(std::int64_t virtualMicros, std::int64_t realMicros) {
    anchorVirtual_ = virtualMicros;
    anchorReal_ = realMicros;
}

std::int64_t RealTimePacer::realMicrosOf(std::int64_t virtualMicros) const {
    if (paused_) {
        return std::numeric_limits<std::int64_t>::max();
    }
    return anchorReal_ + (virtualMicros - anchorVirtual_) / speed_;
}

void RealTimePacer::reached(std::int64_t virtualMicros, std::int64_t realNow) {
    if (!paused_ && realNow - realMicrosOf(virtualMicros) > heartbeatMicros) {
        anchor(virtualMicros, realNow);
    }
}

std::int64_t RealTimePacer::virtualAt(std::int64_t realMicros) const {
    return anchorVirtual_ + (realMicros - anchorReal_) * speed_;
}

void RealTimePacer::setSpeed(int speed, std::int64_t realNow) {
    const std::int64_t now = paused_ ? pausedAtVirtual_ : virtualAt(realNow);
    speed_ = speed > 0 ? speed : 1;
    anchor(now, realNow);
    pausedAtVirtual_ = now;
}

void RealTimePacer::pause(std::int64_t realNow) {
    if (!paused_) {
        pausedAtVirtual_ = virtualAt(realNow);
        paused_ = true;
    }
}

void RealTimePacer::resume(std::int64_t realNow) {
    if (paused_) {
        paused_ = false;
        anchor(pausedAtVirtual_, realNow);
    }
}

} // namespace gloob
