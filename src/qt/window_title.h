// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <QString>

#include <cstdint>
#include <string>

namespace gloob {

// What the window shows when it is not the players' game itself.
struct WindowState {
    bool replay = false;
    // How far the replay has come, and how long it is, from its first Play!.
    std::int64_t replayMicros = 0;
    std::int64_t replayLengthMicros = 0;
    int speed = 1;
    bool paused = false;
    bool online = false;
    // What online play says of itself, if anything.
    QString onlineText;
};

// The game's caption, and what the window shows beyond it.
QString windowTitle(const std::string& caption, const WindowState& state);

} // namespace gloob
