// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "relay.h"

#include "net/handshake.h"

#include <arpa/inet.h>
#include <netinet/in.h>
#include <poll.h>
#include <sys/socket.h>
#include <unistd.h>

#include <deque>
#include <map>
#include <memory>
#include <random>
#include <vector>

namespace gloob::net::testing {

namespace {

using Clock = std::chrono::steady_clock;

sockaddr_in loopback(std::uint16_t port) {
    sockaddr_in address{};
    address.sin_family = AF_INET;
    address.sin_addr.s_addr = htonl(INADDR_LOOPBACK);
    address.sin_port = htons(port);
    return address;
}

int boundSocket() {
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    const sockaddr_in any = loopback(0);
    bind(fd, reinterpret_cast<const sockaddr*>(&any), sizeof any);
    return fd;
}

std::uint16_t portOf(int fd) {
    sockaddr_in address{};
    socklen_t length = sizeof address;
    getsockname(fd, reinterpret_cast<sockaddr*>(&address), &length);
    return ntohs(address.sin_port);
}

struct Datagram {
    bool toHost;
    std::vector<std::uint8_t> bytes;
};

} // namespace

Relay::Relay(std::uint16_t hostPort, const Impairment& impairment, std::uint32_t seed)
    : hostPort_(hostPort), impairment_(impairment), seed_(seed), front_(boundSocket()),
      back_(boundSocket()), stranger_(boundSocket()), port_(portOf(front_)) {}

Relay::~Relay() {
    for (const int fd : {front_, back_, stranger_}) {
        close(fd);
    }
}

void Relay::run(std::chrono::seconds limit) {
    std::mt19937 random(seed_);
    const auto chance = [&](double p) { return std::bernoulli_distribution(p)(random); };
    const auto between = [&](std::size_t low, std::size_t high) {
        return std::uniform_int_distribution<std::size_t>(low, high)(random);
    };
    const sockaddr_in host = loopback(hostPort_);
    sockaddr_in joiner{};
    bool joinerKnown = false;
    std::multimap<Clock::time_point, Datagram> queue;
    std::deque<Datagram> past; // for replays
    const auto began = Clock::now();
    auto nextMischief = began + std::chrono::milliseconds(200);
    std::unique_ptr<Link> thirdLink;
    std::unique_ptr<Handshake> third;

    const auto send = [&](const Datagram& d) {
        if (d.toHost) {
            sendto(back_, d.bytes.data(), d.bytes.size(), 0,
                   reinterpret_cast<const sockaddr*>(&host), sizeof host);
        } else if (joinerKnown) {
            sendto(front_, d.bytes.data(), d.bytes.size(), 0,
                   reinterpret_cast<const sockaddr*>(&joiner), sizeof joiner);
        }
    };
    const auto schedule = [&](Datagram d) {
        if (chance(impairment_.loss)) {
            ++stats_.lost;
            return;
        }
        const auto jitter = std::chrono::milliseconds(
            impairment_.jitter.count() > 0
                ? between(0, static_cast<std::size_t>(impairment_.jitter.count()))
                : 0);
        const auto at = Clock::now() + impairment_.delay + jitter;
        if (chance(impairment_.duplicate)) {
            queue.emplace(at + std::chrono::milliseconds(between(0, 30)), d);
        }
        if (impairment_.hostile) {
            past.push_back(d);
            if (past.size() > 200) {
                past.pop_front();
            }
        }
        queue.emplace(at, std::move(d));
        ++stats_.forwarded;
    };

    std::vector<std::uint8_t> buffer(2048);
    while (!stop_ && Clock::now() - began < limit) {
        pollfd fds[2] = {{front_, POLLIN, 0}, {back_, POLLIN, 0}};
        poll(fds, 2, 1);
        for (int i = 0; i < 2; ++i) {
            if ((fds[i].revents & POLLIN) == 0) {
                continue;
            }
            sockaddr_in from{};
            socklen_t length = sizeof from;
            const ssize_t got = recvfrom(fds[i].fd, buffer.data(), buffer.size(), 0,
                                         reinterpret_cast<sockaddr*>(&from), &length);
            if (got <= 0) {
                continue;
            }
            if (i == 0) {
                joiner = from;
                joinerKnown = true;
            }
            schedule({i == 0, {buffer.begin(), buffer.begin() + got}});
        }
        const auto now = Clock::now();
        while (!queue.empty() && queue.begin()->first <= now) {
            send(queue.begin()->second);
            queue.erase(queue.begin());
        }
        if (impairment_.hostile && now >= nextMischief) {
            nextMischief = now + std::chrono::milliseconds(between(10, 60));
            // Garbage from either end's own address, and from a stranger.
            std::vector<std::uint8_t> garbage(between(1, 600));
            for (auto& b : garbage) {
                b = static_cast<std::uint8_t>(between(0, 255));
            }
            send({chance(0.5), garbage});
            sendto(stranger_, garbage.data(), garbage.size(), 0,
                   reinterpret_cast<const sockaddr*>(&host), sizeof host);
            if (!past.empty()) {
                Datagram old = past[between(0, past.size() - 1)];
                send(old); // replayed
                old.bytes.resize(between(0, old.bytes.size() - 1));
                send(old); // cut short
            }
            stats_.invented += 4;
        }
        // A third machine tries to join once the match is on.
        if (impairment_.hostile && !third && now - began > std::chrono::seconds(2)) {
            std::string error;
            thirdLink = Link::connect("127.0.0.1", hostPort_, error);
            if (thirdLink) {
                third = std::make_unique<Handshake>(*thirdLink, false, "the host");
            }
        }
        if (third && third->advance(0) == Handshake::State::failed && stats_.thirdJoiner.empty()) {
            stats_.thirdJoiner = third->failure();
        }
    }
}

} // namespace gloob::net::testing
