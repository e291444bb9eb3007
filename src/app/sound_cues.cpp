// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "sound_cues.h"

#include "match/steps.h"
#include "match/strike.h"
#include "scene/colour.h"

#include <algorithm>

namespace gloob {

namespace {

struct CueNames {
    Cue cue;
    std::string_view name;
    std::string_view effect;
};
constexpr std::array<CueNames, allCues.size()> cueNames{{
    {Cue::serve, "serve", "serve"},
    {Cue::jump, "jump", "jump"},
    {Cue::hit, "hit", "hit"},
    {Cue::jumpHit, "jumpHit", "jump-hit"},
    {Cue::wall, "wall", "wall"},
    {Cue::ceiling, "ceiling", "wall"},
    {Cue::netPost, "netPost", "net-post"},
    {Cue::netTop, "netTop", "net-top"},
    {Cue::point, "point", "point"},
    {Cue::gameOver, "gameOver", "game-over"},
}};

const CueNames& namesOf(Cue cue) {
    return cueNames[static_cast<std::size_t>(cue)];
}

bool startedJump(std::int16_t before, std::int16_t after) {
    return before == 0 && after != 0;
}

void addBallCues(const SoundCues::Snapshot& before, const SoundCues::Snapshot& after,
                 SoundCues::NetProbes lastMainTick, const Scene& court, std::vector<Cue>& cues) {
    const Shape& ball = after.ball;
    const MatchState& was = before.state;
    bool leftHome = false;
    for (const std::int16_t server : {1, 2}) {
        leftHome = leftHome || (before.ball.Left == serveLeft(court, was, server) &&
                                was.ballSpeedX == serveStepX(server));
    }
    leftHome = leftHome && before.ball.Top == was.ballHomeTop && was.ballSpeedY == steps::serveY &&
               ball.Left != before.ball.Left;
    if (leftHome) {
        cues.push_back(Cue::serve);
    }
    const Striker striker = ballJustStruck(after.state, ball, after.body1, after.body2);
    if (striker == Striker::player1 || striker == Striker::player2) {
        const std::int16_t jumping =
            striker == Striker::player1 ? after.state.player1Jumping : after.state.player2Jumping;
        cues.push_back(jumping != 0 ? Cue::jumpHit : Cue::hit);
    }
    if (striker != Striker::none) {
        if (after.net.underside && !lastMainTick.underside) {
            cues.push_back(Cue::netTop);
        }
    }
    // A rebound leaves the ball exactly on the boundary, and nothing else does.
    if (ball.Left == court.shpLeft.Left + court.shpLeft.Width ||
        ball.Left + ball.Width == court.shpRight.Left) {
        cues.push_back(Cue::wall);
    }
    if (ball.Top == court.shpTop.Top + court.shpTop.Height) {
        cues.push_back(Cue::ceiling);
    }
    if (after.net.side && !lastMainTick.side) {
        cues.push_back(Cue::netPost);
    }
}

} // namespace

std::string_view effectOf(Cue cue) {
    return namesOf(cue).effect;
}

std::string_view cueName(Cue cue) {
    return namesOf(cue).name;
}

// The points the net's probes read, as the main tick reads them.
SoundCues::Snapshot SoundCues::take(const FrmGloob& frm) {
    const Scene& scene = frm.scene;
    const Shape& ball = scene.shpBall;
    const float middleHeight = ball.Top + ball.Height / 2.0f;
    const bool side = frm.Point(ball.Left, middleHeight) == colours::navy ||
                      frm.Point(ball.Left + ball.Width, middleHeight) == colours::teal;
    const Colour under = frm.Point(ball.Left + ball.Width / 2.0f, ball.Top + ball.Height);
    const bool underside = under == colours::teal || under == colours::navy;
    return {frm.state,        ball, scene.shpGloob1, scene.shpGloob2, scene.lblGameOver.Visible,
            {side, underside}};
}

std::vector<Cue> SoundCues::cuesBetween(const Handler& handler, const Snapshot& before,
                                        const Snapshot& after, NetProbes lastMainTick,
                                        const Scene& court) {
    std::vector<Cue> cues;
    const MatchState& was = before.state;
    const MatchState& is = after.state;
    // Only the main tick moves the ball sideways and finds its contacts.
    if (handler.isMainTick()) {
        addBallCues(before, after, lastMainTick, court, cues);
    }
    if (startedJump(was.player1Jumping, is.player1Jumping) ||
        startedJump(was.player2Jumping, is.player2Jumping)) {
        cues.push_back(Cue::jump);
    }
    if (is.player1Score > was.player1Score || is.player2Score > was.player2Score) {
        cues.push_back(Cue::point);
    }
    if (after.gameOverShown && !before.gameOverShown) {
        cues.push_back(Cue::gameOver);
    }
    std::sort(cues.begin(), cues.end());
    return cues;
}

void SoundCues::handlerStarting(std::int64_t /*micros*/, const FrmGloob& frm) {
    const Snapshot now = take(frm);
    if (!open_.empty()) {
        Open& waiting = open_.back();
        waiting.stretches.emplace_back(waiting.since, now);
    }
    open_.push_back({now, {}});
}

void SoundCues::handlerReturned(std::int64_t micros, const Handler& handler, const FrmGloob& frm) {
    // Watching began inside this handler: it has no start to compare with.
    if (open_.empty()) {
        return;
    }
    const Snapshot now = take(frm);
    Open done = std::move(open_.back());
    open_.pop_back();
    done.stretches.emplace_back(done.since, now);
    if (!open_.empty()) {
        open_.back().since = now;
    }
    const bool mainTick = handler.isMainTick();
    std::vector<Cue> cues;
    for (const auto& [before, after] : done.stretches) {
        const std::vector<Cue> found =
            cuesBetween(handler, before, after, lastMainTick_, frm.scene);
        cues.insert(cues.end(), found.begin(), found.end());
        if (mainTick) {
            lastMainTick_ = after.net;
        }
    }
    std::sort(cues.begin(), cues.end());
    cues.erase(std::unique(cues.begin(), cues.end()), cues.end());
    if (!cues.empty() && listener_) {
        listener_(micros, handler, cues);
    }
}

} // namespace gloob
