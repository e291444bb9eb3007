// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <QSocketNotifier>

#include <cstdint>
#include <functional>
#include <memory>

namespace gloob {

// A one-shot timer to the microsecond. Qt's own timers wake the event loop
// in whole milliseconds, so a heartbeat armed with one comes up to a
// millisecond late, and every such millisecond is added to the time a key
// waits for the tick that moves its player. A kernel timer on a file wakes
// the loop when it is due, and costs the loop one descriptor to watch.
class PreciseTimer {
public:
    explicit PreciseTimer(std::function<void()> timeout);
    ~PreciseTimer();
    PreciseTimer(const PreciseTimer&) = delete;
    PreciseTimer& operator=(const PreciseTimer&) = delete;

    // Fires once, this many microseconds from now (at once for none).
    void start(std::int64_t micros);
    void stop();

private:
    void fired();

    int fd_ = -1;
    std::unique_ptr<QSocketNotifier> notifier_;
    std::function<void()> timeout_;
};

} // namespace gloob
