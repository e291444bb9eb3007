// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/game_event.h"
#include "scene/scene.h"

#include <functional>

class QPushButton;

namespace gloob {

class CourtView;

// Play! and Exit, drawn on the court where the game places them; a click is
// the game's input like a key.
class CourtButtons {
public:
    using Clicked = std::function<void(const GameEvent&)>;

    CourtButtons(CourtView& court, const Scene& scene, Clicked clicked);

    QPushButton* play() const { return play_; }
    QPushButton* exit() const { return exit_; }
    // Shown or hidden as the game has them; `active` says the window has the keyboard.
    void show(const Scene& scene, bool active);

private:
    QPushButton* make(CourtView& court, const PushButton& control, EventKind click);

    Clicked clicked_;
    QPushButton* play_;
    QPushButton* exit_;
};

} // namespace gloob
