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
// is held back until the next heartbeat: a press of the same key before then
// shows it was a repeat, and only the press is delivered.
class AutoRepeatFilter {
public:
    using Sink = std::function<void(const KeyEvent&)>;

    explicit AutoRepeatFilter(Sink sink) : sink_(std::move(sink)) {}

    void press(std::int16_t keyCode, std::int16_t shift);
    void release(std::int16_t keyCode, std::int16_t shift, bool markedAutoRepeat);
    // Delivers a held-back release: called at every heartbeat, and before any
    // other input so that events keep their order.
    void flush();
    // Forgets a held-back release without delivering it.
    void discard() { heldRelease_.reset(); }

private:
    Sink sink_;
    std::optional<KeyEvent> heldRelease_;
};

} // namespace gloob
