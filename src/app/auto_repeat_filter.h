// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "game_event.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace gloob {

// A held key on the Linux desktop sends a release before each repeated press.
// The toolkit marks most of those releases as auto-repeats, but now and then a
// plain release and press arrive about a millisecond apart. So a plain release
// is held back: a press of the same key before it is handed over shows it was
// a repeat, and only the press is delivered. A delivery point hands it over
// only once it has waited long enough for that press, so a pair on either
// side of a delivery point is caught too.
class AutoRepeatFilter {
public:
    using Sink = std::function<void(const KeyEvent&)>;

    explicit AutoRepeatFilter(Sink sink) : sink_(std::move(sink)) {}

    void press(std::int16_t keyCode, std::int16_t shift);
    // The plain pairs seen arrive about a millisecond apart; three leave
    // room for a busy machine, and delay a real release by at most one
    // heartbeat.
    static constexpr std::int64_t repeatGapMicros = 3'000;

    void release(std::int16_t keyCode, std::int16_t shift, bool markedAutoRepeat,
                 std::int64_t realMicros = 0);
    // At every delivery point: a held-back release that has waited out the gap.
    void deliveryPoint(std::int64_t realMicros);
    // Delivers a held-back release now: before any other input, so that
    // events keep their order.
    void flush();
    // Forgets a held-back release without delivering it.
    void discard() { heldRelease_.reset(); }

private:
    Sink sink_;
    std::optional<KeyEvent> heldRelease_;
    std::int64_t heldSince_ = 0;
};

} // namespace gloob
