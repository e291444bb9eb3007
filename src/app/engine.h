// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "autopilot.h"
#include "clock.h"
#include "frm_gloob.h"
#include "game_event.h"
#include "held_keys.h"
#include "host.h"

#include <array>
#include <cstdint>
#include <deque>
#include <string_view>
#include <vector>

namespace gloob {

class Engine;

// Thrown through every running handler when a script's `end` is handed over.
struct RunStopped {};

// What the engine needs from a front end: the window on the desktop, or the
// headless simulator.
class FrontEnd {
public:
    virtual ~FrontEnd() = default;
    // Posts the input that has arrived by now to the engine, in arrival order.
    virtual void collectInput(Engine& engine) = 0;
    // Returns once the real clock has caught up with this virtual time; a
    // front end without a real clock returns at once.
    virtual void paceTo(std::int64_t virtualMicros) = 0;
    // A modal message box with one OK button; returns when it is closed.
    virtual void showMessage(std::string_view text) = 0;
    virtual TwipRect availableScreen() = 0;
    virtual TwipRect windowOuterFrame() = 0;
    virtual void moveWindow(float leftTwips, float topTwips) = 0;
    // Ends the program; a front end that returns has the handlers unwound.
    virtual void endProgram() = 0;
    // After every delivery point: a heartbeat, or a pump inside a wait.
    virtual void deliveryPointDone(bool insideWait) { (void)insideWait; }
};

// What watches a game as it runs: the trace, the recording, measurements.
class EngineObserver {
public:
    virtual ~EngineObserver() = default;
    // An input is handed to its handler, before the handler runs.
    virtual void handedOver(std::int64_t /*micros*/, const GameEvent& /*event*/) {}
    // Any handler, an input's or a timer's, is about to run.
    virtual void handlerStarting(std::int64_t /*micros*/, const FrmGloob& /*frm*/) {}
    // A handler returned: an input's ("keydown 37") or a timer's ("tmrMain").
    virtual void handlerReturned(std::int64_t /*micros*/, std::string_view /*event*/,
                                 const FrmGloob& /*frm*/) {}
    virtual void messageBoxOpened(std::int64_t /*micros*/, std::string_view /*text*/) {}
    virtual void programEnded(std::int64_t /*micros*/) {}
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
    // Input for the next delivery point.
    void post(const GameEvent& event) { pending_.push_back(event); }

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
    void runHeartbeat();

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

    enum class Source { outside, autopilot };
    void deliver(const GameEvent& event, Source source = Source::outside);
    void pressHeldKeysAgain();
    void takeSide(const GameEvent& event);
    void letAutopilotsDecide();

    FrontEnd& front_;
    PacedClock clock_;
    std::deque<GameEvent> pending_;
    HeldKeys held_;
    std::array<bool, 2> heldKeysOn_{};
    AutopilotMaker makeAutopilot_;
    ProgramMaker makeProgram_;
    std::array<std::unique_ptr<Autopilot>, 2> autopilots_;
    std::vector<EngineObserver*> observers_;
    int depth_ = 0;
    FrmGloob frm_;
};

} // namespace gloob
