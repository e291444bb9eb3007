// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "online_session.h"

#include "app/heartbeat.h"
#include "app/key_bindings.h"

#include <limits>

namespace gloob::net {

namespace {
// Frames go out at every delivery point, and at least this often between
// them, so that a lost one is soon made up for. Longer than a heartbeat with
// its timer's slack: in play the heartbeats' own frames suffice, and a second
// frame each heartbeat would double the traffic.
constexpr auto frameResend = std::chrono::milliseconds(20);
// A wait this long is shown to the player.
constexpr auto waitShownAfter = std::chrono::milliseconds(250);
// Digests kept for comparison: the two machines are never far apart.
constexpr std::size_t keptDigests = 16;
// Time to say goodbye before the program goes.
constexpr int farewellMillis = 300;

template <typename M> const M* as(const Message& message) {
    return std::get_if<M>(&message);
}

std::int64_t micros(std::chrono::steady_clock::duration d) {
    return std::chrono::duration_cast<std::chrono::microseconds>(d).count();
}
} // namespace

OnlineSession::OnlineSession(std::unique_ptr<Link> link, const Agreement& agreement,
                             std::vector<Message> firstMessages, Surroundings surroundings)
    : link_(std::move(link)), session_(agreement.session), roundTrip_(agreement.roundTripMicros),
      buffer_(agreement.localSide, agreement.inputDelay), surroundings_(std::move(surroundings)),
      lastHeard_(Clock::now()), lastFrameSent_(Clock::now()) {
    for (const Message& message : firstMessages) {
        hear(message);
    }
}

OnlineSession::~OnlineSession() {
    if (active()) {
        leave(ByeReason::left);
    }
}

void OnlineSession::postLocal(const GameEvent& event) {
    if (event.kind == EventKind::focusOut) {
        // Only this player's keys travel: theirs are let go, one by one.
        for (const std::uint16_t key : heldHere_) {
            localInput_.push_back(GameEvent::keyUp(key));
        }
        heldHere_.clear();
        return;
    }
    if (!playerMaySend(localSide(), event)) {
        return;
    }
    if (event.kind == EventKind::keyDown) {
        heldHere_.insert(event.keyCode);
    } else if (event.kind == EventKind::keyUp) {
        heldHere_.erase(event.keyCode);
    }
    localInput_.push_back(event);
}

void OnlineSession::stopIfEnded() {
    if (!active()) {
        if (engine_ != nullptr) {
            engine_->stopRun();
        }
        throw RunEnded{RunEnded::Reason::stopped};
    }
}

namespace {
// Commands that cannot be taken back: a Help box shown, the program left.
bool irreversible(const GameEvent& event) {
    switch (event.kind) {
    case EventKind::clickExit:
        return true;
    case EventKind::menu:
        return event.menuItem == MenuId::mnuExit || event.menuItem == MenuId::mnuInstructions ||
               event.menuItem == MenuId::mnuAbout;
    default:
        return false;
    }
}
} // namespace

// Only keys are guessed: anything else is handed over on both players'
// known input, and so is the rest of a step that showed a box or left.
bool OnlineSession::mustConfirm(std::int64_t point) const {
    return sealed_ || buffer_.commandDue(point) ||
           point - buffer_.remoteFrontier() > maxPredictedHeartbeats * heartbeatMicros;
}

std::optional<std::int64_t> OnlineSession::deliver(Engine& engine) {
    engine_ = &engine;
    stopIfEnded();
    const std::int64_t point = engine.nowMicros();
    if (const auto back = backToWherePeerStopped(point)) {
        return back;
    }
    if (point > lastPoint_) {
        lastPoint_ = point;
        if (!buffer_.takeLocal(point, localInput_)) {
            end(SessionEnd::peerFault);
            leave(ByeReason::fault);
            stopIfEnded();
        }
        localInput_.clear();
        sendFrame();
    }
    // A game played again looks at nothing new until it is where it was.
    if (!engine.replaying()) {
        service();
        stopIfEnded();
    }
    if (const auto late = buffer_.lateStamp()) {
        return late;
    }
    if (!buffer_.ready(point) && mustConfirm(point)) {
        waitForPeer([&] { return buffer_.ready(point) || !mustConfirm(point); },
                    point % heartbeatMicros != 0, sealed_ || buffer_.commandDue(point));
        if (const auto late = buffer_.lateStamp()) {
            return late;
        }
        if (const auto back = backToWherePeerStopped(point)) {
            return back;
        }
    }
    for (const GameEvent& event : buffer_.takeDue(point)) {
        sealed_ = sealed_ || irreversible(event);
        if (stopAtPeersExit_ && event.origin == remoteSide() && endsTheProgram(event) &&
            engine.window().handles(event)) {
            // Handed over in its turn, after what came before it here.
            endAsPeerLeft();
            engine.postAgreed(GameEvent::of(EventKind::end));
            break;
        }
        engine.postAgreed(event);
    }
    return std::nullopt;
}

void OnlineSession::waitForPeer(const std::function<bool()>& done, bool insideWait,
                                bool forCommand) {
    const auto began = Clock::now();
    bool shown = false;
    // Its input up to its goodbye came before the goodbye: what is still
    // missing will never come.
    while (active() && !done() && !buffer_.lateStamp() && !peersLastPoint_) {
        service(1);
        surroundings_.idle();
        if (!shown && Clock::now() - began > waitShownAfter) {
            surroundings_.status("Waiting for the other player...");
            shown = true;
        }
    }
    if (shown) {
        surroundings_.status("");
    }
    const std::int64_t waited = micros(Clock::now() - began);
    // Shorter than a millisecond, nobody sees it.
    const int stall = waited >= 1000 ? 1 : 0;
    stats_.stalls += stall;
    stats_.stallsInWaits += insideWait ? stall : 0;
    stats_.stallsForCommands += forCommand ? stall : 0;
    stats_.stalledMicros += waited;
    stats_.longestStallMicros = std::max(stats_.longestStallMicros, waited);
    stopIfEnded();
}

// The game ends after the last point the other player's input reached, as
// it does on that machine; a game guessed further goes back there first.
std::optional<std::int64_t> OnlineSession::backToWherePeerStopped(std::int64_t point) {
    if (!peersLastPoint_) {
        return std::nullopt;
    }
    // Its last input (an Exit, say) may have come too late for a point
    // already handed over: that point is played again first.
    if (const auto late = buffer_.lateStamp()) {
        return late;
    }
    const std::int64_t last = std::min(*peersLastPoint_, buffer_.remoteFrontier());
    if (point <= last) {
        return std::nullopt;
    }
    if (buffer_.lastHandedOver() > last) {
        return last + 1;
    }
    end(SessionEnd::peerLeft);
    stopIfEnded();
    return std::nullopt;
}

std::int64_t OnlineSession::aheadMicros() const {
    return (predictingMicros() - peersAheadMicros_) / 2;
}

void OnlineSession::holdBack(std::int64_t waitMicros) {
    const auto until = Clock::now() + std::chrono::microseconds(waitMicros);
    while (active() && Clock::now() < until) {
        service(1);
        surroundings_.idle();
    }
    stats_.keepingTimeMicros += waitMicros;
}

void OnlineSession::countRollback(std::int64_t wrongMicros, std::int64_t replayedMicros,
                                  std::int64_t realMicros) {
    ++stats_.rollbacks;
    stats_.longestRollbackMicros = std::max(stats_.longestRollbackMicros, wrongMicros);
    stats_.longestReplayMicros = std::max(stats_.longestReplayMicros, replayedMicros);
    stats_.replayMicros.push_back(realMicros);
}

bool OnlineSession::service(int waitMillis) {
    if (!active() || servicing_) {
        return active();
    }
    servicing_ = true;
    for (const Message& message : link_->service(waitMillis)) {
        hear(message);
        if (!active()) {
            break;
        }
    }
    servicing_ = false;
    if (!active()) {
        return false;
    }
    if (peersLastPoint_) {
        return true; // it said goodbye: its silence and its going are expected
    }
    const auto now = Clock::now();
    if (link_->lost()) {
        end(SessionEnd::connectionLost);
    } else if (now - lastHeard_ > silenceLimit) {
        end(SessionEnd::peerSilent);
        link_->close(0);
    } else if (now - lastFrameSent_ >= frameResend) {
        sendFrame();
    }
    return active();
}

void OnlineSession::pacingTowards(std::int64_t next) {
    if (!active()) {
        return;
    }
    buffer_.promiseQuietUntil(next);
    if (buffer_.localFrontier() - lastSentFrontier_ > heartbeatMicros) {
        sendFrame();
    }
}

void OnlineSession::sendFrame() {
    InputFrame frame = buffer_.frame(session_);
    frame.aheadMillis = static_cast<std::int16_t>(std::min<std::int64_t>(
        predictingMicros() / 1000, std::numeric_limits<std::int16_t>::max()));
    link_->send(frame, false);
    lastSentFrontier_ = frame.frontier;
    lastFrameSent_ = Clock::now();
}

void OnlineSession::hear(const Message& message) {
    // Every message past the introductions names the session: one that does
    // not, or that this machine never expects, is dropped unread.
    const auto inSession = [&](std::uint32_t session) { return session == session_; };
    if (const auto* frame = as<InputFrame>(message); frame && inSession(frame->session)) {
        // Only frames that keep the lockstep's promises show the peer alive.
        switch (buffer_.receive(*frame)) {
        case LockstepBuffer::Verdict::accepted:
            lastHeard_ = Clock::now();
            peersAheadMicros_ = std::int64_t{frame->aheadMillis} * 1000;
            break;
        case LockstepBuffer::Verdict::refused:
            ++stats_.framesRefused;
            break;
        case LockstepBuffer::Verdict::overflow:
            end(SessionEnd::peerFault);
            leave(ByeReason::fault);
            break;
        }
    } else if (const auto* closed = as<BoxClosed>(message); closed && inSession(closed->session)) {
        peersBoxesClosed_ = std::max(peersBoxesClosed_, std::min(closed->box, boxes_ + 1));
    } else if (const auto* hash = as<StateHash>(message); hash && inSession(hash->session)) {
        hearHash(*hash);
    } else if (const auto* bye = as<Bye>(message); bye && inSession(bye->session)) {
        if (bye->reason == ByeReason::left) {
            // Its input up to there is all here (it came before, in order):
            // play on up to where it stopped.
            peersLastPoint_ = bye->lastPoint;
        } else {
            end(bye->reason == ByeReason::outOfStep ? SessionEnd::outOfStep
                                                    : SessionEnd::peerFault);
        }
    }
}

void OnlineSession::hearHash(const StateHash& hash) {
    if (const auto own = ownDigests_.find(hash.step); own != ownDigests_.end()) {
        if (own->second != hash.digest) {
            outOfStepAt_ = hash.step;
            end(SessionEnd::outOfStep);
            leave(ByeReason::outOfStep);
        }
        return;
    }
    if (hash.step <= steps_ || hash.step % hashEverySteps != 0) {
        return; // one this machine no longer holds, or none it would make
    }
    peersDigests_[hash.step] = hash.digest;
    if (peersDigests_.size() > keptDigests) {
        end(SessionEnd::peerFault); // a peer this far ahead breaks the lockstep
        leave(ByeReason::fault);
    }
}

void OnlineSession::stepConfirmed(std::uint32_t step,
                                  const std::function<std::uint64_t()>& gameDigest) {
    steps_ = step;
    if (!active() || steps_ % hashEverySteps != 0) {
        return;
    }
    const std::uint64_t digest = gameDigest();
    link_->send(StateHash{session_, steps_, digest}, true);
    if (const auto peers = peersDigests_.find(steps_); peers != peersDigests_.end()) {
        const bool same = peers->second == digest;
        peersDigests_.erase(peers);
        if (!same) {
            outOfStepAt_ = steps_;
            end(SessionEnd::outOfStep);
            leave(ByeReason::outOfStep);
            return;
        }
    }
    ownDigests_[steps_] = digest;
    if (ownDigests_.size() > keptDigests) {
        ownDigests_.erase(ownDigests_.begin());
    }
}

bool OnlineSession::boxOpening() {
    ++boxes_;
    return runningOrigin_ == localSide();
}

void OnlineSession::localBoxClosed() {
    if (active()) {
        link_->send(BoxClosed{session_, boxes_}, true);
    }
}

void OnlineSession::waitForPeersBox() {
    surroundings_.status("Player " + std::to_string(remoteSide()) + " is reading Help...");
    while (active() && peersBoxesClosed_ < boxes_) {
        if (peersLastPoint_) {
            end(SessionEnd::peerLeft); // gone with its box open: it will never close
            break;
        }
        service(5);
        surroundings_.idle();
    }
    surroundings_.status("");
    stopIfEnded();
}

void OnlineSession::handedOver(std::int64_t /*micros*/, const GameEvent& event) {
    runningOrigin_ = event.origin;
}

void OnlineSession::leave(ByeReason reason) {
    if (reason == ByeReason::left) {
        if (!active()) {
            return;
        }
        end(SessionEnd::left);
    }
    sayGoodbye(reason);
}

void OnlineSession::sayGoodbye(ByeReason reason) {
    if (!link_->connected()) {
        return;
    }
    // The last frame goes the reliable way, ahead of the goodbye: the peer
    // needs all of this player's input up to where this machine stopped.
    link_->send(buffer_.frame(session_), true);
    link_->send(Bye{session_, reason, std::max<std::int64_t>(lastPoint_, 0)}, true);
    link_->close(farewellMillis);
}

std::optional<std::int64_t> OnlineSession::settle() {
    waitForPeer([&] { return buffer_.remoteFrontier() >= buffer_.lastHandedOver(); }, false, false);
    return buffer_.lateStamp();
}

void OnlineSession::refuseInputBeforeAgreedGame() {
    end(SessionEnd::peerFault);
    leave(ByeReason::fault);
    stopIfEnded();
}

void OnlineSession::leaveBefore(std::int64_t now) {
    if (now == lastPoint_) {
        lastPoint_ = now - 1; // nothing of this point was handed over yet
    }
    leave(ByeReason::left);
}

// The other machine may not have reached the Exit yet: it gets this
// player's input up to there, and stops there too.
void OnlineSession::endAsPeerLeft() {
    end(SessionEnd::peerLeft);
    sayGoodbye(ByeReason::left);
}

void OnlineSession::end(SessionEnd why) {
    if (ended_ == SessionEnd::none) {
        ended_ = why;
    }
}

std::string OnlineSession::endMessage() const {
    switch (ended_) {
    case SessionEnd::none:
    case SessionEnd::left:
        return {};
    case SessionEnd::peerLeft:
        return "The other player left the game.";
    case SessionEnd::peerSilent:
        return "The other player stopped answering.";
    case SessionEnd::connectionLost:
        return "The connection to the other player was lost.";
    case SessionEnd::outOfStep:
        return "The two machines no longer show the same game" +
               (outOfStepAt_ > 0 ? " (at step " + std::to_string(outOfStepAt_) + ")"
                                 : std::string()) +
               ", so the match cannot go on. Both recordings are kept.";
    case SessionEnd::peerFault:
        return "The other machine broke the rules of online play; the match was ended.";
    }
    return {};
}

} // namespace gloob::net
