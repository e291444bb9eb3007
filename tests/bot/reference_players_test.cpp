// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// The ladder's reference opponents and the lookahead planner set against them.
#include "app/engine.h"
#include "app/frm_gloob.h"
#include "app/headless_front_end.h"
#include "bot/ball_timer_reading.h"
#include "bot/foresight.h"
#include "bot/sighting.h"
#include "bot_match.h"
#include "lookahead_planner.h"
#include "reference_players.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>
#include <memory>
#include <string>

namespace gloob::ladder {
namespace {

// A reference player sets off toward the serve, which comes down on its
// side, as many heartbeats after it is made as its reaction says.
TEST(ReferencePlayer, SetsOffAfterItsReactionTime) {
    for (const std::size_t reaction :
         {std::size_t{0}, std::size_t{5}, personsReaction, std::size_t{20}}) {
        for (const Reference kind : {Reference::returner, Reference::jumper}) {
            ReferencePlayer player(1, kind, reaction);
            std::int64_t heartbeat = 0;
            std::int64_t served = -1;
            std::int64_t setOff = -1;
            bot::MatchOptions options;
            options.decisionWatcher = [&](int, const Scene& scene, const MatchState& state,
                                          const std::vector<KeyEvent>& keys) {
                if (served < 0 && bot::Sighting::of(scene, state).inPlay) {
                    served = heartbeat;
                }
                if (setOff < 0 && !keys.empty()) {
                    setOff = heartbeat;
                }
                ++heartbeat;
            };
            bot::playMatch(&player, nullptr, options);
            ASSERT_GE(served, 0);
            EXPECT_EQ(setOff - served, static_cast<std::int64_t>(reaction))
                << nameOf(kind) << " reacting after " << reaction;
        }
    }
}

// A player that shares where balls come down, with a memo already filled by
// an earlier copy, decides exactly as one that judges every ball afresh.
TEST(ReferencePlayer, DecidesAlikeWithASharedLandingMemo) {
    for (const Reference kind : {Reference::returner, Reference::jumper}) {
        LandingMemo memo;
        for (const char* pass : {"filling the memo", "reading it back"}) {
            ReferencePlayer shared(1, kind);
            shared.shareLandings(&memo);
            ReferencePlayer fresh(1, kind);
            ReferencePlayer opponent(2, Reference::jumper);
            int differences = 0;
            bot::MatchOptions options;
            options.decisionWatcher = [&](int side, const Scene& scene, const MatchState& state,
                                          const std::vector<KeyEvent>& keys) {
                if (side == 1 && fresh.decide(scene, state) != keys) {
                    ++differences;
                }
            };
            bot::playMatch(&shared, &opponent, options);
            EXPECT_EQ(differences, 0) << nameOf(kind) << ", " << pass;
        }
        EXPECT_GT(memo.size(), 100U) << nameOf(kind);
    }
}

// Playing each point out against a returner of its own imagining, the
// planner wins every point it serves against a returner, quick or slow, and
// a match it receives against a jumper who reacts as its model does,
// whether it plays on a copy of the whole match or on what a player sees;
// two touches deep it still wins its serves. With random lines of aims it
// wins the serves of the returner reacting as its model does, which no grid
// of aims wins. Five lines drawn afresh stall there with seed 6; drawn half
// near the aims that won before, they win. Played past the serve only up to
// its first aim that keeps the rally going, the grid still wins its serves,
// whose winners come at the serve.
TEST(LookaheadPlanner, WinsWhatItWonWhenFirstPlayed) {
    struct Match {
        bool seen; // on what a player sees, or on copies of the whole match
        int touches;
        LineSearch search;
        int side;
        Reference opponent;
        std::size_t reaction;
        std::uint32_t seed = 1;
    };
    constexpr LineSearch remembering{.randomLines = 5, .rememberWins = true};
    constexpr LineSearch firstSafe{.randomLines = 10, .rememberWins = true, .firstSafeAim = true};
    const Match matches[] = {
        {false, 1, {}, 1, Reference::returner, 6},
        {false, 1, {}, 1, Reference::returner, 24},
        {false, 1, {}, 2, Reference::jumper, personsReaction},
        {true, 1, {}, 1, Reference::returner, 6},
        {true, 1, {}, 1, Reference::returner, 24},
        {true, 1, {}, 2, Reference::jumper, personsReaction},
        {false, 2, {}, 1, Reference::returner, 6},
        {false, 2, {}, 1, Reference::returner, 24},
        {false, 1, {.randomLines = 20}, 2, Reference::returner, personsReaction},
        {true, 1, {.randomLines = 20}, 2, Reference::returner, personsReaction},
        {true, 1, remembering, 2, Reference::returner, personsReaction, 6},
        {true, 1, firstSafe, 1, Reference::returner, personsReaction},
        {true, 1, firstSafe, 1, Reference::jumper, personsReaction},
    };
    for (const Match& match : matches) {
        const LookaheadResult result =
            match.seen ? playVisibleLookaheadMatch(match.side, match.opponent, match.reaction,
                                                   match.search, match.seed)
                       : playLookaheadMatch(match.side, match.opponent, match.reaction,
                                            match.touches, match.search);
        const std::string context = std::string(match.seen ? "seen" : "whole match") + ", " +
                                    std::to_string(match.touches) + " touches deep, " +
                                    std::to_string(match.search.randomLines) + " random lines" +
                                    (match.search.rememberWins ? " remembering wins" : "") +
                                    (match.search.firstSafeAim ? " to the first safe aim" : "") +
                                    ", seed " + std::to_string(match.seed) + ", P" +
                                    std::to_string(match.side) + " against the " +
                                    std::string(nameOf(match.opponent)) + " reacting after " +
                                    std::to_string(match.reaction);
        EXPECT_FALSE(result.stalled) << context;
        EXPECT_EQ(result.points[0], 5) << context;
        EXPECT_EQ(result.points[1], 0) << context;
    }
}

// Normal and Hard win matches against the reference opponents on either
// side, though their model of a person never jumps: rows of matches they
// won when first played.
TEST(SearchingComputerPlayers, WinAgainstPlayersWhoOnlyKeepTheBallInPlay) {
    struct Match {
        BotStrength strength;
        int side;
        Reference opponent;
        std::uint32_t seed;
    };
    const Match matches[] = {
        {BotStrength::hard, 1, Reference::returner, 1},
        {BotStrength::hard, 2, Reference::returner, 1},
        {BotStrength::hard, 1, Reference::jumper, 2},
        {BotStrength::hard, 2, Reference::jumper, 3},
        // Once kept the ball bouncing on its own head for the rest of the match.
        {BotStrength::hard, 1, Reference::jumper, 221749},
        {BotStrength::normal, 1, Reference::returner, 1},
        {BotStrength::normal, 2, Reference::returner, 1},
        {BotStrength::normal, 1, Reference::jumper, 2},
        {BotStrength::normal, 2, Reference::jumper, 3},
    };
    for (const Match& match : matches) {
        bot::ComputerPlayer player(match.side, match.strength, match.seed);
        ReferencePlayer opponent(3 - match.side, match.opponent);
        const bot::MatchRecord record = match.side == 1 ? bot::playMatch(&player, &opponent)
                                                        : bot::playMatch(&opponent, &player);
        const std::string context = std::string(bot::nameOf(match.strength)) + " as P" +
                                    std::to_string(match.side) + " against the " +
                                    std::string(nameOf(match.opponent)) + ", seed " +
                                    std::to_string(match.seed);
        EXPECT_FALSE(record.capped) << context;
        EXPECT_EQ(match.side == 1 ? record.player1Score : record.player2Score, 5) << context;
    }
}

// Marks the heartbeats in which the ball-arc timer fired.
class BallTimerWatch final : public EngineObserver {
public:
    bool fired = false;
    void handlerReturned(std::int64_t, const Handler& handler, const FrmGloob&) override {
        fired = fired || handler.is(TimerId::tmrBall);
    }
};

// Read off the ball's steps, the heartbeats in which the ball-arc timer
// fires are foretold while the ball flies in its arc: all but those where
// the timer's 30 ms against the heartbeat's 15.625 skip one.
TEST(BallTimerReading, ForetellsTheBallTimerDuringArcs) {
    HeadlessFrontEnd front;
    const bot::NoText text;
    const Pictures pictures;
    Engine engine(front, text, pictures);
    engine.setAutopilotMaker([](int side, BotStrength, std::uint32_t) {
        return std::make_unique<ReferencePlayer>(side, Reference::jumper);
    });
    BallTimerWatch watch;
    engine.addObserver(watch);
    engine.start();
    for (const int side : {1, 2}) {
        engine.post(GameEvent::bot(side, BotStrength::hard, 0));
    }
    engine.post(GameEvent::of(EventKind::clickPlay));
    bot::BallTimerReading reading;
    bot::Sighting last;
    int foretold = 0;
    int arcHeartbeats = 0;
    for (std::int64_t heartbeat = 0; heartbeat < 4000; ++heartbeat) {
        const bot::Sighting now = bot::Sighting::of(engine.window().scene, engine.window().state);
        reading.read(last, now, heartbeat);
        watch.fired = false;
        engine.runHeartbeat();
        if (last.inPlay && now.ball.arcRunning != 0) {
            ++arcHeartbeats;
            foretold += reading.firesIn(heartbeat) == watch.fired ? 1 : 0;
        }
        last = now;
    }
    ASSERT_GT(arcHeartbeats, 1000);
    EXPECT_GE(foretold, arcHeartbeats * 99 / 100) << foretold << " of " << arcHeartbeats;
}

} // namespace
} // namespace gloob::ladder
