// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
// Which line of aims a search follows, given how each line played out.
#include "bot/lookahead.h"
#include "bot/random.h"

#include <gtest/gtest.h>

#include <vector>

namespace gloob::bot {
namespace {

enum class Kind { chosen, grid, random };
enum class Outcome { goesOn, wins, loses };

struct Choice {
    const char* name;
    bool hasChosen;
    bool served;
    Outcome gridOutcome;
    Outcome randomOutcome;
    Kind expected;
    int gridLinesPlayed;
};

// The grid holds 27 aims; past the serve, searching for the first safe aim,
// it is played only until an aim keeps the rally going.
const Choice choices[] = {
    {"TiesGoToTheLineChosenBefore", true, false, Outcome::goesOn, Outcome::goesOn, Kind::chosen, 0},
    {"WithoutOneToTheGridsFirstAim", false, false, Outcome::goesOn, Outcome::goesOn, Kind::grid, 1},
    {"AWinBeatsEveryTie", true, false, Outcome::goesOn, Outcome::wins, Kind::random, 0},
    {"TheFirstAimThatSavesTheRally", false, false, Outcome::goesOn, Outcome::loses, Kind::grid, 1},
    {"AtTheServeTheWholeGrid", false, true, Outcome::goesOn, Outcome::loses, Kind::grid, 27},
    {"WhenEveryLineLosesTheWholeGrid", false, false, Outcome::loses, Outcome::loses, Kind::grid,
     27},
};

float scored(Outcome outcome) {
    switch (outcome) {
    case Outcome::wins:
        return scoreOf(true, 100, planHorizon);
    case Outcome::loses:
        return scoreOf(false, 100, planHorizon);
    case Outcome::goesOn:
        break;
    }
    return 0;
}

TEST(BestLine, FollowsTheLineThatPlaysOutBest) {
    Court court;
    court.minLeft = 6015;
    court.maxLeft = 9600;
    const Line chosenBefore{Aim{7000, 500}};
    const LineSearch search{.randomLines = 3, .firstSafeAim = true};
    for (const Choice& choice : choices) {
        AimDraw<SplitMixDraws> draw(SplitMixDraws(7), false);
        std::vector<Line> randomLines;
        int gridLinesPlayed = 0;
        const auto playLine = [&](Line& line, bool extend, int) {
            if (extend) {
                randomLines.push_back(line);
                return scored(choice.randomOutcome);
            }
            if (choice.hasChosen && line.front().place == chosenBefore.front().place) {
                return 0.0F;
            }
            ++gridLinesPlayed;
            return scored(choice.gridOutcome);
        };
        const Line best = bestLine(court, choice.hasChosen ? chosenBefore : Line{}, search,
                                   choice.served, draw, planHorizon, playLine);
        ASSERT_FALSE(best.empty()) << choice.name;
        switch (choice.expected) {
        case Kind::chosen:
            EXPECT_EQ(best.front().place, chosenBefore.front().place) << choice.name;
            break;
        case Kind::grid:
            EXPECT_EQ(best.front().place, court.minLeft) << choice.name;
            EXPECT_EQ(best.front().jumpWithin, neverJump) << choice.name;
            break;
        case Kind::random:
            ASSERT_FALSE(randomLines.empty()) << choice.name;
            EXPECT_EQ(best.front().place, randomLines.front().front().place) << choice.name;
            break;
        }
        EXPECT_EQ(gridLinesPlayed, choice.gridLinesPlayed) << choice.name;
    }
}

} // namespace
} // namespace gloob::bot
