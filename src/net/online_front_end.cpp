// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "online_front_end.h"

namespace gloob::net {

OnlineFrontEnd::OnlineFrontEnd(FrontEnd& local, OnlineSession& session, Pacing pacing)
    : local_(local), session_(session), pacing_(pacing) {
    pacer_.anchor(0, real_.nowMicros());
}

void OnlineFrontEnd::startAfter(std::int64_t micros) {
    pacer_.anchor(0, real_.nowMicros() + micros);
}

void OnlineFrontEnd::detach() {
    if (engine_ != nullptr) {
        engine_->setInputTap({});
        engine_ = nullptr;
    }
}

// Whatever this machine posts, whenever it does, is its player's input for
// the session; the session hands both players' input back in lockstep.
void OnlineFrontEnd::attach(Engine& engine) {
    engine_ = &engine;
    engine.addObserver(session_);
    engine.setInputTap([this](const GameEvent& event) {
        if (event.kind == EventKind::end) {
            stopAsked_ = true;
        } else {
            session_.postLocal(event);
        }
    });
}

void OnlineFrontEnd::collectInput(Engine& engine) {
    local_.collectInput(engine);
    if (stopAsked_) {
        session_.leaveBefore(engine.nowMicros());
        engine.stopRun();
    }
    session_.deliver(engine);
}

void OnlineFrontEnd::paceTo(std::int64_t virtualMicros) {
    session_.pacingTowards(virtualMicros);
    switch (pacing_) {
    case Pacing::local:
        local_.paceTo(virtualMicros);
        break;
    case Pacing::own:
        waitForRealTime(virtualMicros);
        break;
    case Pacing::none:
        break;
    }
}

void OnlineFrontEnd::waitForRealTime(std::int64_t virtualMicros) {
    while (real_.nowMicros() < pacer_.realMicrosOf(virtualMicros)) {
        session_.service(1);
    }
    pacer_.reached(virtualMicros, real_.nowMicros());
}

// Both games stop here: the player who asked reads, the other waits.
void OnlineFrontEnd::showMessage(std::string_view text) {
    if (session_.boxOpening()) {
        local_.showMessage(text);
        session_.localBoxClosed();
    } else {
        session_.waitForPeersBox();
    }
    clockStoodStill();
}

void OnlineFrontEnd::clockStoodStill() {
    if (pacing_ == Pacing::own && engine_ != nullptr) {
        pacer_.anchor(engine_->nowMicros(), real_.nowMicros());
    }
    local_.clockStoodStill();
}

void OnlineFrontEnd::endProgram() {
    // The other player's Exit ends the match here, not the program.
    if (session_.originOfRunningEvent() == session_.remoteSide()) {
        session_.endAsPeerLeft();
        return;
    }
    session_.leave();
    local_.endProgram();
}

void OnlineFrontEnd::deliveryPointDone(bool insideWait) {
    if (!insideWait && engine_ != nullptr) {
        session_.mainLoopStepDone([this] { return engine_->snapshot().digest(); });
    }
    local_.deliveryPointDone(insideWait);
}

} // namespace gloob::net
