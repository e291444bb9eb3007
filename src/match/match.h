// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "match_state.h"
#include "scene/scene.h"
#include "serve.h"
#include "window_services.h"

#include <cstdint>

namespace gloob {

// Every rule of play: the key handlers, the jump and ball-arc timers, the
// main tick with its sections, match start, scoring and game over. It holds no
// state of its own: positions live in the scene's shapes, the rest in MatchState
// and, for who serves, in ServeState.
class Match {
public:
    Match(Scene& scene, MatchState& state, ServeState& serve, WindowServices& window);

    void Form_KeyDown(std::int16_t keyCode, std::int16_t shift);
    void Form_KeyUp(std::int16_t keyCode, std::int16_t shift);
    // Every horizontal step to 0, as any key release does.
    void stopPlayers();

    void tmrJump1_Timer();
    void tmrJump2_Timer();
    void tmrBall_Timer();
    void tmrMain_Timer();
    void cmdPlay_Click();

    // The main tick's sections, in the order the tick runs them.
    void ballFlightAndRebounds();
    void playerMovementAndLimits();
    void ballAndPlayerContact();
    void ballAndNetContact();
    void floorTestPointForPlayer2();
    void floorTestPointForPlayer1();

    // The pause before each serve.
    static constexpr std::int32_t pauseMilliseconds = 2000;

private:
    void jumpTick(Shape& body, Shape& base, std::int16_t& jumping, std::int16_t& jumpSpeed,
                  std::int16_t homeTop);
    void startBallArc(std::int16_t upwardStep);
    void playOutPoint(std::int16_t scorer, std::int16_t& scorerScore, Label& scorerLabel);
    float middleOfNet() const;

    Scene& scene_;
    MatchState& state_;
    ServeState& serve_;
    WindowServices& window_;
};

} // namespace gloob
