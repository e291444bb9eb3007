// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "planner.h"

#include "match/match_state.h"

#include <algorithm>
#include <cmath>
#include <optional>

namespace gloob::bot {

namespace {

// Long enough for the highest ball to come down.
constexpr int horizon = 400;
// How long a set to itself is followed before its second touch.
constexpr int secondTouchHorizon = 60;
// A probe point lies on the pixel row below the ball: a body that far off
// may still be found.
constexpr float pixelSlack = 15;
// A point the foresight sees for the player.
constexpr double certainPoint = 1500;
// Every strength keeps a margin from the edge of what works: it weighs a
// place as if its aim ended a step off either way at least one time in ten.
constexpr double mostOnTarget = 0.9;
// A set to itself is worth this share of the best shot it sets up; it is
// weighed only when no shot over the net is worth this much.
constexpr double setShare = 0.8;
constexpr double weakAttack = 900;
// A shot the foresight shows no person returning, below a point it sees
// for certain; and how close to the best shot another may be to be chosen.
constexpr double winner = 1400;
constexpr double choiceMargin = 30;
// What a shot that the opponent returns only from some places under it is
// worth beyond its flight, for each share of the places it is not returned from.
constexpr double likelyMiss = 300;

} // namespace

// Heartbeats in which the ball comes down within reach of the body.
struct Planner::Reach {
    std::int64_t first = 0;
    std::int64_t last = -1;
    bool empty() const { return last < first; }
};

struct Planner::Meeting {
    bool happens = false;
    std::int64_t at = 0;        // the heartbeat of the contact
    std::int64_t settledAt = 0; // the heartbeat from which the body stood at its target
};

struct Planner::Flight {
    int scorer = 0;            // a point the foresight saw, if any
    std::int64_t landsAt = -1; // the ball came down to a body's height
    float landingCentre = 0;
    bool landsOnMySide = false;
    BallState resume; // the ball at the start of the heartbeat after it landed
};

struct Planner::Candidate {
    float target;
    std::int64_t jumpAt;
    double value;
};

struct Planner::KnownFlight {
    std::int64_t at;
    BallState after;
    Flight flight;
    double value;
};

// The places the body can stand, and what a standing touch at each brings.
struct Planner::Places {
    std::vector<float> left;
    std::vector<double> value;           // 0 where the body misses the ball
    std::vector<std::int64_t> contactAt; // -1 where the body misses the ball
    std::vector<std::size_t> flight;     // index into flights
    std::vector<KnownFlight> flights;
    double bestAttack = 0; // the best shot over the net among them

