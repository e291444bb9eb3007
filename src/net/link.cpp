// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "link.h"

#include "app/version.h"

#include <enet/enet.h>

#include <algorithm>
#include <chrono>
#include <map>
#include <mutex>

namespace gloob::net {

namespace {

constexpr std::uint8_t reliableChannel = 0;
constexpr std::uint8_t inputChannel = 1;
constexpr std::size_t channelCount = 2;
// The player's peer, and slots for strangers: a machine that tries to join
// while a match is on is told why it cannot rather than left waiting, and
// connects that are never completed (their source may be forged) hold a
// slot until ENet gives up on them.
constexpr std::size_t hostPeers = 8;
// A machine that connects says its hello at once, or is let go.
constexpr auto helloLimit = std::chrono::seconds(2);
// ENet would give up on a peer whose reliable messages go unanswered this
// long. The session watches the peer itself (3 s without a valid frame), so
// this only has to be longer: a datagram replayed by someone on the way can
// inflate ENet's round-trip estimate and so its resend delays.
constexpr enet_uint32 peerTimeoutMillis = 10000;
// Memory a peer can make this machine hold: a few frames' worth.
constexpr std::size_t maxWaitingBytes = 64 * 1024;

bool initialiseEnet(std::string& error) {
    static std::once_flag once;
    static bool ready = false;
    std::call_once(once, [] {
        ready = enet_initialize() == 0;
        if (ready) {
            std::atexit(enet_deinitialize);
        }
    });
    if (!ready) {
        error = "the network library could not start";
    }
    return ready;
}

// ENet slows a peer's unreliable datagrams down when its round trip grows;
// input frames must flow whatever the round trip, so that throttle stays open.
void keepUnthrottled(ENetPeer* peer) {
    enet_peer_timeout(peer, 0, peerTimeoutMillis, peerTimeoutMillis);
    enet_peer_throttle_configure(peer, ENET_PEER_PACKET_THROTTLE_INTERVAL, 0, 0);
}

void limit(ENetHost* host) {
    // Every datagram carries a CRC: one changed or cut on its way is dropped
    // before ENet reads any of it.
    host->checksum = enet_crc32;
    host->maximumPacketSize = maxMessageBytes;
    host->maximumWaitingData = maxWaitingBytes;
}

// ENet hands every datagram first to its host's intercept, which has no
// room for the link: the links that look at datagrams, by host.
std::mutex watchingMutex;
std::map<ENetHost*, Link*> watching;

} // namespace

Link::~Link() {
    if (host_ != nullptr) {
        {
            const std::lock_guard lock(watchingMutex);
            watching.erase(host_);
        }
        enet_host_destroy(host_);
    }
}

void Link::watchSocket() {
    const std::lock_guard lock(watchingMutex);
    watching[host_] = this;
    host_->intercept = intercept;
}

std::optional<std::pair<std::uint32_t, std::uint16_t>> Link::peerAddress() const {
    if (!connected()) {
        return std::nullopt;
    }
    return std::pair{ENET_NET_TO_HOST_32(peer_->address.host), peer_->address.port};
}

int Link::intercept(ENetHost* host, ENetEvent*) {
    Link* link = nullptr;
    {
        const std::lock_guard lock(watchingMutex);
        const auto found = watching.find(host);
        if (found == watching.end()) {
            return 0;
        }
        link = found->second;
    }
    return link->takeDatagram() ? 1 : 0; // 0: ENet's own, or nothing to anyone
}

bool Link::takeDatagram() {
    const std::span<const std::uint8_t> datagram(host_->receivedData, host_->receivedDataLength);
    const ENetAddress& from = host_->receivedAddress;
    if (datagramHandler_ && datagramHandler_(datagram, ENET_NET_TO_HOST_32(from.host), from.port)) {
        return true;
    }
    if (!strangerAnswer_) {
        return false;
    }
    const auto reply = strangerAnswer_(datagram);
    if (!reply) {
        return false;
    }
    ENetBuffer buffer{};
    buffer.data = const_cast<std::uint8_t*>(reply->data());
    buffer.dataLength = reply->size();
    enet_socket_send(host_->socket, &from, &buffer, 1);
    return true;
}

void Link::answerStrangers(StrangerAnswer answer) {
    if (host_ == nullptr) {
        return;
    }
    strangerAnswer_ = std::move(answer);
    watchSocket();
}

void Link::hearDatagrams(DatagramHandler handler) {
    if (host_ == nullptr) {
        return;
    }
    datagramHandler_ = std::move(handler);
    watchSocket();
}

bool Link::sendDatagram(std::uint32_t address, std::uint16_t port,
                        std::span<const std::uint8_t> datagram) {
    if (host_ == nullptr) {
        return false;
    }
    ENetAddress to{};
    to.host = ENET_HOST_TO_NET_32(address);
    to.port = port;
    ENetBuffer buffer{};
    buffer.data = const_cast<std::uint8_t*>(datagram.data());
    buffer.dataLength = datagram.size();
    return enet_socket_send(host_->socket, &to, &buffer, 1) >= 0;
}

std::unique_ptr<Link> Link::listen(std::uint16_t port, std::string& error) {
    if (!initialiseEnet(error)) {
        return nullptr;
    }
    ENetAddress address{};
    address.host = ENET_HOST_ANY;
    address.port = port;
    std::unique_ptr<Link> link(new Link);
    link->host_ = enet_host_create(&address, hostPeers, channelCount, 0, 0);
    if (link->host_ == nullptr) {
        error = "UDP port " + std::to_string(port) + " cannot be opened (is it in use?)";
        return nullptr;
    }
    link->hosting_ = true;
    limit(link->host_);
    return link;
}

std::unique_ptr<Link> Link::connect(const std::string& address, std::uint16_t port,
                                    std::string& error) {
    if (!initialiseEnet(error)) {
        return nullptr;
    }
    ENetAddress to{};
    if (enet_address_set_host(&to, address.c_str()) != 0) {
        error = "the address '" + address + "' cannot be found";
        return nullptr;
    }
    to.port = port;
    std::unique_ptr<Link> link(new Link);
    link->host_ = enet_host_create(nullptr, 1, channelCount, 0, 0);
    if (link->host_ == nullptr) {
        error = "no UDP socket can be opened";
        return nullptr;
    }
    limit(link->host_);
    link->peer_ = enet_host_connect(link->host_, &to, channelCount, 0);
    if (link->peer_ == nullptr) {
        error = "the connection cannot be started";
        return nullptr;
    }
    return link;
}

std::unique_ptr<Link> Link::open(std::string& error) {
    if (!initialiseEnet(error)) {
        return nullptr;
    }
    // Bound at once, to a port the system picks, so that the port can be
    // learnt and told before connecting.
    ENetAddress any{};
    any.host = ENET_HOST_ANY;
    std::unique_ptr<Link> link(new Link);
    link->host_ = enet_host_create(&any, 1, channelCount, 0, 0);
    if (link->host_ == nullptr) {
        error = "no UDP socket can be opened";
        return nullptr;
    }
    limit(link->host_);
    return link;
}

bool Link::connectTo(const std::string& address, std::uint16_t port, std::string& error) {
    ENetAddress to{};
    if (enet_address_set_host_ip(&to, address.c_str()) != 0) {
        error = "the address '" + address + "' is no IPv4 address";
        return false;
    }
    to.port = port;
    peer_ = enet_host_connect(host_, &to, channelCount, 0);
    if (peer_ == nullptr) {
        error = "the connection cannot be started";
        return false;
    }
    return true;
}

std::uint16_t Link::port() const {
    return host_->address.port;
}

namespace {
// Tells a machine why it cannot play here, and lets it go.
void refuse(ENetPeer* peer, RefuseReason reason) {
    const std::vector<std::uint8_t> bytes =
        encode(Refuse{reason, protocolVersion, std::string(gameVersion)});
    enet_peer_send(peer, reliableChannel,
                   enet_packet_create(bytes.data(), bytes.size(), ENET_PACKET_FLAG_RELIABLE));
    enet_peer_disconnect_later(peer, 0);
}
} // namespace

void Link::handleConnect(ENetPeer* peer) {
    if (!hosting_) {
        peer_ = peer;
        connected_ = true;
        keepUnthrottled(peer);
    } else if (peer_ == nullptr && !lost_) {
        strangers_.emplace_back(peer, std::chrono::steady_clock::now());
    } else {
        refuse(peer, RefuseReason::busy); // a match is already on
    }
}

// A stranger becomes the player with a hello of this protocol; anything
// else sends it away, and the host listens on.
void Link::hearStranger(ENetPeer* peer, std::vector<Message>& messages,
                        std::optional<Message> message) {
    const auto stranger = std::find_if(strangers_.begin(), strangers_.end(),
                                       [peer](const auto& s) { return s.first == peer; });
    if (stranger == strangers_.end()) {
        return;
    }
    strangers_.erase(stranger);
    const auto* hello = message ? std::get_if<Hello>(&*message) : nullptr;
    if (hello == nullptr) {
        enet_peer_disconnect_now(peer, 0);
    } else if (hello->protocol != protocolVersion) {
        refuse(peer, RefuseReason::otherVersion);
    } else {
        peer_ = peer;
        connected_ = true;
        keepUnthrottled(peer);
        messages.push_back(std::move(*message));
        for (const auto& other : strangers_) {
            refuse(other.first, RefuseReason::busy);
        }
        strangers_.clear();
    }
}

void Link::dropSilentStrangers() {
    const auto now = std::chrono::steady_clock::now();
    std::erase_if(strangers_, [now](const auto& s) {
        if (now - s.second < helloLimit) {
            return false;
        }
        enet_peer_disconnect_now(s.first, 0);
        return true;
    });
}

void Link::putBack(std::vector<Message> messages) {
    putBack_.insert(putBack_.begin(), std::make_move_iterator(messages.begin()),
                    std::make_move_iterator(messages.end()));
}

std::vector<Message> Link::service(int waitMillis) {
    std::vector<Message> messages;
    messages.swap(putBack_);
    ENetEvent event;
    int wait = waitMillis;
    while (enet_host_service(host_, &event, static_cast<enet_uint32>(wait)) > 0) {
        wait = 0;
        switch (event.type) {
        case ENET_EVENT_TYPE_CONNECT:
            handleConnect(event.peer);
            break;
        case ENET_EVENT_TYPE_RECEIVE: {
            auto message = decode({event.packet->data, event.packet->dataLength});
            enet_packet_destroy(event.packet);
            if (event.peer != peer_) {
                hearStranger(event.peer, messages, std::move(message));
            } else if (message) {
                messages.push_back(std::move(*message));
            } else {
                ++stats_.messagesDropped;
            }
            break;
        }
        case ENET_EVENT_TYPE_DISCONNECT:
            if (event.peer == peer_) {
                lost_ = true;
                connected_ = false;
                peer_ = nullptr;
            }
            std::erase_if(strangers_, [&event](const auto& s) { return s.first == event.peer; });
            break;
        case ENET_EVENT_TYPE_NONE:
            break;
        }
    }
    dropSilentStrangers();
    return messages;
}

void Link::send(const Message& message, bool reliable) {
    if (!connected()) {
        return;
    }
    const std::vector<std::uint8_t> bytes = encode(message);
    ENetPacket* packet =
        enet_packet_create(bytes.data(), bytes.size(), reliable ? ENET_PACKET_FLAG_RELIABLE : 0);
    if (enet_peer_send(peer_, reliable ? reliableChannel : inputChannel, packet) != 0) {
        enet_packet_destroy(packet);
        return;
    }
    // Sent at once, not at the next service: the peer may be waiting for it.
    enet_host_flush(host_);
}

void Link::close(int waitMillis) {
    if (!connected()) {
        return;
    }
    enet_peer_disconnect_later(peer_, 0);
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMillis);
    ENetEvent event;
    while (std::chrono::steady_clock::now() < until) {
        if (enet_host_service(host_, &event, 10) > 0) {
            if (event.type == ENET_EVENT_TYPE_RECEIVE) {
                enet_packet_destroy(event.packet);
            } else if (event.type == ENET_EVENT_TYPE_DISCONNECT && event.peer == peer_) {
                break;
            }
        }
    }
    enet_peer_reset(peer_);
    peer_ = nullptr;
    connected_ = false;
}

const LinkStats& Link::stats() const {
    stats_.bytesSent = host_->totalSentData;
    stats_.bytesReceived = host_->totalReceivedData;
    return stats_;
}

} // namespace gloob::net
