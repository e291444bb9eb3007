// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "app/version.h"
#include "script/recorder.h"
#include "script/script.h"
#include "sim_test_support.h"
#include "simulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <random>
#include <sstream>

namespace gloob::sim::testing {
namespace {

std::vector<ScriptEvent> parsed(const std::string& script) {
    std::istringstream in(script);
    auto result = parseScript(in);
    if (const auto* error = std::get_if<ScriptError>(&result)) {
        ADD_FAILURE() << "line " << error->line << ": " << error->message;
        return {};
    }
    return std::get<std::vector<ScriptEvent>>(std::move(result));
}

// Random input at random milliseconds: keys of both players and others,
// clicks, menu commands and focus loss, over a few matches.
std::string randomScript(std::uint32_t seed) {
    std::mt19937 random(seed);
    const std::vector<std::string> events{"keydown 37", "keyup 37",   "keydown 39", "keyup 39",
                                          "keydown 38", "keydown 65", "keyup 65",   "keydown 68",
                                          "keyup 68",   "keydown 87", "keydown 0",  "keyup 90",
                                          "click play", "click play", "menu 3",     "menu beach",
                                          "menu none",  "focusout",   "menu about"};
    std::string script = "0 menu 3\n";
    std::int64_t ms = 0;
    for (int i = 0; i < 400; ++i) {
        ms += std::uniform_int_distribution<int>(0, 250)(random);
        script += std::to_string(ms) + " " +
                  events[std::uniform_int_distribution<std::size_t>(0, events.size() - 1)(random)] +
                  "\n";
    }
    // Ended by Exit, or by the script's `end` long after the last input (a
    // recording that did not keep the `end` would stop 10 s after it).
    if (seed % 2 == 0) {
        return script + std::to_string(ms + 20000) + " end\n";
    }
    return script + std::to_string(ms) + " menu exit\n";
}

// A game recorded as it is played replays to the same trace, whatever the
// input and wherever it falls: in the main loop, inside a pause, after its
// last pump; and however it ended.
TEST(Recording, ReplaysToTheSameTrace) {
    for (std::uint32_t seed = 1; seed <= 12; ++seed) {
        std::ostringstream played;
        std::ostringstream recording;
        Recorder recorder(recording, gameVersion, "2026-12-08 00:00:00 UTC");
        simulate(parsed(randomScript(seed)), played, {&recorder});

        std::ostringstream replayed;
        simulate(parsed(recording.str()), replayed);
        const std::vector<std::string> want = splitLines(played.str());
        const std::vector<std::string> got = splitLines(replayed.str());
        const auto differ = std::mismatch(want.begin(), want.end(), got.begin(), got.end());
        ASSERT_TRUE(differ.first == want.end() && differ.second == got.end())
            << "seed " << seed << ", line " << (differ.first - want.begin() + 1)
            << "\nplayed:   " << (differ.first == want.end() ? "(end)" : *differ.first)
            << "\nreplayed: " << (differ.second == got.end() ? "(end)" : *differ.second);
        ASSERT_GT(want.size(), 1000u);
    }
}

TEST(Recording, OpensWithVersionDateAndFormat) {
    std::ostringstream recording;
    Recorder recorder(recording, "1.2.3", "2026-12-08 00:00:00 UTC");
    std::ostringstream trace;
    simulate(parsed("0 click play\n2500 keydown 37\n2600 end\n"), trace, {&recorder});
    EXPECT_EQ(recording.str(), "# Gloob Volleyball 1.2.3, recorded 2026-12-08 00:00:00 UTC\n"
                               "# script format 1\n"
                               "15 click play\n"
                               "2500 keydown 37\n"
                               "2609 end\n");
    EXPECT_TRUE(recorder.startedAMatch());
}

struct BadRecording {
    const char* name;
    std::string script;
    std::string error; // as gloob-sim prints it
};
void PrintTo(const BadRecording& c, std::ostream* out) {
    *out << c.name;
}

class BadRecordings : public ::testing::TestWithParam<BadRecording> {};

TEST_P(BadRecordings, AreRefusedWithTheirLine) {
    const SimRun run = runScript(GetParam().script);
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.trace, "");
    EXPECT_EQ(run.errors, GetParam().error);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadRecordings,
    ::testing::Values(
        BadRecording{"NewerFormat", "# Gloob Volleyball 9.0.0\n# script format 2\n0 click play\n",
                     "gloob-sim: line 2: written by a newer version of the game (script format "
                     "2; this one reads format 1)\n"},
        BadRecording{"FormatThatIsNoNumber", "# script format one\n",
                     "gloob-sim: line 1: unknown script format\n"},
        BadRecording{"CutInTheMiddleOfALine", "# script format 1\n15 click play\n2515 keyd",
                     "gloob-sim: line 3: truncated: the recording ends in the middle of a line\n"},
        BadRecording{"CutAfterTheTime", "# script format 1\n15 click play\n2515",
                     "gloob-sim: line 3: truncated: the recording ends in the middle of a line\n"},
        BadRecording{"NotAScript", "PK\x03\x04 zip\n",
                     "gloob-sim: line 1: bad time 'PK\\x03\\x04' (milliseconds, a decimal "
                     "number from 0 to 4294967295)\n"}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob::sim::testing