    // A place is worth what the places its aim may end at are worth, as
    // likely as the aim is to end there.
    double expected(std::size_t i, double here, const AimSpread& aim) const;
};

Planner::Planner(const Scene& court, int side)
    : court_(Court::of(court, side)), foresight_(court), opponent_(court, 3 - court_.side) {
    // The jump arc, from the game's own jump timer.
    foresight_.placeBody(side, {court_.minLeft, court_.groundTop, 0, True16, steps::jumpStart});
    for (int tick = 1; tick <= jumpTicks; ++tick) {
        foresight_.otherTimers(false);
        jumpArc_[static_cast<std::size_t>(tick)] = court_.groundTop - foresight_.body(side).top;
    }
    foresight_.hideBody(side);
}

Trajectory Planner::foresee(const Sighting& seen, std::int64_t seenAt, int ballTickParity) {
    parity_ = ballTickParity;
    foresight_.load(seen);
    return foreseeFrom(seen.ball, seenAt, horizon);
}

std::optional<Trajectory> Planner::replay(const Sighting& seen, std::int64_t seenAt,
                                          const std::vector<BodyState>& bodies,
                                          int ballTickParity) {
    parity_ = ballTickParity;
    foresight_.load(seen);
    Trajectory trajectory;
    trajectory.start = seenAt;
    bool touched = false;
    for (std::size_t i = 0; i < bodies.size(); ++i) {
        trajectory.before.push_back(foresight_.ball());
        foresight_.placeBody(court_.side, bodies[i]);
        foresight_.mainTick();
        touched = touched || foresight_.ballRestsOn(court_.side);
        foresight_.otherTimers(ballTickDue(seenAt + static_cast<std::int64_t>(i)));
    }
    trajectory.before.push_back(foresight_.ball());
    foresight_.hideBody(court_.side);
    if (!touched) {
        return std::nullopt;
    }
    return trajectory;
}

Trajectory Planner::foreseeFrom(const BallState& ball, std::int64_t at, int heartbeats) {
    Trajectory trajectory;
    trajectory.start = at;
    trajectory.before.reserve(static_cast<std::size_t>(heartbeats));
    trajectory.afterMain.reserve(static_cast<std::size_t>(heartbeats));
    foresight_.rewind(ball);
    foresight_.hideBody(court_.side);
    for (std::int64_t heartbeat = at; heartbeat < at + heartbeats; ++heartbeat) {
        trajectory.before.push_back(foresight_.ball());
        foresight_.mainTick();
        trajectory.afterMain.push_back(foresight_.ball());
        if (foresight_.scorer() != 0) {
            break;
        }
        foresight_.otherTimers(ballTickDue(heartbeat));
    }
    return trajectory;
}

Planner::Reach Planner::reachOf(const Trajectory& trajectory, std::int64_t from,
                                float highest) const {
    Reach reach;
    const float lowest = court_.groundTop + court_.baseDrop + pixelSlack;
    for (std::int64_t heartbeat = std::max(from, trajectory.start); heartbeat < trajectory.end();
         ++heartbeat) {
        const BallState& ball = trajectory.afterMainAt(heartbeat);
        const float bottom = ball.top + court_.ballSize;
        // A rising ball has just been struck; the body meets it coming down.
        if (ball.speedY > 0 && bottom >= highest && bottom <= lowest &&
            ball.left + court_.ballSize >= court_.minLeft &&
            ball.left <= court_.maxLeft + court_.bodyWidth) {
            if (reach.empty()) {
                reach.first = heartbeat;
            }
            reach.last = heartbeat;
        }
    }
    return reach;
}

// Walks the body to the target, jumping at jumpAt, and finds the first
// heartbeat at which the game puts the ball on it. Only heartbeats in which
// the ball is near the body are played on the foresight.
Planner::Meeting Planner::meet(const Trajectory& trajectory, const Reach& reach,
                               const BodyState& me, std::int64_t now, float target,
                               std::int64_t jumpAt) {
    Meeting meeting;
    float left = me.left;
    // Jump ticks fire every heartbeat, so the jump's heartbeat tells its height.
    std::int64_t jumpStart = me.jumping != 0
                                 ? now - (me.jumpSpeed - steps::jumpStart) / steps::jumpGravity
                                 : now - jumpTicks - 1;
    bool settled = false;
    for (std::int64_t heartbeat = now; heartbeat <= reach.last; ++heartbeat) {
        std::int64_t ticksDone = heartbeat - jumpStart;
        if (heartbeat == jumpAt && ticksDone >= jumpTicks) {
            jumpStart = heartbeat;
            ticksDone = 0;
        }
        const bool inAir = ticksDone < jumpTicks;
        const float top = inAir ? court_.groundTop - jumpArc_[static_cast<std::size_t>(ticksDone)]
                                : court_.groundTop;
        const std::int16_t step = stepToward(court_, left, target);
        if (step == 0 && !settled) {
            settled = true;
            meeting.settledAt = heartbeat;
        }
        const float moved = court_.walk(left, step);
        const BallState& ball = trajectory.afterMainAt(heartbeat);
        const float bottom = ball.top + court_.ballSize;
        const bool near = heartbeat >= reach.first && bottom >= top - pixelSlack &&
                          bottom <= top + court_.baseDrop + pixelSlack &&
                          ball.left + court_.ballSize + pixelSlack >= moved &&
                          moved + court_.bodyWidth + pixelSlack >= ball.left;
        if (near) {
            foresight_.rewind(trajectory.beforeAt(heartbeat));
            const auto jumpSpeed =
                static_cast<std::int16_t>(inAir ? steps::jumpStart + steps::jumpGravity * ticksDone
                                                : -steps::jumpStart + steps::jumpGravity);
            foresight_.placeBody(court_.side,
                                 {left, top, step, inAir ? True16 : False16, jumpSpeed});
            foresight_.mainTick();
            if (!(foresight_.ball() == ball)) {
                meeting.happens = true;
                meeting.at = heartbeat;
                if (!settled) {
                    meeting.settledAt = heartbeat + 1;
                }
                return meeting;
            }
        }
        left = moved;
    }
    return meeting;
}

// Carries the ball on from the contact the foresight has just played until
// it comes down to a body's height, or a point; path, if given, gets the
// ball at the start of each heartbeat on the way. A jumping body stays where
// it is and goes on with its jump.
Planner::Flight Planner::follow(std::int64_t contactAt, bool bodyStays,
                                std::vector<BallState>* path) {
    Flight flight;
    const int side = court_.side;
    foresight_.otherTimers(ballTickDue(contactAt));
    if (bodyStays) {
        BodyState body = foresight_.body(side);
        body.speedX = 0;
        foresight_.placeBody(side, body);
    } else {
        foresight_.hideBody(side);
    }
    for (std::int64_t heartbeat = contactAt + 1; heartbeat < contactAt + horizon; ++heartbeat) {
        if (path != nullptr) {
            path->push_back(foresight_.ball());
        }
        foresight_.mainTick();
        if (const int scorer = foresight_.scorer(); scorer != 0) {
            flight.scorer = scorer;
            break;
        }
        const BallState ball = foresight_.ball();
        foresight_.otherTimers(ballTickDue(heartbeat));
        if (ball.speedY > 0 && ball.top + court_.ballSize >= court_.groundTop - pixelSlack) {
            flight.landsAt = heartbeat;
            flight.landingCentre = ball.left + court_.ballSize / 2;
            flight.landsOnMySide = court_.onMySide(ball.left);
            flight.resume = foresight_.ball();
            if (path != nullptr) {
                path->push_back(flight.resume);
            }
            break;
        }
    }
    foresight_.hideBody(side);
    return flight;
}

// A ball that comes down on the opponent's side is worth more the more
// heartbeats the opponent lacks to walk under it.
double Planner::attackValue(const Flight& flight, const PlanRequest& request) const {
    const BodyState& opponent =
        request.seen.bodies[static_cast<std::size_t>(court_.side == 1 ? 1 : 0)];
    const double distance =
        std::abs(static_cast<double>(flight.landingCentre - court_.centreOf(opponent.left)));
    const double lacking =
        (distance - 300) / walkStep - static_cast<double>(flight.landsAt - request.now);
    return 1000 + 20 * std::clamp(lacking, -25.0, 15.0);
}

// The best shot over the net that a ball set to itself allows, standing
// under it; 0 if there is none.
double Planner::secondTouch(const Flight& flight, const PlanRequest& request) {
    const Trajectory trajectory =
        foreseeFrom(flight.resume, flight.landsAt + 1, secondTouchHorizon);
    const Reach reach = reachOf(trajectory, trajectory.start, court_.groundTop - pixelSlack);
    if (reach.empty()) {
        return 0;
    }
    const BallState& ball = trajectory.afterMainAt(reach.first);
    const float under = ball.left + court_.ballSize / 2 - court_.bodyWidth / 2;
    double best = 0;
    for (int offset = -3; offset <= 3; offset += 3) {
        const float left = std::clamp(under + static_cast<float>(offset * walkStep), court_.minLeft,
                                      court_.maxLeft);
        const BodyState standing{left, court_.groundTop, 0, 0, 0};
        const Meeting meeting = meet(trajectory, reach, standing, trajectory.start, left, -1);
        if (!meeting.happens) {
            continue;
        }
        const Flight next = follow(meeting.at, false);
        if (next.scorer == court_.side) {
            best = std::max(best, certainPoint);
        } else if (next.landsAt >= 0 && !next.landsOnMySide) {
            best = std::max(best, attackValue(next, request));
        }
    }
    return best;
}

double Planner::flightValue(std::int64_t contactAt, const Flight& flight,
                            const PlanRequest& request) const {
    if (flight.scorer != 0) {
        return flight.scorer == court_.side ? certainPoint : 0.0;
    }
    if (flight.landsAt < 0) {
        return 200;
    }
    if (!flight.landsOnMySide) {
        return attackValue(flight, request);
    }
    // A set to itself: the more time for the second touch, the better.
    return 100 + static_cast<double>(std::min<std::int64_t>(flight.landsAt - contactAt, 60));
}

// A shot over the net that the opponent cannot return, as the foresight
// plays it with them standing wherever they could get to, is a winner.
double Planner::shotValue(std::int64_t contactAt, const BallState& after, const Flight& flight,
                          const PlanRequest& request) {
    const double value = flightValue(contactAt, flight, request);
    if (!request.seekWinners || flight.scorer != 0 || flight.landsAt < 0 || flight.landsOnMySide) {
        return value;
    }
    const Shot shot{contactAt, after, flight.landsAt, flight.landingCentre};
    const BodyState& seen = request.seen.bodies[static_cast<std::size_t>(2 - court_.side)];
    const double share = opponent_.returnShare(foresight_, shot, seen, parity_);
    return share == 0 ? winner : value + likelyMiss * (1 - share);
}

// Standing ready a little before the ball comes is safer than arriving with it.
double Planner::readiness(const Meeting& meeting) {
    return 4 * static_cast<double>(std::clamp<std::int64_t>(meeting.at - meeting.settledAt, 0, 6));
}

AimSpread AimSpread::of(double aimError) {
    // An aim error is triangular on [-aimError, aimError]; the body stops
    // within half a step of where it aims.
    const auto beyond = [aimError](double twips) {
        return twips >= aimError ? 0.0 : (1 - twips / aimError) * (1 - twips / aimError);
    };
    AimSpread aim;
    aim.onTarget = std::min(1 - beyond(walkStep / 2), mostOnTarget);
    aim.stepOff = (1 - aim.onTarget) / 2;
    return aim;
}

double Planner::Places::expected(std::size_t i, double here, const AimSpread& aim) const {
    const double below = i > 0 ? value[i - 1] : 0.0;
    const double above = i + 1 < value.size() ? value[i + 1] : 0.0;
    return aim.onTarget * here + aim.stepOff * (below + above);
}

// Every place the body can stand, from the inner limit out, tried with a
// standing touch. Each different flight is followed once.
Planner::Places Planner::standingPlaces(const Trajectory& trajectory, const Reach& reach,
                                        const PlanRequest& request) {
    Places places;
    const float first =
        request.me.left - walkStep * std::floor((request.me.left - court_.minLeft) / walkStep);
    if (first > court_.minLeft) {
        places.left.push_back(court_.minLeft);
    }
    for (float left = first; left < court_.maxLeft; left += walkStep) {
        places.left.push_back(left);
    }
    places.left.push_back(court_.maxLeft);
    places.value.assign(places.left.size(), 0.0);
    places.contactAt.assign(places.left.size(), -1);
    places.flight.assign(places.left.size(), 0);

    for (std::size_t i = 0; i < places.left.size(); ++i) {
        const Meeting meeting =
            meet(trajectory, reach, request.me, request.now, places.left[i], -1);
        if (!meeting.happens) {
            continue;
        }
        const BallState after = foresight_.ball();
        auto known =
            std::find_if(places.flights.begin(), places.flights.end(), [&](const KnownFlight& f) {
                return f.at == meeting.at && f.after == after;
            });
        if (known == places.flights.end()) {
            const Flight flight = follow(meeting.at, false);
            places.flights.push_back(
                {meeting.at, after, flight, shotValue(meeting.at, after, flight, request)});
            known = places.flights.end() - 1;
        }
        places.value[i] = known->value + readiness(meeting);
        places.contactAt[i] = meeting.at;
        places.flight[i] = static_cast<std::size_t>(known - places.flights.begin());
        if (!known->flight.landsOnMySide) {
            places.bestAttack = std::max(places.bestAttack, known->value);
        }
    }
    return places;
}

// Without a good shot over the net, a set to itself is weighed by the shot
// it sets up.
void Planner::weighSets(Places& places, const PlanRequest& request) {
    std::vector<double> gained(places.flights.size(), 0.0);
    for (std::size_t f = 0; f < places.flights.size(); ++f) {
        const Flight& flight = places.flights[f].flight;
        if (flight.scorer == 0 && flight.landsAt >= 0 && flight.landsOnMySide) {
            gained[f] =
                std::max(0.0, setShare * secondTouch(flight, request) - places.flights[f].value);
        }
    }
    for (std::size_t i = 0; i < places.left.size(); ++i) {
        if (places.contactAt[i] >= 0) {
            places.value[i] += gained[places.flight[i]];
        }
    }
}

// Jumps at the best few places, the jump key pressed at the contact a
// standing body would make or a little before it.
void Planner::addJumps(const Places& places, const Trajectory& trajectory, const Reach& reach,
                       const PlanRequest& request, std::vector<Candidate>& candidates) {
    const AimSpread aim = AimSpread::of(request.aimError);
    std::vector<std::size_t> order;
    for (std::size_t i = 0; i < places.left.size(); ++i) {
        if (places.contactAt[i] >= 0) {
            order.push_back(i);
        }
    }
    std::sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) {
        return places.expected(a, places.value[a], aim) > places.expected(b, places.value[b], aim);
    });
    order.resize(std::min<std::size_t>(order.size(), 2));
    // A jump meets the ball only from a narrow band of places, so it is
    // weighed with the same jump from the places beside it, where a missed
    // aim would leave the body.
    // Beside the place only whether the ball goes over is weighed: the
    // opponent's chances are looked at where it means to stand.
    PlanRequest beside = request;
    beside.seekWinners = false;
    const auto valueFrom = [&](std::size_t place, std::int64_t jumpAt, const PlanRequest& asked) {
        const Meeting meeting =
            meet(trajectory, reach, request.me, request.now, places.left[place], jumpAt);
        if (!meeting.happens || meeting.at < jumpAt) {
            return -1.0;
        }
        const BallState after = foresight_.ball();
        const Flight flight = follow(meeting.at, true);
        return shotValue(meeting.at, after, flight, asked) + readiness(meeting);
    };
    for (std::size_t i : order) {
        for (int early : {0, 3, 6}) {
            const std::int64_t jumpAt = places.contactAt[i] - early;
            if (jumpAt < request.now) {
                break;
            }
            const double here = valueFrom(i, jumpAt, request);
            if (here < 0) {
                continue;
            }
            const double below = i > 0 ? std::max(valueFrom(i - 1, jumpAt, beside), 0.0) : 0.0;
            const double above =
                i + 1 < places.left.size() ? std::max(valueFrom(i + 1, jumpAt, beside), 0.0) : 0.0;
            candidates.push_back(
                {places.left[i], jumpAt, aim.onTarget * here + aim.stepOff * (below + above)});
        }
    }
}

