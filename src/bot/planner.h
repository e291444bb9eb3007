// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "court.h"
#include "foresight.h"
#include "opponent.h"
#include "sighting.h"

#include <cstdint>
#include <optional>
#include <vector>

namespace gloob::bot {

// Where the ball goes, heartbeat by heartbeat.
struct Trajectory {
    std::int64_t start = 0;           // the heartbeat at whose start before[0] was seen
    std::vector<BallState> before;    // the ball at the start of each heartbeat
    std::vector<BallState> afterMain; // the ball right after that heartbeat's main tick, while
                                      // planning

    std::int64_t end() const { return start + static_cast<std::int64_t>(before.size()); }
    bool covers(std::int64_t heartbeat) const { return heartbeat >= start && heartbeat < end(); }
    const BallState& beforeAt(std::int64_t heartbeat) const {
        return before[static_cast<std::size_t>(heartbeat - start)];
    }
    const BallState& afterMainAt(std::int64_t heartbeat) const {
        return afterMain[static_cast<std::size_t>(heartbeat - start)];
    }
};

// What the computer player means to do until the ball does something it did
// not foresee.
struct Plan {
    // The ball it expects: as foreseen up to its own touch, then as it means
    // to send it, until the ball comes down.
    Trajectory expected;
    float target = 0;            // the Left it walks its body to
    std::int64_t jumpAt = -1;    // the heartbeat at which it presses the jump key
    bool meetsBall = false;      // it found a place where its body meets the ball
    std::int64_t contactAt = -1; // the heartbeat of that touch
};

// How a plan is made: the ball seen some heartbeats ago, the own body now.
struct PlanRequest {
    const Sighting& seen;
    std::int64_t seenAt;
    BodyState me;
    std::int64_t now;
    int ballTickParity; // the ball-arc timer fires at heartbeats of this parity
    bool tryJumps;
    // It looks for shots the opponent cannot return, and among the shots
    // about as good as the best it takes the one this share of the way
    // through them, so that the same ball is not always answered alike.
    bool seekWinners = false;
    double choice = 0;
    double aimError = 0; // the most its aim strays, in twips
};

// How likely its aim ends where it means to stand, and a step off either way.
struct AimSpread {
    double onTarget = 1;
    double stepOff = 0;
    static AimSpread of(double aimError);
};

// Finds where to stand, and when to jump, to send the ball where the
// opponent will hardly reach it. Every candidate is tried with the game's
// own rules on the foresight, so what it expects is what the game will do
// (as long as the ball and the opponent do what it foresaw).
class Planner {
public:
    Planner(const Scene& court, int side);

    Plan plan(const PlanRequest& request);
    // Follows the ball from a sighting, as if nobody touched it, until a
    // point or the horizon.
    Trajectory foresee(const Sighting& seen, std::int64_t seenAt, int ballTickParity);
    // The ball from a sighting on, with its own body where it was in each
    // heartbeat since: the ball at the start of each of them and of the
    // next; nothing if the body did not touch it.
    std::optional<Trajectory> replay(const Sighting& seen, std::int64_t seenAt,
                                     const std::vector<BodyState>& bodies, int ballTickParity);

    const Court& court() const { return court_; }

private:
    struct Reach;
    struct Meeting;
    struct Flight;
    struct Candidate;
    struct KnownFlight;
    struct Places;

    Trajectory foreseeFrom(const BallState& ball, std::int64_t at, int heartbeats);
    Reach reachOf(const Trajectory& trajectory, std::int64_t from, float highest) const;
    Meeting meet(const Trajectory& trajectory, const Reach& reach, const BodyState& me,
                 std::int64_t now, float target, std::int64_t jumpAt);
    Flight follow(std::int64_t contactAt, bool bodyStays, std::vector<BallState>* path = nullptr);
    double attackValue(const Flight& flight, const PlanRequest& request) const;
    double shotValue(std::int64_t contactAt, const BallState& after, const Flight& flight,
                     const PlanRequest& request);
    double secondTouch(const Flight& flight, const PlanRequest& request);
    double flightValue(std::int64_t contactAt, const Flight& flight,
                       const PlanRequest& request) const;
    static double readiness(const Meeting& meeting);
    Places standingPlaces(const Trajectory& trajectory, const Reach& reach,
                          const PlanRequest& request);
    void weighSets(Places& places, const PlanRequest& request);
    void addJumps(const Places& places, const Trajectory& trajectory, const Reach& reach,
                  const PlanRequest& request, std::vector<Candidate>& candidates);
    bool ballTickDue(std::int64_t heartbeat) const { return (heartbeat & 1) == parity_; }
    float readyLeft() const { return (court_.minLeft + court_.maxLeft) / 2; }

    Court court_;
    Foresight foresight_;
    Opponent opponent_;
    JumpArc jumpArc_{};
    int parity_ = 0;
};

} // namespace gloob::bot
