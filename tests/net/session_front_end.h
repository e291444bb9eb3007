// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/engine.h"
#include "app/headless_front_end.h"
#include "net/online_front_end.h"
#include "net/online_session.h"
#include "test_support.h"

#include <memory>
#include <optional>
#include <vector>

namespace gloob::net::testing {

// One machine of an online match with neither window nor script, put
// together as gloob-sim's: its player's input is whatever the caller
// queues, its message boxes close at once, and the other machine is
// whatever stands behind the session's link.
struct SessionMachine {
    // This machine's player's input, handed over at the next delivery point.
    std::vector<GameEvent> localInput;
    std::unique_ptr<OnlineSession> session;
    gloob::testing::BlockTextRasteriser text;
    Pictures pictures;
    // Made after the front end and gone after it: the front end takes its
    // tap off the engine as it goes.
    std::optional<Engine> engine;
    HeadlessFrontEnd local;
    OnlineFrontEnd front;
    bool started = false;

    explicit SessionMachine(std::unique_ptr<OnlineSession> s);
    // Runs the main loop until the session stops it or `heartbeats` have
    // run; returns whether it was stopped.
    bool run(int heartbeats);
};

} // namespace gloob::net::testing
