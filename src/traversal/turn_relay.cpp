// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "turn_relay.h"

#include <arpa/inet.h>
#include <fcntl.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <algorithm>
#include <cerrno>
#include <cstring>
#include <random>

namespace gloob::traversal {

namespace {

// A request unanswered this long is sent again; one unanswered for
// `giveUpAfter` means the relay is out of reach.
constexpr auto resendEvery = std::chrono::milliseconds(250);
constexpr auto giveUpAfter = std::chrono::seconds(5);
// Permissions last five minutes and channels ten; renewing all of them and
// the allocation this often keeps a match of any length going.
constexpr auto renewEvery = std::chrono::minutes(2);
// A stale nonce is renewed by the relay a few times in a row at most.
constexpr int maxStaleNonces = 3;
constexpr std::uint16_t channel = turn::firstChannel;
constexpr std::uint32_t loopback = 0x7F000001;
constexpr std::size_t maxDatagram = 2048;

sockaddr_in socketAddress(const Endpoint& where) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(where.address);
    address.sin_port = htons(where.port);
    return address;
}

int openSocket(const Endpoint& at, std::uint16_t& port, std::string& error) {
    const int fd = socket(AF_INET, SOCK_DGRAM | SOCK_NONBLOCK | SOCK_CLOEXEC, 0);
    sockaddr_in address = socketAddress(at);
    socklen_t length = sizeof address;
    if (fd < 0 || bind(fd, reinterpret_cast<sockaddr*>(&address), sizeof address) != 0 ||
        getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length) != 0) {
        error = std::string("cannot open a socket for the relay: ") + std::strerror(errno);
        if (fd >= 0) {
            close(fd);
        }
        return -1;
    }
    port = ntohs(address.sin_port);
    return fd;
}

// Each datagram waiting on a socket, with its sender.
template <typename Hear> void readAll(int fd, Hear hear) {
    std::array<std::uint8_t, maxDatagram> buffer{};
    for (;;) {
        sockaddr_in from{};
        socklen_t length = sizeof from;
        const auto got = recvfrom(fd, buffer.data(), buffer.size(), 0,
                                  reinterpret_cast<sockaddr*>(&from), &length);
        if (got < 0) {
            return;
        }
        hear(std::span<const std::uint8_t>(buffer.data(), static_cast<std::size_t>(got)),
             Endpoint{ntohl(from.sin_addr.s_addr), ntohs(from.sin_port)});
    }
}

std::string describeError(const StunMessage& answer) {
    const std::string reason = answer.errorReason();
    return std::to_string(answer.errorCode().value_or(0)) + (reason.empty() ? "" : " " + reason);
}

} // namespace

std::unique_ptr<TurnRelay> TurnRelay::open(const Endpoint& server, TurnCredentials credentials,
                                           std::string& error) {
    std::uint16_t serverSide = 0;
    std::uint16_t forwarderPort = 0;
    const int serverSocket = openSocket({0, 0}, serverSide, error);
    if (serverSocket < 0) {
        return nullptr;
    }
    const int forwarderSocket = openSocket({loopback, 0}, forwarderPort, error);
    if (forwarderSocket < 0) {
        close(serverSocket);
        return nullptr;
    }
    return std::unique_ptr<TurnRelay>(new TurnRelay(server, std::move(credentials), serverSocket,
                                                    forwarderSocket, forwarderPort));
}

TurnRelay::TurnRelay(const Endpoint& server, TurnCredentials credentials, int serverSocket,
                     int forwarderSocket, std::uint16_t forwarderPort)
    : server_(server), credentials_(std::move(credentials)), serverSocket_(serverSocket),
      forwarderSocket_(forwarderSocket), forwarderPort_(forwarderPort),
      ids_(std::random_device{}()) {
    ask(turn::allocate, [](StunWriter& request) {
        request.addNumber(attribute::requestedTransport, turn::transportUdp);
    });
}

TurnRelay::~TurnRelay() {
    // Hands the address back rather than leaving it to time out.
    if (relayed_) {
        requests_.clear();
        ask(turn::refresh, [](StunWriter& request) { request.addNumber(attribute::lifetime, 0); });
        send(requests_.back(), Clock::now());
    }
    close(serverSocket_);
    close(forwarderSocket_);
}

void TurnRelay::ask(std::uint16_t method, std::function<void(StunWriter&)> attributes) {
    requests_.push_back({method, newId(), std::move(attributes)});
}