Plan Planner::plan(const PlanRequest& request) {
    Plan plan;
    const Trajectory trajectory = foresee(request.seen, request.seenAt, request.ballTickParity);
    plan.expected.start = trajectory.start;
    plan.expected.before = trajectory.before;
    plan.target = readyLeft();
    const Reach reach =
        reachOf(trajectory, request.now, court_.groundTop - jumpArc_[jumpTicks / 2] - pixelSlack);
    if (reach.empty()) {
        return plan;
    }

    Places places = standingPlaces(trajectory, reach, request);
    const bool weak = places.bestAttack < weakAttack;
    if (weak) {
        weighSets(places, request);
    }
    const AimSpread aim = AimSpread::of(request.aimError);
    std::vector<Candidate> candidates;
    for (std::size_t i = 0; i < places.left.size(); ++i) {
        if (places.contactAt[i] >= 0) {
            candidates.push_back({places.left[i], -1, places.expected(i, places.value[i], aim)});
        }
    }
    // It jumps to attack when it feels like it, and whenever a standing
    // touch cannot send the ball well over the net.
    if ((request.tryJumps || weak) && !candidates.empty()) {
        addJumps(places, trajectory, reach, request, candidates);
    }

    if (candidates.empty()) {
        // Out of reach: go where it comes down all the same.
        const BallState& ball = trajectory.afterMainAt(reach.last);
        plan.target = ball.left + court_.ballSize / 2 - court_.bodyWidth / 2;
        return plan;
    }
    std::sort(candidates.begin(), candidates.end(), [&](const Candidate& a, const Candidate& b) {
        if (a.value != b.value) {
            return a.value > b.value;
        }
        return std::abs(a.target - request.me.left) < std::abs(b.target - request.me.left);
    });
    const auto close = static_cast<std::size_t>(
        std::count_if(candidates.begin(), candidates.end(), [&](const Candidate& c) {
            return c.value >= candidates.front().value - choiceMargin;
        }));
    const Candidate& best = candidates[std::min(
        static_cast<std::size_t>(request.choice * static_cast<double>(close)), close - 1)];
    plan.target = best.target;
    plan.jumpAt = best.jumpAt;

    // The ball as it means to send it: the foresight plays the same touch again.
    const Meeting meeting =
        meet(trajectory, reach, request.me, request.now, best.target, best.jumpAt);
    if (meeting.happens) {
        plan.meetsBall = true;
        plan.contactAt = meeting.at;
        plan.expected.before.resize(static_cast<std::size_t>(meeting.at - trajectory.start + 1));
        follow(meeting.at, best.jumpAt >= 0, &plan.expected.before);
    }
    return plan;
}

} // namespace gloob::bot
