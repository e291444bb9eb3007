// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "timing_report.h"

#include "startup_timeline.h"

#include "app/heartbeat.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace gloob {

namespace {
// Heartbeats in one report: ten seconds at 64 Hz.
constexpr std::size_t beatsPerReport = 640;
// Keys that wait longer sat out a pause; they say nothing of the main loop.
constexpr std::size_t keysRemembered = 64;

double millis(std::int64_t micros) {
    return static_cast<double>(micros) / 1000.0;
}

std::int64_t percentile(std::vector<std::int64_t>& values, int percent) {
    std::sort(values.begin(), values.end());
    return values[values.size() * static_cast<std::size_t>(percent) / 100];
}
} // namespace

TimingReport::TimingReport(const Clock& realClock)
    : clock_(realClock), enabled_(std::getenv("GLOOB_TIMING") != nullptr) {
    intervals_.reserve(beatsPerReport);
}

void TimingReport::framePainted() {
    if (!enabled_ || firstFrameReported_) {
        return;
    }
    firstFrameReported_ = true;
    markStartup("first frame");
    reportStartup();
    // Wall-clock time, comparable with the launching script's `date +%s%N`.
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(
        stderr, "gloob: first frame painted at %lld us\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

// Only the gap between two heartbeats in a row counts: a pause after a point
// runs its timers from the paced wait's pumps instead.
void TimingReport::heartbeat(std::int64_t realMicros, std::int64_t virtualMicros) {
    if (!enabled_) {
        return;
    }
    if (windowStart_ < 0) {
        windowStart_ = realMicros;
    }
    if (lastVirtual_ >= 0 && virtualMicros == lastVirtual_ + heartbeatMicros) {
        intervals_.push_back(realMicros - lastReal_);
        beatsTime_ += realMicros - lastReal_;
    }
    lastReal_ = realMicros;
    lastVirtual_ = virtualMicros;
    if (intervals_.size() >= beatsPerReport) {
        report(realMicros);
    }
}

void TimingReport::keyArrived(std::int64_t realMicros, std::uint16_t keyCode) {
    if (!enabled_) {
        return;
    }
    keys_.push_back({keyCode, realMicros});
    if (keys_.size() > keysRemembered) {
        keys_.pop_front();
    }
}

void TimingReport::handedOver(std::int64_t micros, const GameEvent& event) {
    if (!enabled_ || event.kind != EventKind::keyDown) {
        return;
    }
    for (Key& key : keys_) {
        if (key.deliveredVirtual < 0 && key.code == event.keyCode) {
            key.deliveredVirtual = micros;
            return;
        }
    }
}

// A key handed over at a heartbeat moves its player in that heartbeat's main tick.
void TimingReport::handlerReturned(std::int64_t micros, const Handler& handler,
                                   const FrmGloob& /*frm*/) {
    if (!enabled_ || !handler.isMainTick()) {
        return;
    }
    const std::int64_t now = clock_.nowMicros();
    while (!keys_.empty() && keys_.front().deliveredVirtual >= 0 &&
           keys_.front().deliveredVirtual <= micros) {
        if (keys_.front().deliveredVirtual == micros) {
            keyDelays_.push_back(now - keys_.front().arrivedReal);
        }
        keys_.pop_front();
    }
}

void TimingReport::report(std::int64_t realMicros) {
    const double seconds = static_cast<double>(realMicros - windowStart_) / 1e6;
    const double rate =
        static_cast<double>(intervals_.size()) / (static_cast<double>(beatsTime_) / 1e6);
    const std::int64_t p99 = percentile(intervals_, 99);
    std::fprintf(stderr,
                 "gloob: %zu heartbeats in %.3f s: %.2f Hz, p99 interval %.2f ms, longest %.2f "
                 "ms\n",
                 intervals_.size(), seconds, rate, millis(p99), millis(intervals_.back()));
    if (!keyDelays_.empty()) {
        const std::int64_t median = percentile(keyDelays_, 50);
        const std::int64_t keyP99 = percentile(keyDelays_, 99);
        std::fprintf(stderr,
                     "gloob: key to main tick: %zu keys, median %.2f ms, p99 %.2f ms, longest "
                     "%.2f ms\n",
                     keyDelays_.size(), millis(median), millis(keyP99), millis(keyDelays_.back()));
    }
    intervals_.clear();
    keyDelays_.clear();
    beatsTime_ = 0;
    windowStart_ = realMicros;
}

} // namespace gloob
