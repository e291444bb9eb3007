// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/engine.h"
#include "handshake.h"
#include "link.h"
#include "lockstep.h"
#include "net_clock.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <string_view>

namespace gloob::net {

// How long a peer may stay silent before the match is given up.
constexpr std::chrono::milliseconds silenceLimit{3000};
// Main-loop steps between two comparisons of the game on both machines.
constexpr std::uint32_t hashEverySteps = 64;

// Why an online match ended.
enum class SessionEnd { none, peerLeft, peerSilent, connectionLost, outOfStep, peerFault, left };

struct SessionStats {
    int stalls = 0;        // delivery points that had to wait for the other machine
    int stallsInWaits = 0; // of them, the pumps of a paced wait (a point's pause, Play!'s)
    std::int64_t longestStallMicros = 0;
    std::int64_t stalledMicros = 0;
    int framesRefused = 0;
    int stallsForCommands = 0;              // of them, waits for a command to be confirmed
    int rollbacks = 0;                      // the game played again after a wrong guess
    std::int64_t longestRollbackMicros = 0; // guessed wrong: from the late input to where it was
    std::int64_t longestReplayMicros = 0;   // played again: from the step kept before it
    std::vector<std::int64_t> replayMicros; // the real time each took
    std::int64_t keepingTimeMicros = 0;     // waited to keep the two clocks together
};

// One online match on this machine: the link to the other machine, the
// lockstep of both players' events, the comparison of both games, and the
// Help boxes that stop both. The front end feeds it this machine's player's
// input and calls `deliver` at every delivery point.
class OnlineSession final : public EngineObserver {
public:
    // What the front end does while the session waits for the other machine.
    struct Surroundings {
        // Keeps the window alive: its events, its paint.
        std::function<void()> idle = [] {};
        // "Waiting for the other player..." while a wait lasts, empty after it.
        std::function<void(std::string_view)> status = [](std::string_view) {};
    };

    OnlineSession(std::unique_ptr<Link> link, const Agreement& agreement,
                  std::vector<Message> firstMessages, Surroundings surroundings);
    ~OnlineSession() override;

    int localSide() const { return buffer_.localSide(); }
    int remoteSide() const { return buffer_.remoteSide(); }
    int inputDelay() const { return buffer_.inputDelay(); }
    std::int64_t roundTripMicros() const { return roundTrip_; }

    // This machine's player's input, for the next delivery point. Only what
    // that player may send goes further; the keyboard leaving the window
    // becomes the release of every key the player holds.
    void postLocal(const GameEvent& event);

    // A delivery point at the engine's time: the local input is taken once
    // per time, and what is due here is posted, guessing that the other
    // player pressed nothing new unless their input is known. It waits for
    // that input when the guesses would go too far, when a command other
    // than a key is due, and after a Help box or an Exit until the step
    // ends. Returns the stamp of the other player's input that came too
    // late, when it did: the game must go back before it. Throws RunEnded
    // once the session has ended, here or while waiting.
    std::optional<std::int64_t> deliver(Engine& engine);
    // The game went back to time `micros`, where the latest delivery point
    // handed over was `handedThrough`: what was handed over after it is due again.
    void rewindTo(std::int64_t micros, std::int64_t handedThrough) {
        buffer_.rewindTo(micros, handedThrough);
    }
    // The game up to `micros` is confirmed: its input is forgotten.
    void confirmedThrough(std::int64_t micros) { buffer_.forgetThrough(micros); }
    // The stamp of the other player's input that came too late for the game
    // played so far, if any.
    std::optional<std::int64_t> lateStamp() const { return buffer_.lateStamp(); }
    // The latest delivery point handed over.
    std::int64_t lastHandedOver() const { return buffer_.lastHandedOver(); }
    // The time up to which the other player's input is all known.
    std::int64_t remoteFrontier() const { return buffer_.remoteFrontier(); }
    // A new step of the main loop begins: what sealed the last one (a Help
    // box or an Exit handed over) seals no more.
    void stepStarting() { sealed_ = false; }
    // How far this machine's clock runs ahead of the other's, as the two
    // machines' guesses show it.
    std::int64_t aheadMicros() const;
    // Waits a while for the other machine, looking at the network.
    void holdBack(std::int64_t micros);
    // How far the latest delivery point is past the other player's input.
    std::int64_t predictingMicros() const {
        return std::max<std::int64_t>(0, lastPoint_ - buffer_.remoteFrontier());
    }
    void countRollback(std::int64_t wrongMicros, std::int64_t replayedMicros,
                       std::int64_t realMicros);
    // The front end paces towards virtual time `next`, where the next
    // delivery point is at the earliest: the peer hears so at once when that
    // is further than a heartbeat away, as in a paced wait.
    void pacingTowards(std::int64_t next);
    // Keeps the link alive between delivery points. False once ended.
    bool service(int waitMillis = 0);
    // Each step of the main loop once it is confirmed, counted from 1: now
    // and then the game's digest is asked for and compared with the other
    // machine's.
    void stepConfirmed(std::uint32_t step, const std::function<std::uint64_t()>& gameDigest);

