// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "net/link.h"
#include "net/net_clock.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <optional>
#include <vector>

namespace gloob::net::testing {

// Virtual time for the network side while it lives: it moves only when told.
class VirtualNetTime {
public:
    VirtualNetTime();
    ~VirtualNetTime();
    VirtualNetTime(const VirtualNetTime&) = delete;
    VirtualNetTime& operator=(const VirtualNetTime&) = delete;

    static void advance(std::chrono::milliseconds by);
    // Time since this clock was made.
    static std::chrono::milliseconds elapsed();
};

// What the other machine's side of the network did during one look.
struct Arrivals {
    std::vector<std::vector<std::uint8_t>> datagrams;
    std::chrono::milliseconds took{0}; // virtual time the look lasted
    bool lost = false;                 // the connection is gone after these
};

// A link without sockets: every look at the network asks `feed` what came
// (with how long the caller was ready to wait), and what this machine sends
// is kept for the caller to read. Datagrams are decoded as the real link
// decodes them; bad ones are dropped and counted.
class FakeLink final : public Link {
public:
    using Feed = std::function<Arrivals(int waitMillis)>;
    explicit FakeLink(Feed feed) : feed_(std::move(feed)) {}

    std::uint16_t port() const override { return 0; }
    bool connected() const override { return !lost_ && !closed_; }
    bool lost() const override { return lost_; }
    std::vector<Message> service(int waitMillis) override;
    void send(const Message& message, bool reliable) override;
    void close(int) override { closed_ = true; }
    const LinkStats& stats() const override { return stats_; }

    // The latest input frame and ping this machine sent, if either was among
    // its last 64 messages.
    const InputFrame* lastFrame() const { return recent(lastFrame_, lastFrameAt_); }
    const Ping* lastPing() const { return recent(lastPing_, lastPingAt_); }
    bool closed() const { return closed_; }

private:
    static constexpr std::uint64_t keptSent = 64;
    template <typename M> const M* recent(const std::optional<M>& message, std::uint64_t at) const {
        return message && sentCount_ - at < keptSent ? &*message : nullptr;
    }
    Feed feed_;
    std::uint64_t sentCount_ = 0;
    std::optional<InputFrame> lastFrame_;
    std::uint64_t lastFrameAt_ = 0;
    std::optional<Ping> lastPing_;
    std::uint64_t lastPingAt_ = 0;
    bool lost_ = false;
    bool closed_ = false;
    LinkStats stats_;
};

} // namespace gloob::net::testing
