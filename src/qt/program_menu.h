// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/autopilot.h"

#include <array>
#include <functional>
#include <string>

class QMenu;
class QWidget;

namespace gloob {

class Engine;

// Options > Players > Program...: a side played by a program of the player's
// own, chosen for this run of the game. Choosing it hands over `chosen`; a
// side's other choices forget it.
class ProgramMenu {
public:
    ProgramMenu(QMenu& players, QWidget& window, std::function<void()> chosen);

    // The command line playing a side, empty for none.
    const std::string& commandOf(int side) const { return commands_[side == 1 ? 0 : 1]; }
    void forget(int side) { commands_[side == 1 ? 0 : 1].clear(); }
    // Puts each side that has a program under it at the next delivery point.
    void seat(Engine& engine) const;
    // How the engine starts them; a program that is dropped says why in a
    // box that does not stop the game, and on standard error.
    ProgramMaker maker(Engine& engine);

private:
    QWidget& window_;
    std::array<std::string, 2> commands_;
    std::function<void()> chosen_;
};

} // namespace gloob
