// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "frm_gloob.h"

namespace gloob {

// Pauses for inMilliseconds while the window stays alive: events are handed
// to their handlers at least every slice, and the pause never ends early.
void FrmGloob::Wait(std::int32_t inMilliseconds) {
    Clock& clock = host_.clock();
    const std::uint32_t start = clock.timeGetTime();
    std::int32_t slice = inMilliseconds / 10;
    if (slice > 100) {
        slice = 100;
    }
    // Unsigned differences keep the arithmetic right across the counter's wrap.
    const std::uint32_t deadline = start + static_cast<std::uint32_t>(inMilliseconds);
    const auto remainingTime = [&] {
        return static_cast<std::int32_t>(deadline - clock.timeGetTime());
    };

    pumpEvents();
    std::int32_t remaining = remainingTime();
    while (remaining > slice) {
        clock.Sleep(slice);
        pumpEvents();
        remaining = remainingTime();
    }
    if (remaining > 0) {
        clock.Sleep(remaining);
    }
}

void FrmGloob::pumpEvents() {
    host_.deliverPendingInput();
    // A front end may catch the end in the handler that chose Exit; the
    // handler waiting here must not go on either.
    if (ended_) {
        throw RunEnded{RunEnded::Reason::programEnded};
    }
    heartbeat();
    host_.pumped();
}

} // namespace gloob
