// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// The other machine, played from the fuzzer's bytes: datagrams through a
// link without sockets to the introductions and then to a whole online
// session with its game, on virtual time. After every look at the network
// and every event handed over, what must always hold is checked: no event
// for a player that peer may not play, memory bounded, and once the other
// machine falls silent, the session ends.
#include "fake_link.h"
#include "fuzz_check.h"
#include "session_front_end.h"

#include "app/heartbeat.h"
#include "net/handshake.h"

#include <sanitizer/allocator_interface.h>

#include <array>
#include <cstddef>
#include <cstdint>

using namespace gloob;
using namespace gloob::net;
using namespace gloob::net::testing;

namespace {

using std::chrono::milliseconds;

// A session holds a few thousand events and digests at most.
constexpr std::size_t heapGrowthLimit = 16 << 20;
// Silence ends the introductions within 10 s and a match within 3 s.
constexpr auto silenceGiven = std::chrono::seconds(30);
// Bounds on one run's time: the game runs up to a minute.
constexpr int heartbeatLimit = 4000;
constexpr std::size_t datagramsPerLook = 32;

// What either player might try to send: both players' keys, keys of
// nobody, the buttons and every command.
const std::array<GameEvent, 16> anyEvent{GameEvent::keyDown(37),
                                         GameEvent::keyUp(37),
                                         GameEvent::keyDown(38),
                                         GameEvent::keyDown(39),
                                         GameEvent::keyDown(65),
                                         GameEvent::keyUp(65),
                                         GameEvent::keyDown(68),
                                         GameEvent::keyDown(87),
                                         GameEvent::keyDown(40),
                                         GameEvent::of(EventKind::clickPlay),
                                         GameEvent::of(EventKind::clickExit),
                                         GameEvent::menu(MenuId::mnu3),
                                         GameEvent::menu(MenuId::mnuBeach),
                                         GameEvent::menu(MenuId::mnuAbout),
                                         GameEvent::menu(MenuId::mnuInstructions),
                                         GameEvent::of(EventKind::focusOut)};

// One look's worth of the other machine, read op by op: a byte's low three
// bits choose what it does, the rest is its argument.
class Peer {
public:
    Peer(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}

    Handshake* handshake = nullptr;
    std::vector<GameEvent>* localInput = nullptr;
    const FakeLink* link = nullptr;
    std::uint32_t session = 0;
    std::size_t heapAtStart = 0;

