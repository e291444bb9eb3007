// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// A relay lent by a real TURN server on loopback: datagrams both ways, a
// refused sign-in, and ENet connecting through the loopback forwarder.

#include "coturn.h"
#include "net/link.h"
#include "traversal/turn_relay.h"
#include "udp_socket.h"

#include <gtest/gtest.h>

#include <chrono>
#include <thread>

namespace gloob::traversal {
namespace {

using namespace std::chrono_literals;

class TurnRelayTest : public testing::Test {
protected:
    static void SetUpTestSuite() { coturn = new Coturn; }
    static void TearDownTestSuite() { delete coturn; }
    void SetUp() override {
        if (!coturn->running()) {
            GTEST_SKIP() << "turnserver (Debian's coturn) is not installed";
        }
    }

    static std::int64_t expiry(std::int64_t fromNow) {
        const auto now = std::chrono::system_clock::now().time_since_epoch();
        return std::chrono::duration_cast<std::chrono::seconds>(now).count() + fromNow;
    }
    static TurnCredentials credentials(std::int64_t fromNow = 3600) {
        return sharedSecretCredentials(coturnSecret, "player", expiry(fromNow));
    }
    static std::unique_ptr<TurnRelay> open(const TurnCredentials& credentials) {
        std::string error;
        auto relay = TurnRelay::open(coturn->where(), credentials, error);
        EXPECT_TRUE(relay) << error;
        return relay;
    }
    // Steps the relay, as a caller's loop would, until `done` or a while.
    static bool stepUntil(TurnRelay& relay, const std::function<bool()>& done,
                          const std::function<void()>& alongside = {}) {
        for (int i = 0; i < 600; ++i) {
            relay.step(TurnRelay::Clock::now());
            if (alongside) {
                alongside();
            }
            if (done()) {
                return true;
            }
            std::this_thread::sleep_for(5ms);
        }
        return false;
    }

