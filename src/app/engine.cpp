#include "engine.h"

#include "heartbeat.h"
#include "key_bindings.h"

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
    const Depth depth(depth_);
    // A handler that waited has moved the clock on; the heartbeat this step
    // went to is still dispatched, though nothing is due there any more.
    const std::int64_t heartbeat = heartbeatAfter(clock_.nowMicros());
    clock_.advanceTo(heartbeat);
    deliverPendingInput();
    frm_.dispatchTimers(heartbeat);
    front_.deliveryPointDone(false);
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

void Engine::deliver(const GameEvent& event) {
    if (event.kind == EventKind::end) {
        throw RunStopped{};
    }
    if (!frm_.handles(event)) {
        return;
    }
    for (EngineObserver* observer : observers_) {
        observer->handedOver(clock_.nowMicros(), event);
        observer->handlerStarting(clock_.nowMicros(), frm_);
    }
    frm_.handle(event);
    const std::string name = eventName(event);
    for (EngineObserver* observer : observers_) {
        observer->handlerReturned(clock_.nowMicros(), name, frm_);
    }
    held_.heard(event);
    if (event.kind == EventKind::keyUp) {
        pressHeldKeysAgain();
    }
}

void Engine::pressHeldKeysAgain() {
    const std::vector<std::uint16_t> held = held_.held();
    for (const std::uint16_t key : held) {
        const auto control = controlOfRuleKey(key);
        if (control && heldKeysOn_[control->player == 1 ? 0 : 1]) {
            deliver(GameEvent::keyDown(key));
        }
    }
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
        observer->handlerReturned(clock_.nowMicros(), timerName(timer), frm_);
    }
}

} // namespace gloob
