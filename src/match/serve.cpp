// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "serve.h"

#include "steps.h"

namespace gloob {

std::int16_t nextServer(const ServeState& serve, std::int16_t scorer) {
    switch (serve.rule) {
    case ServeRule::loser:
        return scorer == 1 ? 2 : 1;
    case ServeRule::alternate:
        return serve.server == 1 ? 2 : 1;
    case ServeRule::player1:
        break;
    }
    return 1;
}

float serveLeft(const Scene& scene, const MatchState& state, std::int16_t server) {
    if (server == 1) {
        return state.ballHomeLeft;
    }
    // Player 1's serve flies to the right wall and comes down beside player 1,
    // on the net's side. Player 2 stands farther from its wall, so its ball
    // starts that much nearer to it: then it bounces and comes down beside
    // player 2 just as player 1's does beside player 1.
    const float rightWall = scene.shpRight.Left;
    const float leftWall = scene.shpLeft.Left + scene.shpLeft.Width;
    const float ballFromWall1 = rightWall - (state.ballHomeLeft + scene.shpBall.Width);
    const float player1FromWall = rightWall - (state.player1HomeLeft + scene.shpGloob1.Width);
    const float player2FromWall = state.player2HomeLeft - leftWall;
    return leftWall + ballFromWall1 - (player2FromWall - player1FromWall);
}

std::int16_t serveStepX(std::int16_t server) {
    return server == 1 ? steps::serveX : static_cast<std::int16_t>(-steps::serveX);
}

} // namespace gloob
