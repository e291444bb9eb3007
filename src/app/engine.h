// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "autopilot.h"
#include "clock.h"
#include "frm_gloob.h"
#include "front_end.h"
#include "game_event.h"
#include "game_snapshot.h"
#include "held_back_output.h"
#include "held_keys.h"
#include "host.h"

#include <array>
#include <cstdint>
#include <deque>
#include <functional>
#include <string_view>
#include <vector>

namespace gloob {

class Engine;

// What watches a game as it runs: the trace, the recording, measurements.
class EngineObserver {
public:
    virtual ~EngineObserver() = default;
    // An input is handed to its handler, before the handler runs.
    virtual void handedOver(std::int64_t /*micros*/, const GameEvent& /*event*/) {}
    // Any handler, an input's or a timer's, is about to run.
    virtual void handlerStarting(std::int64_t /*micros*/, const FrmGloob& /*frm*/) {}
    // A handler returned: an input's or a timer's.
    virtual void handlerReturned(std::int64_t /*micros*/, const Handler& /*handler*/,
                                 const FrmGloob& /*frm*/) {}
    virtual void messageBoxOpened(std::int64_t /*micros*/, std::string_view /*text*/) {}
    virtual void programEnded(std::int64_t /*micros*/) {}
    // The run is stopped (a script's `end`), before that delivery point's handlers.
    virtual void runStopped(std::int64_t /*micros*/) {}
    // The running handlers were unwound and the game went back to an earlier
    // step, to be played again.
    virtual void rewound() {}
};

// The game on its virtual clock: the window object, the input waiting for the
// next delivery point, and the main loop. Every front end runs the same
// machine, so a match played in the window replays exactly in the simulator.
//
// Heartbeat n falls at n x 15625 us of virtual time. Input is handed to its
// handlers only at delivery points, in the order it was posted: at each
// heartbeat before its timers, and at each pump of the paced wait. The
// paced wait's sleeps move virtual time by exactly their length.
class Engine final : private Host {
public:
    Engine(FrontEnd& front, const TextRasteriser& text, const Pictures& pictures);
    Engine(const Engine&) = delete;
    Engine& operator=(const Engine&) = delete;

    FrmGloob& window() { return frm_; }
    const FrmGloob& window() const { return frm_; }
    std::int64_t nowMicros() const { return clock_.nowMicros(); }
    // Where the main loop goes next: the first heartbeat after now.
    std::int64_t nextHeartbeatMicros() const;
    // Whether a handler is running (the main loop must not be entered then).
    bool insideHandler() const { return depth_ > 0; }

    void addObserver(EngineObserver& observer) { observers_.push_back(&observer); }

    // Creates the window's state at time 0: the load handler runs.
    void start();
    // Input for the next delivery point, or for the tap when one is set.
    void post(const GameEvent& event) {
        if (tap_) {
            tap_(event);
        } else {
            pending_.push_back(event);
        }
    }
    // Online, this machine's input goes to the other machine first: every
    // post goes to the tap, and what both machines agreed on comes back
    // through postAgreed. None takes the tap away.
    using InputTap = std::function<void(const GameEvent&)>;
    void setInputTap(InputTap tap) { tap_ = std::move(tap); }
    void postAgreed(const GameEvent& event) { pending_.push_back(event); }

    // With held keys, after every key-up the direction keys that player still
    // holds are pressed again at once, the latest last: a player holding a
    // key keeps walking whatever the other one releases. Off by default.
    void setHeldKeys(int player, bool on) { heldKeysOn_[player == 1 ? 0 : 1] = on; }

    // How computer players are made when a `bot` event puts a side under one.
    // A computer player decides at every heartbeat of the main loop, after
    // that heartbeat's other input, player 1's first; its side's keys from
    // anywhere else are ignored; it holds its keys through anyone's release,
    // and so do the people playing against it.
    void setAutopilotMaker(AutopilotMaker maker) { makeAutopilot_ = std::move(maker); }
    // How a `program` event's program is put on its side; without one, such
    // an event gives the side back to its person.
    void setProgramMaker(ProgramMaker maker) { makeProgram_ = std::move(maker); }
    bool underComputer(int player) const { return autopilots_[player == 1 ? 0 : 1] != nullptr; }
    // One step of the main loop: to the next heartbeat, its input, its timers.
    // When the front end finds the game went wrong earlier (online, a guess
    // at the other player's keys), the steps since are played again first.
    void runHeartbeat();
    // Whether the game is being played again up to where it was: nothing of
    // it is to be heard or waited for.
    bool replaying() const { return clock_.nowMicros() < replayUntil_; }

    // Output that may show only the game both machines agreed on: online
    // play holds it back until then.
    void addHeldOutput(HeldBackOutput& output) { heldOutputs_.push_back(&output); }
    const std::vector<HeldBackOutput*>& heldOutputs() const { return heldOutputs_; }
    // Stops the run here, as a script's `end` does: the observers hear of it,
    // and every running handler is unwound.
    [[noreturn]] void stopRun();

    // The game as it stands between two steps of the main loop; a waiting
    // handler lives on the stack, so neither may be called inside one.
    GameSnapshot snapshot() const;
    // Back to a snapshot: the main loop goes on from there as it did then.
    void restore(const GameSnapshot& snapshot);

private:
    // The paced wait's clock: virtual time that the front end keeps in step
    // with the real clock.
    class PacedClock final : public Clock {
    public:
        explicit PacedClock(FrontEnd& front) : front_(front) {}
        std::int64_t nowMicros() const override { return virtual_.nowMicros(); }
        std::uint32_t timeGetTime() const override { return virtual_.timeGetTime(); }
        void Sleep(std::int32_t milliseconds) override;
        void advanceTo(std::int64_t micros) { virtual_.advanceTo(micros); }
        void rewindTo(std::int64_t micros) { virtual_.rewindTo(micros); }

    private:
        FrontEnd& front_;
        VirtualClock virtual_;
    };

    // Host
    Clock& clock() override { return clock_; }
    void deliverPendingInput() override;
    void showMessage(std::string_view text) override;
    TwipRect availableScreen() override { return front_.availableScreen(); }
    TwipRect windowOuterFrame() override { return front_.windowOuterFrame(); }
    void moveWindow(float leftTwips, float topTwips) override {
        front_.moveWindow(leftTwips, topTwips);
    }
    void endProgram() override;
    void pumped() override { front_.deliveryPointDone(true); }
    void timerEntered(TimerId timer) override;
    void timerHandled(TimerId timer) override;

    void step();
    void replay(Rewind rewind);

    enum class Source { outside, autopilot };
    void deliver(const GameEvent& event, Source source = Source::outside);
    void pressHeldKeysAgain();
    void takeSide(const GameEvent& event);
    void letAutopilotsDecide();

    FrontEnd& front_;
    PacedClock clock_;
    std::deque<GameEvent> pending_;
    InputTap tap_;
    HeldKeys held_;
    std::array<bool, 2> heldKeysOn_{};
    AutopilotMaker makeAutopilot_;
    ProgramMaker makeProgram_;
    std::array<std::unique_ptr<Autopilot>, 2> autopilots_;
    std::vector<EngineObserver*> observers_;
    int depth_ = 0;
    std::int64_t replayUntil_ = 0;
    std::vector<HeldBackOutput*> heldOutputs_;
    FrmGloob frm_;
};

} // namespace gloob
