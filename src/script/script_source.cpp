// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "script_source.h"

#include "app/heartbeat.h"

#include <algorithm>

namespace gloob {

namespace {
constexpr std::int64_t graceMilliseconds = 10'000;
}

ScriptSource::ScriptSource(std::vector<ScriptEvent> events) : events_(std::move(events)) {
    std::stable_sort(events_.begin(), events_.end(),
                     [](const auto& a, const auto& b) { return a.milliseconds < b.milliseconds; });
    const std::int64_t last = events_.empty() ? 0 : events_.back().milliseconds;
    stopMicros_ = heartbeatAtOrBefore((last + graceMilliseconds) * 1000 + heartbeatMicros - 1);
}

void ScriptSource::collectDue(std::int64_t nowMicros, Engine& engine) {
    while (next_ < events_.size() && events_[next_].milliseconds * 1000 <= nowMicros) {
        engine.post(events_[next_++]);
    }
}

} // namespace gloob
