// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "net/protocol.h"

#include <gtest/gtest.h>

#include <functional>

namespace gloob::net {
namespace {

template <typename Row> void printName(const Row& row, std::ostream* out) {
    *out << row.name;
}

struct RoundTrip {
    const char* name;
    Message message;
};
void PrintTo(const RoundTrip& row, std::ostream* out) {
    printName(row, out);
}

class MessagesRoundTrip : public ::testing::TestWithParam<RoundTrip> {};

TEST_P(MessagesRoundTrip, DecodeToWhatWasEncoded) {
    const std::vector<std::uint8_t> bytes = encode(GetParam().message);
    const auto decoded = decode(bytes);
    ASSERT_TRUE(decoded.has_value());
    EXPECT_EQ(*decoded, GetParam().message);
}

InputFrame fullFrame() {
    InputFrame frame{7, 3, 1'000'000, {}};
    frame.events.push_back({4, 900'000, GameEvent::keyDown(37)});
    frame.events.push_back({5, 900'000, GameEvent::of(EventKind::clickPlay)});
    frame.events.push_back({6, 950'000, GameEvent::menu(MenuId::mnuBeach)});
    frame.events.push_back({7, 1'000'000, GameEvent::keyUp(37)});
    frame.events.push_back({8, 1'000'000, GameEvent::of(EventKind::clickExit)});
    frame.events.push_back({9, 1'000'000, GameEvent::serve(ServeRule::alternate)});
    return frame;
}

INSTANTIATE_TEST_SUITE_P(
    Each, MessagesRoundTrip,
    ::testing::Values(RoundTrip{"Hello", Hello{protocolVersion, "1.0.0"}},
                      RoundTrip{"Refuse", Refuse{RefuseReason::otherVersion, 9, "9.0.0"}},
                      RoundTrip{"Welcome", Welcome{0xDEADBEEF}}, RoundTrip{"Ping", Ping{1, 2}},
                      RoundTrip{"Pong", Pong{3, 4}}, RoundTrip{"Start", Start{5, maxInputDelay}},
                      RoundTrip{"EmptyFrame", InputFrame{7, 0, 31'250, {}}},
                      RoundTrip{"FrameOfEveryKind", fullFrame()},
                      RoundTrip{"BoxClosed", BoxClosed{7, 2}},
                      RoundTrip{"Hash", StateHash{7, 64, 0x0123456789ABCDEF}},
                      RoundTrip{"Bye", Bye{7, ByeReason::outOfStep, 123'456}}),
    [](const auto& info) { return std::string(info.param.name); });

// Byte offsets of an input frame's fields.
constexpr std::size_t frontierAt = 9, firstAt = 17, countAt = 21, eventsAt = 22;
constexpr std::size_t eventBytes = 7;

std::vector<std::uint8_t> frameBytes() {
    return encode(fullFrame());
}

struct Malformed {
    const char* name;
    std::function<std::vector<std::uint8_t>()> bytes;
};
void PrintTo(const Malformed& row, std::ostream* out) {
    printName(row, out);
}

class MalformedMessages : public ::testing::TestWithParam<Malformed> {};

TEST_P(MalformedMessages, AreDropped) {
    EXPECT_FALSE(decode(GetParam().bytes()).has_value());
}

std::vector<std::uint8_t> patched(std::vector<std::uint8_t> bytes, std::size_t at,
                                  std::vector<std::uint8_t> with) {
    std::copy(with.begin(), with.end(), bytes.begin() + static_cast<std::ptrdiff_t>(at));
    return bytes;
}

std::vector<std::uint8_t> cut(std::vector<std::uint8_t> bytes, std::size_t drop) {
    bytes.resize(bytes.size() - drop);
    return bytes;
}

std::vector<std::uint8_t> hello() {
    return encode(Hello{protocolVersion, "1.0"});
}

INSTANTIATE_TEST_SUITE_P(
    Table, MalformedMessages,
    ::testing::Values(
        Malformed{"Empty", [] { return std::vector<std::uint8_t>{}; }},
        Malformed{"UnknownType",
                  [] {
                      return std::vector<std::uint8_t>{0x7F, 0, 0, 0, 0};
                  }},
        Malformed{"TypeZero", [] { return std::vector<std::uint8_t>{0}; }},
        Malformed{"Oversized",
                  [] {
                      auto bytes = encode(Welcome{1});
                      bytes.resize(maxMessageBytes + 1);
                      return bytes;
                  }},
        Malformed{"HelloOfAnotherProgram", [] { return patched(hello(), 1, {'X'}); }},
        Malformed{"HelloCutShort", [] { return cut(hello(), 1); }},
        Malformed{"HelloWithATrailingByte",
                  [] {
                      auto bytes = hello();
                      bytes.push_back(0);
                      return bytes;
                  }},
        Malformed{"HelloVersionLongerThanItsBytes", [] { return patched(hello(), 7, {40}); }},
        Malformed{"HelloVersionWithAControlByte", [] { return patched(hello(), 8, {27}); }},
        Malformed{"RefuseForNoReason", [] { return patched(encode(Refuse{}), 1, {0}); }},
        Malformed{"WelcomeCutShort", [] { return cut(encode(Welcome{1}), 2); }},
        Malformed{"StartWithDelayNine",
                  [] {
                      return patched(encode(Start{1, 2}), 5, {9});
                  }},
        Malformed{"FrameClaimingMoreEventsThanItHolds",
                  [] { return patched(frameBytes(), countAt, {7}); }},
        Malformed{"FrameHoldingMoreEventsThanItClaims",
                  [] { return patched(frameBytes(), countAt, {4}); }},
        Malformed{"FrameAboveTheEventLimit",
                  [] { return patched(frameBytes(), countAt, {maxFrameEvents + 1}); }},
        Malformed{"FrameWithSequenceZero",
                  [] {
                      return patched(frameBytes(), firstAt, {0, 0, 0, 0});
                  }},
        Malformed{"FrameWhoseSequencesWrap",
                  [] {
                      return patched(frameBytes(), firstAt, {0xFF, 0xFF, 0xFF, 0xFE});
                  }},
        Malformed{"FrameBeyondAnyMatch",
                  [] {
                      return patched(frameBytes(), frontierAt, {0, 0, 0x10});
                  }},
        Malformed{"FrameStampBeforeTimeZero",
                  [] {
                      return patched(frameBytes(), eventsAt, {0xFF, 0xFF, 0xFF, 0xFF});
                  }},
        Malformed{"FrameStampsGoingBack",
                  [] {
                      return patched(frameBytes(), eventsAt + 3 * eventBytes, {0, 1, 0, 0});
                  }},
        Malformed{"FrameWithAnUnknownEventKind",
                  [] { return patched(frameBytes(), eventsAt + 4, {9}); }},
        Malformed{"FrameWithAFocusLoss", [] { return patched(frameBytes(), eventsAt + 4, {0}); }},
        Malformed{"FrameWithAClickThatCarriesACode",
                  [] {
                      return patched(frameBytes(), eventsAt + eventBytes + 5, {0, 1});
                  }},
        Malformed{"FrameWithAMenuThatOnlyOpensASubmenu",
                  [] {
                      return patched(frameBytes(), eventsAt + 2 * eventBytes + 5, {0, 0});
                  }},
        Malformed{"FrameWithAMenuBeyondTheMenus",
                  [] {
                      return patched(frameBytes(), eventsAt + 2 * eventBytes + 5, {0, 99});
                  }},
        Malformed{"FrameWithAServeRuleBeyondTheRules",
                  [] {
                      return patched(frameBytes(), eventsAt + 5 * eventBytes + 5, {0, 3});
                  }},
        Malformed{"FrameCutInAnEvent", [] { return cut(frameBytes(), 3); }},
        Malformed{"BoxNumberZero",
                  [] {
                      return patched(encode(BoxClosed{1, 1}), 8, {0});
                  }},
        Malformed{"ByeForAnUnknownReason", [] { return patched(encode(Bye{}), 5, {7}); }},
        Malformed{"HashCutShort", [] { return cut(encode(StateHash{}), 1); }}),
    [](const auto& info) { return std::string(info.param.name); });

struct Permission {
    const char* name;
    int side;
    GameEvent event;
    bool allowed;
};
void PrintTo(const Permission& row, std::ostream* out) {
    printName(row, out);
}

class Permissions : public ::testing::TestWithParam<Permission> {};

TEST_P(Permissions, AreEachPlayersOwn) {
    EXPECT_EQ(playerMaySend(GetParam().side, GetParam().event), GetParam().allowed);
}

INSTANTIATE_TEST_SUITE_P(
    Table, Permissions,
    ::testing::Values(
        Permission{"Player1Left", 1, GameEvent::keyDown(37), true},
        Permission{"Player1ReleasesJump", 1, GameEvent::keyUp(38), true},
        Permission{"Player1PressesPlayer2sA", 1, GameEvent::keyDown(65), false},
        Permission{"Player2PressesW", 2, GameEvent::keyDown(87), true},
        Permission{"Player2PressesPlayer1sRight", 2, GameEvent::keyDown(39), false},
        Permission{"AKeyOfNoControl", 1, GameEvent::keyDown(90), false},
        Permission{"Player2ClicksPlay", 2, GameEvent::of(EventKind::clickPlay), true},
        Permission{"Player2ClicksExit", 2, GameEvent::of(EventKind::clickExit), true},
        Permission{"Player2AsksForHelp", 2, GameEvent::menu(MenuId::mnuInstructions), true},
        Permission{"Player2ChoosesTheMatchLength", 2, GameEvent::menu(MenuId::mnu8), false},
        Permission{"Player2ChoosesTheBackground", 2, GameEvent::menu(MenuId::mnuBeach), false},
        Permission{"HostChoosesTheMatchLength", 1, GameEvent::menu(MenuId::mnu8), true},
        Permission{"HostChoosesWhoServes", 1, GameEvent::serve(ServeRule::loser), true},
        Permission{"Player2ChoosesWhoServes", 2, GameEvent::serve(ServeRule::loser), false},
        Permission{"ASubmenu", 1, GameEvent::menu(MenuId::mnuOptions), false},
        Permission{"FocusLossNeverTravels", 1, GameEvent::of(EventKind::focusOut), false},
        Permission{"ComputerPlayersNeverTravel", 1, GameEvent::bot(1, BotStrength::hard, 1), false},
        Permission{"EndNeverTravels", 2, GameEvent::of(EventKind::end), false}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob::net
