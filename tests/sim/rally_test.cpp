// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// Whole rallies played from scripts of timed keys, checked from the trace:
// contacts with the players and the net, the ball crossing the net, points
// and the end of a match.
#include "scene/scene.h"
#include "sim_test_support.h"
#include "simulator.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <cmath>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <sstream>
#include <string>
#include <utility>
#include <vector>

namespace gloob::sim::testing {
namespace {

// Measures of the court from the scene's own shapes, as the window starts.
const Scene court;
const double ballSize = court.shpBall.Width;
const double bodyWidth = court.shpGloob1.Width;
// The body is a disc as wide as its box is high, centred in the box.
const double discInset = (court.shpGloob1.Width - court.shpGloob1.Height) / 2;
const double groundTop = court.shpGloob1.Top; // a body's Top when its player stands
const double player1HomeLeft = court.shpGloob1.Left;
const double leftPostLeft = court.shpWallLeft.Left;
const double rightPostRight = court.shpWallRight.Left + court.shpWallRight.Width;
// The sides meet halfway between the net's outer faces.
const double netMiddle = (leftPostLeft + rightPostRight) / 2;
const double postsTop = court.shpWallLeft.Top;
const double postsBottom = court.shpWallLeft.Top + court.shpWallLeft.Height;
const double ballHomeLeft = court.shpBall.Left;
const double ballHomeTop = court.shpBall.Top;
constexpr double walkStep = 150;
constexpr double ballStepX = 65;
constexpr double serveStepY = 70;
constexpr std::int64_t hitStep = -80;
constexpr std::int64_t jumpingHitStep = -130;
constexpr std::int64_t arcGravity = 10;
constexpr std::int64_t pointPause = 2'000'000;

// Plays a script of tests/sim/scripts in this process. Only the lines of the
// main and ball-arc ticks and of input events are read: the jump timers' lines
// move no ball, and reading them would only make the tests slower.
SimRun runScriptFile(const std::string& name) {
    std::istringstream in(readFile(std::string(GLOOB_SIM_SCRIPTS_DIR) + "/" + name));
    std::ostringstream trace;
    std::ostringstream errors;
    SimRun run;
    run.status = runSimulator(in, trace, errors);
    run.errors = errors.str();
    for (const std::string& text : splitLines(trace.str())) {
        if (text.find("\"ev\":\"tmrJump") == std::string::npos) {
            run.lines.push_back(parseJson(text));
        }
    }
    return run;
}

std::int64_t t(const Json& line) {
    return integerOf(line.at("t"));
}

bool isMainTick(const Json& line) {
    return textOf(line.at("ev")) == "tmrMain";
}

struct Ball {
    double left;
    double top;
    std::int64_t speedX;
    std::int64_t speedY;
    bool visible;
};

Ball ballOf(const Json& line) {
    const Json& b = line.at("ball");
    return {numberOf(b.at(0)), numberOf(b.at(1)), integerOf(b.at(2)), integerOf(b.at(3)),
            integerOf(b.at(4)) == 1};
}

double centreOf(const Ball& ball) {
    return ball.left + ballSize / 2;
}

double bottomOf(const Ball& ball) {
    return ball.top + ballSize;
}

struct Body {
    double left;
    double top;
    std::int64_t speedX;
    bool jumping;
};

Body playerOf(const Json& line, int player) {
    const Json& p = line.at(player == 1 ? "p1" : "p2");
    return {numberOf(p.at(0)), numberOf(p.at(1)), integerOf(p.at(4)), integerOf(p.at(6)) != 0};
}

bool arcRunning(const Json& line) {
    return integerOf(line.at("arc").at(0)) == -1;
}

double arcLimit(const Json& line) {
    return numberOf(line.at("arc").at(1));
}

// Player 1 plays the right half, player 2 the left one.
int sideOf(const Ball& ball) {
    return centreOf(ball) >= netMiddle ? 1 : 2;
}

// A main tick that launched the ball into an arc: its vertical step became an
// upward launch step that it was not just before, and the arc starts at the
// ball's height.
bool launchedAt(const std::vector<Json>& lines, std::size_t i) {
    if (i == 0 || !isMainTick(lines[i])) {
        return false;
    }
    const Ball ball = ballOf(lines[i]);
    const Ball before = ballOf(lines[i - 1]);
    return (ball.speedY == hitStep || ball.speedY == jumpingHitStep) &&
           before.speedY != ball.speedY && arcRunning(lines[i]) && arcLimit(lines[i]) == ball.top;
}

// The player whose body the ball was put on: its bottom on the top line of
// the body's box, the two overlapping sideways. 0 for none.
int playerUnderBall(const Json& line) {
    const Ball ball = ballOf(line);
    for (int player : {1, 2}) {
        const Body body = playerOf(line, player);
        if (bottomOf(ball) == body.top && ball.left + ballSize >= body.left &&
            body.left + bodyWidth >= ball.left) {
            return player;
        }
    }
    return 0;
}

struct Contact {
    std::size_t index;
    int player;
};

std::vector<Contact> playerContacts(const std::vector<Json>& lines) {
    std::vector<Contact> found;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (launchedAt(lines, i)) {
            if (const int player = playerUnderBall(lines[i]); player != 0) {
                found.push_back({i, player});
            }
        }
    }
    return found;
}

// The main tick before line i, if any.
std::optional<std::size_t> previousMainTick(const std::vector<Json>& lines, std::size_t i) {
    while (i-- > 0) {
        if (isMainTick(lines[i])) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<std::size_t> nextMainTick(const std::vector<Json>& lines, std::size_t i) {
    for (++i; i < lines.size(); ++i) {
        if (isMainTick(lines[i])) {
            return i;
        }
    }
    return std::nullopt;
}

// A point pauses the game 2 s inside its main tick, so the tick's line comes
// more than 2 s after the tick before it.
bool pausedForAPoint(const Json& before, const Json& tick) {
    return t(tick) - t(before) >= pointPause;
}

struct Point {
    std::size_t index;  // the scoring main tick
    std::size_t before; // the main tick before it
    int scorer;
};

std::vector<Point> pointsOf(const std::vector<Json>& lines) {
    std::vector<Point> found;
    std::optional<std::size_t> before;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!isMainTick(lines[i])) {
            continue;
        }
        if (before && pausedForAPoint(lines[*before], lines[i])) {
            const bool player1 = integerOf(lines[i].at("score").at(0)) !=
                                 integerOf(lines[*before].at("score").at(0));
            found.push_back({i, *before, player1 ? 1 : 2});
        }
        before = i;
    }
    return found;
}

struct Crossing {
    std::size_t index;
    int into; // the side the ball's centre went to
};

// Main ticks in which the ball's centre passed the middle of the net in
// flight; the ball's return home after a point is not one.
std::vector<Crossing> netCrossings(const std::vector<Json>& lines) {
    std::vector<Crossing> found;
    std::optional<std::size_t> before;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!isMainTick(lines[i])) {
            continue;
        }
        if (before && !pausedForAPoint(lines[*before], lines[i])) {
            const int from = sideOf(ballOf(lines[*before]));
            const int to = sideOf(ballOf(lines[i]));
            if (from != to) {
                found.push_back({i, to});
            }
        }
        before = i;
    }
    return found;
}

