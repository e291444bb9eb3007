// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// One datagram from the other machine, as the link decodes it.
#include "fuzz_check.h"
#include "net/protocol.h"

#include <cstddef>
#include <cstdint>

using namespace gloob;
using namespace gloob::net;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
    const auto message = decode({data, size});
    if (!message) {
        return 0;
    }
    // What was read is exactly what is sent again: nothing dropped, nothing added.
    const std::vector<std::uint8_t> bytes = encode(*message);
    FUZZ_CHECK(bytes.size() == size);
    const auto again = decode(bytes);
    FUZZ_CHECK(again.has_value() && *again == *message);

    if (const auto* frame = std::get_if<InputFrame>(&*message)) {
        FUZZ_CHECK(frame->events.size() <= maxFrameEvents);
        std::int64_t lastStamp = 0;
        for (std::size_t i = 0; i < frame->events.size(); ++i) {
            const StampedEvent& e = frame->events[i];
            FUZZ_CHECK(e.sequence == frame->events.front().sequence + i && e.sequence != 0);
            FUZZ_CHECK(e.stamp >= lastStamp && e.stamp <= frame->frontier);
            lastStamp = e.stamp;
            // Whatever travels is something one player or the other may send.
            FUZZ_CHECK(playerMaySend(1, e.event) || playerMaySend(2, e.event) ||
                       e.event.kind == EventKind::keyDown || e.event.kind == EventKind::keyUp);
        }
    } else if (const auto* hello = std::get_if<Hello>(&*message)) {
        FUZZ_CHECK(hello->gameVersion.size() <= maxVersionBytes);
    } else if (const auto* refuse = std::get_if<Refuse>(&*message)) {
        FUZZ_CHECK(refuse->gameVersion.size() <= maxVersionBytes);
    } else if (const auto* start = std::get_if<Start>(&*message)) {
        FUZZ_CHECK(start->inputDelay >= minInputDelay && start->inputDelay <= maxInputDelay);
    }
    return 0;
}
