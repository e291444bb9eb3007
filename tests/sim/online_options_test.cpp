// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "sim_test_support.h"
#include "simulator.h"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>
#include <regex>
#include <sstream>

namespace gloob::sim::testing {
namespace {

struct CommandLineRun {
    int status = -1;
    std::string out;
    std::string errors;
};

CommandLineRun run(std::vector<std::string_view> arguments, const std::string& script) {
    std::istringstream in(script);
    std::ostringstream out;
    std::ostringstream errors;
    CommandLineRun result;
    result.status = runCommandLine(arguments, in, out, errors);
    result.out = out.str();
    result.errors = errors.str();
    return result;
}

struct Refused {
    const char* name;
    std::vector<std::string_view> arguments;
    std::string script;
    std::string error; // a regular expression for all of standard error
};

class OnlineRefusals : public ::testing::TestWithParam<Refused> {};

// Refused before any connection is tried, so no network is needed.
TEST_P(OnlineRefusals, ExitWithStatusTwoAndALineNumber) {
    const CommandLineRun result = run(GetParam().arguments, GetParam().script);
    EXPECT_EQ(result.status, exitUsage);
    EXPECT_EQ(result.out, "");
    EXPECT_TRUE(std::regex_match(result.errors, std::regex(GetParam().error))) << result.errors;
}

INSTANTIATE_TEST_SUITE_P(
    Table, OnlineRefusals,
    ::testing::Values(
        Refused{"TheHostsKeysFromTheJoiner",
                {"--join", "127.0.0.1:9"},
                "0 click play\n100 keydown 37\n",
                "gloob-sim: line 2: key 37 is player 1's; this machine plays player 2\n"},
        Refused{"TheJoinersKeysFromTheHost",
                {"--host", "0"},
                "0 click play\n\n# W\n100 keyup 87\n",
                "gloob-sim: line 4: key 87 is player 2's; this machine plays player 1\n"},
        Refused{"AKeyOfNoControl",
                {"--host", "0"},
                "5 keydown 90\n",
                "gloob-sim: line 1: key 90 plays nothing of player 1's online\n"},
        Refused{"TheMatchLengthFromTheJoiner",
                {"--join", "localhost"},
                "0 menu 8\n",
                "gloob-sim: line 1: only the host \\(player 1\\) chooses the match length and "
                "background\n"},
        Refused{"WhoServesFromTheJoiner",
                {"--join", "localhost"},
                "0 serve loser\n",
                "gloob-sim: line 1: only the host \\(player 1\\) chooses who serves\n"},
        Refused{"AComputerPlayer",
                {"--host", "0"},
                "0 bot 2 hard\n",
                "gloob-sim: line 1: computer players do not play online\n"},
        Refused{"ABadPort",
                {"--host", "70000"},
                "",
                "gloob-sim: bad port '70000' \\(a number from 0 to 65535\\)\nTry .*\n"},
        Refused{"AnAddressWithoutAName",
                {"--join", ":27960"},
                "",
                "gloob-sim: bad address ':27960' .*\nTry .*\n"},
        Refused{"BothHostAndJoin",
                {"--host", "0", "--join", "localhost"},
                "",
                "gloob-sim: one --host or --join at most\nTry .*\n"},
        Refused{"AnOptionWithoutItsValue",
                {"--record"},
                "",
                "gloob-sim: --record needs a value\nTry .*\n"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Record, WritesARecordingThatReplaysToTheSameTrace) {
    const std::string path =
        (std::filesystem::path(::testing::TempDir()) / "record_test.rec").string();
    const CommandLineRun played = run(
        {"--record", path}, "0 menu 3\n0 click play\n2300 keydown 37\n2600 keyup 37\n4000 end\n");
    ASSERT_EQ(played.status, exitOk) << played.errors;
    const std::string recording = readFile(path);
    EXPECT_NE(recording.find("\n15 menu 3\n15 click play\n2312 keydown 37\n2609 keyup 37\n"),
              std::string::npos)
        << recording;
    const CommandLineRun replayed = run({path}, "");
    EXPECT_EQ(replayed.status, exitOk);
    EXPECT_EQ(replayed.out.substr(0, played.out.size()), played.out);
    std::remove(path.c_str());
}

TEST(Record, ANewFileThatCannotBeMadeIsReported) {
    const CommandLineRun result = run({"--record", "/no-such-folder/x.rec"}, "0 click play\n");
    EXPECT_EQ(result.status, exitFailure);
    EXPECT_EQ(result.errors, "gloob-sim: cannot write the recording to '/no-such-folder/x.rec'\n");
}

} // namespace
} // namespace gloob::sim::testing
