// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/autopilot.h"
#include "ball_timer_reading.h"
#include "court.h"
#include "direction_key.h"
#include "foresight.h"
#include "landing_memo.h"
#include "sighting.h"

#include <algorithm>
#include <cstddef>
#include <cstdint>
#include <memory>
#include <vector>

namespace gloob::bot {

// A search that wins points from a player who keeps the ball in play: at
// the serve and whenever the opponent sends the ball up, it plays lines of
// aims to the end of the point on the foresight, against its model of a
// person, and follows the line that wins soonest or loses latest.

// Long enough for a point to be played out after the opponent's touch.
constexpr int planHorizon = 700;
// Places to walk to across the half, and jumps to try at each: none, or
// when the ball comes down to this many twips above the head. Finer grids
// cost twice as much and win about as many matches.
constexpr int placesToTry = 9;
constexpr float neverJump = -1;
constexpr float jumpHeights[] = {neverJump, 500, 1100};

// Where a plan walks to, and how high above the head the ball may be when
// it jumps (neverJump: it does not).
struct Aim {
    float place = 0;
    float jumpWithin = neverJump;
};
// The aims for the touches to come, one for each time the opponent sends
// the ball up.
using Line = std::vector<Aim>;

// How the search looks beyond the grid of aims at each choice.
struct LineSearch {
    // Lines of random aims also played out, a new aim at each of the
    // opponent's touches.
    int randomLines = 0;
    // Half the random aims drawn close to those of random lines that won
    // before in the match.
    bool rememberWins = false;
    // Past the serve, the grid played only until a line keeps the rally going.
    bool firstSafeAim = false;
    // More random lines as a rally goes on.
    bool widenLongRallies = false;
    // A line that holds the ball on its own side for longer than any rally
    // does scores as a point lost at once.
    bool heldBallLoses = false;
};

// One plan: walk to a place and stay there; jump when the ball, coming down
// over or beside the body, is at most so high above the head.
class AimPlan final : public Autopilot {
public:
    AimPlan(int side, const Court& court) : side_(side), court_(court) {}

