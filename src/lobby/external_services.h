// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <cstdint>
#include <string>
#include <string_view>
#include <variant>

typedef struct _xmpp_stanza_t xmpp_stanza_t;

// The servers a lobby names beside itself (XEP-0215, external service
// discovery): where a player behind a home router asks for its public address.
namespace gloob::lobby {

constexpr std::string_view externalServicesNamespace = "urn:xmpp:extdisco:2";

struct ServiceAddress {
    std::string host; // a name or a dotted IPv4 address
    std::uint16_t port = 0;
    bool operator==(const ServiceAddress&) const = default;
};

// The question for the lobby's STUN servers, as an iq of id `id` to `domain`.
std::string askStunServices(std::string_view domain, std::string_view id);

// The first STUN server over UDP the lobby's answer names; else why none
// (empty when the lobby simply names none: it offers nothing of the kind).
std::variant<ServiceAddress, std::string> stunFromServices(xmpp_stanza_t* answer);

} // namespace gloob::lobby
