// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/autopilot.h"
#include "child_process.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <set>
#include <string>

namespace gloob::program {

// How long a program may take to answer a heartbeat's line, and its first
// one, while it starts.
constexpr std::chrono::milliseconds answerTime{5};
constexpr std::chrono::milliseconds startTime{2000};

// A side played by a program of the player's own, through the line protocol
// (protocol.h). A program that cannot start, answers late, writes what is no
// answer, writes more than one line for a heartbeat or ends is dropped for
// the rest of the match: its keys are let go, the side stands still, and
// `report` is told why, once.
class ProgramPlayer final : public Autopilot {
public:
    using Now = std::function<std::int64_t()>; // the game's time, in microseconds
    using Report = std::function<void(const std::string& message)>;

    // Tests that must not fail on a loaded machine may allow more time.
    ProgramPlayer(int side, const std::string& command, Now now, Report report,
                  std::chrono::milliseconds answerLimit = answerTime);

    std::vector<KeyEvent> decide(const Scene& scene, const MatchState& state) override;

    bool dropped() const { return process_ == nullptr; }

private:
    void drop(const std::string& why, std::vector<KeyEvent>& keys);

    int side_;
    std::string command_;
    Now now_;
    Report report_;
    std::chrono::milliseconds answerLimit_;
    std::unique_ptr<ChildProcess> process_;
    ChildProcess::Clock::time_point startedAt_;
    bool answered_ = false;
    // The keys it pressed and has not released, let go when it is dropped.
    std::set<std::int16_t> held_;
};

} // namespace gloob::program
