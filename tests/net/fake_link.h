// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "net/link.h"
#include "net/net_clock.h"

#include <chrono>
#include <cstdint>
#include <deque>
#include <functional>
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

    // The latest messages this machine sent, oldest first.
    const std::deque<Message>& sent() const { return sent_; }
    bool closed() const { return closed_; }

private:
    static constexpr std::size_t keptSent = 64;
    Feed feed_;
    std::deque<Message> sent_;
    bool lost_ = false;
    bool closed_ = false;
    LinkStats stats_;
};

} // namespace gloob::net::testing
