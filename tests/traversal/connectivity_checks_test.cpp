// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// Connectivity checks between two match sockets on loopback, and a third
// machine that tries to be answered or believed.

#include "net/link.h"
#include "traversal/connectivity_checks.h"
#include "udp_socket.h"

#include <gtest/gtest.h>

#include <atomic>
#include <future>

namespace gloob::traversal {
namespace {

using namespace std::chrono_literals;

const Secret secret = *secretFromHex("0123456789abcdef0123456789abcdef");

std::unique_ptr<net::Link> openLink() {
    std::string error;
    auto link = net::Link::open(error);
    EXPECT_TRUE(link) << error;
    return link;
}

TEST(ConnectivityChecks, TwoMachinesFindEachOtherAndTheBestPathWins) {
    const auto host = openLink();
    const auto joiner = openLink();
    // The joiner names an address where nobody listens as its local one:
    // the public one, which answers, is taken.
    const std::vector<Candidate> joinerCandidates{{{loopback + 1, 9}, Path::localNetwork},
                                                  {{loopback, joiner->port()}, Path::directPublic}};
    const std::vector<Candidate> hostCandidates{{{loopback, host->port()}, Path::directPublic},
                                                {{loopback, host->port()}, Path::localNetwork}};
    std::atomic<bool> hostDone = false;
    auto joinerFound = std::async(std::launch::async, [&] {
        std::optional<ConnectivityChecks::Found> found;
        {
            ConnectivityChecks checks(*joiner, secret, hostCandidates);
            found = checks.run(3s);
        }
        // Still answering the host's probes, as a machine waiting for ENet would.
        while (!hostDone) {
            joiner->putBack(joiner->service(5));
        }
        return found;
    });
    // The host steps its checks as a window's timer would, servicing the link itself.
    ConnectivityChecks checks(*host, secret, joinerCandidates);
    auto state = checks.step();
    for (int i = 0; i < 600 && state == ConnectivityChecks::State::trying; ++i) {
        host->putBack(host->service(5));
        state = checks.step();
    }
    hostDone = true;
    ASSERT_EQ(state, ConnectivityChecks::State::found);
    EXPECT_EQ(checks.found()->candidate, joinerCandidates[1]);
    while (joinerFound.wait_for(0s) != std::future_status::ready) {
        host->putBack(host->service(5));
    }
    const auto found = joinerFound.get();
    ASSERT_TRUE(found);
    EXPECT_EQ(found->candidate, hostCandidates[1]) << "the local network before the public";

    std::string error;
    ASSERT_TRUE(joiner->connectTo("127.0.0.1", found->candidate.where.port, error)) << error;
    for (int i = 0; i < 200 && !joiner->connected(); ++i) {
        host->service(5);
        joiner->service(5);
    }
    EXPECT_TRUE(joiner->connected()) << "ENet connects once the checks are over";
}

TEST(ConnectivityChecks, ProbesOfOtherMatchesAddressesOrShapesAreIgnored) {
    const auto link = openLink();
    const Stranger stranger;
    const Secret other = *secretFromHex("fedcba9876543210fedcba9876543210");
    const Bytes request = formatProbe({ProbeKind::request, 7, {}}, secret);
    answerProbes(*link, secret);
    const struct {
        const char* what;
        Bytes sent;
        bool answered;
    } cases[] = {
        {"a request of this match", request, true},
        {"another match's", formatProbe({ProbeKind::request, 7, {}}, other), false},
        {"cut short", Bytes(request.begin(), request.end() - 1), false},
        {"an answer nobody asked for", formatProbe({ProbeKind::answer, 7, {}}, secret), false},
    };
    for (const auto& [what, sent, answered] : cases) {
        stranger.send(sent, link->port());
        std::optional<Bytes> reply;
        for (int i = 0; i < 10 && !reply; ++i) {
            link->service(5);
            reply = stranger.receive();
        }
        EXPECT_EQ(reply.has_value(), answered) << what;
        if (reply) {
            EXPECT_EQ(parseProbe(*reply, secret), (Probe{ProbeKind::answer, 7, stranger.where()}))
                << what;
        }
    }

    // An answer counts only from the address its request went to.
    const Stranger named;
    const Stranger third;
    ConnectivityChecks checks(*link, secret, {{named.where(), Path::directPublic}});
    auto found = std::async(std::launch::async, [&] { return checks.run(1500ms); });
    std::optional<Bytes> asked;
    while (!asked) {
        asked = named.receive();
    }
    const auto nonce = parseProbe(*asked, secret)->nonce;
    third.send(formatProbe({ProbeKind::answer, nonce, {}}, secret), link->port());
    named.send(formatProbe({ProbeKind::answer, nonce + 1, {}}, secret), link->port());
    EXPECT_EQ(found.wait_for(400ms), std::future_status::timeout)
        << "neither the third address nor a wrong nonce was believed";
    named.send(formatProbe({ProbeKind::answer, nonce, {}}, secret), link->port());
    const auto taken = found.get();
    ASSERT_TRUE(taken);
    EXPECT_EQ(taken->candidate.where, named.where());
}

} // namespace
} // namespace gloob::traversal
