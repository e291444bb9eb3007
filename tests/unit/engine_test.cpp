// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "app/engine.h"
#include "app/heartbeat.h"
#include "test_support.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace gloob::testing {
namespace {

// Input that arrives at given virtual times, and a log of everything the
// engine tells its front end and its observers.
class LoggingFrontEnd final : public FrontEnd, public EngineObserver {
public:
    std::vector<std::pair<std::int64_t, GameEvent>> arrivals; // in arrival order
    std::vector<std::string> log;

    void collectInput(Engine& engine) override {
        while (next_ < arrivals.size() && arrivals[next_].first <= engine.nowMicros()) {
            engine.post(arrivals[next_++].second);
        }
    }
    void paceTo(std::int64_t micros) override { log.push_back("pace " + std::to_string(micros)); }
    void showMessage(std::string_view) override { log.emplace_back("box"); }
    TwipRect availableScreen() override { return {0, 0, 19200, 15360}; }
    TwipRect windowOuterFrame() override { return {0, 0, 11295, 7770}; }
    void moveWindow(float, float) override {}
    void endProgram() override { log.emplace_back("end"); }

    void handedOver(std::int64_t micros, const GameEvent& event) override {
        log.push_back(std::to_string(micros) + " > " + eventName(event));
    }
    void handlerReturned(std::int64_t micros, const Handler& handler, const FrmGloob&) override {
        if (!handler.timer || handler.isMainTick()) {
            const std::string name = handler.timer ? "tmrMain" : eventName(handler.input);
            log.push_back(std::to_string(micros) + " < " + name);
        }
    }

private:
    std::size_t next_ = 0;
};

struct EngineRun {
    LoggingFrontEnd front;
    BlockTextRasteriser text;
    Pictures pictures;
    Engine engine{front, text, pictures};

