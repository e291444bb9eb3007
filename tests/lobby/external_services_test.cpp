// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// The lobby's answer naming its STUN server, read or refused.

#include "lobby/external_services.h"

#include <gtest/gtest.h>
#include <strophe.h>

namespace gloob::lobby {
namespace {

struct AnswerCase {
    const char* name;
    std::string services; // inside the answer's iq
    std::variant<ServiceAddress, std::string> expected;
    const char* type = "result";
};

std::string list(const std::string& inside) {
    return "<services xmlns='urn:xmpp:extdisco:2'>" + inside + "</services>";
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
    xmpp_initialize();
    xmpp_ctx_t* ctx = xmpp_ctx_new(nullptr, nullptr);
    for (const AnswerCase& c : cases) {
        const std::string iq = std::string("<iq type='") + c.type +
                               "' id='gloob-stun' from='localhost'>" + c.services + "</iq>";
        xmpp_stanza_t* stanza = xmpp_stanza_new_from_string(ctx, iq.c_str());
        ASSERT_NE(stanza, nullptr) << c.name;
        const auto read = stunFromServices(stanza);
        xmpp_stanza_release(stanza);
        if (const auto* expected = std::get_if<ServiceAddress>(&c.expected)) {
            ASSERT_TRUE(std::holds_alternative<ServiceAddress>(read)) << c.name;
            EXPECT_EQ(std::get<ServiceAddress>(read), *expected) << c.name;
        } else {
            ASSERT_TRUE(std::holds_alternative<std::string>(read)) << c.name;
            EXPECT_EQ(std::get<std::string>(read).empty(),
                      std::get<std::string>(c.expected).empty())
                << c.name << ": " << std::get<std::string>(read);
        }
    }
    xmpp_ctx_free(ctx);
}

} // namespace
} // namespace gloob::lobby
