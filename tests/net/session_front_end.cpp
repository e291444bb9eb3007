// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "session_front_end.h"

namespace gloob::net::testing {

void SessionFrontEnd::collectInput(Engine& engine) {
    if (engine.nowMicros() != lastCollected_) {
        lastCollected_ = engine.nowMicros();
        for (const GameEvent& event : localInput) {
            session_.postLocal(event);
        }
        localInput.clear();
    }
    session_.deliver(engine);
}

void SessionFrontEnd::showMessage(std::string_view) {
    if (session_.boxOpening()) {
        session_.localBoxClosed();
    } else {
        session_.waitForPeersBox();
    }
}

void SessionFrontEnd::endProgram() {
    if (session_.originOfRunningEvent() == session_.remoteSide()) {
        session_.endAsPeerLeft();
    } else {
        session_.leave();
    }
}

void SessionFrontEnd::deliveryPointDone(bool insideWait) {
    if (!insideWait && engine_ != nullptr) {
        session_.mainLoopStepDone(engine_->window(), engine_->nowMicros());
    }
}

SessionMachine::SessionMachine(std::unique_ptr<OnlineSession> s)
    : session(std::move(s)), front(*session), engine(front, text, pictures) {
    front.attach(engine);
    engine.setHeldKeys(1, true);
    engine.setHeldKeys(2, true);
    engine.addObserver(*session);
}

bool SessionMachine::run(int heartbeats) {
    try {
        if (!started) {
            started = true;
            engine.start();
        }
        for (int i = 0; i < heartbeats; ++i) {
            engine.runHeartbeat();
        }
    } catch (const RunEnded&) {
        return true;
    }
    return false;
}

} // namespace gloob::net::testing
