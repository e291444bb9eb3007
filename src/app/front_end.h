// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

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
    // After every delivery point: a heartbeat, or a pump inside a wait.
    virtual void deliveryPointDone(bool insideWait) { (void)insideWait; }
    // Time stood still while a box was open, here or on the other machine:
    // play goes on from now.
    virtual void clockStoodStill() {}
};

} // namespace gloob
