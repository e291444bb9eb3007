// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "foresight.h"

#include "match/int16_arith.h"

namespace gloob::bot {

Foresight::Foresight(const Scene& court)
    : scene_(court), compositor_(scene_, text_, pictures_), match_(scene_, state_, serve_, *this),
      baseDrop_(court.shpBase1.Top - court.shpGloob1.Top) {
    // Probes look only at the bodies and the posts, from below the ceiling:
    // what is drawn above the ceiling's underside, the black labels and the
    // pictures at the bottom of the stack never change what they find, and
    // hiding them spares the colour query its walk past them.
    scene_.imgMountain.Visible = false;
    scene_.imgBeach.Visible = false;
    scene_.lblPlayer1Score.Visible = false;
    scene_.lblPlayer2Score.Visible = false;
    scene_.lblGameOver.Visible = false;
    scene_.Shape1.Visible = false;
    scene_.shpTop.Visible = false;
    // A jump ends where the body stood when the window was made; without
    // these the copy would end every jump after its first tick.
    state_.player1HomeTop = toInt16(court.shpGloob1.Top);
    state_.player2HomeTop = toInt16(court.shpGloob2.Top);
    // Only the ball and the players move on the copy; a label the rules
    // show on it draws nothing there.
    compositor_.holdStillAllBut({&Scene::shpBall, &Scene::shpGloob1, &Scene::shpBase1,
                                 &Scene::shpGloob2, &Scene::shpBase2});
}

void Foresight::load(const Sighting& seen) {
    setBall(seen.ball);
    scene_.shpBall.Visible = true;
    for (int side : {1, 2}) {
        BodyState body = seen.bodies[static_cast<std::size_t>(side - 1)];
        body.speedX = 0;
        placeBody(side, body);
        hideBody(side);
    }
    state_.player1Score = scoresAtLoad_[0] = seen.player1Score;
    state_.player2Score = scoresAtLoad_[1] = seen.player2Score;
    // Never a game over inside the foresight: it stops at the first point.
    state_.ballsPerGame = 0;
}

void Foresight::setBall(const BallState& ball) {
    scene_.shpBall.Left = ball.left;
    scene_.shpBall.Top = ball.top;
    state_.ballSpeedX = ball.speedX;
    state_.ballSpeedY = ball.speedY;
    state_.ballArcRunning = ball.arcRunning;
    state_.ballArcLimit = ball.arcLimit;
}

void Foresight::rewind(const BallState& ball) {
    setBall(ball);
    state_.player1Score = scoresAtLoad_[0];
    state_.player2Score = scoresAtLoad_[1];
}

BallState Foresight::ball() const {
    return {scene_.shpBall.Left, scene_.shpBall.Top,    state_.ballSpeedX,
            state_.ballSpeedY,   state_.ballArcRunning, state_.ballArcLimit};
}

void Foresight::placeBody(int side, const BodyState& body) {
    Shape& shape = bodyShape(side);
    Shape& base = baseShape(side);
    shape.Left = base.Left = body.left;
    shape.Top = body.top;
    base.Top = body.top + baseDrop_;
    shape.Visible = base.Visible = true;
    if (side == 1) {
        state_.player1SpeedX = state_.player1BaseSpeedX = body.speedX;
        state_.player1Jumping = body.jumping;
        state_.player1JumpSpeed = body.jumpSpeed;
    } else {
        state_.player2SpeedX = state_.player2BaseSpeedX = body.speedX;
        state_.player2Jumping = body.jumping;
        state_.player2JumpSpeed = body.jumpSpeed;
    }
}

BodyState Foresight::body(int side) const {
    if (side == 1) {
        return {scene_.shpGloob1.Left, scene_.shpGloob1.Top, state_.player1SpeedX,
                state_.player1Jumping, state_.player1JumpSpeed};
    }
    return {scene_.shpGloob2.Left, scene_.shpGloob2.Top, state_.player2SpeedX,
            state_.player2Jumping, state_.player2JumpSpeed};
}

bool Foresight::ballRestsOn(int side) const {
    const Shape& ball = scene_.shpBall;
    const Shape& body = side == 1 ? scene_.shpGloob1 : scene_.shpGloob2;
    return state_.ballArcRunning != 0 && ball.Top + ball.Height == body.Top &&
           state_.ballArcLimit == toInt16(ball.Top);
}

void Foresight::hideBody(int side) {
    // A hidden body is not drawn, so no probe finds it; its base goes with it.
    bodyShape(side).Visible = false;
    baseShape(side).Visible = false;
}

void Foresight::otherTimers(bool ballTickDue) {
    if (ballTickDue) {
        match_.tmrBall_Timer();
    }
    match_.tmrJump1_Timer();
    match_.tmrJump2_Timer();
}

int Foresight::scorer() const {
    if (state_.player1Score != scoresAtLoad_[0]) {
        return 1;
    }
    return state_.player2Score != scoresAtLoad_[1] ? 2 : 0;
}

} // namespace gloob::bot
