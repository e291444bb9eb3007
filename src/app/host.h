// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "clock.h"
#include "scene/scene.h"

#include <string_view>

namespace gloob {

struct TwipRect {
    float left, top, width, height;
};

// What the window needs from the front end that shows it: the Qt window, or
// the headless simulator.
class Host {
public:
    virtual ~Host() = default;
    virtual Clock& clock() = 0;
    // Hands every input event that is waiting to the window's handlers.
    virtual void deliverPendingInput() = 0;
    // A modal message box with one OK button; returns when it is closed.
    virtual void showMessage(std::string_view text) = 0;
    // The part of the screen windows may use, and the window's outer size with
    // frame, caption and menu bar, in twips.
    virtual TwipRect availableScreen() = 0;
    virtual TwipRect windowOuterFrame() = 0;
    virtual void moveWindow(float leftTwips, float topTwips) = 0;
    // Ends the program. A host that returns from it has its handlers unwound
    // by ProgramEnded.
    virtual void endProgram() = 0;
    // After each pump of the paced wait: its input and its timers.
    virtual void pumped() {}
    // Called as each timer handler starts and after it returns.
    virtual void timerEntered(TimerId /*timer*/) {}
    virtual void timerHandled(TimerId /*timer*/) {}
};

// Thrown through every running handler when the program ends, so that no
// handler goes on after Exit.
struct ProgramEnded {};

} // namespace gloob
