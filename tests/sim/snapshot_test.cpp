// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "app/engine.h"
#include "app/headless_front_end.h"
#include "qtgui/qt_text_rasteriser.h"
#include "script/script.h"
#include "script/script_source.h"
#include "script/trace_writer.h"
#include "simulator.h"

#include <gtest/gtest.h>

#include <functional>
#include <optional>
#include <sstream>
#include <string>

namespace gloob::sim::testing {
namespace {

// Both players walk and jump at the same moments through a match to three,
// so that the match has rallies, both gloobs in the air at once, and points.
constexpr const char* match = R"(0 menu 3
100 click play
2300 keydown 38
2300 keydown 87
2330 keyup 38
2330 keyup 87
2600 keydown 37
2600 keydown 68
3200 keyup 37
3900 keydown 38
3900 keydown 87
3950 keyup 87
4400 keydown 39
5000 keyup 39
6200 keydown 38
6200 keydown 87
6210 keyup 38
9000 keydown 65
9600 keyup 65
12000 keydown 38
12000 keydown 87
12100 keyup 87
40000 end
)";

struct SnapshotCase {
    const char* name;
    // Whether the game between two steps is where the snapshot is to be taken.
    std::function<bool(const FrmGloob&)> here;
};

// One run of the script: an engine, its input and its trace.
struct ScriptedRun {
    ScriptSource script;
    std::ostringstream trace;
    TraceWriter writer{trace};
    HeadlessFrontEnd front{script.inputSource()};
    QtTextRasteriser text;
    Engine engine{front, text, simulatorPictures()};

    explicit ScriptedRun(std::vector<ScriptEvent> events) : script(std::move(events)) {
        engine.addObserver(writer);
    }
    // Steps the main loop to the end, calling `between` before every step.
    void playOn(const std::function<void()>& between = [] {}) {
        try {
            do {
                between();
                engine.runHeartbeat();
            } while (engine.nowMicros() < script.stopMicros());
        } catch (const RunEnded&) {
        }
    }
};

std::vector<ScriptEvent> matchEvents() {
    std::istringstream in(match);
    return std::get<std::vector<ScriptEvent>>(parseScript(in));
}

void PrintTo(const SnapshotCase& row, std::ostream* out) {
    *out << row.name;
}

class Snapshots : public ::testing::TestWithParam<SnapshotCase> {};

TEST_P(Snapshots, RestoredGamePlaysOnToTheSameTrace) {
    ScriptedRun first(matchEvents());
    first.engine.start();
    std::optional<GameSnapshot> taken;
    std::optional<ScriptSource> scriptThen;
    std::size_t traceThen = 0;
    first.playOn([&] {
        if (!taken && GetParam().here(first.engine.window())) {
            taken = first.engine.snapshot();
            scriptThen = first.script;
            traceThen = first.trace.str().size();
        }
    });
    ASSERT_TRUE(taken) << "the match never came there";
    const std::string continued = first.trace.str().substr(traceThen);
    ASSERT_FALSE(continued.empty());

    // A game that lived a history of its own takes the snapshot and plays on.
    ScriptedRun second(matchEvents());
    second.engine.start();
    second.engine.runHeartbeat();
    second.script = *scriptThen;
    second.engine.restore(*taken);
    second.trace.str("");
    EXPECT_EQ(second.engine.snapshot().digest(), taken->digest());
    second.playOn();
    EXPECT_EQ(second.trace.str(), continued);
}

bool inRally(const FrmGloob& f) {
    return f.scene.tmrMain.Interval != 0 && f.state.ballArcRunning != 0 &&
           f.scene.shpBall.Top < 3000;
}

INSTANTIATE_TEST_SUITE_P(
    Table, Snapshots,
    ::testing::Values(SnapshotCase{"OnTheFirstScreen", [](const FrmGloob&) { return true; }},
                      SnapshotCase{"DuringARally", inRally},
                      SnapshotCase{"WithBothPlayersInTheAir",
                                   [](const FrmGloob& f) {
                                       return f.state.player1Jumping != 0 &&
                                              f.state.player2Jumping != 0 &&
                                              f.state.player1JumpSpeed > 0;
                                   }},
                      // The ball a hair above the floor line that scores: the next main tick
                      // takes the point and waits.
                      SnapshotCase{"NextToAPoint",
                                   [](const FrmGloob& f) {
                                       return f.scene.tmrMain.Interval != 0 &&
                                              f.scene.shpBall.Top + f.scene.shpBall.Height > 5900 &&
                                              f.state.ballSpeedY > 0 && f.state.player1Score == 0 &&
                                              f.state.player2Score == 0;
                                   }},
                      SnapshotCase{"AfterTheFirstPoint",
                                   [](const FrmGloob& f) {
                                       return f.scene.tmrMain.Interval != 0 &&
                                              f.state.player1Score + f.state.player2Score == 1;
                                   }}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob::sim::testing
