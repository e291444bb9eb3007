// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "lobby_session.h"

#include <algorithm>
#include <random>

namespace gloob::lobby {

namespace {

// How long a joiner waits for the host's answer, and a player who is asked
// has to answer (less: the answer must still find the asker waiting).
constexpr auto answerLimit = std::chrono::seconds(20);
constexpr auto askedLimit = std::chrono::seconds(15);

std::uint32_t freshSeed() {
    std::random_device random;
    return random();
}

} // namespace

LobbySession::LobbySession(LobbyAddress address, std::string name, std::uint16_t version,
                           std::optional<Account> account)
    : address_(std::move(address)), name_(std::move(name)), version_(version),
      account_(std::move(account)), state_{version, Activity::waiting, 5, {}, false},
      backoff_(freshSeed()) {
    signIn();
}

LobbySession::~LobbySession() = default;

void LobbySession::signIn() {
    client_ = std::make_unique<LobbyClient>(address_, name_, state_, account_);
}

bool LobbySession::inRoom() const {
    return client_ && client_->status() == LobbyClient::Status::inRoom;
}

std::optional<ServiceAddress> LobbySession::stunServer() const {
    return client_ ? client_->stunServer() : std::nullopt;
}

std::optional<RelayService> LobbySession::relay() const {
    return client_ ? client_->relay() : std::nullopt;
}

bool LobbySession::encrypted() const {
    return client_ && client_->encrypted();
}

std::string LobbySession::nick() const {
    return client_ ? cleanName(client_->nick()) : cleanName(name_);
}

const std::map<std::string, Occupant>& LobbySession::roster() const {
    static const std::map<std::string, Occupant> nobody;
    return client_ ? client_->roster() : nobody;
}

std::string LobbySession::shownName(const std::string& nick) const {
    const auto found = roster().find(nick);
    return found != roster().end() ? found->second.name : cleanName(nick);
}

bool LobbySession::challengeable(const std::string& nick) const {
    const auto found = roster().find(nick);
    return inRoom() && state_.activity == Activity::waiting && !asked_ && !pending_ &&
           found != roster().end() && found->second.state &&
           found->second.state->version == version_ &&
           found->second.state->activity == Activity::waiting;
}

bool LobbySession::joinable(const std::string& nick) const {
    const auto found = roster().find(nick);
    return inRoom() && state_.activity == Activity::waiting && !asked_ && found != roster().end() &&
           found->second.state && found->second.state->version == version_ &&
           found->second.state->activity == Activity::hosting;
}

void LobbySession::poll(Clock::time_point now) {
    now_ = now;
    if (pending_ && now >= pending_->until) {
        const std::string from = pending_->from;
        line(shownName(from) + " was not answered in time and was declined");
        decline(from);
    }
    if (!client_) {
        if (!retryAt_ || now < *retryAt_) {
            return;
        }
        retryAt_.reset();
        line("signing in to the lobby again");
        signIn();
    }
    client_->service(0);
    for (LobbyEvent& event : client_->takeEvents()) {
        handle(std::move(event));
    }
    if (asked_ && now >= asked_->until) {
        line(shownName(asked_->host) + " did not answer");
        asked_.reset();
    }
    const auto status = client_->status();
    if (status == LobbyClient::Status::inRoom && !wasInRoom_) {
        wasInRoom_ = true;
        backoff_.succeeded();
        events_.push_back({Event::Kind::roster, {}, {}, {}, {}, {}});
    }
    if (status == LobbyClient::Status::closed) {
        everSignedIn_ = everSignedIn_ || client_->everSignedIn();
        // A running match goes on without the lobby; the presence says it
        // again once back.
        client_.reset();
        wasInRoom_ = false;
        asked_.reset();
        if (pending_) {
            events_.push_back({Event::Kind::withdrawn, pending_->from, {}, {}, {}, {}});
            pending_.reset();
        }
        // An account the lobby never took would only be refused again.
        if (account_ && !everSignedIn_) {
            line("not trying again: sign in with another account or password");
            events_.push_back({Event::Kind::roster, {}, {}, {}, {}, {}});
            return;
        }
        retryAt_ = backoff_.failed(now);
        const auto wait = std::chrono::ceil<std::chrono::seconds>(*retryAt_ - now);
        line("signing in again in " + std::to_string(wait.count()) + " s");
        events_.push_back({Event::Kind::roster, {}, {}, {}, {}, {}});
    }
}

std::vector<LobbySession::Event> LobbySession::takeEvents() {
    std::vector<Event> taken;
    taken.swap(events_);
    return taken;
}

void LobbySession::handle(LobbyEvent event) {
    switch (event.kind) {
    case LobbyEvent::Kind::line:
        line(std::move(event.text));
        break;
    case LobbyEvent::Kind::chat:
        events_.push_back(
            {Event::Kind::chat, std::move(event.from), std::move(event.text), {}, {}, {}});
        break;
    case LobbyEvent::Kind::roster:
        // A host who took another player still answers; one who left cannot.
        if (asked_ && asked_->host == event.from && !event.occupant) {
            line(cleanName(event.from) + " left the lobby");
            asked_.reset();
        }
        if (pending_ && pending_->from == event.from && !event.occupant) {
            line(cleanName(event.from) + " left the lobby");
            events_.push_back({Event::Kind::withdrawn, pending_->from, {}, {}, {}, {}});
            pending_.reset();
        }
        events_.push_back({Event::Kind::roster, std::move(event.from), {}, {}, {}, {}});
        break;
    case LobbyEvent::Kind::introduction:
        if (event.introduction.kind == IntroductionKind::join) {
            answerJoin(event.from, event.introduction);
        } else if (event.introduction.kind == IntroductionKind::challenge) {
            answerChallenge(event.from, event.introduction);
        } else {
            answerToMe(event.from, event.introduction);
        }
        break;
    }
}

void LobbySession::answerJoin(const std::string& from, const Introduction& asked) {
    const std::string shown = shownName(from);
    Introduction answer{IntroductionKind::decline, version_, asked.secret, {}};
    std::string why;
    const auto address = client_->localAddress();
    if (state_.activity != Activity::hosting || taken_) {
        why = "this player is not hosting a match now";
    } else if (asked.version != version_) {
        why = "another version of the game";
    } else if (!address) {
        why = "this machine has no address the lobby reaches";
    } else if (askFirst_ && pending_) {
        why = "this player is answering another request";
    } else if (askFirst_) {
        pending_ = Pending{from, asked, now_ + askedLimit};
        line(shown + " asks to join your match");
        events_.push_back({Event::Kind::asking, from, "join", {}, {}, {}});
        return;
    } else {
        answer.kind = IntroductionKind::accept;
        answer.candidates = offeredOr(Candidate{*address, hostPort_});
    }
    client_->introduce(from, answer);
    if (answer.kind == IntroductionKind::decline) {
        line(shown + " asked to join; declined: " + why);
        return;
    }
    taken_ = from;
    line(shown + " joins the match");
    events_.push_back({Event::Kind::accepted, from, {}, {}, asked.secret, asked.candidates});
}

void LobbySession::answerChallenge(const std::string& from, const Introduction& asked) {
    const std::string shown = shownName(from);
    std::string why;
    if (state_.activity != Activity::waiting || asked_ || pending_) {
        why = "this player is busy";
    } else if (asked.version != version_) {
        why = "another version of the game";
    } else {
        pending_ = Pending{from, asked, now_ + askedLimit};
        line(shown + " challenges you to a match");
        events_.push_back({Event::Kind::asking, from, "challenge", {}, {}, {}});
        return;
    }
    client_->introduce(from, {IntroductionKind::decline, version_, asked.secret, {}});
    line(shown + " challenged you; declined: " + why);
}

bool LobbySession::accept(const std::string& nick, std::uint16_t port) {
    if (!pending_ || pending_->from != nick || !client_) {
        return false;
    }
    const Pending answered = *pending_;
    pending_.reset();
    const bool challenge = answered.asked.kind == IntroductionKind::challenge;
    const std::uint16_t at = challenge ? port : hostPort_;
    const auto address = client_->localAddress();
    if (!address || at == 0 ||
        (challenge ? state_.activity != Activity::waiting : state_.activity != Activity::hosting)) {
        decline(nick);
        return false;
    }
    client_->introduce(nick, {IntroductionKind::accept, version_, answered.asked.secret,
                              offeredOr(Candidate{*address, at})});
    taken_ = nick;
    line(shownName(nick) + (challenge ? " plays your match" : " joins the match"));
    events_.push_back(
        {Event::Kind::accepted, nick, {}, {}, answered.asked.secret, answered.asked.candidates});
    return true;
}

void LobbySession::decline(const std::string& nick) {
    if (!pending_ || pending_->from != nick) {
        return;
    }
    if (client_) {
        client_->introduce(nick, {IntroductionKind::decline, version_, pending_->asked.secret, {}});
    }
    events_.push_back({Event::Kind::withdrawn, nick, {}, {}, {}, {}});
    pending_.reset();
}

void LobbySession::answerToMe(const std::string& from, const Introduction& answer) {
    const std::string shown = shownName(from);
    if (!asked_ || from != asked_->host || answer.secret != asked_->secret) {
        line("an answer from " + shown + " to no request of this player was ignored");
        return;
    }
    asked_.reset();
    const auto reachable = std::find_if(answer.candidates.begin(), answer.candidates.end(),
                                        [](const Candidate& c) { return c.port != 0; });
    if (answer.kind == IntroductionKind::decline || reachable == answer.candidates.end()) {
        line(shown + " declined");
        return;
    }
    line("joining " + shown + " at " + reachable->address + ":" + std::to_string(reachable->port));
    events_.push_back({Event::Kind::meet, from, {}, *reachable, answer.secret, answer.candidates});
}

bool LobbySession::say(std::string_view text) {
    if (!client_) {
        line("not in the lobby: the line was not sent");
        return false;
    }
    return client_->say(text);
}

void LobbySession::host(int balls, std::uint16_t port, bool askFirst) {
    hostPort_ = port;
    offered_.clear();
    askFirst_ = askFirst;
    taken_.reset();
    asked_.reset();
    setState({version_, Activity::hosting, balls, {}, false});
}

bool LobbySession::join(const std::string& nick, Clock::time_point now,
                        std::vector<Candidate> candidates) {
    if (!joinable(nick)) {
        return false;
    }
    line("asking " + shownName(nick) + " to let you join");
    return ask({nick, newSecret(), now + answerLimit}, IntroductionKind::join,
               std::move(candidates));
}

bool LobbySession::challenge(const std::string& nick, Clock::time_point now,
                             std::vector<Candidate> candidates) {
    if (!challengeable(nick)) {
        return false;
    }
    line("challenging " + shownName(nick) + " to a match");
    return ask({nick, newSecret(), now + answerLimit}, IntroductionKind::challenge,
               std::move(candidates));
}

bool LobbySession::ask(Asked asked, IntroductionKind kind, std::vector<Candidate> candidates) {
    const auto address = client_->localAddress();
    if (candidates.empty() && address) {
        candidates.push_back({*address, 0});
    }
    asked_ = std::move(asked);
    client_->introduce(asked_->host, {kind, version_, asked_->secret, candidates});
    return true;
}

void LobbySession::offer(std::vector<Candidate> candidates) {
    offered_ = std::move(candidates);
}

std::vector<Candidate> LobbySession::offeredOr(Candidate lobbySees) const {
    return offered_.empty() ? std::vector<Candidate>{std::move(lobbySees)} : offered_;
}

void LobbySession::playing(const std::string& with) {
    asked_.reset();
    setState({version_, Activity::playing, 5, cleanName(with), false});
}

void LobbySession::waiting() {
    if (pending_) {
        decline(pending_->from);
    }
    hostPort_ = 0;
    offered_.clear();
    askFirst_ = false;
    taken_.reset();
    asked_.reset();
    setState({version_, Activity::waiting, 5, {}, false});
}

void LobbySession::leave(int waitMillis) {
    if (client_) {
        client_->leave(waitMillis);
        client_.reset();
    }
    retryAt_.reset();
    asked_.reset();
    pending_.reset();
}

void LobbySession::setState(PlayerState state) {
    state_ = std::move(state);
    if (client_) {
        client_->setState(state_);
    }
}

void LobbySession::line(std::string text) {
    events_.push_back({Event::Kind::line, {}, std::move(text), {}, {}, {}});
}

} // namespace gloob::lobby
