// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "protocol.h"

#include <cstdint>
#include <deque>
#include <optional>
#include <string_view>
#include <vector>

namespace gloob::net {

// The most heartbeats a machine plays on guessing the other player's keys
// (about 156 ms); beyond, it waits for them.
constexpr int maxPredictedHeartbeats = 10;

// Both machines' events on their way to the engine. Each machine stamps its
// own player's events with the delivery point D heartbeats after the one it
// took them at (D may be 0), and hands every event over at the first delivery
// point at or after its stamp, on both machines alike. A frontier is the time
// up to which a player's events are all known: a delivery point up to the
// other player's frontier is confirmed; one beyond it may be handed over
// with a guess (no new keys of theirs), and is handed over again once their
// events show the guess was wrong. Events stay kept until confirmed.
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
    // The events due at this delivery point not handed over yet, player 1's
    // first, each player's in the order they were taken; each marked with its
    // player as origin.
    std::vector<GameEvent> takeDue(std::int64_t point);
    // The stamp of the first of the other player's events that came after a
    // delivery point at or after it was handed over: the guess went wrong there.
    std::optional<std::int64_t> lateStamp() const;
    // The game goes back to time `micros`, where the latest delivery point
    // handed over was `handedThrough`: the events handed over after it are
    // due again.
    void rewindTo(std::int64_t micros, std::int64_t handedThrough);
    // The game up to `micros` is confirmed and never played again: the
    // events handed over up to there are forgotten.
    void forgetThrough(std::int64_t micros);
    // Whether anything but a key is due at this delivery point, of either
    // player's events known.
    bool commandDue(std::int64_t point) const;
    // The latest delivery point handed over.
    std::int64_t lastHandedOver() const { return lastHandedOver_; }

    std::int64_t localFrontier() const { return localFrontier_; }
    std::int64_t remoteFrontier() const { return remoteFrontier_; }
    std::size_t unacknowledged() const { return outbox_.size(); }
    std::size_t waitingFromPeer() const { return remoteLog_.events.size(); }
    // What was wrong with the last refused frame.
    std::string_view refusal() const { return refusal_; }

private:
    // An event with the delivery point it was handed over at, if it was.
    struct Logged {
        StampedEvent stamped;
        std::int64_t handedAt = -1;
    };
    // What a player's events are while they may still be handed over again.
    struct Log {
        std::deque<Logged> events;
        std::size_t next = 0; // the first not handed over
        void take(std::int64_t point, std::vector<GameEvent>& due);
        void rewindTo(std::int64_t micros);
        void forgetThrough(std::int64_t micros);
    };
    bool refuse(std::string_view why);

    int localSide_;
    int delay_;
    std::int64_t lastTaken_ = -1;
    std::int64_t localFrontier_;
    std::int64_t remoteFrontier_;
    std::uint32_t nextSequence_ = 1;
    std::uint32_t received_ = 0; // the peer's events arrived, all up to this one
    std::int64_t lastHandedOver_ = 0;
    std::deque<StampedEvent> outbox_; // sent, not yet acknowledged
    Log localLog_;
    Log remoteLog_;
    std::string_view refusal_;
};

} // namespace gloob::net
