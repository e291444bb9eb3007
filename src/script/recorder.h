// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/engine.h"

#include <cstdint>
#include <ostream>
#include <string>
#include <string_view>

namespace gloob {

// The moment a recording is made, as its first line names it: "2026-12-08 10:00:00 UTC".
std::string recordingDate();

// Writes every input handed to a handler as a script line, at the virtual
// millisecond it was handed over: gloob-sim plays the file to the same trace.
// Each line is flushed as it is written, so a crash loses nothing played.
class Recorder final : public EngineObserver {
public:
    // Opens the file with comment lines: the game's version and the date, and
    // the script format.
    Recorder(std::ostream& out, std::string_view gameVersion, std::string_view date);

    void handedOver(std::int64_t micros, const GameEvent& event) override;
    // A run stopped by `end` stops its replay there too.
    void runStopped(std::int64_t micros) override;

    // Whether any match was started: a recording without one holds nothing to watch.
    bool startedAMatch() const { return startedAMatch_; }

private:
    void write(std::int64_t micros, const GameEvent& event);

    std::ostream& out_;
    std::string line_;
    bool startedAMatch_ = false;
};

} // namespace gloob
