// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <cstdint>
#include <optional>
#include <string>

namespace gloob {

// What the command line asks of the window.
struct LaunchOptions {
    std::string tracePath;  // the trace of the first session, in gloob-sim's format
    std::string recordPath; // the recording of the first session
    // Without recordPath: record every session into the replays folder.
    bool keepRecordings = false;
    std::string replayPath; // a recording to watch at once
    // Read the player's choices at start and keep them as they change.
    bool useSettings = false;
    // Let game pads play.
    bool usePads = false;
    // Play the game's sound effects.
    bool useSound = false;
    // Host an online match on this UDP port, or join the one at this address.
    std::optional<std::uint16_t> hostPort;
    std::string joinAddress;
    // Open the lobby's window at start, signed in to this server.
    std::string lobbyAddress;

    bool launchesOnline() const { return hostPort.has_value() || !joinAddress.empty(); }
};

} // namespace gloob
