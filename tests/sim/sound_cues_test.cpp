// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// Which sound effect is due when: whole matches played from scripts, as the
// simulator plays them, with the cues of every handler written down.
#include "app/heartbeat.h"
#include "app/sound_cues.h"
#include "qtgui/qt_text_rasteriser.h"
#include "script/script.h"
#include "script/script_source.h"
#include "script/trace_writer.h"
#include "sim_test_support.h"
#include "simulator.h"

#include <gtest/gtest.h>

#include <functional>
#include <sstream>
#include <string>
#include <vector>

namespace gloob::sim::testing {
namespace {

// "130 tmrMain: serve wall": the heartbeat (or the time in microseconds when
// a handler ran inside a wait, between heartbeats), the handler and its cues.
std::string heard(std::int64_t micros, std::string_view handler, const std::vector<Cue>& cues) {
    std::string line = micros % heartbeatMicros == 0 ? std::to_string(micros / heartbeatMicros)
                                                     : std::to_string(micros) + "us";
    line.append(" ").append(handler).append(":");
    for (const Cue cue : cues) {
        line.append(" ").append(cueName(cue));
    }
    return line;
}

// A hand on the court before a heartbeat: a state no script reaches.
struct Setting {
    std::int64_t heartbeat = -1;
    std::function<void(FrmGloob&)> change;
};

// Plays a script on the simulator's clock with the cues listened to.
std::vector<std::string> cuesOf(const std::string& script, const Setting& setting = {}) {
    std::istringstream in(script);
    auto parsed = parseScript(in);
    EXPECT_TRUE(std::holds_alternative<std::vector<ScriptEvent>>(parsed));
    ScriptSource source(std::get<std::vector<ScriptEvent>>(parsed));
    HeadlessFrontEnd front(source.inputSource());
    const QtTextRasteriser text;
    Engine engine(front, text, simulatorPictures());
    std::vector<std::string> lines;
    SoundCues cues([&](std::int64_t micros, const Handler& handler, const std::vector<Cue>& found) {
        lines.push_back(heard(micros, handlerName(handler), found));
    });
    engine.addObserver(cues);
    try {
        engine.start();
        do {
            if (engine.nextHeartbeatMicros() == setting.heartbeat * heartbeatMicros) {
                setting.change(engine.window());
            }
            engine.runHeartbeat();
        } while (engine.nowMicros() < source.stopMicros());
    } catch (const RunEnded&) {
    }
    return lines;
}

std::string scriptFile(const std::string& name) {
    return readFile(std::string(GLOOB_SIM_SCRIPTS_DIR) + "/" + name);
}

struct CueCase {
    const char* name;
    std::string script;
    std::vector<std::string> expected;
    Setting setting;
};

class SoundCuesOfAMatch : public ::testing::TestWithParam<CueCase> {};

TEST_P(SoundCuesOfAMatch, AreDueAtTheirHeartbeats) {
    EXPECT_EQ(cuesOf(GetParam().script, GetParam().setting), GetParam().expected);
}

// Player 1 stands under the serve: it bounces off the right wall, off the
// standing player, and off the right-hand post.
const CueCase standingHitAndRightPost{
    "StandingHitAndRightPost",
    scriptFile("player1_under_serve.script"),
    {"130 tmrMain: serve", "151 tmrMain: wall", "188 tmrMain: hit", "223 tmrMain: netPost"},
    {}};

// Player 1 jumps into the serve; the ball lands on the top of the net, then on
// player 2 standing, and runs into the left-hand post.
const CueCase jumpHitAndNetTop{"JumpHitNetTopAndLeftPost",
                               scriptFile("net_top_then_left_post.script"),
                               {"130 tmrMain: serve", "151 tmrMain: wall", "158 keydown 38: jump",
                                "171 tmrMain: jumpHit", "228 tmrMain: netTop", "266 tmrMain: hit",
                                "297 tmrMain: netPost"},
                               {}};

// A match to 3: the points sound when the score goes up, after the pause; the
// last one is also the game's end. The ball sliding down the left-hand post is
// turned back on seven main ticks in a row, and sounds once.
const CueCase pointsAndGameOver{
    "PointsAndGameOver",
    scriptFile("both_players_score.script"),
    {"130 tmrMain: serve", "151 tmrMain: wall", "335 tmrMain: point", "336 tmrMain: serve",
     "357 tmrMain: wall", "384 keydown 38: jump", "388 tmrMain: jumpHit", "441 tmrMain: netPost",
     "580 tmrMain: point", "581 tmrMain: serve", "602 tmrMain: wall", "786 tmrMain: point",
     "787 tmrMain: serve", "808 tmrMain: wall", "992 tmrMain: point gameOver"},
    {}};

// A jump during the pause after a point is the key's, heard when the key's
// handler returns; the main tick that waited only has its point.
const CueCase jumpInsideThePause{"JumpInsideThePauseIsTheKeys",
                                 "0 menu 3\n0 click play\n4000 keydown 87\n5300 end\n",
                                 {"130 tmrMain: serve", "151 tmrMain: wall",
                                  "4034375us keydown 87: jump", "335 tmrMain: point",
                                  "336 tmrMain: serve"},
                                 {}};

// No rally reaches the ceiling: the ball is put just below it, rising.
const CueCase ceiling{"Ceiling",
                      "0 click play\n2400 end\n",
                      {"130 tmrMain: serve", "140 tmrMain: ceiling", "151 tmrMain: wall"},
                      {140, [](FrmGloob& frm) {
                           frm.scene.shpBall.Top =
                               frm.scene.shpTop.Top + frm.scene.shpTop.Height + 30;
                           frm.state.ballSpeedY = -70;
                       }}};

// Players take turns to serve: player 2's serve sounds like player 1's, and
// with nobody moving it falls as long after the serve as player 1's does.
const CueCase player2sServe{"Player2sServe",
                            "0 serve alternate\n0 click play\n9000 end\n",
                            {"130 tmrMain: serve", "151 tmrMain: wall", "335 tmrMain: point",
                             "336 tmrMain: serve", "346 tmrMain: wall", "541 tmrMain: point",
                             "542 tmrMain: serve", "563 tmrMain: wall"},
                            {}};

INSTANTIATE_TEST_SUITE_P(Matches, SoundCuesOfAMatch,
                         ::testing::Values(standingHitAndRightPost, jumpHitAndNetTop,
                                           pointsAndGameOver, jumpInsideThePause, ceiling,
                                           player2sServe),
                         [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob::sim::testing
