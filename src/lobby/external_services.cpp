// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "external_services.h"

#include "lobby_text.h"

#include <strophe.h>

#include <algorithm>
#include <charconv>
#include <chrono>
#include <cstring>
#include <optional>

namespace gloob::lobby {

namespace {

// The STUN and TURN port unless the lobby names another.
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

// "2026-12-09T03:00:00Z" (XEP-0082, UTC, fractions of a second allowed) as
// seconds since 1970.
std::optional<std::int64_t> readDateTime(std::string_view text) {
    int year = 0;
    unsigned month = 0, day = 0, hour = 0, minute = 0, second = 0;
    const auto number = [&](std::size_t at, std::size_t digits, auto& out) {
        const char* begin = text.data() + at;
        const auto [end, error] = std::from_chars(begin, begin + digits, out);
        return error == std::errc{} && end == begin + digits;
    };
    if (text.size() < 20 || text.size() > 32 || text[4] != '-' || text[7] != '-' ||
        text[10] != 'T' || text[13] != ':' || text[16] != ':' || text.back() != 'Z' ||
        !number(0, 4, year) || !number(5, 2, month) || !number(8, 2, day) || !number(11, 2, hour) ||
        !number(14, 2, minute) || !number(17, 2, second)) {
        return std::nullopt;
    }
    const std::chrono::year_month_day date{std::chrono::year(year), std::chrono::month(month),
                                           std::chrono::day(day)};
    const auto fraction = text.substr(19, text.size() - 20);
    if (!fraction.empty() &&
        (fraction.size() < 2 || fraction[0] != '.' ||
         !std::ranges::all_of(fraction.substr(1), [](char c) { return c >= '0' && c <= '9'; }))) {
        return std::nullopt;
    }
    if (!date.ok() || hour > 23 || minute > 59 || second > 60) {
        return std::nullopt;
    }
    return std::chrono::sys_days(date).time_since_epoch() / std::chrono::seconds(1) + hour * 3600 +
           minute * 60 + second;
}

// A credential shown in lines and sent to the relay: printable, short.
bool plainCredential(std::string_view text) {
    return !text.empty() && text.size() <= 256 &&
           std::ranges::all_of(text, [](char c) { return c > 0x20 && c < 0x7F; });
}

// Each service of `kind` over UDP (the transport may go unsaid), in order,
// until `take` says it took one; nothing when the answer is no list.
template <typename Take>
std::optional<std::string> eachService(xmpp_stanza_t* answer, std::string_view kind, Take take) {
    const char* type = xmpp_stanza_get_type(answer);
    if (type == nullptr || std::strcmp(type, "result") != 0) {
        return std::string();
    }
    xmpp_stanza_t* services =
        xmpp_stanza_get_child_by_name_and_ns(answer, "services", externalServicesNamespace.data());
    if (services == nullptr) {
        return "the answer holds no list of services";
    }
    for (xmpp_stanza_t* child = xmpp_stanza_get_children(services); child != nullptr;
         child = xmpp_stanza_get_next(child)) {
        const char* name = xmpp_stanza_get_name(child);
        const std::string transport = attribute(child, "transport");
        if (name != nullptr && std::strcmp(name, "service") == 0 &&
            attribute(child, "type") == kind && (transport.empty() || transport == "udp") &&
            take(child)) {
            return std::nullopt;
        }
    }
    return std::nullopt;
}

} // namespace

std::string askServices(std::string_view domain, std::string_view id) {
    return "<iq type='get' id='" + std::string(id) + "' to='" + std::string(domain) +
           "'><services xmlns='" + std::string(externalServicesNamespace) + "'/></iq>";
}

std::variant<ServiceAddress, std::string> stunFromServices(xmpp_stanza_t* answer) {
    std::optional<ServiceAddress> found;
    std::string refused;
    const auto notList = eachService(answer, "stun", [&](xmpp_stanza_t* service) {
        auto read = readService(service);
        if (auto* address = std::get_if<ServiceAddress>(&read)) {
            found = std::move(*address);
            return true;
        }
        refused = std::get<std::string>(read);
        return false;
    });
    if (found) {
        return *found;
    }
    return notList.value_or(refused);
}

std::variant<RelayService, std::string> relayFromServices(xmpp_stanza_t* answer) {
    std::optional<RelayService> found;
    std::string refused;
    const auto notList = eachService(answer, "turn", [&](xmpp_stanza_t* service) {
        auto read = readService(service);
        if (const auto* why = std::get_if<std::string>(&read)) {
            refused = *why;
            return false;
        }
        RelayService relay{std::get<ServiceAddress>(read), attribute(service, "username"),
                           attribute(service, "password")};
        if (!plainCredential(relay.username) || !plainCredential(relay.password)) {
            refused = "its credentials are missing or not plain text";
            return false;
        }
        const std::string expires = attribute(service, "expires");
        if (!expires.empty()) {
            const auto when = readDateTime(expires);
            if (!when) {
                refused = "its expiry '" + cleanName(expires) + "' is not a date and time";
                return false;
            }
            relay.expires = *when;
        }
        found = std::move(relay);
        return true;
    });
    if (found) {
        return *found;
    }
    return notList.value_or(refused);
}

} // namespace gloob::lobby
