// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "protocol.h"

#include <chrono>
#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <string>
#include <vector>

typedef struct _ENetHost ENetHost;
typedef struct _ENetPeer ENetPeer;

namespace gloob::net {

// What the link has carried so far, UDP payload bytes as ENet counts them.
struct LinkStats {
    std::uint64_t bytesSent = 0;
    std::uint64_t bytesReceived = 0;
    std::uint64_t messagesDropped = 0; // undecodable, or from another session
};

// One ENet connection to the other machine: the host listens and takes the
// first machine that says a hello of this protocol soon after it connected;
// one that says nothing is let go, one of another protocol is refused, and
// once a player is taken any other is refused as busy. Reliable
// messages travel on one channel in order; input frames on another, where a
// newer frame makes an older one useless. Tests and fuzzers put a machine of
// their own behind it.
class Link {
public:
    virtual ~Link();
    Link(const Link&) = delete;
    Link& operator=(const Link&) = delete;

    // Listens on a UDP port of every address (0: one the system picks).
    static std::unique_ptr<Link> listen(std::uint16_t port, std::string& error);
    // Starts connecting to a host; `connected()` tells when it answered.
    static std::unique_ptr<Link> connect(const std::string& address, std::uint16_t port,
                                         std::string& error);

    virtual std::uint16_t port() const;
    virtual bool connected() const { return peer_ != nullptr && connected_; }
    // The peer went away (it disconnected, or ENet gave up on it).
    virtual bool lost() const { return lost_; }

    // Waits up to `waitMillis` for the network, then returns the messages
    // that arrived from the peer, each decoded; bad ones are dropped.
    virtual std::vector<Message> service(int waitMillis);
    virtual void send(const Message& message, bool reliable);
    // Sends what is queued and says goodbye, waiting at most `waitMillis`
    // for the peer to hear it.
    virtual void close(int waitMillis);

    virtual const LinkStats& stats() const;

    // What a datagram that is not ENet's gets in answer on this socket
    // (a machine on the network looking for games): the reply, or nothing.
    using StrangerAnswer =
        std::function<std::optional<std::vector<std::uint8_t>>(std::span<const std::uint8_t>)>;
    void answerStrangers(StrangerAnswer answer);

protected:
    Link() = default;

private:
    void handleConnect(ENetPeer* peer);
    void hearStranger(ENetPeer* peer, std::vector<Message>& messages,
                      std::optional<Message> message);
    void dropSilentStrangers();

    ENetHost* host_ = nullptr;
    ENetPeer* peer_ = nullptr;
    bool hosting_ = false;
    bool connected_ = false;
    bool lost_ = false;
    // Machines connected to a host that has no player yet, and since when.
    std::vector<std::pair<ENetPeer*, std::chrono::steady_clock::time_point>> strangers_;
    mutable LinkStats stats_;
    StrangerAnswer strangerAnswer_;
};

} // namespace gloob::net
