// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "online_front_end.h"

#include "app/heartbeat.h"

#include <algorithm>
#include <cstdint>

namespace gloob::net {

namespace {
// The clocks are compared this many steps apart: a wait shows in the other
// machine's frames only a round trip later.
constexpr int stepsBetweenKeepingTime = 32;
// A machine ahead by more than this waits, at most this long at a time.
constexpr std::int64_t aheadAllowed = heartbeatMicros;
constexpr std::int64_t longestWaitToKeepTime = 4 * heartbeatMicros;
} // namespace

OnlineFrontEnd::OnlineFrontEnd(FrontEnd& local, OnlineSession& session, Pacing pacing)
    : local_(local), session_(session), pacing_(pacing) {
    pacer_.anchor(0, realNow());
}

void OnlineFrontEnd::setClockPercent(int percent) {
    clockPercent_ = percent;
    pacer_.anchor(0, realNow());
}

void OnlineFrontEnd::startAfter(std::int64_t micros) {
    pacer_.anchor(0, realNow() + micros);
}

void OnlineFrontEnd::finish() {
    if (engine_ != nullptr) {
        for (HeldBackOutput* output : engine_->heldOutputs()) {
            output->releaseAll();
        }
    }
    kept_.clear();
}

void OnlineFrontEnd::detach() {
    if (engine_ != nullptr) {
        finish();
        engine_->setInputTap({});
        engine_ = nullptr;
    }
}

// Whatever this machine posts, whenever it does, is its player's input for
// the session; the session hands both players' input back.
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

void OnlineFrontEnd::stepStarting(Engine& engine) {
    session_.stepStarting();
    if (!engine.replaying()) {
        keepTime(engine);
    }
    Kept kept{engine.snapshot(), {}, stepsDone_++, session_.lastHandedOver()};
    for (HeldBackOutput* output : engine.heldOutputs()) {
        output->hold();
        kept.marks.push_back(output->mark());
    }
    kept_.push_back(std::move(kept));
    confirm(engine);
}

// A step kept when every delivery point before it was within the other
// player's frontier is the confirmed game (unless input came too late for
// one of them): nothing before it is played again.
void OnlineFrontEnd::confirm(Engine& engine) {
    // Input that came too late for a step played already makes that step wrong.
    const std::int64_t frontier =
        std::min(session_.remoteFrontier(), session_.lateStamp().value_or(INT64_MAX) - 1);
    auto last = kept_.end();
    for (auto it = kept_.begin(); it != kept_.end() && it->handedThrough <= frontier; ++it) {
        if (it->stepsDone > stepsConfirmed_) {
            stepsConfirmed_ = it->stepsDone;
            session_.stepConfirmed(it->stepsDone, [&] { return it->snapshot.digest(); });
        }
        last = it;
    }
    if (last == kept_.end()) {
        return;
    }
    const auto& outputs = engine.heldOutputs();
    for (std::size_t i = 0; i < last->marks.size() && i < outputs.size(); ++i) {
        outputs[i]->releaseTo(last->marks[i]);
    }
    session_.confirmedThrough(last->handedThrough);
    kept_.erase(kept_.begin(), last);
}

// The machine ahead waits a little, so that neither guesses far ahead of
// what it can confirm.
void OnlineFrontEnd::keepTime(Engine& engine) {
    if (pacing_ == Pacing::none || ++stepsSinceKeepingTime_ < stepsBetweenKeepingTime) {
        return;
    }
    const std::int64_t ahead = session_.aheadMicros();
    if (ahead <= aheadAllowed) {
        return;
    }
    stepsSinceKeepingTime_ = 0;
    const std::int64_t wait = std::min(ahead, longestWaitToKeepTime);
    if (pacing_ == Pacing::own) {
        session_.holdBack(wait);
        pacer_.anchor(heartbeatAfter(engine.nowMicros()), realNow());
    } else {
        // The window's own pacing goes on from the step before: a heartbeat later.
        session_.holdBack(std::max<std::int64_t>(0, wait - heartbeatMicros));
        local_.clockStoodStill();
    }
}

void OnlineFrontEnd::rewind(Engine& engine, std::int64_t lateStamp) {
    // The heartbeats handed over on a wrong guess, the late input's own included.
    const std::int64_t wrong = session_.lastHandedOver() - lateStamp + heartbeatMicros;
    // The last step kept before the delivery point the late input was due
    // at: the confirmed one always is.
    auto from = kept_.end();
    for (auto it = kept_.begin(); it != kept_.end() && it->handedThrough < lateStamp; ++it) {
        from = it;
    }
    if (from == kept_.end()) {
        // Due before the agreed game: no step can play it again, and going
        // back to the oldest kept would find it late there for ever.
        session_.refuseInputBeforeAgreedGame();
    }
    session_.rewindTo(from->snapshot.micros, from->handedThrough);
    const auto& outputs = engine.heldOutputs();
    for (std::size_t i = 0; i < from->marks.size() && i < outputs.size(); ++i) {
        outputs[i]->dropFrom(from->marks[i]);
    }
    stepsDone_ = from->stepsDone;
    Rewind rewind{std::move(from->snapshot), engine.nowMicros()};
    kept_.erase(from, kept_.end());
    if (!replayBegan_) {
        replayBegan_ = realNow();
        wrongLength_ = replayLength_ = 0;
    }
    wrongLength_ = std::max(wrongLength_, wrong);
    replayLength_ = std::max(replayLength_, rewind.upTo - rewind.from.micros);
    throw rewind;
}

void OnlineFrontEnd::collectInput(Engine& engine) {
    local_.collectInput(engine);
    if (stopAsked_) {
        if (const auto late = session_.settle()) {
            rewind(engine, *late); // and back here, to leave
        }
        session_.leaveBefore(engine.nowMicros());
        engine.stopRun();
    }
    if (replayBegan_ && !engine.replaying()) {
        session_.countRollback(wrongLength_, replayLength_, realNow() - *replayBegan_);
        replayBegan_.reset();
    }
    if (const auto late = session_.deliver(engine)) {
        rewind(engine, *late);
    }
}

void OnlineFrontEnd::paceTo(std::int64_t virtualMicros) {
    // A game played again runs without pause up to where it was.
    if (engine_ != nullptr && engine_->replaying()) {
        return;
    }
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
    while (realNow() < pacer_.realMicrosOf(virtualMicros)) {
        session_.service(1);
    }
    pacer_.reached(virtualMicros, realNow());
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
        pacer_.anchor(engine_->nowMicros(), realNow());
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
    // Nothing of a game played again is shown before it is where it was.
    if (engine_ == nullptr || !engine_->replaying()) {
        local_.deliveryPointDone(insideWait);
    }
}

} // namespace gloob::net
