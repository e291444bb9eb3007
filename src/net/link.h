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
#include <utility>
#include <vector>

typedef struct _ENetHost ENetHost;
typedef struct _ENetPeer ENetPeer;
typedef struct _ENetEvent ENetEvent;

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
    // A socket of its own that connects nowhere yet: a machine behind a
    // router first learns and opens its way out from it, then connects.
    static std::unique_ptr<Link> open(std::string& error);
    // Starts connecting an opened link to a host; false when it cannot.
    bool connectTo(const std::string& address, std::uint16_t port, std::string& error);

    virtual std::uint16_t port() const;
    virtual bool connected() const { return peer_ != nullptr && connected_; }
    // The peer went away (it disconnected, or ENet gave up on it).
    virtual bool lost() const { return lost_; }
    // Where the peer's datagrams come from (IPv4 and port, host order), once
    // it connected.
    std::optional<std::pair<std::uint32_t, std::uint16_t>> peerAddress() const;

    // Waits up to `waitMillis` for the network, then returns the messages
    // that arrived from the peer, each decoded; bad ones are dropped.
    virtual std::vector<Message> service(int waitMillis);
    // Messages taken from `service` by someone with no use for them (a
    // loop waiting for other datagrams), returned first by the next one.
    void putBack(std::vector<Message> messages);
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

    // Datagrams that are not ENet's, with their sender (IPv4 and port, host
    // order), seen before any stranger is answered: true when the handler
    // took the datagram. Sent ones leave from the link's own socket, so
    // routers on the way see the very port ENet plays on.
    using DatagramHandler = std::function<bool(std::span<const std::uint8_t>, std::uint32_t address,
                                               std::uint16_t port)>;
    void hearDatagrams(DatagramHandler handler);
    bool sendDatagram(std::uint32_t address, std::uint16_t port,
                      std::span<const std::uint8_t> datagram);

protected:
    Link() = default;

private:
    void handleConnect(ENetPeer* peer);
    void hearStranger(ENetPeer* peer, std::vector<Message>& messages,
                      std::optional<Message> message);
    void dropSilentStrangers();
    void watchSocket();
    bool takeDatagram();
    static int intercept(ENetHost* host, ENetEvent* event);

    ENetHost* host_ = nullptr;
    ENetPeer* peer_ = nullptr;
    bool hosting_ = false;
    bool connected_ = false;
    bool lost_ = false;
    // Machines connected to a host that has no player yet, and since when.
    std::vector<std::pair<ENetPeer*, std::chrono::steady_clock::time_point>> strangers_;
    mutable LinkStats stats_;
    StrangerAnswer strangerAnswer_;
    DatagramHandler datagramHandler_;
    std::vector<Message> putBack_;
};

} // namespace gloob::net
