// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "sim_test_support.h"
#include "simulator.h"

#include <gtest/gtest.h>

#include <set>
#include <sstream>
#include <string>

namespace gloob::sim::testing {
namespace {

// A match to 3 between two computer players, or one and an idle side, for
// at most `seconds`.
std::string match(const std::string& bots, int seconds = 400) {
    return bots + "0 menu 3\n0 click play\n" + std::to_string(seconds * 1000) + " end\n";
}

// Only the trace's text: parsing is the slow part of a long run.
std::string traceOf(const std::string& script) {
    std::istringstream in(script);
    std::ostringstream trace;
    std::ostringstream errors;
    EXPECT_EQ(runSimulator(in, trace, errors), 0) << errors.str();
    return trace.str();
}

std::vector<std::string> keyLines(const SimRun& run) {
    std::vector<std::string> keys;
    for (const Json& line : run.lines) {
        const std::string event = textOf(line.at("ev"));
        if (event.starts_with("key")) {
            keys.push_back(std::to_string(integerOf(line.at("t"))) + " " + event);
        }
    }
    return keys;
}

TEST(ComputerPlayers, PlayAWholeMatchThroughTheirOwnKeysAtHeartbeats) {
    const std::vector<std::string> lines =
        splitLines(traceOf(match("0 bot 1 normal 3\n0 bot 2 easy 4\n")));
    ASSERT_FALSE(lines.empty());
    const Json last = parseJson(lines.back());
    EXPECT_EQ(integerOf(last.at("lbl").at(2)), 1) << "the match ends: GAME OVER";
    const auto score = last.at("score");
    EXPECT_TRUE(integerOf(score.at(0)) == 3 || integerOf(score.at(1)) == 3);

    std::set<std::string> keys;
    for (const std::string& text : lines) {
        // Only input lines are read whole; the timers' are most of the trace.
        if (text.find("\"ev\":\"tmr") != std::string::npos) {
            continue;
        }
        const Json line = parseJson(text);
        const std::string event = textOf(line.at("ev"));
        EXPECT_FALSE(event.starts_with("bot")) << "a bot line writes no line";
        if (event.starts_with("key")) {
            keys.insert(event);
            EXPECT_EQ(integerOf(line.at("t")) % heartbeat(1), 0)
                << event << ": keys come at heartbeats only";
        }
    }
    for (const char* key : {"keydown 37", "keydown 39", "keydown 65", "keydown 68"}) {
        EXPECT_TRUE(keys.count(key)) << key;
    }
}

// Its side's keys from the script are ignored; the other side's are not.
TEST(ComputerPlayers, TakeTheirSideFromTheScript) {
    const SimRun run = runScript("0 bot 2 easy 1\n100 keydown 65\n100 keydown 39\n200 end\n");
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(keyLines(run), std::vector<std::string>{"109375 keydown 39"});
    const Json& last = run.lines.back();
    EXPECT_EQ(integerOf(last.at("p2").at(4)), 0);
    EXPECT_EQ(integerOf(last.at("p1").at(4)), 150);
}

TEST(ComputerPlayers, SameSeedSameGameOtherSeedAnother) {
    const std::string bots = "0 bot 1 hard 11\n0 bot 2 hard 12\n";
    const std::string first = traceOf(match(bots, 30));
    EXPECT_EQ(traceOf(match(bots, 30)), first);
    EXPECT_NE(traceOf(match("0 bot 1 hard 11\n0 bot 2 hard 13\n", 30)), first);
}

// Taken off its side, a computer player presses nothing more.
TEST(ComputerPlayers, OffGivesTheSideBack) {
    const SimRun run = runScript(match("0 bot 1 hard 5\n5000 bot 1 off\n", 20));
    for (const std::string& key : keyLines(run)) {
        EXPECT_LT(std::stoll(key), 5'015'625) << key;
    }
}

struct BadBotLine {
    const char* name;
    std::string line;
    std::string error;
};

class BadBotLines : public ::testing::TestWithParam<BadBotLine> {};

TEST_P(BadBotLines, AreRefused) {
    const SimRun run = runScript(GetParam().line + "\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.errors, "gloob-sim: line 1: " + GetParam().error + "\n");
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadBotLines,
    ::testing::Values(BadBotLine{"NoSide", "0 bot", "missing side (1 or 2) after 'bot'"},
                      BadBotLine{"NoStrength", "0 bot 1", "missing strength after '1'"},
                      BadBotLine{"ThirdSide", "0 bot 3 easy", "bad side '3' (1 or 2)"},
                      BadBotLine{"UnknownStrength", "0 bot 1 expert",
                                 "unknown strength 'expert' (off, easy, normal or hard)"},
                      BadBotLine{"SeedOfOff", "0 bot 1 off 4", "unexpected '4' after 'off'"},
                      BadBotLine{"BadSeed", "0 bot 2 hard -1",
                                 "bad seed '-1' (a decimal number from 0 to 4294967295)"},
                      BadBotLine{"TooMuch", "0 bot 2 hard 1 2", "unexpected '2' after '1'"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob::sim::testing