    EngineRun() {
        engine.addObserver(front);
        engine.start();
    }
};

TEST(Engine, HandsInputOverAtTheNextHeartbeatBeforeItsTimers) {
    EngineRun run;
    run.front.arrivals = {{1000, GameEvent::keyDown(37)}, {2000, GameEvent::keyUp(37)}};
    run.engine.runHeartbeat();
    EXPECT_EQ(run.front.log, (std::vector<std::string>{"15625 > keydown 37", "15625 < keydown 37",
                                                       "15625 > keyup 37", "15625 < keyup 37"}));
}

// Play! waits two seconds: a key that comes during the wait is handed over at
// its next pump, one that comes after the last pump when Play! returns.
TEST(Engine, InputDuringAWaitGoesToItsPumpsAndThenToTheReturn) {
    EngineRun run;
    const std::int64_t play = heartbeatMicros;
    run.front.arrivals = {{0, GameEvent::of(EventKind::clickPlay)},
                          {play + 250'000, GameEvent::keyDown(65)},
                          {play + 1'950'000, GameEvent::keyDown(68)}};
    run.engine.runHeartbeat();

    std::vector<std::string> expected{"15625 > click play"};
    for (int slice = 1; slice <= 20; ++slice) {
        expected.push_back("pace " + std::to_string(play + slice * 100'000));
        if (slice == 3) {
            expected.insert(expected.end(), {"315625 > keydown 65", "315625 < keydown 65"});
        }
    }
    expected.insert(expected.end(),
                    {"2015625 < click play", "2015625 > keydown 68", "2015625 < keydown 68"});
    EXPECT_EQ(run.front.log, expected);
    EXPECT_FALSE(run.engine.insideHandler());
}

TEST(Engine, EndUnwindsAWaitingHandler) {
    EngineRun run;
    run.front.arrivals = {{0, GameEvent::of(EventKind::clickPlay)},
                          {500'000, GameEvent::of(EventKind::end)}};
    EXPECT_EQ(testing::runEndOf([&] { run.engine.runHeartbeat(); }), RunEnded::Reason::stopped);
    EXPECT_EQ(run.front.log.back(), "pace 515625") << "Play! never returns";
    EXPECT_FALSE(run.engine.insideHandler());
    EXPECT_EQ(run.engine.window().scene.tmrMain.Interval, 0);
}

TEST(Engine, AClickOnAHiddenButtonIsNotHandedOver) {
    EngineRun run;
    run.engine.window().scene.cmdExit.Visible = false;
    run.front.arrivals = {{0, GameEvent::of(EventKind::clickExit)}};
    run.engine.runHeartbeat();
    EXPECT_TRUE(run.front.log.empty());
}

TEST(Engine, ExitReachesTheObserversAndTheFrontEnd) {
    EngineRun run;
    run.front.arrivals = {{0, GameEvent::menu(MenuId::mnuExit)}};
    EXPECT_EQ(testing::runEndOf([&] { run.engine.runHeartbeat(); }),
              RunEnded::Reason::programEnded);
    EXPECT_EQ(run.front.log, (std::vector<std::string>{"15625 > menu exit", "end"}));
}

struct HeldCase {
    const char* name;
    bool heldKeys;
    std::vector<GameEvent> keys; // all handed over at one heartbeat
    std::vector<std::string> handedOver;
    std::int16_t player1SpeedX, player2SpeedX;
};
void PrintTo(const HeldCase& c, std::ostream* out) {
    *out << c.name;
}

class HeldKeysCases : public ::testing::TestWithParam<HeldCase> {};

TEST_P(HeldKeysCases, KeepAPlayerWalkingWhateverTheOtherReleases) {
    const HeldCase& c = GetParam();
    EngineRun run;
    run.engine.setHeldKeys(1, c.heldKeys);
    run.engine.setHeldKeys(2, c.heldKeys);
    for (const GameEvent& key : c.keys) {
        run.front.arrivals.emplace_back(0, key);
    }
    run.engine.runHeartbeat();
    std::vector<std::string> handed;
    for (const std::string& line : run.front.log) {
        if (line.find(" > ") != std::string::npos) {
            handed.push_back(line.substr(line.find(" > ") + 3));
        }
    }
    EXPECT_EQ(handed, c.handedOver);
    EXPECT_EQ(run.engine.window().state.player1SpeedX, c.player1SpeedX);
    EXPECT_EQ(run.engine.window().state.player2SpeedX, c.player2SpeedX);
}

const GameEvent down37 = GameEvent::keyDown(37), up37 = GameEvent::keyUp(37);
const GameEvent down39 = GameEvent::keyDown(39), up39 = GameEvent::keyUp(39);
const GameEvent down65 = GameEvent::keyDown(65), down87 = GameEvent::keyDown(87);
const GameEvent up87 = GameEvent::keyUp(87);

INSTANTIATE_TEST_SUITE_P(
    Cases, HeldKeysCases,
    ::testing::Values(
        // As written: any release stops both players.
        HeldCase{"OffATapOnWStopsPlayer1",
                 false,
                 {down39, down87, up87},
                 {"keydown 39", "keydown 87", "keyup 87"},
                 0,
                 0},
        HeldCase{"OnATapOnWLeavesPlayer1Walking",
                 true,
                 {down39, down87, up87},
                 {"keydown 39", "keydown 87", "keyup 87", "keydown 39"},
                 150,
                 0},
        HeldCase{"OnBothWalkOnTheLatestPressedLast",
                 true,
                 {down39, down65, GameEvent::keyUp(90)},
                 {"keydown 39", "keydown 65", "keyup 90", "keydown 39", "keydown 65"},
                 150,
                 -150},
        HeldCase{"OnTheOtherDirectionStillHeldTakesOver",
                 true,
                 {down37, down39, up39},
                 {"keydown 37", "keydown 39", "keyup 39", "keydown 37"},
                 -150,
                 0},
        HeldCase{
            "OnReleasingTheOnlyKeyStops", true, {down37, up37}, {"keydown 37", "keyup 37"}, 0, 0},
        // The keyboard gone, no release will come: nothing is held any more.
        HeldCase{"OnFocusLossLetsGoOfEverything",
                 true,
                 {down37, GameEvent::of(EventKind::focusOut), up87},
                 {"keydown 37", "focusout", "keyup 87"},
                 0,
                 0}),
    [](const auto& info) { return std::string(info.param.name); });

} // namespace
} // namespace gloob::testing
