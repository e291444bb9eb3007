// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "net/handshake.h"

#include <enet/enet.h>
#include <gtest/gtest.h>

#include <chrono>
#include <functional>

namespace gloob::net {
namespace {

using State = Handshake::State;

std::unique_ptr<Link> listening() {
    std::string error;
    auto link = Link::listen(0, error);
    EXPECT_NE(link, nullptr) << error;
    return link;
}

std::unique_ptr<Link> joining(const Link& host) {
    std::string error;
    auto link = Link::connect("127.0.0.1", host.port(), error);
    EXPECT_NE(link, nullptr) << error;
    return link;
}

// Runs the handshakes on loopback, in turns, until none is waiting.
void settle(std::initializer_list<Handshake*> sides) {
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    bool waiting = true;
    while (waiting && std::chrono::steady_clock::now() < until) {
        waiting = false;
        for (Handshake* side : sides) {
            waiting = side->advance(2) == State::waiting || waiting;
        }
    }
}

TEST(Handshake, AgreesOnSessionSidesAndDelay) {
    auto hostLink = listening();
    auto joinLink = joining(*hostLink);
    Handshake host(*hostLink, true);
    Handshake join(*joinLink, false, "127.0.0.1");
    settle({&host, &join});
    ASSERT_EQ(host.state(), State::agreed) << host.failure();
    ASSERT_EQ(join.state(), State::agreed) << join.failure();
    EXPECT_EQ(host.agreement().session, join.agreement().session);
    EXPECT_EQ(host.agreement().localSide, 1);
    EXPECT_EQ(join.agreement().localSide, 2);
    EXPECT_EQ(join.agreement().inputDelay, host.agreement().inputDelay);
    EXPECT_EQ(host.agreement().inputDelay, minInputDelay) << "loopback answers at once";
}

TEST(Handshake, ASecondJoinerIsToldTheHostIsBusy) {
    auto hostLink = listening();
    auto joinLink = joining(*hostLink);
    Handshake host(*hostLink, true);
    Handshake join(*joinLink, false, "127.0.0.1");
    settle({&host, &join});
    auto thirdLink = joining(*hostLink);
    Handshake third(*thirdLink, false, "127.0.0.1");
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (third.advance(2) == State::waiting && std::chrono::steady_clock::now() < until) {
        hostLink->service(2);
    }
    EXPECT_EQ(third.state(), State::failed);
    EXPECT_NE(third.failure().find("already playing"), std::string::npos) << third.failure();
    EXPECT_TRUE(hostLink->connected()) << "the match goes on";
}

TEST(Handshake, AnotherProtocolIsRefusedAndTheHostWaitsOn) {
    auto hostLink = listening();
    auto joinLink = joining(*hostLink);
    Handshake host(*hostLink, true);
    bool helloSent = false;
    std::optional<Refuse> refused;
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while (!refused && std::chrono::steady_clock::now() < until) {
        host.advance(2);
        for (const Message& m : joinLink->service(2)) {
            if (const auto* r = std::get_if<Refuse>(&m)) {
                refused = *r;
            }
        }
        if (joinLink->connected() && !helloSent) {
            joinLink->send(Hello{protocolVersion + 1, "9.9.9"}, true);
            helloSent = true;
        }
    }
    ASSERT_TRUE(refused.has_value());
    EXPECT_EQ(refused->reason, RefuseReason::otherVersion);
    EXPECT_EQ(refused->protocol, protocolVersion);
    EXPECT_EQ(host.state(), State::waiting) << host.failure();
}

// A connect from a machine that is gone before the host answers (its source
// may be forged): ENet keeps a slot for it until it gives up.
void connectAndVanish(std::uint16_t port) {
    ENetHost* client = enet_host_create(nullptr, 1, 2, 0, 0);
    ASSERT_NE(client, nullptr);
    client->checksum = enet_crc32;
    ENetAddress to{};
    enet_address_set_host(&to, "127.0.0.1");
    to.port = port;
    enet_host_connect(client, &to, 2, 0);
    enet_host_flush(client);
    enet_host_destroy(client);
}

struct StrangerCase {
    const char* name;
    // Sets the strangers on the host; returns what keeps them going.
    std::function<std::function<void()>(const Link& host)> arrive;
};
void PrintTo(const StrangerCase& row, std::ostream* out) {
    *out << row.name;
}

class Strangers : public ::testing::TestWithParam<StrangerCase> {};

TEST_P(Strangers, NeitherFailTheHostNorKeepThePlayerOut) {
    auto hostLink = listening();
    Handshake host(*hostLink, true);
    const std::function<void()> strangersGoOn = GetParam().arrive(*hostLink);
    for (int i = 0; i < 100; ++i) {
        host.advance(2);
        strangersGoOn();
    }
    ASSERT_EQ(host.state(), State::waiting) << host.failure();
    auto joinLink = joining(*hostLink);
    Handshake join(*joinLink, false, "127.0.0.1");
    const auto until = std::chrono::steady_clock::now() + std::chrono::seconds(10);
    while ((host.state() == State::waiting || join.state() == State::waiting) &&
           std::chrono::steady_clock::now() < until) {
        host.advance(2);
        join.advance(2);
        strangersGoOn();
    }
    EXPECT_EQ(host.state(), State::agreed) << host.failure();
    EXPECT_EQ(join.state(), State::agreed) << join.failure();
}

INSTANTIATE_TEST_SUITE_P(
    Table, Strangers,
    ::testing::Values(StrangerCase{"ConnectsAndSaysNothing",
                                   [](const Link& host) -> std::function<void()> {
                                       std::shared_ptr<Link> silent = joining(host);
                                       return [silent] { silent->service(0); };
                                   }},
                      StrangerCase{
                          "SpeaksAnotherProtocol",
                          [](const Link& host) -> std::function<void()> {
                              std::shared_ptr<Link> other = joining(host);
                              auto said = std::make_shared<bool>(false);
                              return [other, said] {
                                  other->service(0);
                                  if (other->connected() && !*said) {
                                      other->send(Hello{protocolVersion + 1, "9.9.9"}, true);
                                      *said = true;
                                  }
                              };
                          }},
                      StrangerCase{"TwoConnectsThatNeverAnswer",
                                   [](const Link& host) -> std::function<void()> {
                                       connectAndVanish(host.port());
                                       connectAndVanish(host.port());
                                       return [] {};
                                   }}),
    [](const auto& info) { return std::string(info.param.name); });

struct DelayRow {
    const char* name;
    std::int64_t roundTripMicros;
    int delay;
};
void PrintTo(const DelayRow& row, std::ostream* out) {
    *out << row.name;
}

class InputDelays : public ::testing::TestWithParam<DelayRow> {};

TEST_P(InputDelays, NoneWhileTheGuessesReachOneWay) {
    EXPECT_EQ(inputDelayFor(GetParam().roundTripMicros), GetParam().delay);
}

INSTANTIATE_TEST_SUITE_P(
    Table, InputDelays,
    ::testing::Values(DelayRow{"Loopback", 100, 0}, DelayRow{"SameTown20ms", 20'000, 0},
                      DelayRow{"Continent150ms", 150'000, 0}, DelayRow{"Far250ms", 250'000, 1},
                      DelayRow{"Ocean300ms", 300'000, 3}, DelayRow{"Satellite600ms", 600'000, 8}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob::net
