// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "lockstep.h"

#include "app/heartbeat.h"

#include <algorithm>

namespace gloob::net {

namespace {
// The paced wait pumps at least every 100 ms; the main loop every heartbeat.
constexpr std::int64_t maxPointGap = 100'000;
} // namespace

// Nothing can be stamped before the first delivery point plus the delay, so
// both frontiers start D heartbeats in: the first D heartbeats never wait.
LockstepBuffer::LockstepBuffer(int localSide, int inputDelay)
    : localSide_(localSide == 2 ? 2 : 1), delay_(inputDelay),
      localFrontier_(inputDelay * heartbeatMicros), remoteFrontier_(inputDelay * heartbeatMicros) {}

bool LockstepBuffer::takeLocal(std::int64_t now, const std::vector<GameEvent>& events) {
    if (now <= lastTaken_) {
        return true;
    }
    lastTaken_ = now;
    // After the game went back, a point may fall within what was promised
    // quiet before: its input follows the promise.
    const std::int64_t stamp = std::max(now + delay_ * heartbeatMicros, localFrontier_ + 1);
    const std::size_t kept = std::min(events.size(), maxEventsPerPoint);
    for (std::size_t i = 0; i < kept; ++i) {
        GameEvent event = events[i];
        event.origin = localSide_;
        const StampedEvent stamped{nextSequence_++, stamp, event};
        outbox_.push_back(stamped);
        localLog_.events.push_back({stamped});
    }
    localFrontier_ = std::max(localFrontier_, stamp);
    return outbox_.size() <= maxUnacknowledged;
}

void LockstepBuffer::promiseQuietUntil(std::int64_t next) {
    // Nothing before the first point; never further than one step beyond the
    // last input taken, nor than the peer lets a frame reach.
    if (lastTaken_ < 0) {
        return;
    }
    const std::int64_t quietUntil =
        std::min({next, lastTaken_ + maxPointGap,
                  remoteFrontier_ + maxPredictedHeartbeats * heartbeatMicros + maxPointGap});
    localFrontier_ = std::max(localFrontier_, quietUntil - 1 + delay_ * heartbeatMicros);
}

InputFrame LockstepBuffer::frame(std::uint32_t session) const {
    InputFrame frame{session, received_, localFrontier_, {}};
    std::size_t count = std::min(outbox_.size(), maxFrameEvents);
    if (count < outbox_.size()) {
        // The rest follow once these are acknowledged: the frame stops at the
        // last whole delivery point, and so does the frontier.
        const std::int64_t firstLeftOut = outbox_[count].stamp;
        while (count > 0 && outbox_[count - 1].stamp == firstLeftOut) {
            --count;
        }
        frame.frontier = firstLeftOut - 1;
    }
    frame.events.assign(outbox_.begin(), outbox_.begin() + static_cast<std::ptrdiff_t>(count));
    return frame;
}

bool LockstepBuffer::refuse(std::string_view why) {
    refusal_ = why;
    return false;
}

LockstepBuffer::Verdict LockstepBuffer::receive(const InputFrame& frame) {
    // Checked whole before anything is kept.
    const bool valid = [&] {
        if (frame.ack >= nextSequence_) {
            return refuse("acknowledges events never sent");
        }
        // The peer cannot hand over a delivery point further than its guesses
        // go past this machine's frontier, so it takes input at most one step
        // of the main loop or of a wait beyond that, and stamps it D
        // heartbeats later.
        const std::int64_t reach = localFrontier_ + maxPredictedHeartbeats * heartbeatMicros +
                                   maxPointGap + delay_ * heartbeatMicros;
        if (frame.frontier > reach) {
            return refuse("frontier beyond the lockstep's reach");
        }
        if (!frame.events.empty() && frame.events.front().sequence > received_ + 1) {
            return refuse("a gap in the sequence of events");
        }
        std::int64_t lastStamp = 0;
        for (const StampedEvent& e : frame.events) {
            if (e.sequence <= received_) {
                continue; // repeated: already kept
            }
            if (e.stamp <= remoteFrontier_) {
                return refuse("a new event behind the frontier already passed");
            }
            if (e.stamp > frame.frontier || e.stamp < lastStamp) {
                return refuse("stamps out of order");
            }
            if (!playerMaySend(remoteSide(), e.event)) {
                return refuse("an event that player may not send");
            }
            lastStamp = e.stamp;
        }
        return true;
    }();
    if (!valid) {
        return Verdict::refused;
    }
    std::size_t fresh = 0;
    for (const StampedEvent& e : frame.events) {
        fresh += e.sequence > received_ ? 1 : 0;
    }
    if (remoteLog_.events.size() + fresh > maxWaitingFromPeer) {
        refusal_ = "too many events waiting";
        return Verdict::overflow;
    }
    for (const StampedEvent& e : frame.events) {
        if (e.sequence > received_) {
            StampedEvent kept = e;
            kept.event.origin = remoteSide();
            remoteLog_.events.push_back({kept});
            received_ = e.sequence;
        }
    }
    remoteFrontier_ = std::max(remoteFrontier_, frame.frontier);
    while (!outbox_.empty() && outbox_.front().sequence <= frame.ack) {
        outbox_.pop_front();
    }
    return Verdict::accepted;
}

void LockstepBuffer::Log::take(std::int64_t point, std::vector<GameEvent>& due) {
    while (next < events.size() && events[next].stamped.stamp <= point) {
        due.push_back(events[next].stamped.event);
        events[next++].handedAt = point;
    }
}

void LockstepBuffer::Log::rewindTo(std::int64_t micros) {
    while (next > 0 && events[next - 1].handedAt > micros) {
        events[--next].handedAt = -1;
    }
}

void LockstepBuffer::Log::forgetThrough(std::int64_t micros) {
    while (next > 0 && events.front().handedAt <= micros) {
        events.pop_front();
        --next;
    }
}

std::vector<GameEvent> LockstepBuffer::takeDue(std::int64_t point) {
    std::vector<GameEvent> due;
    if (localSide_ == 1) {
        localLog_.take(point, due);
        remoteLog_.take(point, due);
    } else {
        remoteLog_.take(point, due);
        localLog_.take(point, due);
    }
    lastHandedOver_ = std::max(lastHandedOver_, point);
    return due;
}

bool LockstepBuffer::commandDue(std::int64_t point) const {
    for (const Log* log : {&localLog_, &remoteLog_}) {
        for (std::size_t i = log->next; i < log->events.size(); ++i) {
            const StampedEvent& e = log->events[i].stamped;
            if (e.stamp > point) {
                break;
            }
            if (e.event.kind != EventKind::keyDown && e.event.kind != EventKind::keyUp) {
                return true;
            }
        }
    }
    return false;
}

std::optional<std::int64_t> LockstepBuffer::lateStamp() const {
    if (remoteLog_.next < remoteLog_.events.size()) {
        const std::int64_t stamp = remoteLog_.events[remoteLog_.next].stamped.stamp;
        if (stamp <= lastHandedOver_) {
            return stamp;
        }
    }
    return std::nullopt;
}

void LockstepBuffer::rewindTo(std::int64_t micros, std::int64_t handedThrough) {
    localLog_.rewindTo(micros);
    remoteLog_.rewindTo(micros);
    lastHandedOver_ = std::min(lastHandedOver_, handedThrough);
}

void LockstepBuffer::forgetThrough(std::int64_t micros) {
    localLog_.forgetThrough(micros);
    remoteLog_.forgetThrough(micros);
}

} // namespace gloob::net
