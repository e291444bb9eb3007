// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/clock.h"
#include "app/engine.h"
#include "app/real_time_pacer.h"
#include "online_session.h"

#include <cstdint>
#include <functional>
#include <optional>

namespace gloob::net {

// An online match around this machine's own front end (the window, or the
// headless one): the local player's input goes to the session and comes
// back with the other player's at each delivery point; the paced wait tells
// the other machine how far it may run ahead; Help's boxes stop both games;
// the other player's Exit ends the match, not the program; and now and then
// both games are compared.
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
    // Gives an engine that outlives this front end its own input back. An
    // engine that goes first needs nothing: this front end then never calls it.
    void detach();
    // With own pacing: the first heartbeat falls this much later than now,
    // so that both machines begin together.
    void startAfter(std::int64_t micros);
    // With own pacing: returns once the real clock has reached virtual time.
    void waitForRealTime(std::int64_t virtualMicros);

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
    FrontEnd& local_;
    OnlineSession& session_;
    Pacing pacing_;
    Engine* engine_ = nullptr;
    bool stopAsked_ = false;
    SteadyClock real_;
    RealTimePacer pacer_;
};

} // namespace gloob::net
