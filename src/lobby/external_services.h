// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

typedef struct _xmpp_stanza_t xmpp_stanza_t;

// The servers a lobby names beside itself (XEP-0215, external service
// discovery): where a player behind a home router asks for its public
// address, and the relay it may play through, with a password for a while.
namespace gloob::lobby {

constexpr std::string_view externalServicesNamespace = "urn:xmpp:extdisco:2";

struct ServiceAddress {
    std::string host; // a name or a dotted IPv4 address
    std::uint16_t port = 0;
    bool operator==(const ServiceAddress&) const = default;
};

struct RelayService {
    ServiceAddress address;
    std::string username;
    std::string password;
    std::int64_t expires = 0; // seconds since 1970; 0 when the lobby says nothing
    bool operator==(const RelayService&) const = default;
};

// The question for all the lobby's services, as an iq of id `id` to `domain`.
std::string askServices(std::string_view domain, std::string_view id);

// The first STUN server over UDP the lobby's answer names; else why none
// (empty when the lobby simply names none: it offers nothing of the kind).
std::variant<ServiceAddress, std::string> stunFromServices(xmpp_stanza_t* answer);
// The first TURN relay over UDP with credentials; else why none, as above.
std::variant<RelayService, std::string> relayFromServices(xmpp_stanza_t* answer);

} // namespace gloob::lobby
