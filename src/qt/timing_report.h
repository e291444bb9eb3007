// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/clock.h"
#include "app/engine.h"

#include <cstdint>
#include <deque>
#include <vector>

namespace gloob {

// What bench/measure_window.sh reads from a running game: when the first
// frame was painted, how steadily the heartbeats come, and how long a key
// takes to reach the main tick that moves its player. Silent unless the
// environment sets GLOOB_TIMING.
class TimingReport final : public EngineObserver {
public:
    explicit TimingReport(const Clock& realClock);

    void framePainted();
    // A heartbeat of the main loop ran at real time now; `virtualMicros` is
    // the heartbeat's place on the game's clock.
    void heartbeat(std::int64_t realMicros, std::int64_t virtualMicros);
    // A key press reached the window.
    void keyArrived(std::int64_t realMicros, std::uint16_t keyCode);

    void handedOver(std::int64_t micros, const GameEvent& event) override;
    void handlerReturned(std::int64_t micros, const Handler& handler, const FrmGloob& frm) override;

private:
    void report(std::int64_t realMicros);

    struct Key {
        std::uint16_t code;
        std::int64_t arrivedReal;
        std::int64_t deliveredVirtual = -1;
    };

    const Clock& clock_;
    bool enabled_;
    bool firstFrameReported_ = false;
    std::int64_t windowStart_ = -1;
    std::int64_t lastReal_ = -1;
    std::int64_t lastVirtual_ = -1;
    std::int64_t beatsTime_ = 0;
    std::vector<std::int64_t> intervals_;
    std::deque<Key> keys_;
    std::vector<std::int64_t> keyDelays_;
};

} // namespace gloob