// ---------------------------------------------------------------------------

TEST(Rallies, ServeLandsOnPlayerOneStandingUnderItAndArcsUp) {
    const SimRun run = runScriptFile("player1_under_serve.script");
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::vector<Json>& lines = run.lines;

    const std::vector<Contact> contacts = playerContacts(lines);
    ASSERT_FALSE(contacts.empty()) << "the serve never landed on a player";
    const Contact& contact = contacts.front();
    EXPECT_EQ(contact.player, 1);
    const Json& hit = lines[contact.index];
    const std::optional<std::size_t> beforeIndex = previousMainTick(lines, contact.index);
    ASSERT_TRUE(beforeIndex);
    const Ball before = ballOf(lines[*beforeIndex]);
    const Ball ball = ballOf(hit);

    // Player 1 walked four steps left and stands on the ground, still.
    const Body player1 = playerOf(hit, 1);
    EXPECT_EQ(player1.left, player1HomeLeft - 4 * walkStep);
    EXPECT_EQ(player1.speedX, 0);
    EXPECT_FALSE(player1.jumping);
    EXPECT_EQ(player1.top, groundTop);

    // The ball was falling above the body and now sits on the body's top
    // line, over its disc, launched upwards at the standing player's step.
    EXPECT_GT(before.speedY, 0);
    EXPECT_LT(bottomOf(before), groundTop);
    EXPECT_EQ(ball.top + ballSize, groundTop);
    EXPECT_GT(centreOf(ball), player1.left + discInset);
    EXPECT_LT(centreOf(ball), player1.left + bodyWidth - discInset);
    EXPECT_EQ(ball.speedY, hitStep);
    EXPECT_TRUE(arcRunning(hit));
    EXPECT_EQ(arcLimit(hit), ball.top);
    // Landing on the middle of the body keeps the sideways step.
    EXPECT_EQ(ball.speedX, before.speedX);

    // The arc runs: each arc tick moves the ball by its vertical step and adds
    // gravity, until the ball is back down at the contact's height.
    int risingArcTicks = 0;
    double highest = ball.top;
    bool ended = false;
    for (std::size_t i = contact.index + 1; i < lines.size() && !ended; ++i) {
        const Json& line = lines[i];
        const Ball now = ballOf(line);
        highest = std::min(highest, now.top);
        if (textOf(line.at("ev")) != "tmrBall") {
            continue;
        }
        SCOPED_TRACE("arc tick at t=" + std::to_string(t(line)));
        const Ball previous = ballOf(lines[i - 1]);
        EXPECT_EQ(now.top, previous.top + static_cast<double>(previous.speedY));
        EXPECT_EQ(now.speedY, previous.speedY + arcGravity);
        if (previous.speedY < 0) {
            ++risingArcTicks;
        }
        ended = !arcRunning(line);
        if (ended) {
            EXPECT_GE(now.top, arcLimit(line));
        }
    }
    EXPECT_TRUE(ended);
    // -80, -70, ..., -10: eight arc ticks go up.
    EXPECT_EQ(risingArcTicks, 8);
    EXPECT_LT(highest, ball.top);
}