    Arrivals look(int waitMillis);

private:
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    std::vector<std::uint8_t> bytes(std::size_t n);
    std::uint32_t sessionNow() const;
    // The last input frame and ping this machine sent, if any.
    const InputFrame* ourFrame() const;
    const Ping* ourPing() const;
    InputFrame play(int heartbeatsAhead);

    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
    std::uint32_t nextSequence_ = 1;
    milliseconds silence_{0};
};

std::vector<std::uint8_t> Peer::bytes(std::size_t n) {
    std::vector<std::uint8_t> out;
    for (std::size_t i = 0; i < n && at_ < size_; ++i) {
        out.push_back(byte());
    }
    return out;
}

std::uint32_t Peer::sessionNow() const {
    return handshake != nullptr ? handshake->agreement().session : session;
}

const InputFrame* Peer::ourFrame() const {
    return link->lastFrame();
}

const Ping* Peer::ourPing() const {
    return link->lastPing();
}

// A frame as an honest peer would make it, near this machine's own
// frontier, acknowledging what it sent: the lockstep's judgement is fuzzed
// with frames it could accept.
InputFrame Peer::play(int heartbeatsAhead) {
    const InputFrame* ours = ourFrame();
    const std::int64_t base = ours != nullptr ? ours->frontier : 2 * heartbeatMicros;
    InputFrame frame{
        sessionNow(), 0, std::max<std::int64_t>(0, base + heartbeatsAhead * heartbeatMicros), {}};
    if (ours != nullptr && !ours->events.empty()) {
        frame.ack = ours->events.back().sequence;
    }
    const int count = byte() % 5;
    for (int i = 0; i < count; ++i) {
        const std::uint8_t b = byte();
        const std::int64_t stamp = frame.frontier - (count - 1 - i) * (b / 64) * heartbeatMicros;
        frame.events.push_back(
            {nextSequence_++, std::max<std::int64_t>(0, stamp), anyEvent[b % 16]});
    }
    return frame;
}

Arrivals Peer::look(int waitMillis) {
    FUZZ_CHECK(__sanitizer_get_current_allocated_bytes() < heapAtStart + heapGrowthLimit);
    Arrivals arrivals;
    if (at_ >= size_) {
        // Fallen silent: whatever came before, a session that waits for this
        // machine must give up. A look that does not wait (many may come at
        // one delivery point, one for each Help box) takes a millisecond.
        arrivals.took = milliseconds(waitMillis > 0 ? std::max(waitMillis, 250) : 1);
        silence_ += waitMillis > 0 ? arrivals.took : milliseconds(0);
        FUZZ_CHECK(silence_ < silenceGiven);
        return arrivals;
    }
    while (at_ < size_ && arrivals.datagrams.size() < datagramsPerLook) {
        const std::uint8_t op = byte();
        const int arg = op >> 3;
        switch (op & 7) {
        case 0: // a datagram as it is
            arrivals.datagrams.push_back(bytes(byte()));
            break;
        case 1: { // a datagram in this session
            std::vector<std::uint8_t> d = bytes(byte());
            const std::uint32_t s = sessionNow();
            for (std::size_t i = 1; i < 5 && i < d.size(); ++i) {
                d[i] = static_cast<std::uint8_t>(s >> (8 * (4 - i)));
            }
            arrivals.datagrams.push_back(std::move(d));
            break;
        }
        case 2: // the answer to the last ping
            if (const Ping* ping = ourPing()) {
                arrivals.datagrams.push_back(encode(Pong{ping->session, ping->number}));
            }
            break;
        case 3: // input near this machine's own frontier
            arrivals.datagrams.push_back(encode(play(arg - 8)));
            break;
        case 4: // this machine's player presses something
            if (localInput != nullptr) {
                localInput->push_back(anyEvent[static_cast<std::size_t>(arg) % 16]);
            }
            break;
        case 5: { // a goodbye near this machine's frontier
            const InputFrame* ours = ourFrame();
            const std::int64_t base = ours != nullptr ? ours->frontier : 0;
            arrivals.datagrams.push_back(
                encode(Bye{sessionNow(), static_cast<ByeReason>(arg % 3 + 1),
                           std::max<std::int64_t>(0, base + (arg / 3 - 5) * heartbeatMicros)}));
            break;
        }
        case 6: // the look ends after a while
            arrivals.took = milliseconds(arg * 8);
            return arrivals;
        default: // the connection is gone
            arrivals.lost = true;
            return arrivals;
        }
    }
    return arrivals;
}

// Every event handed over is one its player may send.
class EventCheck final : public EngineObserver {
public:
    void handedOver(std::int64_t, const GameEvent& event) override {
        FUZZ_CHECK(event.origin == 0 || playerMaySend(event.origin, event));
    }
};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    if (size == 0) {
        return 0;
    }
    const VirtualNetTime time;
    Peer peer(data + 1, size - 1);
    peer.heapAtStart = __sanitizer_get_current_allocated_bytes();
    auto link = std::make_unique<FakeLink>([&peer](int wait) { return peer.look(wait); });
    peer.link = link.get();
    const bool hosting = (data[0] & 1) != 0;
    Handshake handshake(*link, hosting, "192.0.2.7:27960");
    peer.handshake = &handshake;
    while (handshake.advance(20) == Handshake::State::waiting) {
    }
    if (handshake.state() == Handshake::State::failed) {
        return 0;
    }
    const Agreement agreement = handshake.agreement();
    FUZZ_CHECK(agreement.inputDelay >= minInputDelay && agreement.inputDelay <= maxInputDelay);
    peer.session = agreement.session;
    peer.handshake = nullptr;
    SessionMachine machine(std::make_unique<OnlineSession>(
        std::move(link), agreement, handshake.takeLeftovers(), OnlineSession::Surroundings{}));
    peer.localInput = &machine.localInput;
    EventCheck check;
    machine.engine->addObserver(check);
    if (machine.run(heartbeatLimit)) {
        FUZZ_CHECK(!machine.session->active());
    }
    return 0;
}
