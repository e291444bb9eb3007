// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "lobby_client.h"
#include "sign_in_backoff.h"

#include <chrono>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace gloob::lobby {

// A player's stay in the lobby, as a window sees it: signed in until told
// to leave, and signed in again with back-off whenever the lobby goes away;
// hosting, joining and playing said in the player's presence, and the
// introductions between a host and a joiner carried out. The match itself
// is the caller's: this only says where to find the other machine.
class LobbySession {
public:
    using Clock = std::chrono::steady_clock;

    struct Event {
        enum class Kind {
            line,      // a line for the player: text
            chat,      // `from` said text in the room
            roster,    // the list of players changed
            accepted,  // this host took the joiner `from`; the match is theirs, and
                       // `candidates` the joiner's
            meet,      // the host `from` accepted: connect to `where`, or find
                       // the way to one of `candidates`
            asking,    // `from` asks to join (text "join") or challenges ("challenge"):
                       // accept() or decline()
            withdrawn, // the request of `from` is gone unanswered
        };
        Kind kind = Kind::line;
        std::string from; // the room's name of the occupant
        std::string text;
        Candidate where;
        // The match's secret, which the probes between the two machines carry.
        std::string secret;
        std::vector<Candidate> candidates;
    };

    LobbySession(LobbyAddress address, std::string name, std::uint16_t version,
                 std::optional<Account> account = std::nullopt);
    ~LobbySession();
    LobbySession(const LobbySession&) = delete;
    LobbySession& operator=(const LobbySession&) = delete;

    // Handles what the lobby brought, and signs in again when it is time.
    void poll(Clock::time_point now);
    std::vector<Event> takeEvents();

    bool inRoom() const;
    bool encrypted() const;
    // The STUN server the lobby names, once it said; nothing while away.
    std::optional<ServiceAddress> stunServer() const;
    // The relay the lobby lends, once it said so.
    std::optional<RelayService> relay() const;
    // The name the room knows this player by, once in it.
    std::string nick() const;
    // The lobby refused to let this player in, and no more tries are made.
    bool refused() const { return !client_ && !retryAt_; }
    // When the next try to sign in is due, while the lobby is away.
    std::optional<Clock::time_point> retryAt() const { return retryAt_; }
    // The players in the room, this one not among them; empty while away.
    const std::map<std::string, Occupant>& roster() const;
    const PlayerState& state() const { return state_; }
    // The name an occupant is shown by.
    std::string shownName(const std::string& nick) const;
    // Whether this player may ask to join the occupant's match now.
    bool joinable(const std::string& nick) const;
    // Whether this player's request waits for an answer.
    bool asking() const { return asked_.has_value(); }
    // Whether this player may challenge the occupant, who waits, now.
    bool challengeable(const std::string& nick) const;

    bool say(std::string_view text);
    // Hosts a match of `balls` points whose machine listens on `port`: the
    // first player who asks to join is taken, any later one declined; with
    // `askFirst`, each is put to this player first (an asking event).
    void host(int balls, std::uint16_t port, bool askFirst = false);
    // Asks a hosting player to be let into their match; the answer comes
    // as an event (meet) or a line.
    // With `candidates`, the addresses of the match's socket are offered;
    // without, the one the lobby sees this machine at.
    bool join(const std::string& nick, Clock::time_point now,
              std::vector<Candidate> candidates = {});
    // Asks a waiting player to host a match for this one; the answer comes
    // as for a join.
    bool challenge(const std::string& nick, Clock::time_point now,
                   std::vector<Candidate> candidates = {});
    // The hosted match's candidates, which answers carry from now on instead
    // of the address the lobby sees with the match's port.
    void offer(std::vector<Candidate> candidates);
    // Answers the request put to this player: a join lets the asker into
    // the match hosted; a challenge accepted is hosted on `port`.
    bool accept(const std::string& nick, std::uint16_t port = 0);
    void decline(const std::string& nick);
    void playing(const std::string& with);
    void waiting();
    // Out of the room, and no more tries.
    void leave(int waitMillis);

private:
    struct Asked {
        std::string host;
        std::string secret;
        Clock::time_point until;
    };
    // A request waiting for this player's answer.
    struct Pending {
        std::string from;
        Introduction asked;
        Clock::time_point until;
    };
    void signIn();
    void handle(LobbyEvent event);
    void answerJoin(const std::string& from, const Introduction& asked);
    void answerChallenge(const std::string& from, const Introduction& asked);
    bool ask(Asked asked, IntroductionKind kind, std::vector<Candidate> candidates);
    std::vector<Candidate> offeredOr(Candidate lobbySees) const;
    void answerToMe(const std::string& from, const Introduction& answer);
    void setState(PlayerState state);
    void line(std::string text);

    LobbyAddress address_;
    std::string name_;
    std::uint16_t version_;
    std::optional<Account> account_;
    bool everSignedIn_ = false;
    PlayerState state_;
    std::unique_ptr<LobbyClient> client_;
    SignInBackoff backoff_;
    std::optional<Clock::time_point> retryAt_;
    bool wasInRoom_ = false;
    std::uint16_t hostPort_ = 0;
    std::vector<Candidate> offered_;
    bool askFirst_ = false;
    Clock::time_point now_{};
    std::optional<Pending> pending_;
    std::optional<std::string> taken_;
    std::optional<Asked> asked_;
    std::vector<Event> events_;
};

} // namespace gloob::lobby
