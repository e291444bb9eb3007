#pragma once

#include <cstdint>
#include <vector>

namespace gloob {

// What bench/measure_window.sh reads from a running game: when the first frame
// was painted, and how steadily the heartbeat arrives. Silent unless the
// environment sets GLOOB_TIMING.
class TimingReport {
public:
    TimingReport();

    void framePainted();
    void heartbeat(std::int64_t nowMicros);

private:
    bool enabled_;
    bool firstFrameReported_ = false;
    std::int64_t windowStart_ = -1;
    std::int64_t last_ = -1;
    std::vector<std::int64_t> intervals_;
};

} // namespace gloob