TEST(Rallies, PlayersReturnTheBallOverTheNetInTurn) {
    const SimRun run = runScriptFile("rally_over_the_net.script");
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::vector<Json>& lines = run.lines;
    const std::vector<Contact> contacts = playerContacts(lines);
    const std::vector<Crossing> crossings = netCrossings(lines);

    struct Exchange {
        int hitter;
        bool jumping;
        int into;
    };
    // Player 1 jumps into the serve; player 2 takes the ball standing.
    const std::vector<Exchange> exchanges{{1, true, 2}, {2, false, 1}};
    ASSERT_EQ(crossings.size(), exchanges.size());

    std::size_t from = 0;
    for (std::size_t k = 0; k < exchanges.size(); ++k) {
        const Exchange& exchange = exchanges[k];
        const Crossing& crossing = crossings[k];
        SCOPED_TRACE("crossing " + std::to_string(k + 1));
        EXPECT_EQ(crossing.into, exchange.into);
        // Over the net, not through it.
        EXPECT_LT(bottomOf(ballOf(lines[crossing.index])), postsTop);

        // The last contact since the previous crossing is the hitter's.
        std::optional<Contact> last;
        for (const Contact& contact : contacts) {
            if (contact.index > from && contact.index < crossing.index) {
                last = contact;
            }
        }
        ASSERT_TRUE(last) << "no contact before the crossing";
        EXPECT_EQ(last->player, exchange.hitter);
        const Json& hit = lines[last->index];
        const Body body = playerOf(hit, last->player);
        const Ball ball = ballOf(hit);
        EXPECT_EQ(ball.top + ballSize, body.top);
        EXPECT_EQ(body.jumping, exchange.jumping);
        EXPECT_EQ(ball.speedY, body.jumping ? jumpingHitStep : hitStep);
        EXPECT_EQ(sideOf(ball), exchange.hitter) << "hit from the hitter's own half";
        // The ball heads for the net.
        EXPECT_EQ(ball.speedX, exchange.hitter == 1 ? -ballStepX : ballStepX);
        from = crossing.index;
    }

    // Nobody touches the return: it falls in player 1's half, player 2's point.
    const std::vector<Point> points = pointsOf(lines);
    ASSERT_EQ(points.size(), 1u);
    EXPECT_GT(points[0].index, crossings.back().index);
    EXPECT_EQ(points[0].scorer, 2);
    EXPECT_EQ(sideOf(ballOf(lines[points[0].before])), 1);
}

