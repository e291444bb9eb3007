// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "computer_player.h"

#include "lookahead.h"
#include "match/keys.h"
#include "person.h"
#include "planner.h"

#include <algorithm>

namespace gloob::bot {

namespace {

// Steps of the ball right after a contact, before any ball-arc tick: a
// player's plain and jumping hits, and the top of the net.
bool freshlyStruck(std::int16_t speedY) {
    return speedY == steps::hit || speedY == steps::jumpingHit || speedY == steps::netBounce;
}
bool struckAndPulled(std::int16_t speedY) {
    return freshlyStruck(static_cast<std::int16_t>(speedY - steps::ballGravity));
}

} // namespace

ComputerPlayer::ComputerPlayer(int side, BotStrength strength, std::uint32_t seed)
    : side_(side == 2 ? 2 : 1), strength_(strength), profile_(profileOf(strength)),
      random_(std::uint64_t{seed} * 2 + static_cast<std::uint64_t>(side_)),
      leftKey_(side_ == 1 ? keys::left : keys::a), rightKey_(side_ == 1 ? keys::right : keys::d),
      jumpKey_(side_ == 1 ? keys::up : keys::w) {}

ComputerPlayer::~ComputerPlayer() = default;
ComputerPlayer::ComputerPlayer(ComputerPlayer&&) noexcept = default;
ComputerPlayer& ComputerPlayer::operator=(ComputerPlayer&&) noexcept = default;

std::vector<KeyEvent> ComputerPlayer::decide(const Scene& scene, const MatchState& state) {
    if (profile_.lookaheadLines > 0) {
        return searchOn(scene, state);
    }
    std::vector<KeyEvent> keys;
    ++heartbeat_;
    if (!planner_) {
        planner_ = std::make_unique<Planner>(scene, side_);
    }
    memory_.push_back(Sighting::of(scene, state));
    moves_.push_back(memory_.back().bodies[static_cast<std::size_t>(side_ - 1)]);
    if (memory_.size() > static_cast<std::size_t>(profile_.reactionDelay) + 2) {
        memory_.erase(memory_.begin());
        moves_.erase(moves_.begin());
    }
    const Sighting& current = memory_.back();
    if (!current.inPlay) {
        direction_.letGo(keys);
        plan_.reset();
        return keys;
    }
    learnBallTimer();
    replan(current);
    steer(current, keys);
    return keys;
}

// It plays each line of aims out against a person who only keeps the ball
// in play, and chooses as late as its strength reacts to the opponent's touch.
std::vector<KeyEvent> ComputerPlayer::searchOn(const Scene& scene, const MatchState& state) {
    if (!lookahead_) {
        const LineSearch search{.randomLines = profile_.lookaheadLines,
                                .rememberWins = true,
                                .firstSafeAim = true,
                                .widenLongRallies = true,
                                .heldBallLoses = true};
        lookahead_ = std::make_unique<Lookahead<Person, SplitMixDraws>>(
            scene, side_, Person(Court::of(scene, 3 - side_)), search,
            SplitMixDraws(random_.next()), profile_.reactionDelay);
        lookahead_->standInTheMiddle();
    }
    const Sighting now = Sighting::of(scene, state);
    std::vector<KeyEvent> keys;
    // Before the first serve and after the match it stands still, as a person does.
    if (!now.inPlay) {
        lookahead_->letGo(keys);
        return keys;
    }
    return lookahead_->decideOn(now);
}

const Sighting& ComputerPlayer::seenAgo(int heartbeats) const {
    const auto newest = static_cast<int>(memory_.size()) - 1;
    return memory_[static_cast<std::size_t>(std::max(newest - heartbeats, 0))];
}

// The ball-arc timer fires every second heartbeat, at a phase no player
// sees; it shows in the ball's vertical step while an arc runs. A point's
// pause may shift it, so it is learnt again and again.
void ComputerPlayer::learnBallTimer() {
    const int ago = profile_.reactionDelay;
    if (static_cast<int>(memory_.size()) < ago + 2) {
        return;
    }
    const BallState& before = seenAgo(ago + 1).ball;
    const Sighting& afterSighting = seenAgo(ago);
    const BallState& after = afterSighting.ball;
    if (seenAgo(ago + 1).player1Score != afterSighting.player1Score ||
        seenAgo(ago + 1).player2Score != afterSighting.player2Score) {
        return;
    }
    int ticked = -1; // did the ball-arc timer fire in the heartbeat between the two?
    if (after.arcRunning != 0 && freshlyStruck(after.speedY)) {
        ticked = 0;
    } else if (before.arcRunning != 0 && after.arcRunning == 0) {
        ticked = 1; // only the ball-arc timer ends an arc
    } else if (after.arcRunning != 0 && before.arcRunning != 0 && after.speedY == before.speedY) {
        ticked = 0;
    } else if (after.arcRunning != 0 &&
               (struckAndPulled(after.speedY) ||
                (before.arcRunning != 0 && after.speedY == before.speedY + 10))) {
        ticked = 1;
    }
    if (ticked >= 0) {
        const std::int64_t between = heartbeat_ - ago - 1;
        ballTickParity_ = static_cast<int>((between + (ticked != 0 ? 0 : 1)) & 1);
    }
}

// It plans again when the ball it sees is not the ball it expected, which
// it notices only as late as it sees; and at once after a touch of its own:
// what the ball has done since follows from what it saw and what its own
// body did, unless the opponent touched it in between, which it will see.
void ComputerPlayer::replan(const Sighting& current) {
    const int ago = std::min(profile_.reactionDelay, static_cast<int>(memory_.size()) - 1);
    const Sighting& seen = seenAgo(ago);
    const std::int64_t seenAt = heartbeat_ - ago;
    if (!seen.inPlay) {
        plan_.reset();
        return;
    }
    if (!plan_ || !plan_->expected.covers(seenAt) ||
        !(plan_->expected.beforeAt(seenAt) == seen.ball)) {
        makePlan(seen, seenAt, current);
        return;
    }
    if (plan_->meetsBall && heartbeat_ > plan_->contactAt) {
        const std::vector<BodyState> since(moves_.end() - ago - 1, moves_.end() - 1);
        std::optional<Trajectory> sofar = planner_->replay(seen, seenAt, since, ballTickParity_);
        if (!sofar) {
            return; // not touched yet: it stays where it meant to meet the ball
        }
        Sighting foreseen = seen;
        foreseen.ball = sofar->before.back();
        sofar->before.pop_back();
        makePlan(foreseen, heartbeat_, current);
        // What it worked out up to now still stands against what it will see.
        plan_->expected.before.insert(plan_->expected.before.begin(), sofar->before.begin(),
                                      sofar->before.end());
        plan_->expected.start = sofar->start;
    }
}

void ComputerPlayer::makePlan(const Sighting& seen, std::int64_t seenAt, const Sighting& current) {
    const bool tryJumps = random_.uniform() < profile_.jumpChance;
    aimError_ = static_cast<float>(profile_.aimError * random_.triangular());
    const bool seekWinners = random_.uniform() < profile_.winnerChance;
    const PlanRequest request{seen,
                              seenAt,
                              current.bodies[static_cast<std::size_t>(side_ - 1)],
                              heartbeat_,
                              ballTickParity_,
                              tryJumps,
                              seekWinners,
                              random_.uniform(),
                              profile_.aimError};
    plan_ = std::make_unique<Plan>(planner_->plan(request));
}

void ComputerPlayer::steer(const Sighting& current, std::vector<KeyEvent>& keys) {
    const BodyState& me = current.bodies[static_cast<std::size_t>(side_ - 1)];
    const Court& court = planner_->court();
    float target = (court.minLeft + court.maxLeft) / 2;
    if (plan_) {
        target = plan_->target + (plan_->meetsBall ? aimError_ : 0.0f);
    }
    const std::int16_t step = stepToward(court, me.left, target);
    const std::int16_t wanted = step < 0 ? leftKey_ : step > 0 ? rightKey_ : std::int16_t{0};
    direction_.hold(wanted, me.speedX != step, keys);
    BodyState& moved = moves_.back();
    moved.speedX = step;
    if (plan_ && plan_->jumpAt == heartbeat_ && me.jumping == 0) {
        keys.push_back({true, jumpKey_, 0});
        keys.push_back({false, jumpKey_, 0});
        moved.jumping = True16;
        moved.jumpSpeed = steps::jumpStart;
    }
}

AutopilotMaker computerPlayers() {
    return [](int side, BotStrength strength, std::uint32_t seed) -> std::unique_ptr<Autopilot> {
        return std::make_unique<ComputerPlayer>(side, strength, seed);
    };
}

} // namespace gloob::bot
