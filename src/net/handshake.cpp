// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "handshake.h"

#include "app/heartbeat.h"
#include "app/version.h"
#include "lockstep.h"

#include <algorithm>
#include <cctype>
#include <charconv>
#include <random>

namespace gloob::net {

namespace {
using std::chrono::milliseconds;

constexpr auto joinerAnswerLimit = milliseconds(5000);
constexpr auto introductionLimit = milliseconds(10000);
constexpr auto pingResend = milliseconds(500);
constexpr std::size_t roundTripSamples = 5;

std::string speaks(const std::string& gameVersion, std::uint16_t protocol) {
    return "Gloob Volleyball " + (gameVersion.empty() ? std::string("?") : gameVersion) +
           " (online protocol " + std::to_string(protocol) + ")";
}

std::string thisGame() {
    return speaks(std::string(gameVersion), protocolVersion);
}

template <typename M> const M* as(const Message& message) {
    return std::get_if<M>(&message);
}
} // namespace

std::optional<HostAddress> parseHostAddress(std::string_view text) {
    HostAddress address;
    const auto colon = text.rfind(':');
    address.name = std::string(text.substr(0, colon));
    if (address.name.empty() || !std::all_of(address.name.begin(), address.name.end(), [](char c) {
            return std::isalnum(static_cast<unsigned char>(c)) || c == '.' || c == '-';
        })) {
        return std::nullopt;
    }
    if (colon != std::string_view::npos) {
        const std::string_view port = text.substr(colon + 1);
        unsigned value = 0;
        const auto [end, error] = std::from_chars(port.data(), port.data() + port.size(), value);
        if (port.empty() || error != std::errc{} || end != port.data() + port.size() ||
            value == 0 || value > 65535) {
            return std::nullopt;
        }
        address.port = static_cast<std::uint16_t>(value);
    }
    return address;
}

int inputDelayFor(std::int64_t roundTripMicros) {
    const std::int64_t oneWay = std::max<std::int64_t>(0, roundTripMicros) / 2;
    const auto crossing = static_cast<int>((oneWay + heartbeatMicros - 1) / heartbeatMicros) + 1;
    return std::clamp(crossing - (maxPredictedHeartbeats - 2), minInputDelay, maxInputDelay);
}

Handshake::Handshake(Link& link, bool hosting, std::string hostName)
    : link_(link), hosting_(hosting), hostName_(std::move(hostName)) {
    agreement_.localSide = hosting ? 1 : 2;
    if (hosting) {
        std::random_device random;
        do {
            agreement_.session = random();
        } while (agreement_.session == 0);
    }
}

void Handshake::fail(std::string why) {
    state_ = State::failed;
    failure_ = std::move(why);
}

Handshake::State Handshake::advance(int waitMillis) {
    if (state_ != State::waiting) {
        return state_;
    }
    std::vector<Message> messages = link_.service(waitMillis);
    for (auto message = messages.begin(); message != messages.end(); ++message) {
        if (hosting_) {
            hostHears(*message);
        } else {
            joinerHears(*message);
        }
        if (state_ != State::waiting) {
            leftovers_.assign(std::make_move_iterator(message + 1),
                              std::make_move_iterator(messages.end()));
            return state_;
        }
    }
    const auto now = Clock::now();
    if (link_.connected() && !wasConnected_) {
        wasConnected_ = true;
        connectedAt_ = now;
        if (!hosting_) {
            link_.send(Hello{protocolVersion, std::string(gameVersion)}, true);
        }
    }
    if (link_.lost()) {
        fail(hosting_ ? "The other player's machine went away before the match began."
                      : "The host at " + hostName_ + " closed the connection.");
    } else if (!hosting_ && !wasConnected_ && now - began_ > joinerAnswerLimit) {
        fail("No game answers at " + hostName_ +
             ". Is it hosting, and is its UDP port open to this machine?");
    } else if (wasConnected_ && now - connectedAt_ > introductionLimit) {
        fail("The other machine connected but never began the match.");
    } else if (hosting_ && welcomed_ && now - pingSent_ > pingResend) {
        sendPing(); // the last one or its answer was lost
    }
    return state_;
}

void Handshake::sendPing() {
    link_.send(Ping{agreement_.session, ++pingNumber_}, false);
    pingSent_ = Clock::now();
}

void Handshake::hostHears(const Message& message) {
    // The link hands over no hello of another protocol: it refuses that
    // machine itself and listens on.
    if (const auto* hello = as<Hello>(message); hello && !welcomed_) {
        welcomed_ = true;
        link_.send(Welcome{agreement_.session}, true);
        sendPing();
        return;
    }
    const auto* pong = as<Pong>(message);
    if (pong == nullptr || pong->session != agreement_.session || pong->number != pingNumber_) {
        return; // a stray or a late answer: the round trip is measured on fresh ones only
    }
    roundTrips_.push_back(
        std::chrono::duration_cast<std::chrono::microseconds>(Clock::now() - pingSent_).count());
    if (roundTrips_.size() < roundTripSamples) {
        sendPing();
        return;
    }
    agreement_.roundTripMicros = *std::max_element(roundTrips_.begin(), roundTrips_.end());
    agreement_.inputDelay =
        std::clamp(fixedDelay_.value_or(inputDelayFor(agreement_.roundTripMicros)), minInputDelay,
                   maxInputDelay);
    agreement_.startAfterMicros = agreement_.roundTripMicros / 2;
    link_.send(Start{agreement_.session, static_cast<std::uint8_t>(agreement_.inputDelay)}, true);
    state_ = State::agreed;
}

void Handshake::joinerHears(const Message& message) {
    if (const auto* refuse = as<Refuse>(message)) {
        if (refuse->reason == RefuseReason::busy) {
            fail("The host at " + hostName_ + " is already playing an online match.");
        } else {
            fail("The host runs " + speaks(refuse->gameVersion, refuse->protocol) + "; this is " +
                 thisGame() + ". Both players need the same version.");
        }
    } else if (const auto* welcome = as<Welcome>(message); welcome && !welcomed_) {
        welcomed_ = welcome->session != 0;
        agreement_.session = welcome->session;
    } else if (const auto* ping = as<Ping>(message)) {
        if (welcomed_ && ping->session == agreement_.session) {
            link_.send(Pong{ping->session, ping->number}, false);
        }
    } else if (const auto* start = as<Start>(message)) {
        if (welcomed_ && start->session == agreement_.session) {
            agreement_.inputDelay = start->inputDelay;
            state_ = State::agreed;
        }
    }
}

} // namespace gloob::net