// ---------------------------------------------------------------------------
// The net.

enum class NetTouch { rightPostFromTheRight, leftPostFromTheLeft, topOfTheNet };

struct NetCase {
    const char* name;
    const char* script;
    NetTouch touch;
};

bool touches(const std::vector<Json>& lines, std::size_t i, NetTouch touch) {
    if (i == 0 || !isMainTick(lines[i])) {
        return false;
    }
    const Ball ball = ballOf(lines[i]);
    const Ball before = ballOf(lines[i - 1]);
    const bool reversed = before.speedX != 0 && ball.speedX == -before.speedX;
    const double sideMiddle = ball.top + ballSize / 2;
    const bool sideAtPostHeight = sideMiddle >= postsTop && sideMiddle < postsBottom;
    switch (touch) {
    case NetTouch::rightPostFromTheRight:
        return reversed && before.speedX < 0 && sideAtPostHeight && ball.left < rightPostRight &&
               ball.left >= rightPostRight - ballStepX;
    case NetTouch::leftPostFromTheLeft:
        return reversed && before.speedX > 0 && sideAtPostHeight &&
               ball.left + ballSize >= leftPostLeft &&
               ball.left + ballSize < leftPostLeft + ballStepX;
    case NetTouch::topOfTheNet:
        break;
    }
    return launchedAt(lines, i) && ball.speedY == hitStep && bottomOf(ball) >= postsTop &&
           bottomOf(ball) <= postsTop + 15 && centreOf(ball) >= leftPostLeft &&
           centreOf(ball) < rightPostRight;
}

class NetContact : public ::testing::TestWithParam<NetCase> {};

TEST_P(NetContact, SendsTheBallBack) {
    const NetCase& c = GetParam();
    const SimRun run = runScriptFile(c.script);
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::vector<Json>& lines = run.lines;

    std::optional<std::size_t> found;
    for (std::size_t i = 0; i < lines.size() && !found; ++i) {
        if (touches(lines, i, c.touch)) {
            found = i;
        }
    }
    ASSERT_TRUE(found) << "the ball never met the net that way";
    const Json& tick = lines[*found];
    const Ball ball = ballOf(tick);
    const Ball before = ballOf(lines[*found - 1]);
    const std::optional<std::size_t> previousTick = previousMainTick(lines, *found);
    const std::optional<std::size_t> nextTick = nextMainTick(lines, *found);
    ASSERT_TRUE(previousTick && nextTick);
    const Ball previous = ballOf(lines[*previousTick]);
    const Ball next = ballOf(lines[*nextTick]);
    EXPECT_EQ(playerUnderBall(tick), 0) << "no player took part";

    switch (c.touch) {
    case NetTouch::rightPostFromTheRight:
        // It came from player 1's half, leaves the tick turned back and moves
        // away from the net; its height is left alone.
        EXPECT_GE(previous.left, rightPostRight);
        EXPECT_GT(next.left, ball.left);
        EXPECT_EQ(ball.speedY, before.speedY);
        break;
    case NetTouch::leftPostFromTheLeft:
        EXPECT_LT(previous.left + ballSize, leftPostLeft);
        EXPECT_LT(next.left, ball.left);
        EXPECT_EQ(ball.speedY, before.speedY);
        break;
    case NetTouch::topOfTheNet: {
        // It came down from above the posts, bounces up where it touched and
        // goes on in its direction.
        EXPECT_LT(bottomOf(previous), postsTop);
        EXPECT_GT(before.speedY, 0);
        EXPECT_TRUE(arcRunning(tick));
        EXPECT_EQ(arcLimit(tick), ball.top);
        EXPECT_EQ(ball.speedX, before.speedX);
        EXPECT_LT(next.top, ball.top);
        break;
    }
    }
}

