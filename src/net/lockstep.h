// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "protocol.h"

#include <cstdint>
#include <deque>
#include <string_view>
#include <vector>

namespace gloob::net {

// Both machines' events on their way to the engine. Each machine stamps its
// own player's events with the delivery point D heartbeats after the one it
// took them at, and hands every event over at the first delivery point at or
// after its stamp, on both machines alike. A delivery point may be handed
// over only once both frontiers have reached it: a frontier is the time up to
// which a player's events are all known.
class LockstepBuffer {
public:
    // Bounds on what a session holds; a peer that would need more is dropped.
    static constexpr std::size_t maxUnacknowledged = 1024;
    static constexpr std::size_t maxWaitingFromPeer = 1024;
    // More events than anyone gives within one heartbeat; the rest are dropped.
    static constexpr std::size_t maxEventsPerPoint = maxFrameEvents / 2;

    LockstepBuffer(int localSide, int inputDelay);

    int localSide() const { return localSide_; }
    int remoteSide() const { return 3 - localSide_; }
    int inputDelay() const { return delay_; }

    // The local player's input taken at delivery point `now` (later than the
    // last one), stamped `now + D` heartbeats. False when the peer has left so
    // much unacknowledged that the session must end.
    bool takeLocal(std::int64_t now, const std::vector<GameEvent>& events);

    // No input is taken before virtual time `next` (the front end is pacing
    // towards it): events still to come are stamped after `next` - 1 + D
    // heartbeats, so the frontier moves there. Without this the peer would
    // wait at every step of a paced wait for the frame of that very step.
    void promiseQuietUntil(std::int64_t next);

    // The frame to send now: the oldest unacknowledged events (at most a
    // frame's worth, whole delivery points only) and the frontier they cover.
    InputFrame frame(std::uint32_t session) const;

    enum class Verdict { accepted, refused, overflow };
    // A frame from the peer. Refused (and nothing of it kept) when it breaks a
    // promise the peer made before: a gap in its sequences, a new event at or
    // before a frontier it already passed, a stamp further ahead than the
    // lockstep lets it be, an acknowledgement of events never sent, or an
    // event its player may not send.
    Verdict receive(const InputFrame& frame);

    // Whether every event due at this delivery point is known.
    bool ready(std::int64_t point) const { return remoteFrontier_ >= point; }
    // The events due at this delivery point, player 1's first, each player's
    // in the order they were taken; each marked with its player as origin.
    std::vector<GameEvent> takeDue(std::int64_t point);

    std::int64_t localFrontier() const { return localFrontier_; }
    std::int64_t remoteFrontier() const { return remoteFrontier_; }
    std::size_t unacknowledged() const { return outbox_.size(); }
    std::size_t waitingFromPeer() const { return inbox_.size(); }
    // What was wrong with the last refused frame.
    std::string_view refusal() const { return refusal_; }

private:
    bool refuse(std::string_view why);

    int localSide_;
    int delay_;
    std::int64_t lastTaken_ = -1;
    std::int64_t localFrontier_;
    std::int64_t remoteFrontier_;
    std::uint32_t nextSequence_ = 1;
    std::uint32_t received_ = 0;        // the peer's events arrived, all up to this one
    std::deque<StampedEvent> outbox_;   // sent, not yet acknowledged
    std::deque<StampedEvent> localDue_; // the local player's, not yet handed over
    std::deque<StampedEvent> inbox_;    // the peer's, not yet handed over
    std::string_view refusal_;
};

} // namespace gloob::net