    static Coturn* coturn;
};
Coturn* TurnRelayTest::coturn = nullptr;

TEST_F(TurnRelayTest, DatagramsCrossTheRelayBothWaysAndOnlyFromTheOtherPlayer) {
    const auto relay = open(credentials());
    ASSERT_TRUE(stepUntil(*relay, [&] { return relay->state() != TurnRelay::State::allocating; }));
    ASSERT_EQ(relay->state(), TurnRelay::State::ready) << relay->failure();
    ASSERT_EQ(relay->relayed()->address, loopback);

    const Stranger link;   // the match's socket
    const Stranger player; // the other player
    const Stranger third(loopback + 1);
    relay->relayFor({loopback}, link.where().port);

    // The other player speaks first, from a port the relay learns.
    third.send({'n', 'o'}, *relay->relayed());
    const Bytes first{'s', 'e', 'r', 'v', 'e'};
    std::optional<Bytes> heard;
    Endpoint from;
    stepUntil(*relay, [&] {
        player.send(first, *relay->relayed());
        return (heard = link.receive(&from)).has_value();
    });
    EXPECT_EQ(heard, first) << "the third machine's datagram does not come through";
    EXPECT_EQ(from, (Endpoint{loopback, relay->forwarderPort()}));
    EXPECT_EQ(relay->peer(), player.where());
    ASSERT_TRUE(stepUntil(*relay, [&] { return relay->channelBound(); })) << relay->failure();

    const Bytes back{'r', 'e', 't', 'u', 'r', 'n'};
    link.send(back, relay->forwarderPort());
    heard.reset();
    stepUntil(*relay, [&] { return (heard = player.receive(&from)).has_value(); });
    EXPECT_EQ(heard, back);
    EXPECT_EQ(from, *relay->relayed()) << "the other player hears the relayed address";
    const Bytes again{'a', 'g', 'a', 'i', 'n'};
    player.send(again, *relay->relayed());
    heard.reset();
    // Copies of the first datagram, sent again while the relay was still
    // learning, may still be on their way.
    stepUntil(*relay, [&] {
        heard = link.receive(&from);
        return heard.has_value() && *heard != first;
    });
    EXPECT_EQ(heard, again) << "over the bound channel";
    EXPECT_EQ(from, (Endpoint{loopback, relay->forwarderPort()}));
    EXPECT_EQ(relay->stats().bytesToPeer, back.size());
    EXPECT_GE(relay->stats().bytesFromPeer, first.size() + again.size());
}

// A relay whose nonces last a second answers a permission asked later with
// 438 and a new nonce: asked again with it, the match goes on.
TEST_F(TurnRelayTest, AStaleNonceIsTakenAndTheRequestAskedAgain) {
    const Coturn shortNonces(1);
    std::string error;
    const auto relay = TurnRelay::open(shortNonces.where(), credentials(), error);
    ASSERT_TRUE(relay) << error;
    ASSERT_TRUE(stepUntil(*relay, [&] { return relay->state() != TurnRelay::State::allocating; }));
    ASSERT_EQ(relay->state(), TurnRelay::State::ready) << relay->failure();
    // coturn tells the time in whole seconds: its nonce is surely stale after three.
    const auto stale = std::chrono::steady_clock::now() + 3s;
    while (std::chrono::steady_clock::now() < stale) {
        relay->step(TurnRelay::Clock::now());
        std::this_thread::sleep_for(20ms);
    }

    const Stranger link;
    const Stranger player;
    relay->relayFor({loopback}, link.where().port);
    std::optional<Bytes> heard;
    stepUntil(*relay, [&] {
        player.send({'h', 'i'}, *relay->relayed());
        return (heard = link.receive()).has_value();
    });
    EXPECT_EQ(heard, (Bytes{'h', 'i'})) << relay->failure();
    EXPECT_EQ(relay->state(), TurnRelay::State::ready);
    EXPECT_NE(shortNonces.log().find("438"), std::string::npos) << "the nonce went stale";
}

TEST_F(TurnRelayTest, CredentialsTheRelayDoesNotTakeAreRefusedWithItsReason) {
    const struct {
        const char* what;
        TurnCredentials credentials;
    } cases[] = {
        {"another secret's password",
         sharedSecretCredentials("another secret", "player", expiry(3600))},
        {"expired an hour ago", credentials(-3600)},
    };
    for (const auto& [what, refused] : cases) {
        const auto relay = open(refused);
        ASSERT_TRUE(stepUntil(*relay, [&] {
            return relay->state() != TurnRelay::State::allocating;
        })) << what;
        EXPECT_EQ(relay->state(), TurnRelay::State::failed) << what;
        EXPECT_TRUE(relay->failure().starts_with("the relay at " + toString(coturn->where()) +
                                                 " refused this machine's credentials (401"))
            << what << ": " << relay->failure();
    }
}

TEST_F(TurnRelayTest, EnetConnectsThroughTheForwarder) {
    std::string error;
    const auto host = net::Link::listen(0, error);
    const auto joiner = net::Link::open(error);
    ASSERT_TRUE(host && joiner) << error;
    const auto relay = open(credentials());
    relay->relayFor({}, joiner->port(), Endpoint{loopback, host->port()});
    ASSERT_TRUE(stepUntil(*relay, [&] { return relay->channelBound(); })) << relay->failure();

    ASSERT_TRUE(joiner->connectTo("127.0.0.1", relay->forwarderPort(), error)) << error;
    std::vector<net::Message> heard;
    const auto service = [&] {
        for (auto& message : host->service(0)) {
            heard.push_back(std::move(message));
        }
        joiner->service(0);
    };
    ASSERT_TRUE(stepUntil(
        *relay, [&] { return joiner->connected(); }, service));
    joiner->send(net::Hello{}, true);
    ASSERT_TRUE(stepUntil(
        *relay, [&] { return !heard.empty(); }, service));
    EXPECT_EQ(heard.front(), net::Message(net::Hello{}));
    EXPECT_GT(relay->stats().bytesFromPeer, 0u) << "the host's answers came back through the relay";
}

} // namespace
} // namespace gloob::traversal