    void aim(Aim aim) {
        place_ = aim.place;
        jumpWithin_ = aim.jumpWithin;
    }
    std::vector<KeyEvent> decide(const Scene& scene, const MatchState& state) override {
        return decideOn(Sighting::of(scene, state));
    }
    std::vector<KeyEvent> decideOn(const Sighting& now);
    void letGo(std::vector<KeyEvent>& keys) { direction_.letGo(keys); }

private:
    int side_;
    Court court_;
    float place_ = 0;
    float jumpWithin_ = neverJump;
    DirectionKey direction_;
};

// Calls back with each place and jump of the grid a plan can aim at.
template <typename Visit> void forEachAim(const Court& court, const Visit& visit) {
    for (int i = 0; i < placesToTry; ++i) {
        const float place = court.minLeft + (court.maxLeft - court.minLeft) *
                                                static_cast<float>(i) / (placesToTry - 1);
        for (const float jump : jumpHeights) {
            visit(Aim{place, jump});
        }
    }
}

// A rally that goes on is one the lines played so far do not win: every
// so many choices into a point, as many random lines again are played, up
// to so many times as many. Long rallies are rare, so this costs little.
constexpr int choicesToWiden = 8;
constexpr int longRallyWidening = 4;

// Random aims go anywhere, off the grid too: the few lines that win from the
// receiving side stand between the grid's places, several touches running.
constexpr float highestRandomJump = 1600;
constexpr float randomNeverJumps = 0.3F;
// Remembering, this share of the aims is drawn close to an aim of a line
// that won, by up to this share of the half's width and of the jumps' range.
constexpr float rememberedShare = 0.5F;
constexpr float rememberedSpread = 0.03F;

// Draws the random lines' aims: anywhere across the half or, remembering,
// half of them near the aims of lines that won before in the match, since
// what beat the opponent once tends to beat it again, varied a little.
// Draws gives unit() in [0, 1) and below(n) in [0, n).
template <typename Draws> class AimDraw {
public:
    AimDraw(Draws draws, bool rememberWins) : draws_(draws), remember_(rememberWins) {}

    Aim next(const Court& court) {
        if (!winners_.empty() && draws_.unit() < rememberedShare) {
            return near(winners_[draws_.below(winners_.size())], court);
        }
        Aim aim;
        aim.place = court.minLeft + (court.maxLeft - court.minLeft) * draws_.unit();
        if (draws_.unit() >= randomNeverJumps) {
            aim.jumpWithin = highestRandomJump * draws_.unit();
        }
        return aim;
    }

    void won(const Line& line) {
        if (remember_) {
            winners_.insert(winners_.end(), line.begin(), line.end());
        }
    }

private:
    float nudge() { return (2 * draws_.unit() - 1) * rememberedSpread; }

    Aim near(Aim aim, const Court& court) {
        aim.place = std::clamp(aim.place + nudge() * (court.maxLeft - court.minLeft), court.minLeft,
                               court.maxLeft);
        if (aim.jumpWithin != neverJump) {
            aim.jumpWithin =
                std::clamp(aim.jumpWithin + nudge() * highestRandomJump, 0.0F, highestRandomJump);
        }
        return aim;
    }

    Draws draws_;
    bool remember_;
    std::vector<Aim> winners_;
};

// When the opponent sends the ball up: the plan takes the line's next aim;
// a line that runs out keeps its last aim, or takes a random one to extend it.
template <typename Draws>
void takeNextAim(AimPlan& plan, Line& line, std::size_t& next, bool extend, const Court& court,
                 AimDraw<Draws>& draw) {
    if (next == line.size() && extend) {
        line.push_back(draw.next(court));
    }
    if (next < line.size()) {
        plan.aim(line[next++]);
    }
}

// A point won soonest scores highest, one lost latest least low; a point
// still going on at the horizon scores 0.
float scoreOf(bool won, int heartbeat, int horizon);

// A search chooses only when the opponent touches the ball, so a line that
// keeps the ball bouncing on its own body would be followed for ever. A
// serve set up with a few touches holds the ball some 4 s, and in the
// ladder's matches no rally held it on one side over 6 s.
constexpr int longestHold = 640;
static_assert(longestHold < planHorizon, "a held ball shows before the horizon");

// The line that scores best as played out, among the rest of the line chosen
// last time (first: on an exact model it wins as foreseen), each aim of the
// grid, and the search's random lines. Searching for the first safe aim, the
// grid is played past the serve only until a line keeps the rally going.
// PlayLine(line, extend, until) plays a line out until a heartbeat, extends
// it with random aims if asked, and scores it. The horizon is the one its
// scores count from.
template <typename Draws, typename PlayLine>
Line bestLine(const Court& court, const Line& chosen, const LineSearch& search, bool served,
              AimDraw<Draws>& draw, int horizon, const PlayLine& playLine) {
    float bestScore = -1e9F;
    Line best;
    const auto consider = [&](Line line, bool extend) {
        // Once a line wins, another counts only if it wins sooner.
        const int until = bestScore > 0
                              ? std::min(planHorizon, horizon - static_cast<int>(bestScore))
                              : planHorizon;
        const float score = playLine(line, extend, until);
        if (extend && score > 0 && score > bestScore) {
            draw.won(line);
        }
        if (score > bestScore) {
            bestScore = score;
            best = std::move(line);
        }
    };
    if (!chosen.empty()) {
        consider(chosen, false);
    }
    // Lines that score 0 tie, and the first of them is followed: the rest of
    // the grid can only beat it with a win, and past the serve those are few.
    const bool wholeGrid = served || !search.firstSafeAim;
    forEachAim(court, [&](Aim aim) {
        if (wholeGrid || bestScore < 0) {
            consider(Line{aim}, false);
        }
    });
    for (int i = 0; i < search.randomLines; ++i) {
        consider(Line{draw.next(court)}, true);
    }
    return best;
}

// The first heartbeat of a point, or of the ball in play after a point's pause.
bool justServed(const Sighting& last, const Sighting& now);

// A search chooses at each serve, once the ball is in play after the pause
// of a point, and when the opponent sends the ball up on its own side.
bool timeToPlan(const Court& court, const Sighting& last, const Sighting& now);

// What a side's keys do to its body on the foresight: a direction walks,
// its release stops, a jump starts from the ground.
void pressOn(Foresight& foresight, int side, const std::vector<KeyEvent>& keys);

// The search on what a player sees, played out on the foresight against
// copies of a model of the opponent, which gives decideOn(sighting) keys.
// It chooses a reaction late after it is time to; until then it follows
// the aim it chose before.
template <typename Model, typename Draws> class Lookahead {
public:
    Lookahead(const Scene& scene, int side, Model model, LineSearch search, Draws draws,
              int reaction = 0)
        : side_(side), search_(search), reaction_(reaction), draw_(draws, search.rememberWins),
          model_(model), court_(Court::of(scene, side)), plan_(side, court_),
          foresight_(std::make_unique<Foresight>(scene)) {
        model_.shareLandings(&landings_);
    }
    // The model holds on to where the landings are kept.
    Lookahead(const Lookahead&) = delete;
    Lookahead& operator=(const Lookahead&) = delete;

    // The keys for this heartbeat, from what is seen now.
    std::vector<KeyEvent> decideOn(const Sighting& now) {
        // The model watches as the opponent does.
        model_.decideOn(now);
        ballTimer_.read(last_, now, heartbeat_);
        if (timeToPlan(court_, last_, now)) {
            choiceIn_ = reaction_;
            serve_ = serve_ || justServed(last_, now);
        }
        if (choiceIn_ == 0 && now.inPlay) {
            choicesThisPoint_ = serve_ ? 0 : choicesThisPoint_ + 1;
            choose(now, serve_);
            serve_ = false;
        }
        if (choiceIn_ >= 0) {
            --choiceIn_;
        }
        last_ = now;
        ++heartbeat_;
        return plan_.decideOn(now);
    }

    // Releases the direction key it holds, while it waits for the ball.
    void letGo(std::vector<KeyEvent>& keys) { plan_.letGo(keys); }

    // Until its first choice it stands in the middle of its half.
    void standInTheMiddle() { plan_.aim(Aim{(court_.minLeft + court_.maxLeft) / 2}); }

    int plans() const { return plans_; }

private:
    void choose(const Sighting& now, bool served) {
        // The plans of one choice watch the same flights until they touch the ball.
        landings_.clear();
        LineSearch search = search_;
        if (search.widenLongRallies) {
            search.randomLines *=
                std::min(longRallyWidening, 1 + choicesThisPoint_ / choicesToWiden);
        }
        const Line best = bestLine(
            court_, chosen_, search, served, draw_, planHorizon,
            [&](Line& line, bool extend, int until) { return playLine(now, line, extend, until); });
        plan_.aim(best.front());
        chosen_.assign(best.begin() + 1, best.end());
        ++plans_;
    }

    // Plays the point on from what is seen now until the given heartbeat,
    // taking the line's next aim each time the opponent sends the ball up.
    float playLine(const Sighting& now, Line& line, bool extend, int until) {
        AimPlan plan = plan_;
        plan.aim(line.front());
        Model model = model_;
        Foresight& court = *foresight_;
        court.load(now);
        for (const int side : {1, 2}) {
            court.placeBody(side, now.bodies[static_cast<std::size_t>(side - 1)]);
        }
        Sighting last = now;
        std::size_t next = 1;
        int held = 0;
        for (int heartbeat = 0; heartbeat < until; ++heartbeat) {
            Sighting seen = now;
            seen.ball = court.ball();
            seen.bodies = {court.body(1), court.body(2)};
            held = court_.onMySide(seen.ball.left) ? held + 1 : 0;
            if (search_.heldBallLoses && held > longestHold) {
                line.resize(next);
                return scoreOf(false, 0, planHorizon);
            }
            if (timeToPlan(court_, last, seen)) {
                takeNextAim(plan, line, next, extend, court_, draw_);
            }
            last = seen;
            pressOn(court, side_, plan.decideOn(seen));
            pressOn(court, 3 - side_, model.decideOn(seen));
            court.mainTick();
            if (const int scorer = court.scorer(); scorer != 0) {
                line.resize(next);
                return scoreOf(scorer == side_, heartbeat, planHorizon);
            }
            court.otherTimers(ballTimer_.firesIn(heartbeat_ + heartbeat));
        }
        line.resize(next);
        return 0;
    }

    int side_;
    LineSearch search_;
    int reaction_;
    AimDraw<Draws> draw_;
    Line chosen_;
    LandingMemo landings_;
    Model model_;
    Court court_;
    AimPlan plan_;
    std::unique_ptr<Foresight> foresight_;
    Sighting last_;
    std::int64_t heartbeat_ = 0;
    BallTimerReading ballTimer_;
    // Heartbeats until it chooses, or -1 when it has chosen.
    int choiceIn_ = -1;
    bool serve_ = false;
    int choicesThisPoint_ = 0;
    int plans_ = 0;
};

} // namespace gloob::bot
