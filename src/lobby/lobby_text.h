// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <chrono>
#include <cstddef>
#include <cstdint>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <variant>
#include <vector>

// What players say to each other in the lobby, as text in and checked values
// out: anything a stranger sends passes through these before the game looks
// at it, so they never trust a byte and are fuzzed on their own.
namespace gloob::lobby {

// The namespace of the game's own elements in presences and messages.
inline constexpr std::string_view gameNamespace = "urn:x-gloob-volleyball:lobby:1";

// Bounds on what a player may send: more is refused, not cut.
constexpr std::size_t maxPayloadBytes = 512;
constexpr std::size_t maxChatCharacters = 500;
constexpr std::size_t maxNameCharacters = 32;
constexpr std::size_t maxCandidates = 8;
constexpr std::size_t secretHexDigits = 32;

enum class Activity { waiting, hosting, playing };

// What a player's presence says: the game's protocol version and what they do.
struct PlayerState {
    std::uint16_t version = 0;
    Activity activity = Activity::waiting;
    int balls = 5;            // hosting: the points that win the match
    std::string with;         // playing: the other player's name, cleaned
    bool nameCleaned = false; // `with` held characters that are not shown
    bool operator==(const PlayerState&) const = default;
};

// An address a machine may be reached at; port 0: it connects out only.
struct Candidate {
    std::string address; // dotted IPv4
    std::uint16_t port = 0;
    bool forwarded = false; // the router forwards it on request (UPnP)
    bool relayed = false;   // a relay lends it, and passes on what it gets
    bool operator==(const Candidate&) const = default;
};

// A joiner's request (or a challenge to a waiting player, who would host),
// and the answer to it, both carrying the asker's secret so that an answer
// belongs to one request.
enum class IntroductionKind { join, accept, decline, challenge };
struct Introduction {
    IntroductionKind kind = IntroductionKind::join;
    std::uint16_t version = 0;
    std::string secret; // lower-case hex, secretHexDigits long
    std::vector<Candidate> candidates;
    bool operator==(const Introduction&) const = default;
};

// A payload the game sends, and the payload read back or why it is refused.
std::string formatState(const PlayerState& state);
std::variant<PlayerState, std::string> parseState(std::string_view text);
std::string formatIntroduction(const Introduction& introduction);
std::variant<Introduction, std::string> parseIntroduction(std::string_view text);

// A name as it may be shown: valid UTF-8 with no control or
// direction-changing characters, at most maxNameCharacters long; "?" when
// nothing is left.
std::string cleanName(std::string_view raw);
// A chat line as it may be shown: the same cleaning, line breaks and tabs
// as spaces; nothing when it is over maxChatCharacters or empty.
std::optional<std::string> cleanChat(std::string_view raw);

// A fresh secret for one match: secretHexDigits hex digits from the system's
// random source.
std::string newSecret();

// Lets each sender through `burst` times at once and once every `every`
// on average after that. Bounded however many senders there are: the least
// recently heard are forgotten past `maxSenders`.
class RateLimit {
public:
    using Clock = std::chrono::steady_clock;
    RateLimit(int burst, Clock::duration every, std::size_t maxSenders = 1024);
    bool allow(const std::string& sender, Clock::time_point now);
    void forget(const std::string& sender) { senders_.erase(sender); }

private:
    struct Bucket {
        double tokens = 0;
        Clock::time_point last{};
    };
    int burst_;
    Clock::duration every_;
    std::size_t maxSenders_;
    std::map<std::string, Bucket> senders_;
};

} // namespace gloob::lobby
