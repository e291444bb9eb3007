// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/game_event.h"

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <variant>
#include <vector>

namespace gloob::net {

// Raised whenever a message changes its meaning; a machine refuses a peer
// that speaks another.
// 2: the games compare digests of their snapshots, no longer of trace lines.
// 3: each machine plays on guessing the other's keys and plays again when
//    they come (rollback): an input delay from 0, and frames say how far
//    their sender runs ahead; the host's rule of who serves travels with its
//    match length.
constexpr std::uint16_t protocolVersion = 3;
// The port a host listens on unless told otherwise (UDP).
constexpr std::uint16_t defaultPort = 27960;

// Bounds on what a message may hold: a frame that would exceed them is
// malformed, and a peer that would make a machine hold more is dropped.
constexpr std::size_t maxFrameEvents = 64;
constexpr std::size_t maxVersionBytes = 32;
constexpr std::size_t maxMessageBytes = 512;

// The magic that opens a hello: a stray packet of another program is no hello.
constexpr std::array<std::uint8_t, 4> helloMagic{'G', 'L', 'O', 'B'};

enum class MessageType : std::uint8_t {
    hello = 1,
    refuse,
    welcome,
    ping,
    pong,
    start,
    input,
    boxClosed,
    hash,
    bye,
};

// The joining machine introduces itself.
struct Hello {
    std::uint16_t protocol = protocolVersion;
    std::string gameVersion;
    bool operator==(const Hello&) const = default;
};

enum class RefuseReason : std::uint8_t { otherVersion = 1, busy };

// The host turns a joiner away, saying what it runs itself.
struct Refuse {
    RefuseReason reason = RefuseReason::busy;
    std::uint16_t protocol = protocolVersion;
    std::string gameVersion;
    bool operator==(const Refuse&) const = default;
};

// Every later message names the session the host chose here.
struct Welcome {
    std::uint32_t session = 0;
    bool operator==(const Welcome&) const = default;
};

// The host measures the round trip: the joiner echoes each ping.
struct Ping {
    std::uint32_t session = 0;
    std::uint32_t number = 0;
    bool operator==(const Ping&) const = default;
};
struct Pong {
    std::uint32_t session = 0;
    std::uint32_t number = 0;
    bool operator==(const Pong&) const = default;
};

// The match begins with the input delay the host chose, in heartbeats.
constexpr int minInputDelay = 0;
constexpr int maxInputDelay = 8;
struct Start {
    std::uint32_t session = 0;
    std::uint8_t inputDelay = minInputDelay;
    bool operator==(const Start&) const = default;
};

// One of a player's events, with the delivery point it is handed over at.
struct StampedEvent {
    std::uint32_t sequence = 0; // from 1, one more for each event of that player
    std::int64_t stamp = 0;     // virtual microseconds
    GameEvent event;
    bool operator==(const StampedEvent&) const = default;
};

// A player's input: every event the peer has not yet acknowledged, the
// frontier (all of the sender's events stamped at or before it are in this
// frame or acknowledged), and the acknowledgement of the peer's events.
struct InputFrame {
    std::uint32_t session = 0;
    std::uint32_t ack = 0; // every peer event up to this sequence has arrived
    std::int64_t frontier = 0;
    std::vector<StampedEvent> events; // consecutive sequences, stamps not decreasing
    // How far the sender's game ran ahead of the receiver's input it had, in
    // milliseconds: the two machines' clocks are kept together by it.
    std::int16_t aheadMillis = 0;
    bool operator==(const InputFrame&) const = default;
};

// The player whose Help box was open has closed box number `box` (counted
// from 1 over the session, the same on both machines).
struct BoxClosed {
    std::uint32_t session = 0;
    std::uint32_t box = 0;
    bool operator==(const BoxClosed&) const = default;
};

// A digest of the game as it stood after main-loop step `step`.
struct StateHash {
    std::uint32_t session = 0;
    std::uint32_t step = 0;
    std::uint64_t digest = 0;
    bool operator==(const StateHash&) const = default;
};

enum class ByeReason : std::uint8_t { left = 1, outOfStep, fault };

// The sender stops after delivery point `lastPoint`: the peer goes no further.
struct Bye {
    std::uint32_t session = 0;
    ByeReason reason = ByeReason::left;
    std::int64_t lastPoint = 0;
    bool operator==(const Bye&) const = default;
};

using Message =
    std::variant<Hello, Refuse, Welcome, Ping, Pong, Start, InputFrame, BoxClosed, StateHash, Bye>;

std::vector<std::uint8_t> encode(const Message& message);
// The message in these bytes, or nothing when any field is out of its range,
// the length is not exactly the message's, or an event is of a kind that
// never travels.
std::optional<Message> decode(std::span<const std::uint8_t> bytes);

// Whether a player may send this event at all: their own keys, Play!, Exit,
// Help's boxes, and for player 1 (the host) the match length, background and
// the rule of who serves.
bool playerMaySend(int side, const GameEvent& event);

} // namespace gloob::net
