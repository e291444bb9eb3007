// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// The lobby's answer naming its STUN server and relay, read or refused; and
// the game's own lobby handing out passwords the relay takes.

#include "lobby/external_services.h"
#include "lobby_server.h"
#include "traversal/turn_message.h"

#include <gtest/gtest.h>
#include <strophe.h>

#include <chrono>

namespace gloob::lobby {
namespace {

struct AnswerCase {
    const char* name;
    std::string services; // inside the answer's iq
    std::variant<ServiceAddress, std::string> expected;
    const char* type = "result";
};

struct RelayCase {
    const char* name;
    std::string services;
    std::variant<RelayService, std::string> expected;
    const char* type = "result";
};

std::string list(const std::string& inside) {
    return "<services xmlns='urn:xmpp:extdisco:2'>" + inside + "</services>";
}

// Each answer read by `read`: the expected service, or a reason that is
// empty exactly when expected empty.
template <typename Case, typename Read> void checkAnswers(const Case& cases, Read read) {
    xmpp_initialize();
    xmpp_ctx_t* ctx = xmpp_ctx_new(nullptr, nullptr);
    for (const auto& c : cases) {
        const std::string iq = std::string("<iq type='") + c.type +
                               "' id='gloob-services' from='localhost'>" + c.services + "</iq>";
        xmpp_stanza_t* stanza = xmpp_stanza_new_from_string(ctx, iq.c_str());
        ASSERT_NE(stanza, nullptr) << c.name;
        const auto got = read(stanza);
        xmpp_stanza_release(stanza);
        ASSERT_EQ(got.index(), c.expected.index()) << c.name;
        if (got.index() == 0) {
            EXPECT_EQ(std::get<0>(got), std::get<0>(c.expected)) << c.name;
        } else {
            EXPECT_EQ(std::get<1>(got).empty(), std::get<1>(c.expected).empty())
                << c.name << ": " << std::get<1>(got);
        }
    }
    xmpp_ctx_free(ctx);
}

TEST(ExternalServices, StunServersAreReadOrRefused) {
    const std::string refused = "refused"; // any reason, not empty
    const AnswerCase cases[] = {
        {"Named", list("<service type='stun' transport='udp' host='192.0.2.7' port='3479'/>"),
         ServiceAddress{"192.0.2.7", 3479}},
        {"PortUnsaid", list("<service type='stun' host='stun.example.org'/>"),
         ServiceAddress{"stun.example.org", 3478}},
        {"FirstOverUdp",
         list("<service type='turn' transport='udp' host='198.51.100.1' port='3478'/>"
              "<service type='stun' transport='tcp' host='198.51.100.2' port='3478'/>"
              "<other type='stun' host='198.51.100.3'/>"
              "<service type='stun' transport='udp' host='198.51.100.4' port='9'/>"),
         ServiceAddress{"198.51.100.4", 9}},
        {"BadThenGood",
         list("<service type='stun' host='a b' port='3478'/>"
              "<service type='stun' host='203.0.113.5' port='3478'/>"),
         ServiceAddress{"203.0.113.5", 3478}},
        {"NoneNamed", list(""), std::string()},
        {"ErrorAnswer", "<error type='cancel'/>", std::string(), "error"},
        {"NoList", "<query xmlns='urn:xmpp:extdisco:2'/>", refused},
        {"OldNamespace",
         "<services xmlns='urn:xmpp:extdisco:1'><service type='stun' host='192.0.2.7'/></services>",
         refused},
        {"HostMissing", list("<service type='stun' port='3478'/>"), refused},
        {"HostIpv6", list("<service type='stun' host='2001:db8::1'/>"), refused},
        {"HostOption", list("<service type='stun' host='-oProxy'/>"), refused},
        {"HostTooLong", list("<service type='stun' host='" + std::string(254, 'a') + "'/>"),
         refused},
        {"PortZero", list("<service type='stun' host='192.0.2.7' port='0'/>"), refused},
        {"PortTooBig", list("<service type='stun' host='192.0.2.7' port='65536'/>"), refused},
        {"PortNotNumber", list("<service type='stun' host='192.0.2.7' port='34x'/>"), refused},
    };
    checkAnswers(cases, stunFromServices);
}

TEST(ExternalServices, RelaysAreReadWithTheirCredentialsOrRefused) {
    const std::string refused = "refused";
    const std::string relay = "<service type='turn' transport='udp' host='192.0.2.7' port='3478' ";
    const RelayCase cases[] = {
        {"Named",
         list("<service type='stun' host='192.0.2.7'/>" + relay +
              "username='1765252800' password='pw+/=' expires='2025-12-09T04:00:00Z' "
              "restricted='1'/>"),
         RelayService{{"192.0.2.7", 3478}, "1765252800", "pw+/=", 1765252800}},
        {"FractionsOfASecond",
         list("<service type='turn' host='192.0.2.8' username='u' password='p' "
              "expires='2025-12-09T04:00:00.123Z'/>"),
         RelayService{{"192.0.2.8", 3478}, "u", "p", 1765252800}},
        {"NoExpiryThenAnother",
         list(relay + "username='u' password='p'/><service type='turn' host='192.0.2.8' "
                      "username='v' password='q'/>"),
         RelayService{{"192.0.2.7", 3478}, "u", "p", 0}},
        {"BadFraction",
         list(relay + "username='u' password='p' expires='2025-12-09T04:00:00x1Z'/>"), refused},
        {"OverTcpOnly",
         list("<service type='turn' transport='tcp' host='192.0.2.7' username='u' "
              "password='p'/>"),
         std::string()},
        {"NoCredentials", list(relay + "/>"), refused},
        {"PasswordWithSpace", list(relay + "username='u' password='a b'/>"), refused},
        {"NotADate", list(relay + "username='u' password='p' expires='tomorrow'/>"), refused},
        {"NoSuchDay", list(relay + "username='u' password='p' expires='2025-02-30T04:00:00Z'/>"),
         refused},
        {"LocalTime",
         list(relay + "username='u' password='p' expires='2025-12-09T04:00:00+01:00'/>"), refused},
    };
    checkAnswers(cases, relayFromServices);
}

// The lobby's relay passwords are made from the secret it shares with the
// relay, as the relay checks them: one the relay would take.
TEST(ExternalServices, TheLobbyLendsItsRelayWithAPasswordOfTheSharedSecret) {
    if (!testing::prosodyInstalled()) {
        GTEST_SKIP() << "prosody is not installed (scripts/install-deps.sh test installs it)";
    }
    testing::LobbyServer server;
    ASSERT_EQ(server.failure(), "");
    LobbyClient client(server.lobbyAddress(), "Ann", PlayerState{});
    for (int i = 0; i < 500 && !client.relay(); ++i) {
        client.service(10);
    }
    ASSERT_TRUE(client.relay());
    const RelayService& relay = *client.relay();
    EXPECT_EQ(relay.address, (ServiceAddress{"127.0.0.1", 3478}));
    EXPECT_EQ(relay.username, std::to_string(relay.expires));
    EXPECT_EQ(relay.password,
              traversal::sharedSecretCredentials(testing::relaySecret, "", relay.expires).password);
    const auto now = std::chrono::duration_cast<std::chrono::seconds>(
                         std::chrono::system_clock::now().time_since_epoch())
                         .count();
    EXPECT_GT(relay.expires, now + 86000) << "good for a day";
    EXPECT_LE(relay.expires, now + 86500);
    EXPECT_EQ(client.stunServer(), (ServiceAddress{"127.0.0.1", 3478}));
}

// A player who stays in the lobby longer than a password lasts still has one
// the relay takes when a match begins.
TEST(ExternalServices, APlayerAsksForANewRelayPasswordBeforeTheOldOneRunsOut) {
    if (!testing::prosodyInstalled()) {
        GTEST_SKIP() << "prosody is not installed (scripts/install-deps.sh test installs it)";
    }
    testing::LobbyServer server(0, false, 4);
    ASSERT_EQ(server.failure(), "");
    LobbyClient client(server.lobbyAddress(), "Ann", PlayerState{});
    for (int i = 0; i < 500 && !client.relay(); ++i) {
        client.service(10);
    }
    ASSERT_TRUE(client.relay());
    const std::int64_t first = client.relay()->expires;
    // Asked again 2 s on, half of its 4: the new password lasts longer.
    for (int i = 0; i < 400 && client.relay()->expires == first; ++i) {
        client.service(10);
    }
    EXPECT_GT(client.relay()->expires, first);
    EXPECT_EQ(client.relay()->password,
              traversal::sharedSecretCredentials(testing::relaySecret, "", client.relay()->expires)
                  .password);
}

} // namespace
} // namespace gloob::lobby
