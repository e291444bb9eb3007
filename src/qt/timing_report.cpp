#include "timing_report.h"

#include <algorithm>
#include <chrono>
#include <cstdio>
#include <cstdlib>

namespace gloob {

namespace {
// Heartbeats in one report: ten seconds at 64 Hz.
constexpr std::size_t beatsPerReport = 640;
} // namespace

TimingReport::TimingReport() : enabled_(std::getenv("GLOOB_TIMING") != nullptr) {
    intervals_.reserve(beatsPerReport);
}

void TimingReport::framePainted() {
    if (!enabled_ || firstFrameReported_) {
        return;
    }
    firstFrameReported_ = true;
    // Wall-clock time, comparable with the launching script's `date +%s%N`.
    const auto now = std::chrono::system_clock::now().time_since_epoch();
    std::fprintf(
        stderr, "gloob: first frame painted at %lld us\n",
        static_cast<long long>(std::chrono::duration_cast<std::chrono::microseconds>(now).count()));
}

void TimingReport::heartbeat(std::int64_t nowMicros) {
    if (!enabled_) {
        return;
    }
    if (last_ >= 0) {
        intervals_.push_back(nowMicros - last_);
    } else {
        windowStart_ = nowMicros;
    }
    last_ = nowMicros;
    if (intervals_.size() < beatsPerReport) {
        return;
    }
    const double seconds = static_cast<double>(nowMicros - windowStart_) / 1e6;
    std::sort(intervals_.begin(), intervals_.end());
    const std::int64_t p99 = intervals_[intervals_.size() * 99 / 100];
    std::fprintf(
        stderr, "gloob: %zu heartbeats in %.3f s: %.2f Hz, p99 interval %.2f ms, longest %.2f ms\n",
        intervals_.size(), seconds, static_cast<double>(intervals_.size()) / seconds,
        static_cast<double>(p99) / 1000.0, static_cast<double>(intervals_.back()) / 1000.0);
    intervals_.clear();
    windowStart_ = nowMicros;
}

} // namespace gloob
