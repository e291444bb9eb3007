// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/engine.h"
#include "net/online_session.h"
#include "test_support.h"

#include <cstdint>
#include <memory>
#include <vector>

namespace gloob::net::testing {

// One machine of an online match with neither window nor script: its
// player's input is whatever the caller queues, its message boxes close at
// once, and the other machine is whatever stands behind the session's link.
class SessionFrontEnd final : public FrontEnd {
public:
    explicit SessionFrontEnd(OnlineSession& session) : session_(session) {}
    void attach(Engine& engine) { engine_ = &engine; }

    // This machine's player's input, handed to the session at the next
    // delivery point.
    std::vector<GameEvent> localInput;

    void collectInput(Engine& engine) override;
    void paceTo(std::int64_t virtualMicros) override { session_.pacingTowards(virtualMicros); }
    void showMessage(std::string_view) override;
    TwipRect availableScreen() override { return {0, 0, 1280 * 15, 1024 * 15}; }
    TwipRect windowOuterFrame() override { return {0, 0, 11265 + 30, 7095 + 660}; }
    void moveWindow(float, float) override {}
    void endProgram() override;
    void deliveryPointDone(bool insideWait) override;

private:
    OnlineSession& session_;
    Engine* engine_ = nullptr;
    std::int64_t lastCollected_ = -1;
};

// A session and the game it plays, as both front ends put them together.
struct SessionMachine {
    std::unique_ptr<OnlineSession> session;
    SessionFrontEnd front;
    gloob::testing::BlockTextRasteriser text;
    Pictures pictures;
    Engine engine;
    bool started = false;

    explicit SessionMachine(std::unique_ptr<OnlineSession> s);
    // Runs the main loop until the session stops it or `heartbeats` have
    // run; returns whether it was stopped.
    bool run(int heartbeats);
};

} // namespace gloob::net::testing