TransactionId TurnRelay::newId() {
    TransactionId id{};
    for (std::uint8_t& byte : id) {
        byte = static_cast<std::uint8_t>(ids_());
    }
    return id;
}

void TurnRelay::send(Request& request, Clock::time_point now) {
    if (request.firstSent == Clock::time_point{}) {
        request.firstSent = now;
    }
    request.lastSent = now;
    StunWriter writer(request.method, StunClass::request, request.id);
    request.attributes(writer);
    if (realm_.empty()) {
        sendTo(serverSocket_, server_, writer.finish());
        return;
    }
    writer.add(attribute::username, credentials_.username)
        .add(attribute::realm, realm_)
        .add(attribute::nonce, nonce_);
    sendTo(serverSocket_, server_, writer.finish(key_));
}

void TurnRelay::sendTo(int socket, const Endpoint& to, std::span<const std::uint8_t> datagram) {
    const sockaddr_in address = socketAddress(to);
    sendto(socket, datagram.data(), datagram.size(), 0, reinterpret_cast<const sockaddr*>(&address),
           sizeof address);
}

TurnRelay::State TurnRelay::step(Clock::time_point now) {
    if (state_ == State::failed) {
        return state_;
    }
    readAll(serverSocket_, [&](std::span<const std::uint8_t> datagram, const Endpoint& from) {
        if (from == server_) {
            hearServer(datagram, now);
        }
    });
    readAll(forwarderSocket_, [&](std::span<const std::uint8_t> datagram, const Endpoint& from) {
        if (from == Endpoint{loopback, linkPort_} && linkPort_ != 0) {
            hearLink(datagram);
        }
    });
    if (state_ == State::ready && refreshAt_ && now >= *refreshAt_) {
        refreshAt_ = now + renewEvery;
        ask(turn::refresh, [](StunWriter&) {});
        askPermissions();
        bindChannel();
    }
    const auto unanswered = [&](const Request& request) {
        return request.firstSent != Clock::time_point{} && now - request.firstSent >= giveUpAfter;
    };
    if (state_ == State::allocating && std::ranges::any_of(requests_, unanswered)) {
        fail("the relay at " + toString(server_) + " does not answer");
        return state_;
    }
    // Once lent, the address outlives a renewal lost or refused (the lobby's
    // password may have expired meanwhile) by its lifetime: the match goes on.
    std::erase_if(requests_, unanswered);
    for (Request& request : requests_) {
        if (request.firstSent == Clock::time_point{} || now - request.lastSent >= resendEvery) {
            send(request, now);
        }
    }
    return state_;
}

void TurnRelay::waitForDatagrams(int millis) const {
    pollfd sockets[] = {{serverSocket_, POLLIN, 0}, {forwarderSocket_, POLLIN, 0}};
    poll(sockets, 2, millis);
}

void TurnRelay::hearServer(std::span<const std::uint8_t> datagram, Clock::time_point now) {
    if (const auto data = readChannelData(datagram)) {
        if (data->channel == channel && bound_) {
            deliver(data->payload);
        }
        return;
    }
    const auto message = readStunMessage(datagram);
    if (!message) {
        return;
    }
    if (message->kind == StunClass::indication && message->method == turn::data) {
        const StunAttribute* payload = message->find(attribute::data);
        const auto from = message->xorAddress(attribute::xorPeerAddress);
        if (payload == nullptr || !from ||
            std::ranges::find(permittedAddresses_, from->address) == permittedAddresses_.end() ||
            (peer_ && from != peer_)) {
            return;
        }
        if (!peer_) {
            peer_ = from;
            bindChannel();
        }
        deliver(payload->value);
        return;
    }
    if (message->kind == StunClass::success || message->kind == StunClass::error) {
        hearAnswer(*message, now);
    }
}

