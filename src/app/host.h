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

// The window's place on the desktop: the screen it is shown on, its frame,
// its message boxes and the program's end. The Qt window, the headless front
// end and the tests each give their own.
class Desktop {
public:
    virtual ~Desktop() = default;
    // A modal message box with one OK button; returns when it is closed.
    virtual void showMessage(std::string_view text) = 0;
    // The part of the screen windows may use, and the window's outer size with
    // frame, caption and menu bar, in twips.
    virtual TwipRect availableScreen() = 0;
    virtual TwipRect windowOuterFrame() = 0;
    virtual void moveWindow(float leftTwips, float topTwips) = 0;
    // Ends the program. One that returns has the handlers unwound by RunEnded.
    virtual void endProgram() = 0;
};

// What the window needs from what runs it (the engine, or a test's fake):
// its clock, the input waiting for a pump, and word of every timer handler.
class Host : public Desktop {
public:
    virtual Clock& clock() = 0;
    // Hands every input event that is waiting to the window's handlers.
    virtual void deliverPendingInput() = 0;
    // After each pump of the paced wait: its input and its timers.
    virtual void pumped() {}
    // Called as each timer handler starts and after it returns.
    virtual void timerEntered(TimerId /*timer*/) {}
    virtual void timerHandled(TimerId /*timer*/) {}
};

// Thrown through every running handler when a run ends, so that no handler
// goes on after it.
struct RunEnded {
    enum class Reason {
        // A script's `end`, a replay's last event, or a front end that stops the game.
        stopped,
        // Exit: the program ends.
        programEnded,
    };
    Reason reason;
};

} // namespace gloob
