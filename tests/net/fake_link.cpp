// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "fake_link.h"

namespace gloob::net::testing {

namespace {
// Far from the steady clock's zero, as a machine's uptime would be.
const NetClock::time_point origin{std::chrono::hours(1000)};
NetClock::time_point virtualNow = origin;

NetClock::time_point readVirtual() {
    return virtualNow;
}
} // namespace

VirtualNetTime::VirtualNetTime() {
    virtualNow = origin;
    NetClock::replace(readVirtual);
}

VirtualNetTime::~VirtualNetTime() {
    NetClock::replace(nullptr);
}

void VirtualNetTime::advance(std::chrono::milliseconds by) {
    virtualNow += by;
}

std::chrono::milliseconds VirtualNetTime::elapsed() {
    return std::chrono::duration_cast<std::chrono::milliseconds>(virtualNow - origin);
}

std::vector<Message> FakeLink::service(int waitMillis) {
    std::vector<Message> messages;
    if (closed_) {
        return messages;
    }
    Arrivals arrivals = feed_(waitMillis);
    VirtualNetTime::advance(arrivals.took);
    for (const auto& datagram : arrivals.datagrams) {
        stats_.bytesReceived += datagram.size();
        if (auto message = decode(datagram)) {
            messages.push_back(std::move(*message));
        } else {
            ++stats_.messagesDropped;
        }
    }
    lost_ = lost_ || arrivals.lost;
    return messages;
}

void FakeLink::send(const Message& message, bool) {
    if (!connected()) {
        return;
    }
    // Sent bytes are not counted: encoding every message only for that
    // took a tenth of each session the fuzzer plays.
    // Only what the fuzzer's peer answers to is kept: a list of the latest
    // 64 messages, copied at every send, took a seventh of its time.
    ++sentCount_;
    if (const auto* frame = std::get_if<InputFrame>(&message)) {
        lastFrame_ = *frame;
        lastFrameAt_ = sentCount_;
    } else if (const auto* ping = std::get_if<Ping>(&message)) {
        lastPing_ = *ping;
        lastPingAt_ = sentCount_;
    }
}

} // namespace gloob::net::testing