    // A message box opens on both machines. Returns whether this machine's
    // player asked for it (and so shows it); when not, `waitForPeersBox`
    // waits until the other player has closed theirs.
    bool boxOpening();
    void localBoxClosed();
    void waitForPeersBox();

    // Whose event is being handled: 1 or 2, or 0 for none of a player.
    int originOfRunningEvent() const { return runningOrigin_; }

    // This machine leaves after the last delivery point it handled.
    void leave(ByeReason reason = ByeReason::left);
    // Waits until the other player's input is known up to the last delivery
    // point handed over, so that a machine that leaves ends its game where
    // the other will. Returns the stamp of input that came too late, if any.
    std::optional<std::int64_t> settle();
    // This machine leaves before the delivery point at `now`.
    void leaveBefore(std::int64_t now);
    // The other machine's input came for a delivery point both had already
    // agreed on: it broke its word, and the match ends as at any fault.
    void refuseInputBeforeAgreedGame();
    // The match is over for this machine, as when the other player's Exit
    // was handed over.
    void endAsPeerLeft();

    SessionEnd ended() const { return ended_; }

    // Where the program goes on after the match (the window), the other
    // player's Exit stops the match's run as `end` does: the trace then
    // holds no exit, and the recording says how the run ended.
    void stopAtPeersExit() { stopAtPeersExit_ = true; }
    bool active() const { return ended_ == SessionEnd::none; }
    // What the player is told about the end.
    std::string endMessage() const;

    const SessionStats& stats() const { return stats_; }
    const LinkStats& linkStats() const { return link_->stats(); }

    // EngineObserver
    void handedOver(std::int64_t micros, const GameEvent& event) override;

private:
    using Clock = NetClock;
    void hear(const Message& message);
    void hearHash(const StateHash& hash);
    void sendFrame();
    void sayGoodbye(ByeReason reason);
    void end(SessionEnd why);
    // Ends the run through the engine, so that a recording says so.
    void stopIfEnded();
    bool mustConfirm(std::int64_t point) const;
    std::optional<std::int64_t> backToWherePeerStopped(std::int64_t point);
    // Waits until `done`, or the other player's input came too late.
    void waitForPeer(const std::function<bool()>& done, bool insideWait, bool forCommand);

    std::unique_ptr<Link> link_;
    std::uint32_t session_;
    std::int64_t roundTrip_;
    LockstepBuffer buffer_;
    Surroundings surroundings_;
    std::vector<GameEvent> localInput_;
    std::set<std::uint16_t> heldHere_;
    std::int64_t lastPoint_ = -1;
    std::optional<std::int64_t> peersLastPoint_;
    Clock::time_point lastHeard_;
    Clock::time_point lastFrameSent_;
    std::int64_t lastSentFrontier_ = 0;
    std::int64_t peersAheadMicros_ = 0;
    bool sealed_ = false;
    std::uint32_t steps_ = 0;
    std::uint32_t boxes_ = 0;
    std::uint32_t peersBoxesClosed_ = 0;
    std::map<std::uint32_t, std::uint64_t> ownDigests_;
    std::map<std::uint32_t, std::uint64_t> peersDigests_;
    std::uint32_t outOfStepAt_ = 0;
    int runningOrigin_ = 0;
    bool servicing_ = false;
    bool stopAtPeersExit_ = false;
    Engine* engine_ = nullptr;
    SessionEnd ended_ = SessionEnd::none;
    SessionStats stats_;
};

} // namespace gloob::net
