// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/engine.h"
#include "app/headless_front_end.h"
#include "script.h"

#include <cstddef>
#include <cstdint>
#include <vector>

namespace gloob {

// A script's events, posted to the engine as their times come: every event
// whose time has been reached, in order of time, equal times in file order.
class ScriptSource {
public:
    explicit ScriptSource(std::vector<ScriptEvent> events);

    void collectDue(std::int64_t nowMicros, Engine& engine);
    // The script as a headless front end's input.
    HeadlessFrontEnd::InputSource inputSource() {
        return [this](Engine& engine) { collectDue(engine.nowMicros(), engine); };
    }
    // The next event due, or nullptr when all have been posted.
    const ScriptEvent* next() const { return next_ < events_.size() ? &events_[next_] : nullptr; }
    void skip() { ++next_; }

    // Without `end` or an exit, a run stops at the first heartbeat at or after
    // ten seconds past the last event (time 0 for a script without events).
    std::int64_t stopMicros() const { return stopMicros_; }

private:
    std::vector<ScriptEvent> events_;
    std::size_t next_ = 0;
    std::int64_t stopMicros_ = 0;
};

} // namespace gloob
