// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "game_snapshot.h"
#include "host.h"

#include <cstdint>

namespace gloob {

class Engine;

// What the engine needs from a front end (the window on the desktop, the
// headless one, or one that plays online around either): its desktop, the
// input that has arrived, and the real clock to keep pace with.
class FrontEnd : public Desktop {
public:
    // Posts the input that has arrived by now to the engine, in arrival order.
    virtual void collectInput(Engine& engine) = 0;
    // Returns once the real clock has caught up with this virtual time; a
    // front end without a real clock returns at once.
    virtual void paceTo(std::int64_t virtualMicros) = 0;
    // Before every step of the main loop, between two steps: the one place
    // where the game can be kept to be played again.
    virtual void stepStarting(Engine& engine) { (void)engine; }
    // After every delivery point: a heartbeat, or a pump inside a wait.
    virtual void deliveryPointDone(bool insideWait) { (void)insideWait; }
    // Time stood still while a box was open, here or on the other machine:
    // play goes on from now.
    virtual void clockStoodStill() {}
};

// Thrown from a front end's input when input that came late shows the game
// went wrong after `from`: the engine unwinds every handler, goes back there
// and plays the steps again, without pause and unheard, until it is past
// `upTo`, where the front end was when it found out.
struct Rewind {
    GameSnapshot from;
    std::int64_t upTo = 0;
};

} // namespace gloob
