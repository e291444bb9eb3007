// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "external_services.h"

#include "lobby_text.h"

#include <strophe.h>

#include <algorithm>
#include <charconv>
#include <cstring>

namespace gloob::lobby {

namespace {

// The STUN port unless the lobby names another.
constexpr std::uint16_t defaultStunPort = 3478;
constexpr std::size_t maxHostLength = 253;

std::string attribute(xmpp_stanza_t* stanza, const char* name) {
    const char* value = xmpp_stanza_get_attribute(stanza, name);
    return value != nullptr ? value : "";
}

// A host name or IPv4 address, nothing a resolver or a line could take
// for something else.
bool plainHost(std::string_view host) {
    return !host.empty() && host.size() <= maxHostLength && host.front() != '-' &&
           host.front() != '.' && std::ranges::all_of(host, [](char c) {
               return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z') || (c >= '0' && c <= '9') ||
                      c == '-' || c == '.';
           });
}

std::variant<ServiceAddress, std::string> readService(xmpp_stanza_t* service) {
    ServiceAddress out{attribute(service, "host"), defaultStunPort};
    if (!plainHost(out.host)) {
        return "its host '" + cleanName(out.host) + "' is not a host name or IPv4 address";
    }
    const std::string port = attribute(service, "port");
    if (!port.empty()) {
        unsigned value = 0;
        const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
        if (error != std::errc{} || end != port.data() + port.size() || value == 0 ||
            value > 65535) {
            return "its port '" + cleanName(port) + "' is not one";
        }
        out.port = static_cast<std::uint16_t>(value);
    }
    return out;
}

} // namespace

std::string askStunServices(std::string_view domain, std::string_view id) {
    return "<iq type='get' id='" + std::string(id) + "' to='" + std::string(domain) +
           "'><services xmlns='" + std::string(externalServicesNamespace) + "' type='stun'/></iq>";
}

std::variant<ServiceAddress, std::string> stunFromServices(xmpp_stanza_t* answer) {
    const char* type = xmpp_stanza_get_type(answer);
    if (type == nullptr || std::strcmp(type, "result") != 0) {
        return std::string();
    }
    xmpp_stanza_t* services =
        xmpp_stanza_get_child_by_name_and_ns(answer, "services", externalServicesNamespace.data());
    if (services == nullptr) {
        return "the answer holds no list of services";
    }
    std::string refused;
    for (xmpp_stanza_t* child = xmpp_stanza_get_children(services); child != nullptr;
         child = xmpp_stanza_get_next(child)) {
        const char* name = xmpp_stanza_get_name(child);
        // The transport may go unsaid; STUN is then over UDP.
        const std::string transport = attribute(child, "transport");
        if (name == nullptr || std::strcmp(name, "service") != 0 ||
            attribute(child, "type") != "stun" || (!transport.empty() && transport != "udp")) {
            continue;
        }
        auto read = readService(child);
        if (std::holds_alternative<ServiceAddress>(read)) {
            return read;
        }
        refused = std::get<std::string>(read);
    }
    return refused;
}

} // namespace gloob::lobby
