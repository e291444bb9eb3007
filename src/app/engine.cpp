// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "engine.h"

#include "heartbeat.h"
#include "key_bindings.h"

#include <algorithm>

namespace gloob {

namespace {
// Counts a handler on the stack for as long as it runs, however it ends.
struct Depth {
    int& depth;
    explicit Depth(int& d) : depth(d) { ++depth; }
    ~Depth() { --depth; }
    Depth(const Depth&) = delete;
    Depth& operator=(const Depth&) = delete;
};
} // namespace

void Engine::PacedClock::Sleep(std::int32_t milliseconds) {
    virtual_.Sleep(milliseconds);
    front_.paceTo(virtual_.nowMicros());
}

Engine::Engine(FrontEnd& front, const TextRasteriser& text, const Pictures& pictures)
    : front_(front), clock_(front), frm_(*this, text, pictures) {}

std::int64_t Engine::nextHeartbeatMicros() const {
    return heartbeatAfter(clock_.nowMicros());
}

void Engine::start() {
    const Depth depth(depth_);
    frm_.Form_Load();
}

void Engine::runHeartbeat() {
    try {
        step();
    } catch (const Rewind& rewind) {
        replay(rewind);
    }
}

// Played again from the snapshot; input that comes late while it is may send
// it back once more.
void Engine::replay(Rewind rewind) {
    for (;;) {
        try {
            restore(rewind.from);
            replayUntil_ = std::max(replayUntil_, rewind.upTo);
            for (EngineObserver* observer : observers_) {
                observer->rewound();
            }
            do {
                step();
            } while (clock_.nowMicros() < replayUntil_);
            return;
        } catch (const Rewind& again) {
            rewind = again;
        }
    }
}

void Engine::step() {
    front_.stepStarting(*this);
    const Depth depth(depth_);
    // A handler that waited has moved the clock on; the heartbeat this step
    // went to is still dispatched, though nothing is due there any more.
    const std::int64_t heartbeat = heartbeatAfter(clock_.nowMicros());
    clock_.advanceTo(heartbeat);
    deliverPendingInput();
    letAutopilotsDecide();
    frm_.dispatchTimers(heartbeat);
    front_.deliveryPointDone(false);
}

GameSnapshot Engine::snapshot() const {
    return {.micros = clock_.nowMicros(),
            .scene = frm_.scene,
            .state = frm_.state,
            .serve = frm_.serve,
            .timersDue = frm_.scheduler().dueTimes(),
            .pending = {pending_.begin(), pending_.end()},
            .heldKeys = held_.held(),
            .heldKeysOn = heldKeysOn_,
            .ended = frm_.ended()};
}

void Engine::restore(const GameSnapshot& snapshot) {
    clock_.rewindTo(snapshot.micros);
    frm_.scene = snapshot.scene;
    frm_.state = snapshot.state;
    frm_.serve = snapshot.serve;
    frm_.restoreRun(snapshot.timersDue, snapshot.ended);
    pending_.assign(snapshot.pending.begin(), snapshot.pending.end());
    held_.restore(snapshot.heldKeys);
    heldKeysOn_ = snapshot.heldKeysOn;
}

// Input is collected again after every handler: what arrived while one
// waited, after its last pump, is handed over as soon as it returns.
void Engine::deliverPendingInput() {
    for (;;) {
        front_.collectInput(*this);
        if (pending_.empty()) {
            return;
        }
        // Taken off the queue first: a handler that waits comes back here.
        const GameEvent event = pending_.front();
        pending_.pop_front();
        deliver(event);
    }
}

namespace {
std::size_t sideIndex(int player) {
    return player == 1 ? 0 : 1;
}
} // namespace

void Engine::deliver(const GameEvent& event, Source source) {
    if (event.kind == EventKind::end) {
        stopRun();
    }
    if (event.kind == EventKind::bot) {
        takeSide(event);
        return;
    }
    if (event.kind == EventKind::keyDown || event.kind == EventKind::keyUp) {
        const auto control = controlOfRuleKey(event.keyCode);
        if (control && source == Source::outside && underComputer(control->player)) {
            return;
        }
    }
    if (!frm_.handles(event)) {
        return;
    }
    for (EngineObserver* observer : observers_) {
        observer->handedOver(clock_.nowMicros(), event);
        observer->handlerStarting(clock_.nowMicros(), frm_);
    }
    frm_.handle(event);
    const Handler handler = Handler::ofInput(event);
    for (EngineObserver* observer : observers_) {
        observer->handlerReturned(clock_.nowMicros(), handler, frm_);
    }
    held_.heard(event);
    if (event.kind == EventKind::keyUp) {
        pressHeldKeysAgain();
    }
}

// Held keys count for a side that asked for them, for a computer player, and
// for anyone who plays against one.
void Engine::pressHeldKeysAgain() {
    const bool anyComputer = underComputer(1) || underComputer(2);
    const std::vector<std::uint16_t> held = held_.held();
    for (const std::uint16_t key : held) {
        const auto control = controlOfRuleKey(key);
        if (control && (heldKeysOn_[sideIndex(control->player)] || anyComputer)) {
            deliver(GameEvent::keyDown(key),
                    underComputer(control->player) ? Source::autopilot : Source::outside);
        }
    }
}

void Engine::takeSide(const GameEvent& event) {
    if (event.side != 1 && event.side != 2) {
        return;
    }
    auto& autopilot = autopilots_[sideIndex(event.side)];
    autopilot.reset();
    if (!event.command.empty()) {
        if (makeProgram_) {
            autopilot = makeProgram_(event.side, event.command);
        }
    } else if (event.strength && makeAutopilot_) {
        autopilot = makeAutopilot_(event.side, *event.strength, event.seed);
    }
}

void Engine::letAutopilotsDecide() {
    for (int player : {1, 2}) {
        Autopilot* autopilot = autopilots_[sideIndex(player)].get();
        if (autopilot == nullptr) {
            continue;
        }
        for (const KeyEvent& key : autopilot->decide(frm_.scene, frm_.state)) {
            const auto code = static_cast<std::uint16_t>(key.keyCode);
            // Only its own side's keys reach the rules.
            const auto control = controlOfRuleKey(code);
            if (control && control->player == player) {
                deliver(key.down ? GameEvent::keyDown(code) : GameEvent::keyUp(code),
                        Source::autopilot);
            }
        }
    }
}

void Engine::stopRun() {
    for (EngineObserver* observer : observers_) {
        observer->runStopped(clock_.nowMicros());
    }
    throw RunEnded{RunEnded::Reason::stopped};
}

void Engine::showMessage(std::string_view text) {
    for (EngineObserver* observer : observers_) {
        observer->messageBoxOpened(clock_.nowMicros(), text);
    }
    front_.showMessage(text);
}

void Engine::endProgram() {
    for (EngineObserver* observer : observers_) {
        observer->programEnded(clock_.nowMicros());
    }
    front_.endProgram();
}

void Engine::timerEntered(TimerId /*timer*/) {
    for (EngineObserver* observer : observers_) {
        observer->handlerStarting(clock_.nowMicros(), frm_);
    }
}

void Engine::timerHandled(TimerId timer) {
    for (EngineObserver* observer : observers_) {
        observer->handlerReturned(clock_.nowMicros(), Handler::ofTimer(timer), frm_);
    }
}

} // namespace gloob
