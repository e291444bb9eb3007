// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// What strangers send in the lobby, read back or refused with a reason (that
// what the game sends reads back the same is the fuzz target's to check).

#include "lobby/lobby_text.h"

#include <gtest/gtest.h>

namespace gloob::lobby {
namespace {

using namespace std::chrono_literals;

struct StateCase {
    const char* text;
    std::optional<PlayerState> state; // nothing: refused
};

TEST(LobbyText, PresencePayloadsAreReadOrRefused) {
    const std::string longName(600, 'x');
    const StateCase cases[] = {
        {"v=2 state=waiting", PlayerState{2, Activity::waiting, 5, ""}},
        {"v=2 state=hosting balls=8", PlayerState{2, Activity::hosting, 8, ""}},
        {"state=hosting balls=3 v=7", PlayerState{7, Activity::hosting, 3, ""}},
        {"v=2 state=playing with=Ann%20B%C3%A9",
         PlayerState{2, Activity::playing, 5, "Ann B\xC3\xA9"}},
        // A name is cleaned of what would hide or move the text around it.
        {"v=2 state=playing with=%1B%5B31mEve%E2%80%AE",
         PlayerState{2, Activity::playing, 5, "[31mEve", true}},
        // A later version may say more.
        {"v=3 state=waiting mood=calm", PlayerState{3, Activity::waiting, 5, ""}},
        {"", std::nullopt},
        {"v=2", std::nullopt},
        {"state=waiting", std::nullopt},
        {"v=0 state=waiting", std::nullopt},
        {"v=65536 state=waiting", std::nullopt},
        {"v=-1 state=waiting", std::nullopt},
        {"v=2 state=flying", std::nullopt},
        {"v=2 state=hosting", std::nullopt},
        {"v=2 state=hosting balls=4", std::nullopt},
        {"v=2 state=playing", std::nullopt},
        {"v=2 state=playing with=", std::nullopt},
        {"v=2  state=waiting", std::nullopt},
        {"v=2 state=waiting ", std::nullopt},
        {"v=2 v=3 state=waiting", std::nullopt},
        {"v=2 state=waiting x=%4", std::nullopt},
        {"v=2 state=waiting x=%G0", std::nullopt},
        {"v=2 state=waiting Key=1", std::nullopt},
        {"v=2 a=1 b=1 c=1 d=1 e=1 f=1 g=1 h=1 i=1 j=1 k=1 l=1 m=1 n=1 o=1 state=waiting",
         std::nullopt},
    };
    for (const StateCase& c : cases) {
        const auto parsed = parseState(c.text);
        if (c.state) {
            ASSERT_TRUE(std::holds_alternative<PlayerState>(parsed)) << c.text;
            EXPECT_EQ(std::get<PlayerState>(parsed), *c.state) << c.text;
        } else {
            EXPECT_TRUE(std::holds_alternative<std::string>(parsed)) << c.text;
        }
    }
    const auto oversized = parseState("v=2 state=playing with=" + longName);
    ASSERT_TRUE(std::holds_alternative<std::string>(oversized));
    EXPECT_EQ(std::get<std::string>(oversized), "over 512 bytes");
}

TEST(LobbyText, IntroductionsAreReadOrRefused) {
    const std::string secret(32, 'a');
    const std::string s = " secret=" + secret;
    struct Case {
        std::string text;
        bool read;
    };
    const Case cases[] = {
        {"kind=join v=2" + s + " at=127.0.0.1:0", true},
        {"kind=accept v=2" + s + " at=192.0.2.7:27960,10.0.0.1:1", true},
        {"kind=decline v=2" + s, true},
        {"kind=challenge v=2" + s + " at=127.0.0.1:0", true},
        {"kind=join v=2" + s, false}, // nowhere to be reached
        {"kind=invite v=2" + s + " at=127.0.0.1:1", false},
        {"kind=join" + s + " at=127.0.0.1:1", false},
        {"kind=join v=2 secret=abc at=127.0.0.1:1", false},
        {"kind=join v=2 secret=" + std::string(32, 'A') + " at=127.0.0.1:1", false},
        {"kind=join v=2" + s + " at=localhost:1", false},
        {"kind=join v=2" + s + " at=127.0.0.1", false},
        {"kind=join v=2" + s + " at=127.0.0.1:65536", false},
        {"kind=join v=2" + s + " at=127.0.0.1:1,", false},
        {"kind=join v=2" + s +
             " at=1.1.1.1:1,1.1.1.1:1,1.1.1.1:1,1.1.1.1:1,1.1.1.1:1,1.1.1.1:1,"
             "1.1.1.1:1,1.1.1.1:1,1.1.1.1:1",
         false},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(std::holds_alternative<Introduction>(parseIntroduction(c.text)), c.read)
            << c.text;
    }
}

// A router's forwarding and a relay are told apart from the other addresses,
// and only for an address offered.
TEST(LobbyText, ForwardedAndRelayedAddressesAreMarked) {
    const std::string s = " secret=" + std::string(32, 'a');
    const Introduction offered{
        IntroductionKind::accept,
        2,
        std::string(32, 'a'),
        {{"192.0.2.2", 5000}, {"203.0.113.1", 5000, true}, {"198.51.100.9", 50000, false, true}}};
    const std::string text = formatIntroduction(offered);
    EXPECT_EQ(text, "kind=accept v=2" + s +
                        " at=192.0.2.2:5000,203.0.113.1:5000,198.51.100.9:50000" +
                        " forwarded=203.0.113.1:5000 relayed=198.51.100.9:50000");
    EXPECT_EQ(std::get<Introduction>(parseIntroduction(text)), offered);
    const auto stray = parseIntroduction("kind=accept v=2" + s +
                                         " at=192.0.2.2:5000 forwarded=203.0.113.1:5000,x"
                                         " relayed=192.0.2.2:5001");
    ASSERT_TRUE(std::holds_alternative<Introduction>(stray));
    EXPECT_EQ(std::get<Introduction>(stray).candidates,
              (std::vector<Candidate>{{"192.0.2.2", 5000}}));
}

TEST(LobbyText, NamesAndChatAreCleaned) {
    struct Case {
        std::string raw;
        std::string name;
        std::optional<std::string> chat;
    };
    const Case cases[] = {
        {"Ann", "Ann", "Ann"},
        {"  Ann \t Bob\n", "Ann Bob", "Ann Bob"},
        {"a\x07"
         "b\x7F"
         "c\xC2\x85"
         "d",
         "abcd", "abcd"},
        // Marks that reverse or isolate the text around them.
        {"evil\xE2\x80\xAEgnp.exe", "evilgnp.exe", "evilgnp.exe"},
        {"\xE2\x81\xA7x\xE2\x81\xA9\xD8\x9C", "x", "x"},
        {"caf\xC3\xA9", "caf\xC3\xA9", "caf\xC3\xA9"},
        // Broken UTF-8, overlong forms and surrogates become U+FFFD.
        {"a\xFF"
         "b\xC0\xAF"
         "c\xED\xA0\x80",
         "a\xEF\xBF\xBD"
         "b\xEF\xBF\xBD\xEF\xBF\xBD"
         "c\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD",
         "a\xEF\xBF\xBD"
         "b\xEF\xBF\xBD\xEF\xBF\xBD"
         "c\xEF\xBF\xBD\xEF\xBF\xBD\xEF\xBF\xBD"},
        {"\x01\x02", "?", std::nullopt},
        {std::string(40, 'n'), std::string(32, 'n'), std::string(40, 'n')},
        {std::string(500, 'c'), std::string(32, 'c'), std::string(500, 'c')},
        {std::string(501, 'c'), std::string(32, 'c'), std::nullopt},
    };
    for (const Case& c : cases) {
        EXPECT_EQ(cleanName(c.raw), c.name) << c.raw;
        EXPECT_EQ(cleanChat(c.raw), c.chat) << c.raw;
    }
    // 500 characters are 500 letters, not bytes.
    std::string accents;
    for (int i = 0; i < 500; ++i) {
        accents += "\xC3\xA9";
    }
    EXPECT_TRUE(cleanChat(accents).has_value());
}

TEST(LobbyText, EachSenderHasABurstThenARate) {
    RateLimit limit(3, 1s, 2);
    const auto t = RateLimit::Clock::time_point{} + 100s;
    for (int i = 0; i < 3; ++i) {
        EXPECT_TRUE(limit.allow("flood", t));
    }
    EXPECT_FALSE(limit.allow("flood", t));
    EXPECT_TRUE(limit.allow("quiet", t)) << "a flood holds nobody else back";
    EXPECT_FALSE(limit.allow("flood", t + 500ms));
    EXPECT_TRUE(limit.allow("flood", t + 1s));
    EXPECT_FALSE(limit.allow("flood", t + 1s));
    // Past its bound on senders it forgets the one heard least recently,
    // who starts again with a whole burst.
    EXPECT_TRUE(limit.allow("a", t + 1100ms));
    EXPECT_TRUE(limit.allow("b", t + 1200ms));
    EXPECT_TRUE(limit.allow("flood", t + 1300ms));
    EXPECT_TRUE(limit.allow("flood", t + 1300ms));
}

} // namespace
} // namespace gloob::lobby
