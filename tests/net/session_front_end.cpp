// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "session_front_end.h"

namespace gloob::net::testing {

SessionMachine::SessionMachine(std::unique_ptr<OnlineSession> s)
    : session(std::move(s)), local([this](Engine& e) {
          for (const GameEvent& event : localInput) {
              e.post(event);
          }
          localInput.clear();
      }),
      front(local, *session, OnlineFrontEnd::Pacing::none) {
    engine.emplace(front, text, pictures);
    front.attach(*engine);
    engine->setHeldKeys(1, true);
    engine->setHeldKeys(2, true);
}

bool SessionMachine::run(int heartbeats) {
    try {
        if (!started) {
            started = true;
            engine->start();
        }
        for (int i = 0; i < heartbeats; ++i) {
            engine->runHeartbeat();
        }
    } catch (const RunEnded&) {
        return true;
    }
    return false;
}

} // namespace gloob::net::testing
