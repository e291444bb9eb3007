// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <cstdint>

namespace gloob {

// Keeps the game's virtual time in step with the real clock, for a front end
// that shows the game as it happens: virtual time v falls at real time
// anchorReal + (v - anchorVirtual) / speed. Virtual time never runs ahead of
// the real clock; after a stall it falls behind instead of catching up in a
// burst, and while paused it stands still.
class RealTimePacer {
public:
    // Virtual time v happens at real time r from now on.
    void anchor(std::int64_t virtualMicros, std::int64_t realMicros);
    // When virtual time v is due on the real clock; far in the future while paused.
    std::int64_t realMicrosOf(std::int64_t virtualMicros) const;
    // Virtual time v was reached at real time now. More than a heartbeat
    // late, the rest is scheduled from now: the missed time is dropped.
    void reached(std::int64_t virtualMicros, std::int64_t realNow);

    // 1 for the real pace; 2 and 4 play a replay faster. Takes effect from now.
    void setSpeed(int speed, std::int64_t realNow);
    int speed() const { return speed_; }

    // Virtual time stops where it is now and goes on from there on resume.
    void pause(std::int64_t realNow);
    void resume(std::int64_t realNow);
    bool paused() const { return paused_; }

private:
    // The virtual time that the real time r stands for.
    std::int64_t virtualAt(std::int64_t realMicros) const;

    std::int64_t anchorVirtual_ = 0;
    std::int64_t anchorReal_ = 0;
    int speed_ = 1;
    bool paused_ = false;
    std::int64_t pausedAtVirtual_ = 0;
};

} // namespace gloob
