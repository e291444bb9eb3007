// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "app/messages.h"
#include "sim_test_support.h"
#include "simulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <sstream>
#include <streambuf>
#include <string>

namespace gloob::sim::testing {
namespace {

// Play! is clicked at the first heartbeat and waits 2000 ms.
constexpr std::int64_t playClicked = heartbeat(1);
constexpr std::int64_t playReturns = playClicked + 2'000'000; // heartbeat 129
// The heartbeat at the end of the wait is never visited: one more, and the
// first main tick comes.
constexpr std::int64_t firstMainTick = heartbeat(130);

std::int64_t t(const Json& line) {
    return integerOf(line.at("t"));
}

std::string ev(const Json& line) {
    return textOf(line.at("ev"));
}

// ---------------------------------------------------------------------------
// The pinned trace.

std::string golden(const std::string& name) {
    return readFile(std::string(GLOOB_SIM_GOLDEN_DIR) + "/" + name);
}

TEST(GoldenTrace, PlayThenEndMatchesLineByLine) {
    const SimRun run = runScript(golden("play_then_end.script"));
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::vector<std::string> expected = splitLines(golden("play_then_end.trace"));
    const std::vector<std::string> actual = splitLines(run.trace);
    for (std::size_t i = 0; i < std::min(expected.size(), actual.size()); ++i) {
        ASSERT_EQ(actual[i], expected[i]) << "first difference on line " << i + 1;
    }
    EXPECT_EQ(actual.size(), expected.size());
}

// The pinned file itself, read against the rules, so that a wrong golden
// cannot hide behind the comparison above.
TEST(GoldenTrace, FollowsTheTimingRules) {
    const std::vector<Json> lines = parseTrace(golden("play_then_end.trace"));
    // Pumps of Play!'s wait: at the click, then every 100 ms, 20 in all. The
    // jump timers (10 ms) fire at each pump and tmrBall (30 ms) from the
    // second, once per pump however many ticks were missed.
    std::vector<std::pair<std::int64_t, std::string>> expected;
    expected.emplace_back(playClicked, "tmrJump1");
    expected.emplace_back(playClicked, "tmrJump2");
    for (int k = 1; k < 20; ++k) {
        for (const char* timer : {"tmrBall", "tmrJump1", "tmrJump2"}) {
            expected.emplace_back(playClicked + k * 100'000, timer);
        }
    }
    expected.emplace_back(playReturns, "click play");
    // Then every heartbeat runs tmrMain and the jumps, every second one tmrBall,
    // until `end` at 2100 ms is delivered at heartbeat 135.
    for (std::int64_t n = 130; n < 135; ++n) {
        expected.emplace_back(heartbeat(n), "tmrMain");
        if (n % 2 == 0) {
            expected.emplace_back(heartbeat(n), "tmrBall");
        }
        expected.emplace_back(heartbeat(n), "tmrJump1");
        expected.emplace_back(heartbeat(n), "tmrJump2");
    }
    ASSERT_EQ(lines.size(), expected.size());
    for (std::size_t i = 0; i < lines.size(); ++i) {
        EXPECT_EQ(t(lines[i]), expected[i].first) << "line " << i + 1;
        EXPECT_EQ(ev(lines[i]), expected[i].second) << "line " << i + 1;
    }

    // Until the first main tick the ball waits at home with the serve's steps.
    for (std::size_t i = 0; integerOf(lines[i].at("t")) < firstMainTick; ++i) {
        const Json& ball = lines[i].at("ball");
        EXPECT_EQ(integerOf(ball.at(0)), 9240);
        EXPECT_EQ(integerOf(ball.at(1)), 1080);
        EXPECT_EQ(integerOf(ball.at(2)), 65);
        EXPECT_EQ(integerOf(ball.at(3)), 70);
        // The main timer is switched on only when Play! returns.
        EXPECT_EQ(integerOf(lines[i].at("ui").at(4)), ev(lines[i]) == "click play" ? 1 : 0);
    }
    // Each main tick moves the ball by (65, 70).
    const std::vector<Json> ticks = linesOf(lines, "tmrMain");
    ASSERT_EQ(ticks.size(), 5u);
    for (std::size_t k = 0; k < ticks.size(); ++k) {
        EXPECT_EQ(integerOf(ticks[k].at("ball").at(0)), 9240 + 65 * static_cast<int>(k + 1));
        EXPECT_EQ(integerOf(ticks[k].at("ball").at(1)), 1080 + 70 * static_cast<int>(k + 1));
    }
}

// ---------------------------------------------------------------------------
// The serve, followed from the trace.

TEST(Serve, FliesReboundsOffTheRightWallAndFallsForAPoint) {
    const SimRun run = runScript("0 click play\n5300 end\n");
    ASSERT_EQ(run.status, 0);
    const std::vector<Json> ticks = linesOf(run.lines, "tmrMain");

    // Ticks 1..77: the ball moves by its steps, turns back once at the right
    // wall and never leaves the court between the walls.
    const Scene court;
    const float leftWall = court.shpLeft.Left + court.shpLeft.Width;
    const float rightWall = court.shpRight.Left;
    const float width = court.shpBall.Width;
    float left = court.shpBall.Left;
    float top = court.shpBall.Top;
    std::int64_t speedX = 65;
    int rebounds = 0;
    for (int tick = 1; tick <= 77; ++tick) {
        const Json& line = ticks.at(static_cast<std::size_t>(tick - 1));
        SCOPED_TRACE("tick " + std::to_string(tick));
        EXPECT_EQ(t(line), firstMainTick + heartbeat(tick - 1));
        const Json& ball = line.at("ball");
        const float now = numberOf(ball.at(0));
        EXPECT_GE(now, leftWall);
        EXPECT_LE(now + width, rightWall);
        if (integerOf(ball.at(2)) == speedX) {
            EXPECT_EQ(now, left + static_cast<float>(speedX));
        } else {
            // Turned back where the next step would have gone through the wall.
            ++rebounds;
            EXPECT_EQ(integerOf(ball.at(2)), -speedX);
            EXPECT_GT(speedX, 0);
            EXPECT_GT(now, left);
            EXPECT_LT(rightWall - (now + width), static_cast<float>(speedX));
            speedX = -speedX;
        }
        EXPECT_EQ(numberOf(ball.at(1)), top + 70);
        EXPECT_EQ(integerOf(ball.at(3)), 70);
        EXPECT_EQ(integerOf(line.at("arc").at(0)), 0) << "no player touched the ball";
        left = now;
        top += 70;
    }
    EXPECT_EQ(rebounds, 1);
    EXPECT_LT(speedX, 0) << "heading back to the net";

    // Tick 78 takes Top to 6540, below the floor strip (6120 + 375) on player
    // 1's side: player 2 scores. The ball goes home, the game pauses 2 s, and
    // only then the point counts and the serve's steps are set.
    const Json& point = ticks.at(77);
    const std::int64_t pointTick = firstMainTick + heartbeat(77);
    EXPECT_EQ(t(point), pointTick + 2'000'000);
    EXPECT_EQ(integerOf(point.at("ball").at(0)), 9240);
    EXPECT_EQ(integerOf(point.at("ball").at(1)), 1080);
    EXPECT_EQ(integerOf(point.at("ball").at(2)), 65);
    EXPECT_EQ(integerOf(point.at("ball").at(3)), 70);
    EXPECT_EQ(integerOf(point.at("score").at(0)), 0);
    EXPECT_EQ(integerOf(point.at("score").at(1)), 1);
    EXPECT_EQ(textOf(point.at("lbl").at(0)), " 0");
    EXPECT_EQ(textOf(point.at("lbl").at(1)), "1");

    // During the pause the other timers go on at every pump, the main one not.
    std::vector<std::int64_t> pumps;
    for (const Json& line : run.lines) {
        if (t(line) > pointTick && t(line) < t(point)) {
            EXPECT_NE(ev(line), "tmrMain");
            if (ev(line) == "tmrJump1") {
                pumps.push_back(t(line));
            }
        }
    }
    ASSERT_EQ(pumps.size(), 19u);
    for (std::size_t k = 0; k < pumps.size(); ++k) {
        EXPECT_EQ(pumps[k], pointTick + static_cast<std::int64_t>(k + 1) * 100'000);
    }

    // The next serve starts one heartbeat after the pause.
    const Json& next = ticks.at(78);
    EXPECT_EQ(t(next), t(point) + heartbeat(1));
    EXPECT_EQ(integerOf(next.at("ball").at(0)), 9305);
    EXPECT_EQ(integerOf(next.at("ball").at(1)), 1150);
}

// ---------------------------------------------------------------------------
// Input events.

TEST(Events, AreDeliveredByTimeThenInFileOrderBeforeTheHeartbeatsTimers) {
    const SimRun run = runScript("20 keydown 39\n10 keydown 37\n10 keyup 37\n30 end\n");
    ASSERT_EQ(run.status, 0);
    ASSERT_GE(run.lines.size(), 5u);
    // 10 ms is reached at heartbeat 1, 20 ms at heartbeat 2.
    EXPECT_EQ(ev(run.lines[0]), "keydown 37");
    EXPECT_EQ(t(run.lines[0]), heartbeat(1));
    EXPECT_EQ(integerOf(run.lines[0].at("p1").at(4)), -150);
    EXPECT_EQ(ev(run.lines[1]), "keyup 37");
    EXPECT_EQ(t(run.lines[1]), heartbeat(1));
    EXPECT_EQ(integerOf(run.lines[1].at("p1").at(4)), 0);
    EXPECT_EQ(ev(run.lines[2]), "tmrJump1");
    EXPECT_EQ(ev(run.lines[3]), "tmrJump2");
    EXPECT_EQ(ev(run.lines[4]), "keydown 39");
    EXPECT_EQ(t(run.lines[4]), heartbeat(2));
    EXPECT_EQ(integerOf(run.lines[4].at("p1").at(4)), 150);
    EXPECT_EQ(integerOf(run.lines[4].at("p1").at(5)), 150);
}

struct EventCase {
    const char* name;
    const char* script;
    const char* event;
    const char* field;
    std::size_t index;
    std::int64_t value;
};

class Event : public ::testing::TestWithParam<EventCase> {};

TEST_P(Event, WritesItsLineWhenItsHandlerReturns) {
    const EventCase& c = GetParam();
    const SimRun run = runScript(std::string(c.script) + "\n100 end\n");
    ASSERT_EQ(run.status, 0);
    ASSERT_FALSE(run.lines.empty());
    const Json& line = run.lines[0];
    EXPECT_EQ(ev(line), c.event);
    EXPECT_EQ(t(line), heartbeat(1));
    EXPECT_EQ(integerOf(line.at(c.field).at(c.index)), c.value);
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, Event,
    ::testing::Values(EventCase{"LeftArrow", "0 keydown 37", "keydown 37", "p1", 4, -150},
                      EventCase{"KeyCodeWithoutLeadingZeros", "0 keydown 0068", "keydown 68", "p2",
                                4, 150},
                      EventCase{"UpArrowStartsAJump", "0 keydown 38", "keydown 38", "p1", 7, -150},
                      EventCase{"WStartsPlayer2sJump", "0 keydown 87", "keydown 87", "p2", 6, -1},
                      // Beyond the 16-bit range the code wraps and is no player's key.
                      EventCase{"HighestKeyCode", "0 keydown 65535", "keydown 65535", "p1", 4, 0},
                      EventCase{"FocusOutStopsPlayers", "0 focusout", "focusout", "p1", 4, 0},
                      EventCase{"ThreeBalls", "0 menu 3", "menu 3", "menu", 0, 1},
                      EventCase{"FiveBallsStaysChecked", "0 menu 5", "menu 5", "menu", 1, 1},
                      EventCase{"EightBallsUnchecksFive", "0 menu 8", "menu 8", "menu", 1, 0},
                      EventCase{"Mountain", "0 menu mountain", "menu mountain", "menu", 3, 1},
                      EventCase{"BeachUnchecksNone", "0 menu beach", "menu beach", "menu", 5, 0},
                      EventCase{"NoneStaysChecked", "0 menu none", "menu none", "menu", 5, 1}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Events, ReleaseAfterTwoPressesStopsBoth) {
    const SimRun run = runScript("0 keydown 37\n0 keydown 65\n0 keyup 13\n100 end\n");
    ASSERT_GE(run.lines.size(), 3u);
    EXPECT_EQ(ev(run.lines[1]), "keydown 65");
    EXPECT_EQ(integerOf(run.lines[1].at("p1").at(4)), -150);
    EXPECT_EQ(integerOf(run.lines[1].at("p2").at(4)), -150);
    EXPECT_EQ(ev(run.lines[2]), "keyup 13");
    EXPECT_EQ(integerOf(run.lines[2].at("p1").at(4)), 0);
    EXPECT_EQ(integerOf(run.lines[2].at("p2").at(4)), 0);
}

// Events of Play!'s own heartbeat that come after it are handed over by the
// wait's first pump, inside the click.
TEST(Events, LaterEventsOfTheSameHeartbeatGoIntoPlaysWait) {
    const SimRun run = runScript("0 click play\n5 keydown 37\n2100 end\n");
    ASSERT_EQ(run.status, 0);
    ASSERT_GE(run.lines.size(), 3u);
    EXPECT_EQ(ev(run.lines[0]), "keydown 37");
    EXPECT_EQ(t(run.lines[0]), playClicked);
    EXPECT_EQ(ev(run.lines[1]), "tmrJump1");
    const std::vector<Json> play = linesOf(run.lines, "click play");
    ASSERT_EQ(play.size(), 1u);
    EXPECT_EQ(t(play[0]), playReturns);
    EXPECT_EQ(integerOf(play[0].at("p1").at(4)), -150);
}

// ---------------------------------------------------------------------------
// Message boxes and the end of the program.

struct MessageCase {
    const char* name;
    const char* item;
    std::string_view text;
};

class MessageBox : public ::testing::TestWithParam<MessageCase> {};

TEST_P(MessageBox, WritesItsTextWhenItOpensThenTheMenuLine) {
    const MessageCase& c = GetParam();
    const SimRun run = runScript(std::string("0 menu ") + c.item + "\n100 end\n");
    ASSERT_EQ(run.status, 0);
    ASSERT_GE(run.lines.size(), 3u);
    const Json& box = run.lines[0];
    EXPECT_EQ(keysOf(box), (std::vector<std::string>{"t", "ev", "text"}));
    EXPECT_EQ(t(box), heartbeat(1));
    EXPECT_EQ(ev(box), "msgbox");
    EXPECT_EQ(textOf(box.at("text")), c.text);
    EXPECT_EQ(ev(run.lines[1]), std::string("menu ") + c.item);
    EXPECT_EQ(t(run.lines[1]), heartbeat(1));
    // The box is closed at once: the heartbeat's timers still run.
    EXPECT_EQ(ev(run.lines[2]), "tmrJump1");
    EXPECT_EQ(t(run.lines[2]), heartbeat(1));
}

INSTANTIATE_TEST_SUITE_P(Items, MessageBox,
                         ::testing::Values(MessageCase{"About", "about", messages::about},
                                           MessageCase{"Instructions", "instructions",
                                                       messages::instructions}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MessageBox, AboutTextIsWrittenWithAnEscapedLineBreak) {
    const SimRun run = runScript("0 menu about\n0 end\n");
    EXPECT_EQ(run.trace, "{\"t\":15625,\"ev\":\"msgbox\",\"text\":\"Gloob Volleyball\\nA "
                         "volleyball game for two players at one keyboard.\"}\n"
                         "{\"t\":15625,\"ev\":\"menu about\",\"ball\":[9240,1080,0,0,1],"
                         "\"p1\":[8280,5520,8280,6120,0,0,0,0],"
                         "\"p2\":[2160,5520,2160,6120,0,0,0,0],\"arc\":[0,0],"
                         "\"score\":[0,0,0],\"lbl\":[\"0\",\"0\",1],\"ui\":[1,1,0,0,0],"
                         "\"menu\":[0,1,0,0,0,1]}\n");
}

struct ExitCase {
    const char* name;
    const char* script;
};

class ProgramExit : public ::testing::TestWithParam<ExitCase> {};

TEST_P(ProgramExit, WritesTheExitLineAndEndsTheRun) {
    const SimRun run = runScript(GetParam().script);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.trace, "{\"t\":15625,\"ev\":\"exit\"}\n");
}

INSTANTIATE_TEST_SUITE_P(Ways, ProgramExit,
                         ::testing::Values(ExitCase{"MenuExit", "0 menu exit\n500 keydown 37\n"},
                                           ExitCase{"ExitButton", "0 click exit\n0 menu about\n"},
                                           ExitCase{"LaterEventsAreNotDelivered",
                                                    "10 menu exit\n10 focusout\n"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ProgramExit, MenuExitInsidePlaysWaitEndsTheRunWithoutAPlayLine) {
    const SimRun run = runScript("0 click play\n250 menu exit\n");
    EXPECT_EQ(run.status, 0);
    ASSERT_FALSE(run.lines.empty());
    // Taken by the pump 300 ms after the click, before that pump's timers.
    EXPECT_EQ(keysOf(run.lines.back()), (std::vector<std::string>{"t", "ev"}));
    EXPECT_EQ(ev(run.lines.back()), "exit");
    EXPECT_EQ(t(run.lines.back()), playClicked + 300'000);
    EXPECT_TRUE(linesOf(run.lines, "click play").empty());
    EXPECT_TRUE(linesOf(run.lines, "menu exit").empty());
}

// ---------------------------------------------------------------------------
// Hidden buttons.

struct HiddenClickCase {
    const char* name;
    const char* click;
};

class HiddenButton : public ::testing::TestWithParam<HiddenClickCase> {};

// A click on a hidden button changes nothing: the trace is the one without it.
TEST_P(HiddenButton, ClickDoesNothingAndWritesNoLine) {
    const std::string base = "0 click play\n3100 end\n";
    const SimRun with = runScript(std::string(GetParam().click) + "\n" + base);
    const SimRun without = runScript(base);
    ASSERT_EQ(with.status, 0);
    EXPECT_EQ(with.trace, without.trace);
    EXPECT_EQ(linesOf(with.lines, "click play").size(), 1u);
    EXPECT_TRUE(linesOf(with.lines, "click exit").empty());
}

INSTANTIATE_TEST_SUITE_P(
    Clicks, HiddenButton,
    ::testing::Values(HiddenClickCase{"PlayDuringItsOwnWait", "500 click play"},
                      HiddenClickCase{"PlayDuringTheMatch", "3000 click play"},
                      HiddenClickCase{"ExitDuringTheWait", "500 click exit"},
                      HiddenClickCase{"ExitDuringTheMatch", "3000 click exit"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// When the run stops.

TEST(End, InsidePlaysWaitStopsAtOnceWithoutAPlayLine) {
    const SimRun run = runScript("0 click play\n1000 end\n");
    EXPECT_EQ(run.status, 0);
    EXPECT_TRUE(linesOf(run.lines, "click play").empty());
    // Pumps at 0, 100, ..., 900 ms after the click ran; the one at 1000 ms
    // took the `end` before its timers.
    ASSERT_EQ(run.lines.size(), 2u + 9u * 3u);
    EXPECT_EQ(t(run.lines.back()), playClicked + 900'000);
    const std::vector<std::string> goldenLines = splitLines(golden("play_then_end.trace"));
    const std::vector<std::string> lines = splitLines(run.trace);
    EXPECT_TRUE(std::equal(lines.begin(), lines.end(), goldenLines.begin()));
}

struct StopCase {
    const char* name;
    const char* script;
    std::size_t lines;
    std::int64_t lastTime;
};

class Stop : public ::testing::TestWithParam<StopCase> {};

TEST_P(Stop, ComesAtTheRightHeartbeat) {
    const StopCase& c = GetParam();
    const SimRun run = runScript(c.script);
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.lines.size(), c.lines);
    if (!run.lines.empty()) {
        EXPECT_EQ(t(run.lines.back()), c.lastTime);
    }
}

// Idle, the jump timers fire at every heartbeat and tmrBall at every second
// one (it is first due at 30 ms, heartbeat 2): three lines per two heartbeats.
INSTANTIATE_TEST_SUITE_P(Scripts, Stop,
                         ::testing::Values(
                             // Heartbeats 1..640: 10 s after time 0 is heartbeat 640 itself.
                             StopCase{"EmptyScript", "", 2 * 640 + 640 / 2, heartbeat(640)},
                             StopCase{"OnlyComments", "# nothing\n\n", 1600, heartbeat(640)},
                             // 9990 ms + 10 s = 19 990 000 us: heartbeat 1279.36, so 1280.
                             StopCase{"TenSecondsAfterTheLastEvent", "9990 focusout\n10 focusout\n",
                                      2 + 1280 * 2 + 640, heartbeat(1280)},
                             // `end` at heartbeat 8 comes before that heartbeat's timers.
                             StopCase{"EndOnAHeartbeat", "125 end\n", 7 * 2 + 3, heartbeat(7)},
                             StopCase{"EndAtZero", "0 end\n", 0, 0},
                             // The events before `end` in its heartbeat still run.
                             StopCase{"EventsBeforeEndInItsHeartbeat",
                                      "10 focusout\n10 end\n10 focusout\n", 1, heartbeat(1)}),
                         [](const auto& info) { return std::string(info.param.name); });

// Three serves of the left-alone match each end in a point for player 2 on
// the 78th tick. The third pause, from 9 671 875 us, still runs when the run
// should stop at 10 s: it finishes, and the run ends with it.
TEST(Stop, AWaitRunningAtTheLastHeartbeatFinishesFirst) {
    const SimRun run = runScript("0 click play\n");
    ASSERT_EQ(run.status, 0);
    const std::vector<Json> ticks = linesOf(run.lines, "tmrMain");
    std::vector<std::int64_t> points;
    std::int64_t score = 0;
    for (const Json& tick : ticks) {
        if (integerOf(tick.at("score").at(1)) != score) {
            score = integerOf(tick.at("score").at(1));
            points.push_back(t(tick));
        }
    }
    // Each serve starts one heartbeat after the pause before it.
    const std::int64_t firstPoint = firstMainTick + heartbeat(77) + 2'000'000;
    const std::int64_t secondPoint = firstPoint + heartbeat(1) + heartbeat(77) + 2'000'000;
    const std::int64_t thirdPoint = secondPoint + heartbeat(1) + heartbeat(77) + 2'000'000;
    EXPECT_EQ(points, (std::vector<std::int64_t>{firstPoint, secondPoint, thirdPoint}));
    EXPECT_EQ(thirdPoint, 11'671'875);
    EXPECT_EQ(ev(run.lines.back()), "tmrMain");
    EXPECT_EQ(t(run.lines.back()), thirdPoint);
    EXPECT_EQ(integerOf(run.lines.back().at("score").at(1)), 3);
}

// ---------------------------------------------------------------------------
// The picture the probes read is the game's: the backgrounds are decoded.

TEST(Pictures, BothBackgroundsAreBuiltIn) {
    const Pictures& pictures = simulatorPictures();
    for (const RgbImage* image : {&pictures.mountain, &pictures.beach}) {
        EXPECT_GT(image->width, 0);
        EXPECT_GT(image->height, 0);
        EXPECT_EQ(image->pixels.size(), static_cast<std::size_t>(image->width) * image->height);
    }
}

// ---------------------------------------------------------------------------
// The command line.

struct CommandLine {
    int status;
    std::string out;
    std::string errors;
};

CommandLine commandLine(std::vector<std::string_view> arguments, const std::string& input = "") {
    std::istringstream in(input);
    std::ostringstream out;
    std::ostringstream errors;
    const int status = runCommandLine(arguments, in, out, errors);
    return {status, out.str(), errors.str()};
}

TEST(CommandLine, HelpDescribesScriptAndTrace) {
    const CommandLine run = commandLine({"--help"});
    EXPECT_EQ(run.status, 0);
    EXPECT_EQ(run.errors, "");
    for (const char* word :
         {"Usage: gloob-sim [SCRIPT]", "Exit status: 0", "; 1 when the trace cannot be written",
          "4294967295", "keydown", "keyup", "click play|exit",
          "menu 3|5|8|mountain|beach|none|instructions|about|exit", "focusout", "end",
          "\"ball\":[Left,Top,ballSpeedX,ballSpeedY,visible]", "msgbox", "\"exit\""}) {
        EXPECT_NE(run.out.find(word), std::string::npos) << word;
    }
}

TEST(CommandLine, ReadsStandardInputWithoutAScriptOrWithDash) {
    const std::string script = golden("play_then_end.script");
    const std::string expected = golden("play_then_end.trace");
    EXPECT_EQ(commandLine({}, script).out, expected);
    EXPECT_EQ(commandLine({"-"}, script).out, expected);
    EXPECT_EQ(commandLine({GLOOB_SIM_GOLDEN_DIR "/play_then_end.script"}).out, expected);
}

struct BadCommandLineCase {
    const char* name;
    std::vector<std::string> arguments;
    std::string message;
};

class BadCommandLine : public ::testing::TestWithParam<BadCommandLineCase> {};

TEST_P(BadCommandLine, ExitsWithStatus2AndNoTrace) {
    const std::vector<std::string>& arguments = GetParam().arguments;
    const CommandLine run = commandLine(
        std::vector<std::string_view>(arguments.begin(), arguments.end()), "0 click play\n");
    EXPECT_EQ(run.status, 2);
    EXPECT_EQ(run.out, "");
    EXPECT_NE(run.errors.find(GetParam().message), std::string::npos) << run.errors;
}

INSTANTIATE_TEST_SUITE_P(
    Cases, BadCommandLine,
    ::testing::Values(
        BadCommandLineCase{"MissingFile",
                           {"/nonexistent/game.script"},
                           "gloob-sim: cannot open script '/nonexistent/game.script': No such file "
                           "or directory\n"},
        BadCommandLineCase{"Directory", {GLOOB_SIM_GOLDEN_DIR}, "it is a directory"},
        BadCommandLineCase{"TwoScripts", {"a.script", "b.script"}, "too many arguments"},
        BadCommandLineCase{"UnknownOption", {"--fast"}, "unknown option '--fast'"},
        BadCommandLineCase{"OptionWithTerminalControls",
                           {"--\x1b[2J\x1b]2;gotcha\x07"},
                           "unknown option '--\\x1B[2J\\x1B]2;gotcha\\x07'\n"},
        BadCommandLineCase{"EndlessNameIsCutAndSaysWhy",
                           {"/nonexistent/" + std::string(100'000, 'n')},
                           "cannot open script '/nonexistent/" + std::string(256 - 13, 'n') +
                               "...': File name too long\n"},
        BadCommandLineCase{"MalformedScriptFile",
                           {GLOOB_SIM_SCRIPTS_DIR "/malformed.script"},
                           "gloob-sim: line 3: unknown event 'jump'"}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// A trace that cannot be written.

// Takes nothing and counts how often it was asked to.
class FullDisk : public std::streambuf {
public:
    int writes = 0;

protected:
    std::streamsize xsputn(const char*, std::streamsize) override {
        ++writes;
        return 0;
    }
    int_type overflow(int_type) override {
        ++writes;
        return traits_type::eof();
    }
};

// Played on, this run would take minutes: the test's time limit catches that.
TEST(TraceFailure, StopsTheRunAtTheFirstFailedWrite) {
    FullDisk disk;
    std::ostream trace(&disk);
    std::istringstream script("0 click play\n4294967295 end\n");
    std::ostringstream errors;
    EXPECT_EQ(runSimulator(script, trace, errors), exitFailure);
    EXPECT_EQ(errors.str(), "gloob-sim: cannot write the trace\n");
    EXPECT_EQ(disk.writes, 1);
    EXPECT_EQ(trace.exceptions(), std::ios::goodbit) << "the stream is handed back as it came";
}

} // namespace
} // namespace gloob::sim::testing
