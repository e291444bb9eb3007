#include "sim_test_support.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

namespace gloob::sim::testing {
namespace {

// A match to 3 between two computer players, or one and an idle side.
std::string match(const std::string& bots) {
    return bots + "0 menu 3\n0 click play\n400000 end\n";
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
    const SimRun run = runScript(match("0 bot 1 normal 3\n0 bot 2 hard 4\n"));
    ASSERT_EQ(run.status, 0) << run.errors;
    const Json& last = run.lines.back();
    EXPECT_EQ(integerOf(last.at("lbl").at(2)), 1) << "the match ends: GAME OVER";
    const auto score = last.at("score");
    EXPECT_TRUE(integerOf(score.at(0)) == 3 || integerOf(score.at(1)) == 3);

    std::set<std::string> events;
    for (const Json& line : run.lines) {
        events.insert(textOf(line.at("ev")));
        EXPECT_FALSE(textOf(line.at("ev")).starts_with("bot")) << "a bot line writes no line";
    }
    for (const std::string& key : keyLines(run)) {
        const auto t = std::stoll(key);
        EXPECT_EQ(t % heartbeat(1), 0) << key << ": keys come at heartbeats only";
    }
    for (const char* key : {"keydown 37", "keydown 39", "keydown 65", "keydown 68"}) {
        EXPECT_TRUE(events.count(key)) << key;
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
    const SimRun first = runScript(match(bots));
    const SimRun again = runScript(match(bots));
    const SimRun other = runScript(match("0 bot 1 hard 11\n0 bot 2 hard 13\n"));
    EXPECT_EQ(first.trace, again.trace);
    EXPECT_NE(first.trace, other.trace);
}

// Taken off its side, a computer player presses nothing more.
TEST(ComputerPlayers, OffGivesTheSideBack) {
    const SimRun run = runScript(match("0 bot 1 hard 5\n5000 bot 1 off\n"));
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
