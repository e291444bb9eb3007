// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "ball_timer_reading.h"

namespace gloob::bot {

void BallTimerReading::read(const Sighting& before, const Sighting& after, std::int64_t heartbeat) {
    if (!before.inPlay || before.ball.arcRunning == 0 || after.ball.arcRunning == 0) {
        return;
    }
    // A touch or a bounce changes the step too; a rare misreading is put
    // right at the next step of the arc.
    const std::int64_t between = heartbeat - 1;
    if (after.ball.speedY == before.ball.speedY + 10) {
        parity_ = static_cast<int>(between & 1);
    } else if (after.ball.speedY == before.ball.speedY) {
        parity_ = static_cast<int>((between + 1) & 1);
    }
}

} // namespace gloob::bot
