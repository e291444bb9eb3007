// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// The ladder's reference opponents and the lookahead planner set against them.
#include "bot/sighting.h"
#include "bot_match.h"
#include "lookahead_planner.h"
#include "reference_players.h"

#include <gtest/gtest.h>

#include <cstddef>
#include <cstdint>

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

// Playing each point out against a returner of its own imagining, the
// planner wins every point it serves against a returner, quick or slow,
// whether it plays on a copy of the whole match or on what a player sees.
TEST(LookaheadPlanner, WinsEveryPointItServesAgainstTheReturner) {
    struct Planner {
        const char* name;
        LookaheadResult (*play)(int, Reference, std::size_t);
    };
    for (const Planner planner : {Planner{"on the whole match", playLookaheadMatch},
                                  Planner{"on what a player sees", playVisibleLookaheadMatch}}) {
        for (const std::size_t reaction : {std::size_t{6}, std::size_t{24}}) {
            const LookaheadResult result = planner.play(1, Reference::returner, reaction);
            EXPECT_FALSE(result.stalled) << planner.name << ", reacting after " << reaction;
            EXPECT_EQ(result.points[0], 5) << planner.name << ", reacting after " << reaction;
            EXPECT_EQ(result.points[1], 0) << planner.name << ", reacting after " << reaction;
        }
    }
}

} // namespace
} // namespace gloob::ladder