void TurnRelay::hearAnswer(const StunMessage& answer, Clock::time_point now) {
    const auto asked = std::ranges::find(requests_, answer.id, &Request::id);
    if (asked == requests_.end()) {
        return;
    }
    // Once signed in, a success counts only signed with the same key. An
    // error may come unsigned (a relay that refuses the key cannot sign
    // with it); only a machine that saw the random transaction can forge one.
    if (!realm_.empty() && answer.kind == StunClass::success && !answer.integrityHolds(key_)) {
        return;
    }
    const int code = answer.errorCode().value_or(0);
    const bool unauthorised = code == 401 && realm_.empty();
    const bool stale = code == 438 && asked->staleNonces < maxStaleNonces;
    if (unauthorised || stale) {
        // The relay named its realm, or a fresh nonce: the same question
        // again, signed, as a new transaction.
        const std::string realm = answer.text(attribute::realm);
        nonce_ = answer.text(attribute::nonce);
        if (unauthorised) {
            if (realm.empty() || nonce_.empty()) {
                fail("the relay at " + toString(server_) + " asks for a sign-in it does not name");
                return;
            }
            realm_ = realm;
            key_ = longTermKey(credentials_, realm_);
        }
        Request again = std::move(*asked);
        requests_.erase(asked);
        again.staleNonces += code == 438 ? 1 : 0;
        again.id = newId();
        again.firstSent = {};
        requests_.push_back(std::move(again));
        send(requests_.back(), now);
        return;
    }
    const Request request = std::move(*asked);
    requests_.erase(asked);
    if (answer.kind == StunClass::error && state_ == State::ready) {
        return;
    }
    if (answer.kind == StunClass::error) {
        fail(code == 401 ? "the relay at " + toString(server_) +
                               " refused this machine's credentials (" + describeError(answer) + ")"
                         : "the relay at " + toString(server_) + " refused (" +
                               describeError(answer) + ")");
        return;
    }
    answered(request, answer);
}

void TurnRelay::answered(const Request& request, const StunMessage& answer) {
    if (request.method == turn::allocate) {
        relayed_ = answer.xorAddress(attribute::xorRelayedAddress);
        if (!relayed_) {
            fail("the relay at " + toString(server_) + " lent no IPv4 address");
            return;
        }
        state_ = State::ready;
        refreshAt_ = request.lastSent + renewEvery;
        askPermissions();
        bindChannel();
    } else if (request.method == turn::createPermission) {
        permitted_ = true;
    } else if (request.method == turn::channelBind) {
        bound_ = true;
    }
}

void TurnRelay::relayFor(const std::vector<std::uint32_t>& addresses, std::uint16_t linkPort,
                         std::optional<Endpoint> peer) {
    permittedAddresses_ = addresses;
    linkPort_ = linkPort;
    peer_ = peer;
    if (peer_ &&
        std::ranges::find(permittedAddresses_, peer_->address) == permittedAddresses_.end()) {
        permittedAddresses_.push_back(peer_->address);
    }
    if (state_ == State::ready) {
        askPermissions();
        bindChannel();
    }
}

void TurnRelay::askPermissions() {
    if (permittedAddresses_.empty()) {
        return;
    }
    const auto addresses = permittedAddresses_;
    ask(turn::createPermission, [addresses](StunWriter& request) {
        for (const std::uint32_t address : addresses) {
            request.addXorAddress(attribute::xorPeerAddress, {address, 0});
        }
    });
}

void TurnRelay::bindChannel() {
    if (!peer_ || state_ != State::ready) {
        return;
    }
    const Endpoint peer = *peer_;
    ask(turn::channelBind, [peer](StunWriter& request) {
        request.addNumber(attribute::channelNumber, std::uint32_t{channel} << 16)
            .addXorAddress(attribute::xorPeerAddress, peer);
    });
}

void TurnRelay::hearLink(std::span<const std::uint8_t> datagram) {
    if (bound_) {
        sendTo(serverSocket_, server_, formatChannelData(channel, datagram));
    } else if (permitted_ && peer_) {
        // Until the channel is bound, datagrams travel in indications.
        const auto indication = StunWriter(turn::send, StunClass::indication, newId())
                                    .addXorAddress(attribute::xorPeerAddress, *peer_)
                                    .add(attribute::data, datagram)
                                    .finish();
        sendTo(serverSocket_, server_, indication);
    } else {
        return;
    }
    stats_.bytesToPeer += datagram.size();
    ++stats_.datagramsToPeer;
}

void TurnRelay::deliver(std::span<const std::uint8_t> payload) {
    if (linkPort_ == 0) {
        return;
    }
    stats_.bytesFromPeer += payload.size();
    ++stats_.datagramsFromPeer;
    sendTo(forwarderSocket_, {loopback, linkPort_}, payload);
}

void TurnRelay::fail(std::string why) {
    state_ = State::failed;
    failure_ = std::move(why);
}

} // namespace gloob::traversal