INSTANTIATE_TEST_SUITE_P(
    Rallies, NetContact,
    ::testing::Values(NetCase{"RightPostTurnsBackABallFromPlayerOnesHalf",
                              "player1_under_serve.script", NetTouch::rightPostFromTheRight},
                      NetCase{"LeftPostTurnsBackABallFromPlayerTwosHalf",
                              "net_top_then_left_post.script", NetTouch::leftPostFromTheLeft},
                      NetCase{"TopOfTheNetThrowsTheBallUp", "net_top_then_left_post.script",
                              NetTouch::topOfTheNet}),
    [](const auto& info) { return std::string(info.param.name); });

// ---------------------------------------------------------------------------
// Whole matches.

// What the last line of a finished match shows.
void expectGameOver(const Json& last, std::int64_t length) {
    EXPECT_EQ(integerOf(last.at("lbl").at(2)), 1) << "GAME OVER shown";
    EXPECT_EQ(integerOf(last.at("ui").at(0)), 1) << "Play! shown";
    EXPECT_EQ(integerOf(last.at("ui").at(1)), 1) << "Exit shown";
    EXPECT_EQ(integerOf(last.at("ui").at(4)), 0) << "main timer off";
    EXPECT_FALSE(ballOf(last).visible);
    EXPECT_EQ(integerOf(last.at("score").at(2)), length);
}

// Scores of one line: {player 1, player 2}.
std::pair<std::int64_t, std::int64_t> scoresOf(const Json& line) {
    return {integerOf(line.at("score").at(0)), integerOf(line.at("score").at(1))};
}

struct MatchCase {
    const char* name;
    const char* script;
    std::int64_t length;
};

class UntouchedMatch : public ::testing::TestWithParam<MatchCase> {};

TEST_P(UntouchedMatch, IsPlayedToItsLengthOnePointPerRally) {
    const MatchCase& c = GetParam();
    const SimRun run = runScriptFile(c.script);
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::vector<Json>& lines = run.lines;
    ASSERT_FALSE(lines.empty());

    const Json& last = lines.back();
    expectGameOver(last, c.length);
    const auto [score1, score2] = scoresOf(last);
    const std::int64_t winner = score1 == c.length ? score1 : score2;
    const std::int64_t loser = score1 == c.length ? score2 : score1;
    EXPECT_EQ(winner, c.length);
    EXPECT_LT(loser, c.length);
    // Nobody moves: every serve falls in player 1's half.
    EXPECT_EQ(score1, 0);
    EXPECT_EQ(score2, c.length);
    EXPECT_EQ(textOf(last.at("lbl").at(0)), " 0");
    EXPECT_EQ(textOf(last.at("lbl").at(1)), std::to_string(c.length));

    // A rally starts with the ball one serve step from home.
    std::int64_t rallies = 0;
    std::int64_t scoreChanges = 0;
    std::optional<std::size_t> before;
    for (std::size_t i = 0; i < lines.size(); ++i) {
        if (!isMainTick(lines[i])) {
            continue;
        }
        const Ball ball = ballOf(lines[i]);
        if (ball.left == ballHomeLeft + ballStepX && ball.top == ballHomeTop + serveStepY) {
            ++rallies;
        }
        if (before && scoresOf(lines[i]) != scoresOf(lines[*before])) {
            ++scoreChanges;
            EXPECT_TRUE(pausedForAPoint(lines[*before], lines[i])) << "score changed unpaused";
        }
        before = i;
    }
    const std::vector<Point> points = pointsOf(lines);
    EXPECT_EQ(static_cast<std::int64_t>(points.size()), score1 + score2);
    EXPECT_EQ(scoreChanges, score1 + score2);
    EXPECT_EQ(rallies, score1 + score2);
    for (const Point& point : points) {
        const auto [now1, now2] = scoresOf(lines[point.index]);
        const auto [was1, was2] = scoresOf(lines[point.before]);
        EXPECT_EQ(now1 + now2, was1 + was2 + 1) << "one point per pause";
    }
    // The winning point stops the main timer: no main tick follows it.
    ASSERT_FALSE(points.empty());
    EXPECT_FALSE(nextMainTick(lines, points.back().index));
    EXPECT_EQ(integerOf(lines[points.back().index].at("ui").at(4)), 0);
}

