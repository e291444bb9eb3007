// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "match/match.h"
#include "scene/compositor.h"
#include "sighting.h"

#include <cstdint>

namespace gloob::bot {

// Labels are drawn in black and never hide a body or a post, so the
// foresight's copy of the court needs no text.
class NoText final : public TextRasteriser {
public:
    GlyphMask rasterise(std::string_view, const Font&, int, int) const override { return {}; }
};

// The game's own rules run forward on a private copy of the court. Labels
// and pictures never carry a player's or a post's colour, so the copy draws
// neither and its probes see exactly what the game's probes would.
class Foresight final : private WindowServices {
public:
    explicit Foresight(const Scene& court);
    Foresight(const Foresight&) = delete;
    Foresight& operator=(const Foresight&) = delete;

    // Puts what was seen onto the copy, with both bodies hidden and still.
    void load(const Sighting& seen);
    // Puts the ball back to a state seen earlier in the same rally, with the
    // scores as they were at the load.
    void rewind(const BallState& ball);
    BallState ball() const;
    // Shows a side's body (1 or 2) at a place, with its step and jump.
    void placeBody(int side, const BodyState& body);
    BodyState body(int side) const;
    void hideBody(int side);
    // The last main tick put the ball on this side's body: it lies on the
    // body's top at the start of a new arc.
    bool ballRestsOn(int side) const;

    // A heartbeat of the game's timers is the main tick, then the other
    // timers in the scheduler's order: the ball arc when it is due, both jumps.
    void mainTick() { match_.tmrMain_Timer(); }
    void otherTimers(bool ballTickDue);

    // A floor test gave a point since the last load: 1 or 2 for the scorer, else 0.
    int scorer() const;

private:
    void setBall(const BallState& ball);
    Colour Point(float x, float y) const override { return compositor_.Point(x, y); }
    void Wait(std::int32_t) override {}
    void setInterval(TimerId, std::int32_t) override {}

    Shape& bodyShape(int side) { return side == 1 ? scene_.shpGloob1 : scene_.shpGloob2; }
    Shape& baseShape(int side) { return side == 1 ? scene_.shpBase1 : scene_.shpBase2; }

    Scene scene_;
    MatchState state_;
    ServeState serve_;
    NoText text_;
    Pictures pictures_;
    Compositor compositor_;
    Match match_;
    // How far a base hangs below its body.
    float baseDrop_;
    std::int16_t scoresAtLoad_[2] = {0, 0};
};

} // namespace gloob::bot
