// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "lobby_client.h"

#include "external_services.h"
#include "net/handshake.h"
#include "net/protocol.h"

#include <arpa/inet.h>
#include <csignal>
#include <netdb.h>
#include <strophe.h>
#include <sys/socket.h>
#include <unistd.h>

#include <chrono>
#include <cstring>
#include <mutex>

namespace gloob::lobby {

namespace {

constexpr std::string_view mucNamespace = "http://jabber.org/protocol/muc";
constexpr std::string_view mucUserNamespace = "http://jabber.org/protocol/muc#user";
constexpr std::string_view stanzaErrors = "urn:ietf:params:xml:ns:xmpp-stanzas";
// Past these the lobby's traffic is dropped rather than kept: a crowded or
// hostile room cannot make the game hold more.
constexpr std::size_t maxOccupants = 1000;
constexpr std::size_t maxEvents = 2000;
// A name taken by someone else is tried again with a number this often.
constexpr int maxClashes = 9;
constexpr std::string_view servicesQuestion = "gloob-services";

std::string escaped(std::string_view text) {
    std::string out;
    for (const char c : text) {
        switch (c) {
        case '&':
            out += "&amp;";
            break;
        case '<':
            out += "&lt;";
            break;
        case '>':
            out += "&gt;";
            break;
        case '\'':
            out += "&apos;";
            break;
        case '"':
            out += "&quot;";
            break;
        default:
            out += c;
        }
    }
    return out;
}

// Runs the connection once. A lobby that went away breaks its socket, and a
// second write to it raises SIGPIPE, which would end the whole game: it is
// held back meanwhile, and one raised here is the lobby's alone.
void runOnce(xmpp_ctx_t* ctx, unsigned long waitMillis) {
    sigset_t pipe;
    sigset_t before;
    sigemptyset(&pipe);
    sigaddset(&pipe, SIGPIPE);
    pthread_sigmask(SIG_BLOCK, &pipe, &before);
    xmpp_run_once(ctx, waitMillis);
    const timespec none{};
    while (sigtimedwait(&pipe, nullptr, &none) == SIGPIPE) {
    }
    pthread_sigmask(SIG_SETMASK, &before, nullptr);
}

bool isIpv4(const std::string& host) {
    in_addr parsed{};
    return inet_pton(AF_INET, host.c_str(), &parsed) == 1;
}

std::string bareOf(std::string_view jid) {
    return std::string(jid.substr(0, jid.find('/')));
}

std::string statusCodes(xmpp_stanza_t* stanza) {
    std::string codes;
    xmpp_stanza_t* x = xmpp_stanza_get_child_by_name_and_ns(stanza, "x", mucUserNamespace.data());
    for (xmpp_stanza_t* child = x != nullptr ? xmpp_stanza_get_children(x) : nullptr;
         child != nullptr; child = xmpp_stanza_get_next(child)) {
        const char* name = xmpp_stanza_get_name(child);
        const char* code = xmpp_stanza_get_attribute(child, "code");
        if (name != nullptr && code != nullptr && std::strcmp(name, "status") == 0) {
            codes += std::string(" ") + code;
        }
    }
    return codes + " ";
}

// The condition of a stanza's error ("conflict"), or "error".
std::string errorCondition(xmpp_stanza_t* stanza) {
    xmpp_stanza_t* error = xmpp_stanza_get_child_by_name(stanza, "error");
    for (xmpp_stanza_t* child = error != nullptr ? xmpp_stanza_get_children(error) : nullptr;
         child != nullptr; child = xmpp_stanza_get_next(child)) {
        const char* ns = xmpp_stanza_get_ns(child);
        const char* name = xmpp_stanza_get_name(child);
        if (ns != nullptr && name != nullptr && ns == stanzaErrors &&
            std::strcmp(name, "text") != 0) {
            return cleanName(name);
        }
    }
    return "error";
}

} // namespace

struct Callbacks {
    static void connection(xmpp_conn_t*, xmpp_conn_event_t event, int error,
                           xmpp_stream_error_t* streamError, void* self) {
        auto* client = static_cast<LobbyClient*>(self);
        if (event == XMPP_CONN_CONNECT) {
            client->connected();
            return;
        }
        std::string why = "the lobby closed the connection";
        if (streamError != nullptr && streamError->text != nullptr) {
            why += ": " + cleanName(streamError->text);
        } else if (error != 0) {
            why += std::string(": ") + std::strerror(error);
        } else if (event == XMPP_CONN_FAIL || client->status_ == LobbyClient::Status::connecting) {
            why = client->withAccount_ && !client->everSignedIn_
                      ? "could not sign in to the lobby: is the account or password wrong?"
                      : "could not sign in to the lobby";
        }
        client->disconnected(why);
    }
    static int presence(xmpp_conn_t*, xmpp_stanza_t* stanza, void* self) {
        static_cast<LobbyClient*>(self)->presence(stanza);
        return 1;
    }
    static int message(xmpp_conn_t*, xmpp_stanza_t* stanza, void* self) {
        static_cast<LobbyClient*>(self)->message(stanza);
        return 1;
    }
    static int iq(xmpp_conn_t*, xmpp_stanza_t* stanza, void* self) {
        static_cast<LobbyClient*>(self)->iq(stanza);
        return 1;
    }
};

bool LobbyAddress::local() const {
    return host == "localhost" || isIpv4(host);
}

std::string LobbyAddress::domain() const {
    return isIpv4(host) ? std::string("localhost") : host;
}

std::optional<LobbyAddress> parseLobbyAddress(std::string_view text) {
    const bool hasPort = text.find(':') != std::string_view::npos;
    const auto parsed = net::parseHostAddress(text);
    if (!parsed) {
        return std::nullopt;
    }
    return LobbyAddress{parsed->name, hasPort ? parsed->port : std::uint16_t{0}};
}

std::string roomOf(const std::string& domain) {
    return "gloob-v" + std::to_string(net::protocolVersion) + "@rooms." + domain;
}

LobbyClient::LobbyClient(LobbyAddress address, std::string name, PlayerState state,
                         const std::optional<Account>& account)
    : address_(std::move(address)), room_(roomOf(address_.domain())), name_(cleanName(name)),
      nick_(name_), state_(std::move(state)), chatLimit_(5, std::chrono::seconds(1)),
      introductionLimit_(3, std::chrono::seconds(5)) {
    static std::once_flag initialised;
    std::call_once(initialised, [] { xmpp_initialize(); });
    ctx_ = xmpp_ctx_new(nullptr, nullptr);
    conn_ = xmpp_conn_new(ctx_);
    // A public lobby is reached only over TLS with a certificate that names
    // it; one on this machine or the local network may be plain.
    long flags = XMPP_CONN_FLAG_DISABLE_SM;
    flags |= address_.local() ? XMPP_CONN_FLAG_TRUST_TLS : XMPP_CONN_FLAG_MANDATORY_TLS;
    xmpp_conn_set_flags(conn_, flags);
    // A JID of the domain alone signs in anonymously.
    withAccount_ = account.has_value() && !account->user.empty();
    if (withAccount_) {
        xmpp_conn_set_jid(conn_, (account->user + "@" + address_.domain()).c_str());
        xmpp_conn_set_pass(conn_, account->password.c_str());
    } else {
        xmpp_conn_set_jid(conn_, address_.domain().c_str());
    }
    xmpp_handler_add(conn_, Callbacks::presence, nullptr, "presence", nullptr, this);
    xmpp_handler_add(conn_, Callbacks::message, nullptr, "message", nullptr, this);
    xmpp_handler_add(conn_, Callbacks::iq, nullptr, "iq", nullptr, this);
    const bool named = address_.port != 0 || address_.local();
    const std::uint16_t port = address_.port != 0 ? address_.port : defaultLobbyPort;
    if (xmpp_connect_client(conn_, named ? address_.host.c_str() : nullptr, named ? port : 0,
                            Callbacks::connection, this) != XMPP_EOK) {
        disconnected("could not reach the lobby at " + address_.host);
    }
}

LobbyClient::~LobbyClient() {
    leaving_ = true;
    xmpp_handler_delete(conn_, Callbacks::presence);
    xmpp_handler_delete(conn_, Callbacks::message);
    xmpp_handler_delete(conn_, Callbacks::iq);
    xmpp_conn_release(conn_);
    xmpp_ctx_free(ctx_);
}

void LobbyClient::service(int waitMillis) {
    if (status_ != Status::closed) {
        runOnce(ctx_, static_cast<unsigned long>(std::max(0, waitMillis)));
    }
    if (askServicesAgain_ && status_ == Status::inRoom &&
        std::chrono::system_clock::now() >= *askServicesAgain_) {
        askServicesAgain_.reset();
        sendRaw(askServices(address_.domain(), servicesQuestion));
    }
}

std::string LobbyClient::jid() const {
    const char* bound = xmpp_conn_get_bound_jid(conn_);
    return bound != nullptr ? bound : "";
}

std::optional<std::string> LobbyClient::localAddress() const {
    addrinfo hints{};
    hints.ai_family = AF_INET;
    hints.ai_socktype = SOCK_DGRAM;
    addrinfo* found = nullptr;
    if (getaddrinfo(address_.host.c_str(), "5222", &hints, &found) != 0 || found == nullptr) {
        return std::nullopt;
    }
    std::optional<std::string> local;
    // A datagram socket chooses its source address on connect and sends nothing.
    const int fd = socket(AF_INET, SOCK_DGRAM, 0);
    if (fd >= 0 && connect(fd, found->ai_addr, found->ai_addrlen) == 0) {
        sockaddr_in own{};
        socklen_t length = sizeof own;
        char text[INET_ADDRSTRLEN] = {};
        if (getsockname(fd, reinterpret_cast<sockaddr*>(&own), &length) == 0 &&
            inet_ntop(AF_INET, &own.sin_addr, text, sizeof text) != nullptr) {
            local = text;
        }
    }
    if (fd >= 0) {
        close(fd);
    }
    freeaddrinfo(found);
    return local;
}

void LobbyClient::setState(PlayerState state) {
    state_ = std::move(state);
    if (status_ == Status::inRoom) {
        sendPresence();
    }
}

bool LobbyClient::say(std::string_view text) {
    const auto clean = cleanChat(text);
    if (!clean) {
        line("a chat line must hold 1 to " + std::to_string(maxChatCharacters) + " characters");
        return false;
    }
    if (status_ != Status::inRoom) {
        line("not in the lobby: the line was not sent");
        return false;
    }
    sendRaw("<message type='groupchat' to='" + escaped(room_) + "'><body>" + escaped(*clean) +
            "</body></message>");
    return true;
}

void LobbyClient::introduce(const std::string& nick, const Introduction& introduction) {
    sendRaw("<message type='chat' to='" + escaped(room_ + "/" + nick) + "'><intro xmlns='" +
            std::string(gameNamespace) + "'>" + escaped(formatIntroduction(introduction)) +
            "</intro><x xmlns='" + std::string(mucUserNamespace) + "'/></message>");
}

void LobbyClient::leave(int waitMillis) {
    if (status_ == Status::closed) {
        return;
    }
    leaving_ = true;
    if (status_ == Status::inRoom) {
        sendRaw("<presence type='unavailable' to='" + escaped(room_ + "/" + nick_) + "'/>");
    }
    // Signing out drops what is still queued: the room hears the last
    // presences first.
    const auto until = std::chrono::steady_clock::now() + std::chrono::milliseconds(waitMillis);
    while (status_ != Status::closed && xmpp_conn_send_queue_len(conn_) > 0 &&
           std::chrono::steady_clock::now() < until) {
        runOnce(ctx_, 20);
    }
    xmpp_disconnect(conn_);
    while (status_ != Status::closed && std::chrono::steady_clock::now() < until) {
        runOnce(ctx_, 20);
    }
}

std::vector<LobbyEvent> LobbyClient::takeEvents() {
    std::vector<LobbyEvent> taken(std::make_move_iterator(events_.begin()),
                                  std::make_move_iterator(events_.end()));
    events_.clear();
    if (eventsDropped_ > 0) {
        taken.push_back(
            {LobbyEvent::Kind::line,
             {},
             std::to_string(eventsDropped_) + " lobby messages came too fast and were dropped",
             {},
             std::nullopt});
        eventsDropped_ = 0;
    }
    return taken;
}

void LobbyClient::connected() {
    everSignedIn_ = true;
    encrypted_ = xmpp_conn_is_secured(conn_) != 0;
    line("signed in to the lobby at " + address_.host +
         (encrypted_ ? " (encrypted)" : " (not encrypted)"));
    sendPresence();
}

void LobbyClient::disconnected(const std::string& why) {
    const bool wasOpen = status_ != Status::closed;
    status_ = Status::closed;
    roster_.clear();
    if (wasOpen && !leaving_) {
        line(why);
    }
}

void LobbyClient::sendPresence() {
    std::string xml = "<presence to='" + escaped(room_ + "/" + nick_) + "'>";
    if (status_ != Status::inRoom) {
        // Entering: the room's last lines of chat come with it.
        xml += "<x xmlns='" + std::string(mucNamespace) + "'><history maxstanzas='20'/></x>";
    }
    xml += "<game xmlns='" + std::string(gameNamespace) + "'>" + escaped(formatState(state_)) +
           "</game></presence>";
    sendRaw(xml);
}

void LobbyClient::sendRaw(const std::string& xml) {
    if (status_ != Status::closed) {
        xmpp_send_raw(conn_, xml.data(), xml.size());
    }
}

std::optional<std::string> LobbyClient::occupantOf(const char* from) const {
    if (from == nullptr) {
        return std::nullopt;
    }
    const std::string_view jid(from);
    const std::size_t slash = jid.find('/');
    if (slash == std::string_view::npos || jid.substr(0, slash) != room_ ||
        slash + 1 == jid.size()) {
        return std::nullopt;
    }
    return std::string(jid.substr(slash + 1));
}

std::string LobbyClient::textOf(xmpp_stanza_t* stanza) const {
    char* text = stanza != nullptr ? xmpp_stanza_get_text(stanza) : nullptr;
    std::string out = text != nullptr ? text : "";
    if (text != nullptr) {
        xmpp_free(ctx_, text);
    }
    return out;
}

void LobbyClient::push(LobbyEvent event) {
    if (leaving_) {
        return;
    }
    if (events_.size() >= maxEvents) {
        ++eventsDropped_;
        return;
    }
    events_.push_back(std::move(event));
}

void LobbyClient::line(std::string text) {
    push({LobbyEvent::Kind::line, {}, std::move(text), {}, std::nullopt});
}

void LobbyClient::presence(xmpp_stanza_t* stanza) {
    const char* from = xmpp_stanza_get_from(stanza);
    const char* type = xmpp_stanza_get_type(stanza);
    const auto nick = occupantOf(from);
    if (!nick) {
        // The server's own presences come without a room; anything else
        // from outside the room is nobody's business here.
        if (from != nullptr && bareOf(from) != room_) {
            line("a presence from " + cleanName(from) + ", outside the room, was ignored");
        }
        return;
    }
    const std::string shown = cleanName(*nick);
    if (type != nullptr && std::strcmp(type, "error") == 0) {
        if (status_ == Status::connecting && *nick == nick_) {
            const std::string condition = errorCondition(stanza);
            if (condition == "conflict" && clashes_ < maxClashes) {
                ++clashes_;
                nick_ = name_ + " " + std::to_string(clashes_ + 1);
                line("the name " + name_ + " is taken in the lobby; trying " + nick_);
                sendPresence();
                return;
            }
            line("the lobby refused to let " + shown + " into the room: " + condition);
            xmpp_disconnect(conn_);
            return;
        }
        line("the lobby refused a presence: " + errorCondition(stanza));
        return;
    }
    const std::string codes = statusCodes(stanza);
    if (type != nullptr && std::strcmp(type, "unavailable") == 0) {
        if (*nick == nick_ || codes.find(" 110 ") != std::string::npos) {
            // Out of the room is out of the lobby: nothing said or asked
            // from here would reach anyone.
            if (!leaving_) {
                line("the lobby put this player out of the room");
                xmpp_disconnect(conn_);
            }
            return;
        }
        if (roster_.erase(*nick) > 0) {
            chatLimit_.forget(*nick);
            introductionLimit_.forget(*nick);
            toldTooFast_.erase(*nick);
            push({LobbyEvent::Kind::roster, *nick, {}, {}, std::nullopt});
        }
        return;
    }
    if (type != nullptr) {
        line("a presence of an unknown type from " + shown + " was ignored");
        return;
    }
    if (codes.find(" 110 ") != std::string::npos ||
        (*nick == nick_ && status_ == Status::connecting)) {
        if (status_ != Status::inRoom) {
            status_ = Status::inRoom;
            line("in the lobby as " + cleanName(nick_));
            sendRaw(askServices(address_.domain(), servicesQuestion));
        }
        return;
    }
    if (!roster_.contains(*nick) && roster_.size() >= maxOccupants) {
        if (!rosterFull_) {
            line("the lobby holds more than " + std::to_string(maxOccupants) +
                 " players; the others are not listed");
            rosterFull_ = true;
        }
        return;
    }
    Occupant occupant{shown, std::nullopt};
    if (xmpp_stanza_t* game =
            xmpp_stanza_get_child_by_name_and_ns(stanza, "game", gameNamespace.data())) {
        const std::string payload = textOf(game);
        auto parsed = parseState(payload);
        if (auto* state = std::get_if<PlayerState>(&parsed)) {
            const auto before = roster_.find(*nick);
            const bool told = before != roster_.end() && before->second.state &&
                              before->second.state->with == state->with;
            if (state->nameCleaned && !told) {
                line(shown +
                     " plays with a name that holds control or direction characters, not shown");
            }
            occupant.state = std::move(*state);
        } else {
            line(shown + "'s game state was not understood (" + std::get<std::string>(parsed) +
                 ")");
        }
    }
    if (shown != *nick && !roster_.contains(*nick)) {
        line("the name of " + shown + " holds control or direction characters, not shown");
    }
    roster_[*nick] = occupant;
    push({LobbyEvent::Kind::roster, *nick, {}, {}, std::move(occupant)});
}

void LobbyClient::message(xmpp_stanza_t* stanza) {
    const char* from = xmpp_stanza_get_from(stanza);
    const char* type = xmpp_stanza_get_type(stanza);
    const std::string kind = type != nullptr ? type : "normal";
    const auto nick = occupantOf(from);
    if (kind == "error") {
        line("the lobby could not deliver a message: " + errorCondition(stanza));
        return;
    }
    xmpp_stanza_t* intro =
        xmpp_stanza_get_child_by_name_and_ns(stanza, "intro", gameNamespace.data());
    if (kind == "groupchat") {
        if (!nick) {
            return; // the room's subject, or the room speaking for itself
        }
        xmpp_stanza_t* body = xmpp_stanza_get_child_by_name(stanza, "body");
        if (body == nullptr) {
            return;
        }
        const std::string shown = cleanName(*nick);
        // The room's own replay of its last lines, bounded by the room, is
        // not anyone's flood.
        const bool replayed =
            xmpp_stanza_get_child_by_name_and_ns(stanza, "delay", "urn:xmpp:delay") != nullptr;
        if (!replayed && !chatLimit_.allow(*nick, RateLimit::Clock::now())) {
            if (!toldTooFast_[*nick]) {
                toldTooFast_[*nick] = true;
                line(shown + " is chatting too fast; some lines are not shown");
            }
            return;
        }
        toldTooFast_[*nick] = false;
        const auto text = cleanChat(textOf(body));
        if (!text) {
            line("a chat line from " + shown + " was empty or over " +
                 std::to_string(maxChatCharacters) + " characters and is not shown");
            return;
        }
        push({LobbyEvent::Kind::chat, *nick, *text, {}, std::nullopt});
        return;
    }
    if (intro == nullptr) {
        if (xmpp_stanza_get_child_by_name(stanza, "body") != nullptr) {
            line("a private message from " + cleanName(from != nullptr ? from : "nobody") +
                 " was not shown: only room chat is");
        }
        return;
    }
    if (!nick || !roster_.contains(*nick)) {
        line("a join from " + cleanName(from != nullptr ? from : "nobody") +
             ", who is not in the room, was ignored");
        return;
    }
    const std::string shown = cleanName(*nick);
    if (!introductionLimit_.allow(*nick, RateLimit::Clock::now())) {
        line(shown + " asks to join too often; a request was ignored");
        return;
    }
    auto parsed = parseIntroduction(textOf(intro));
    if (const auto* why = std::get_if<std::string>(&parsed)) {
        line("a join from " + shown + " was not understood (" + *why + ")");
        return;
    }
    push({LobbyEvent::Kind::introduction, *nick, {}, std::get<Introduction>(parsed), std::nullopt});
}

void LobbyClient::iq(xmpp_stanza_t* stanza) {
    const char* type = xmpp_stanza_get_type(stanza);
    const char* from = xmpp_stanza_get_from(stanza);
    const char* id = xmpp_stanza_get_id(stanza);
    if (id != nullptr && id == servicesQuestion &&
        bareOf(from != nullptr ? from : "") == address_.domain()) {
        services(stanza);
        return;
    }
    if (type == nullptr || (std::strcmp(type, "get") != 0 && std::strcmp(type, "set") != 0)) {
        return;
    }
    std::string reply = "<iq id='" + escaped(id != nullptr ? id : "") + "'";
    if (from != nullptr) {
        reply += " to='" + escaped(from) + "'";
    }
    if (xmpp_stanza_get_child_by_name_and_ns(stanza, "ping", "urn:xmpp:ping") != nullptr) {
        sendRaw(reply + " type='result'/>");
        return;
    }
    sendRaw(reply + " type='error'><error type='cancel'><service-unavailable xmlns='" +
            std::string(stanzaErrors) + "'/></error></iq>");
}

void LobbyClient::services(xmpp_stanza_t* answer) {
    servicesAnswered_ = true;
    // The lobby names itself by its domain, which players who reach it by
    // its address cannot look up.
    const auto reachable = [this](ServiceAddress& address) {
        if (address.host == address_.domain()) {
            address.host = address_.host;
        }
    };
    auto stun = stunFromServices(answer);
    if (auto* address = std::get_if<ServiceAddress>(&stun)) {
        reachable(*address);
        stunServer_ = std::move(*address);
        line("the lobby names a STUN server at " + stunServer_->host + ":" +
             std::to_string(stunServer_->port));
    } else if (!std::get<std::string>(stun).empty()) {
        line("the lobby's STUN server was not understood: " + std::get<std::string>(stun));
    }
    auto relay = relayFromServices(answer);
    if (auto* service = std::get_if<RelayService>(&relay)) {
        reachable(service->address);
        if (!relay_ || relay_->address != service->address) {
            line("the lobby names a relay at " + service->address.host + ":" +
                 std::to_string(service->address.port));
        }
        relay_ = std::move(*service);
        if (relay_->expires != 0) {
            const auto now = std::chrono::system_clock::now();
            const auto left =
                std::chrono::system_clock::time_point(std::chrono::seconds(relay_->expires)) - now;
            askServicesAgain_ = now + std::max<std::chrono::system_clock::duration>(
                                          std::chrono::seconds(1), left / 2);
        }
    } else if (!std::get<std::string>(relay).empty()) {
        line("the lobby's relay was not understood: " + std::get<std::string>(relay));
    }
}

} // namespace gloob::lobby
