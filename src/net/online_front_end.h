// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/clock.h"
#include "app/engine.h"
#include "app/real_time_pacer.h"
#include "online_session.h"

#include <cstdint>
#include <deque>
#include <functional>
#include <optional>

namespace gloob::net {

// An online match around this machine's own front end (the window, or the
// headless one): the local player's input goes to the session and comes
// back at once at the next delivery point, with the other player's as far
// as it is known and a guess beyond (the keys they hold stay held). The game
// is kept before every step of the main loop; when the other player's input
// shows a guess was wrong, the game goes back to the last step kept before it
// and is played again at once, unheard. What is traced and recorded waits
// until it is confirmed, and confirmed steps are compared between the two
// machines now and then. The machine ahead of the other waits a little now
// and then; Help's boxes stop both games; the other player's Exit ends the
// match, not the program.
class OnlineFrontEnd final : public FrontEnd {
public:
    // Who keeps the real pace: the local front end (the window, whose event
    // loop keeps the link alive), or this one, servicing the link while it
    // waits (a headless machine that plays at the window's pace); or none.
    enum class Pacing { local, own, none };

    OnlineFrontEnd(FrontEnd& local, OnlineSession& session, Pacing pacing = Pacing::local);
    OnlineFrontEnd(const OnlineFrontEnd&) = delete;
    OnlineFrontEnd& operator=(const OnlineFrontEnd&) = delete;

    // The engine this front end runs: its input is taken for the session
    // from now on, and its game compared with the other machine's.
    void attach(Engine& engine);
    // Gives an engine that outlives this front end its own input back, and
    // writes out what its trace and recording held back. An engine that goes
    // first needs nothing: this front end then never calls it.
    void detach();
    // The run is over: what the trace and recording held back is written.
    void finish();
    // With own pacing: the first heartbeat falls this much later than now,
    // so that both machines begin together.
    void startAfter(std::int64_t micros);
    // With own pacing: this machine's clock runs this many percent of the
    // real one's pace (tests of two machines whose clocks differ).
    void setClockPercent(int percent);
    // With own pacing: returns once the real clock has reached virtual time.
    void waitForRealTime(std::int64_t virtualMicros);

    void stepStarting(Engine& engine) override;
    void collectInput(Engine& engine) override;
    void paceTo(std::int64_t virtualMicros) override;
    void showMessage(std::string_view text) override;
    TwipRect availableScreen() override { return local_.availableScreen(); }
    TwipRect windowOuterFrame() override { return local_.windowOuterFrame(); }
    void moveWindow(float leftTwips, float topTwips) override {
        local_.moveWindow(leftTwips, topTwips);
    }
    void endProgram() override;
    void deliveryPointDone(bool insideWait) override;
    void clockStoodStill() override;

private:
    // The game before a step of the main loop, and where its held-back
    // output stood then.
    struct Kept {
        GameSnapshot snapshot;
        std::vector<std::uint64_t> marks;
        std::uint32_t stepsDone = 0;
        std::int64_t handedThrough = 0; // the latest delivery point before it
    };
    void confirm(Engine& engine);
    void keepTime(Engine& engine);
    [[noreturn]] void rewind(Engine& engine, std::int64_t lateStamp);

    FrontEnd& local_;
    OnlineSession& session_;
    Pacing pacing_;
    Engine* engine_ = nullptr;
    bool stopAsked_ = false;
    std::deque<Kept> kept_;
    std::uint32_t stepsDone_ = 0;
    std::uint32_t stepsConfirmed_ = 0;
    int stepsSinceKeepingTime_ = 0;
    // A game being played again: since when, and how much of it.
    std::optional<std::int64_t> replayBegan_;
    std::int64_t wrongLength_ = 0;
    std::int64_t replayLength_ = 0;
    std::int64_t realNow() const { return real_.nowMicros() * clockPercent_ / 100; }

    SteadyClock real_;
    int clockPercent_ = 100;
    RealTimePacer pacer_;
};

} // namespace gloob::net
