// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// Programs of the player's own on a side: dropped when they misbehave, the
// match going on; recorded like any player.
#include "app/version.h"
#include "script/recorder.h"
#include "script/script.h"
#include "sim_test_support.h"
#include "simulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <chrono>
#include <sstream>
#include <string>

namespace gloob::sim::testing {
namespace {

struct Misbehaviour {
    const char* name;
    std::string command;
    const char* why;
    bool walkedFirst; // its first answer was taken
};

const std::string programs = GLOOB_SIM_PROGRAMS_DIR;

// The game drops a program that takes over 5 ms. A shell or Python answer
// takes about a millisecond, but far longer on a busy machine under the
// sanitizers; the tests allow half a second, and the too slow program takes
// ten times that.
constexpr std::chrono::milliseconds loadedMachine{500};

class DroppedProgram : public ::testing::TestWithParam<Misbehaviour> {};

// Each program walks player 2 right with its first answer, then misbehaves:
// it is dropped with one message, its key is let go, and the match against
// the computer on player 1's side plays on.
TEST_P(DroppedProgram, LeavesItsSideStandingWhileTheMatchGoesOn) {
    const Misbehaviour& row = GetParam();
    ExtraOptions extra;
    extra.programAnswerTime = loadedMachine;
    const SimRun run = runScript(
        "0 program 2 " + row.command + "\n0 bot 1 hard 1\n0 click play\n8000 end\n", extra);
    ASSERT_EQ(run.status, 0) << run.errors;
    EXPECT_EQ(run.errors, "gloob-sim: player 2's program " + quotedWord(row.command, 80) +
                              " is dropped for the rest of the match: " + row.why +
                              "; the side stands still\n");

    const std::vector<Json> ticks = linesOf(run.lines, "tmrMain");
    ASSERT_FALSE(ticks.empty());
    EXPECT_GE(integerOf(ticks.back().at("t")), 7'900'000) << "the match stopped";
    const auto step = [](const Json& tick) { return integerOf(tick.at("p2").at(4)); };
    bool walked = false;
    for (const Json& tick : ticks) {
        walked = walked || step(tick) == 150;
        if (integerOf(tick.at("t")) > 2'500'000) {
            ASSERT_EQ(step(tick), 0) << "player 2 moved after the drop";
        }
    }
    EXPECT_EQ(walked, row.walkedFirst);
}

INSTANTIATE_TEST_SUITE_P(
    Programs, DroppedProgram,
    ::testing::Values(
        Misbehaviour{"too_slow", "sh " + programs + "/slow.sh", "it answered late (after 500 ms)",
                     true},
        Misbehaviour{"exits", "sh " + programs + "/exits.sh", "it ended", true},
        Misbehaviour{"floods", "sh " + programs + "/floods.sh",
                     "it wrote more than one line for a heartbeat", true},
        Misbehaviour{"garbage", "sh " + programs + "/garbage.sh",
                     "it wrote 'walk', which is no key (+left, -left, +right, -right, +jump or "
                     "-jump)",
                     true},
        Misbehaviour{"cannot_start", programs + "/no-such-program",
                     "it cannot be started: No such file or directory", false}),
    [](const auto& info) { return std::string(info.param.name); });

std::vector<ScriptEvent> parsed(const std::string& script) {
    std::istringstream in(script);
    return std::get<std::vector<ScriptEvent>>(parseScript(in));
}

// The example program against a computer player: its keys are in the
// recording, which replays the match without it.
TEST(ProgramRecording, ReplaysWithoutTheProgram) {
    std::ostringstream played;
    std::ostringstream recording;
    std::ostringstream messages;
    Recorder recorder(recording, gameVersion, "2026-12-08 00:00:00 UTC");
    simulate(parsed("0 program 2 " GLOOB_PYTHON " " GLOOB_EXAMPLE_PROGRAM
                    "\n0 bot 1 easy 3\n0 menu 3\n0 click play\n40000 end\n"),
             played, {&recorder}, &messages, loadedMachine);
    EXPECT_NE(recording.str().find(" keydown 68\n"), std::string::npos) << "it never walked";
    EXPECT_EQ(recording.str().find("program"), std::string::npos);

    // The replay stops ten seconds after the last recorded key, the live run
    // at its end line: what both played must be the same, the whole match.
    std::ostringstream replayed;
    simulate(parsed(recording.str()), replayed);
    const std::string live = played.str();
    const std::size_t both = std::min(live.size(), replayed.str().size());
    ASSERT_GT(both, 100'000u);
    EXPECT_EQ(replayed.str().substr(0, both), live.substr(0, both));
    const std::string shared = live.substr(0, both);
    EXPECT_TRUE(shared.find("\"score\":[3,") != std::string::npos ||
                shared.find(",3,3],\"lbl\"") != std::string::npos)
        << "the match was not over in what both played";
}

} // namespace
} // namespace gloob::sim::testing
