// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "scene/colour.h"
#include "scene/scene.h"

#include <cstdint>

namespace gloob {

// What the rules of play need from the window around them.
class WindowServices {
public:
    virtual ~WindowServices() = default;
    // Colour of the drawn window at a point in twips, with every write so far visible.
    virtual Colour Point(float x, float y) const = 0;
    // The paced wait: pauses while handing pending events to their handlers.
    virtual void Wait(std::int32_t inMilliseconds) = 0;
    // Writes a timer's Interval; a value above 0 also makes it due that long from now.
    virtual void setInterval(TimerId timer, std::int32_t milliseconds) = 0;
};

} // namespace gloob
