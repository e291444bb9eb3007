// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "startup_timeline.h"

#include <chrono>
#include <cstdio>
#include <cstdlib>
#include <string>
#include <utility>
#include <vector>

namespace gloob {

namespace {

using Clock = std::chrono::steady_clock;

struct Timeline {
    bool enabled = std::getenv("GLOOB_TIMING") != nullptr;
    bool reported = false;
    std::vector<std::pair<const char*, Clock::time_point>> marks;
};

Timeline& timeline() {
    static Timeline shared;
    return shared;
}

} // namespace

void markStartup(const char* step) {
    Timeline& t = timeline();
    if (t.enabled && !t.reported) {
        t.marks.emplace_back(step, Clock::now());
    }
}

void reportStartup() {
    Timeline& t = timeline();
    if (!t.enabled || t.reported || t.marks.empty()) {
        return;
    }
    t.reported = true;
    std::string line = "gloob: start-up:";
    const Clock::time_point began = t.marks.front().second;
    for (const auto& [step, at] : t.marks) {
        char mark[64];
        std::snprintf(mark, sizeof mark, " %s %.1f,", step,
                      std::chrono::duration<double, std::milli>(at - began).count());
        line += mark;
    }
    line.back() = '\n';
    std::fputs(line.c_str(), stderr);
}

} // namespace gloob