INSTANTIATE_TEST_SUITE_P(Rallies, UntouchedMatch,
                         ::testing::Values(MatchCase{"ThreeBalls", "untouched_match_3.script", 3},
                                           MatchCase{"FiveBalls", "untouched_match_5.script", 5},
                                           MatchCase{"EightBalls", "untouched_match_8.script", 8}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Rallies, BothPlayersScoreAndEachLabelCountsItsOwnPoints) {
    const SimRun run = runScriptFile("both_players_score.script");
    ASSERT_EQ(run.status, 0) << run.errors;
    const std::vector<Json>& lines = run.lines;
    const std::vector<Point> points = pointsOf(lines);
    ASSERT_FALSE(points.empty());

    bool scored[3] = {false, false, false};
    for (const Point& point : points) {
        const Json& tick = lines[point.index];
        const Json& before = lines[point.before];
        SCOPED_TRACE("point at t=" + std::to_string(t(tick)));
        const int scorer = point.scorer;
        const int other = 3 - scorer;
        const std::size_t s = static_cast<std::size_t>(scorer - 1);
        const std::size_t o = static_cast<std::size_t>(other - 1);

        // The ball fell in the other player's half, well clear of the middle.
        const Ball fell = ballOf(before);
        ASSERT_GT(std::abs(centreOf(fell) - netMiddle), ballStepX);
        EXPECT_EQ(sideOf(fell), other);

        EXPECT_EQ(integerOf(tick.at("score").at(s)), integerOf(before.at("score").at(s)) + 1);
        EXPECT_EQ(integerOf(tick.at("score").at(o)), integerOf(before.at("score").at(o)));
        EXPECT_EQ(textOf(tick.at("lbl").at(s)), std::to_string(integerOf(tick.at("score").at(s))));
        EXPECT_EQ(textOf(tick.at("lbl").at(o)), textOf(before.at("lbl").at(o)));
        if (!scored[scorer]) {
            EXPECT_EQ(textOf(before.at("lbl").at(s)), " 0");
            EXPECT_EQ(textOf(tick.at("lbl").at(s)), "1");
        }
        scored[scorer] = true;
        // Through the pause the old score stays shown.
        for (std::size_t i = point.before + 1; i < point.index; ++i) {
            EXPECT_EQ(textOf(lines[i].at("lbl").at(s)), textOf(before.at("lbl").at(s)));
        }
        if (scorer == 1) {
            // Close to the net on player 2's side: still player 1's point.
            EXPECT_GT(centreOf(fell), netMiddle - ballSize);
        }
    }
    EXPECT_TRUE(scored[1]);
    EXPECT_TRUE(scored[2]);

    // Player 2, 1, 2, 2: player 2 wins 3 to 1.
    std::vector<int> scorers;
    for (const Point& point : points) {
        scorers.push_back(point.scorer);
    }
    EXPECT_EQ(scorers, (std::vector<int>{2, 1, 2, 2}));
    const Json& last = lines.back();
    expectGameOver(last, 3);
    EXPECT_EQ(scoresOf(last), (std::pair<std::int64_t, std::int64_t>{1, 3}));
    EXPECT_EQ(textOf(last.at("lbl").at(0)), "1");
    EXPECT_EQ(textOf(last.at("lbl").at(1)), "3");
}

} // namespace
} // namespace gloob::sim::testing
