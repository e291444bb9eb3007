// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "lookahead_planner.h"

#include "app/engine.h"
#include "app/frm_gloob.h"
#include "app/headless_front_end.h"
#include "ball_timer_reading.h"
#include "bot/court.h"
#include "bot/foresight.h"
#include "bot/sighting.h"
#include "bot_match.h"
#include "match/keys.h"
#include "match/steps.h"

#include <algorithm>
#include <ctime>
#include <memory>
#include <random>
#include <vector>

namespace gloob::ladder {

namespace {

// Processor time of this thread: a busy machine does not lengthen it.
double processorSeconds() {
    timespec now{};
    clock_gettime(CLOCK_THREAD_CPUTIME_ID, &now);
    return static_cast<double>(now.tv_sec) + static_cast<double>(now.tv_nsec) * 1e-9;
}

// Long enough for a point to be played out after the opponent's touch.
constexpr int planHorizon = 700;
// Places to walk to across the planner's half, and jumps to try at each:
// none, or when the ball comes down to this many twips above the head.
// Finer grids cost twice as much and win about as many matches.
constexpr int placesToTry = 9;
constexpr float neverJump = -1;
constexpr float jumpHeights[] = {neverJump, 500, 1100};
// A jump is also tried for a ball coming down this far beside the body, in
// twips: the corner touches send the ball sideways. More reaches to choose
// from fit the model closer and the real opponent worse.
constexpr float jumpReach = 200;

// Where a plan walks to, and how high above the head the ball may be when
// it jumps (neverJump: it does not).
struct Aim {
    float place = 0;
    float jumpWithin = neverJump;
};
// The aims for the planner's touches to come, one for each time the opponent
// sends the ball up.
using Line = std::vector<Aim>;

// Seated on a side of a table: hands each decision to whoever plays there now.
class Seat final : public Autopilot {
public:
    explicit Seat(Autopilot*& player) : player_(player) {}
    std::vector<KeyEvent> decide(const Scene& scene, const MatchState& state) override {
        return player_ != nullptr ? player_->decide(scene, state) : std::vector<KeyEvent>{};
    }

private:
    Autopilot*& player_;
};

// One plan: walk to a place and stay there; jump when the ball, coming down
// over or beside the body, is at most this high above the head.
class Plan final : public Autopilot {
public:
    Plan(int side, const bot::Court& court) : side_(side), court_(court) {}

    void aim(Aim aim) {
        place_ = aim.place;
        jumpWithin_ = aim.jumpWithin;
    }

    std::vector<KeyEvent> decide(const Scene& scene, const MatchState& state) override {
        return decideOn(bot::Sighting::of(scene, state));
    }

    std::vector<KeyEvent> decideOn(const bot::Sighting& now) {
        const std::int16_t left = side_ == 1 ? keys::left : keys::a;
        const std::int16_t right = side_ == 1 ? keys::right : keys::d;
        const std::int16_t jump = side_ == 1 ? keys::up : keys::w;
        const bot::BodyState& me = now.bodies[static_cast<std::size_t>(side_ - 1)];
        std::vector<KeyEvent> keys;
        const std::int16_t step = bot::stepToward(court_, me.left, place_);
        const std::int16_t wanted = step < 0 ? left : step > 0 ? right : std::int16_t{0};
        if (wanted != held_ || (wanted != 0 && me.speedX != step)) {
            if (held_ != 0 && held_ != wanted) {
                keys.push_back({false, held_, 0});
            }
            held_ = wanted;
            if (wanted != 0) {
                keys.push_back({true, wanted, 0});
            }
        }
        const float centre = now.ball.left + court_.ballSize / 2;
        const float above = me.top - (now.ball.top + court_.ballSize);
        if (jumpWithin_ != neverJump && me.jumping == 0 && now.ball.speedY > 0 &&
            court_.onMySide(now.ball.left) && centre >= me.left - jumpReach &&
            centre <= me.left + court_.bodyWidth + jumpReach && above >= 0 &&
            above <= jumpWithin_) {
            keys.push_back({true, jump, 0});
            keys.push_back({false, jump, 0});
        }
        return keys;
    }

private:
    int side_;
    bot::Court court_;
    float place_ = 0;
    float jumpWithin_ = neverJump;
    std::int16_t held_ = 0;
};

// Calls back with each place and jump of the grid a plan can aim at.
template <typename Visit> void forEachAim(const bot::Court& court, const Visit& visit) {
    for (int i = 0; i < placesToTry; ++i) {
        const float place = court.minLeft + (court.maxLeft - court.minLeft) *
                                                static_cast<float>(i) / (placesToTry - 1);
        for (const float jump : jumpHeights) {
            visit(Aim{place, jump});
        }
    }
}

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
class AimDraw {
public:
    AimDraw(std::uint32_t seed, bool rememberWins) : random_(seed), remember_(rememberWins) {}

    Aim next(const bot::Court& court) {
        if (!winners_.empty() && unit() < rememberedShare) {
            return near(winners_[std::uniform_int_distribution<std::size_t>(0, winners_.size() -
                                                                                   1)(random_)],
                        court);
        }
        Aim aim;
        aim.place = court.minLeft + (court.maxLeft - court.minLeft) * unit();
        if (unit() >= randomNeverJumps) {
            aim.jumpWithin = highestRandomJump * unit();
        }
        return aim;
    }

    void won(const Line& line) {
        if (remember_) {
            winners_.insert(winners_.end(), line.begin(), line.end());
        }
    }

private:
    float unit() { return std::uniform_real_distribution<float>(0, 1)(random_); }
    float nudge() { return (2 * unit() - 1) * rememberedSpread; }

    Aim near(Aim aim, const bot::Court& court) {
        aim.place = std::clamp(aim.place + nudge() * (court.maxLeft - court.minLeft), court.minLeft,
                               court.maxLeft);
        if (aim.jumpWithin != neverJump) {
            aim.jumpWithin =
                std::clamp(aim.jumpWithin + nudge() * highestRandomJump, 0.0F, highestRandomJump);
        }
        return aim;
    }

    std::mt19937 random_;
    bool remember_;
    std::vector<Aim> winners_;
};

// When the opponent sends the ball up: the plan takes the line's next aim;
// a line that runs out keeps its last aim, or takes a random one to extend it.
void takeNextAim(Plan& plan, Line& line, std::size_t& next, bool extend, const bot::Court& court,
                 AimDraw& draw) {
    if (next == line.size() && extend) {
        line.push_back(draw.next(court));
    }
    if (next < line.size()) {
        plan.aim(line[next++]);
    }
}

// A point won soonest scores highest, one lost latest least low; a point
// still going on at the horizon scores 0.
float scoreOf(bool won, int heartbeat, int horizon) {
    return static_cast<float>(won ? horizon - heartbeat : heartbeat - horizon);
}

// The line that scores best as played out, among the rest of the line chosen
// last time (first: on an exact model it wins as foreseen), each aim of the
// grid, and the search's random lines. Searching for the first safe aim, the
// grid is played past the serve only until a line keeps the rally going.
// PlayLine(line, extend, until) plays a line out until a heartbeat, extends
// it with random aims if asked, and scores it. The horizon is the one its
// scores count from.
template <typename PlayLine>
Line bestLine(const bot::Court& court, const Line& chosen, const LineSearch& search, bool served,
              AimDraw& draw, int horizon, const PlayLine& playLine) {
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
bool justServed(const bot::Sighting& last, const bot::Sighting& now) {
    return !last.inPlay || now.player1Score != last.player1Score ||
           now.player2Score != last.player2Score;
}

// A planner plans at each serve, once the ball is in play after the pause
// of a point, and when the opponent sends the ball up on its own side.
bool timeToPlan(const bot::Court& court, const bot::Sighting& last, const bot::Sighting& now) {
    const bool struckOverThere =
        !court.onMySide(now.ball.left) && now.ball.speedY < 0 && last.ball.speedY >= 0;
    return now.inPlay && (justServed(last, now) || struckOverThere);
}

// A match on the simulator's engine, both sides seated, the first serve made.
struct Table {
    HeadlessFrontEnd front;
    bot::NoText text;
    Pictures pictures;
    Engine engine{front, text, pictures};
    Autopilot* players[2] = {nullptr, nullptr};

    Table() {
        engine.setAutopilotMaker([this](int side, BotStrength, std::uint32_t) {
            return std::make_unique<Seat>(players[side - 1]);
        });
        engine.start();
        for (int side : {1, 2}) {
            engine.post(GameEvent::bot(side, BotStrength::hard, 0));
        }
        engine.post(GameEvent::menu(MenuId::mnu5));
        engine.post(GameEvent::of(EventKind::clickPlay));
        while (scene().cmdPlay.Visible) {
            engine.runHeartbeat();
        }
    }
    const Scene& scene() const { return engine.window().scene; }
    int score(int side) const {
        const MatchState& state = engine.window().state;
        return side == 1 ? state.player1Score : state.player2Score;
    }
};

// The planner on copies of the whole match: it reads the live engine's
// snapshot, the ball-arc timer's phase included.
class Planner {
public:
    Planner(int side, int touches, LineSearch search)
        : side_(side), touches_(touches), search_(search), draw_(1, search.rememberWins),
          model_(3 - side, Reference::returner) {
        model_.shareLandings(&landings_);
    }

    // Called at every heartbeat before the match moves on.
    void watch(Table& live) {
        const Scene& scene = live.scene();
        if (court_.bodyWidth == 0) {
            court_ = bot::Court::of(scene, side_);
            plan_ = std::make_unique<Plan>(side_, court_);
            live.players[side_ - 1] = plan_.get();
        }
        const bot::Sighting now = bot::Sighting::of(scene, live.engine.window().state);
        if (timeToPlan(court_, last_, now)) {
            choose(live, justServed(last_, now));
        }
        last_ = now;
    }

    // The model sees what the opponent sees, when it sees it, so that a copy
    // of it takes up the point where the opponent stands.
    void opponentSaw(const Scene& scene, const MatchState& state) { model_.decide(scene, state); }

    LookaheadResult result;

private:
    void choose(Table& live, bool served) {
        const double started = processorSeconds();
        // The plans of one choice watch the same flights until they touch the ball.
        landings_.clear();
        const GameSnapshot snapshot = live.engine.snapshot();
        const Line best =
            bestLine(court_, chosen_, search_, served, draw_, horizon(),
                     [&](Line& line, bool extend, int until) {
                         Plan plan = *plan_;
                         plan.aim(line.front());
                         return playOn(snapshot, plan, model_, 0, until, touches_, line, extend);
                     });
        plan_->aim(best.front());
        chosen_.assign(best.begin() + 1, best.end());
        ++result.plans;
        result.planSeconds += processorSeconds() - started;
    }

    // Plays the point on from a snapshot, from heartbeat start until the
    // given one, taking the line's next aim each time the opponent sends the
    // ball up. With touches to spare, the plan branches there instead into
    // every aim of the grid, and the best branch counts.
    float playOn(const GameSnapshot& snapshot, const Plan& plan, const ReferencePlayer& opponent,
                 int start, int until, int touches, Line& line, bool extend) {
        Plan mine = plan;
        ReferencePlayer theirs = opponent;
        sim_.players[side_ - 1] = &mine;
        sim_.players[2 - side_] = &theirs;
        sim_.engine.restore(snapshot);
        const int myScore = sim_.score(side_);
        const int theirScore = sim_.score(3 - side_);
        bot::Sighting last = bot::Sighting::of(sim_.scene(), sim_.engine.window().state);
        std::size_t next = 1;
        for (int heartbeat = start; heartbeat < until; ++heartbeat) {
            sim_.engine.runHeartbeat();
            if (sim_.score(side_) != myScore || sim_.score(3 - side_) != theirScore) {
                line.resize(next);
                return scoreOf(sim_.score(side_) != myScore, heartbeat, horizon());
            }
            const bot::Sighting now = bot::Sighting::of(sim_.scene(), sim_.engine.window().state);
            if (timeToPlan(court_, last, now)) {
                if (touches > 1) {
                    return bestBranch(heartbeat + 1, touches - 1, mine, theirs);
                }
                takeNextAim(mine, line, next, extend, court_, draw_);
            }
            last = now;
        }
        line.resize(next);
        return 0;
    }

    // The best of every aim of the grid, played on from here.
    float bestBranch(int start, int touches, const Plan& plan, const ReferencePlayer& opponent) {
        const GameSnapshot branch = sim_.engine.snapshot();
        const Plan planThere = plan;
        const ReferencePlayer opponentThere = opponent;
        float best = -1e9F;
        forEachAim(court_, [&](Aim aim) {
            Plan next = planThere;
            next.aim(aim);
            Line line{aim};
            best = std::max(best, playOn(branch, next, opponentThere, start, start + planHorizon,
                                         touches, line, false));
        });
        return best;
    }

    // A win found deeper still ranks above a point going on.
    int horizon() const { return planHorizon * touches_; }

    int side_;
    int touches_;
    LineSearch search_;
    AimDraw draw_;
    Line chosen_;
    LandingMemo landings_;
    ReferencePlayer model_;
    bot::Court court_;
    std::unique_ptr<Plan> plan_;
    bot::Sighting last_;
    Table sim_;
};

// The opponent, with the planner looking over its shoulder.
class Watched final : public Autopilot {
public:
    Watched(Autopilot& opponent, Planner& planner) : opponent_(opponent), planner_(planner) {}
    std::vector<KeyEvent> decide(const Scene& scene, const MatchState& state) override {
        planner_.opponentSaw(scene, state);
        return opponent_.decide(scene, state);
    }

private:
    Autopilot& opponent_;
    Planner& planner_;
};

// The same search on what a player sees: the point is played out on the
// computer players' foresight, a copy of the court loaded from one
// sighting, with the ball-arc timer's phase read off the ball's steps.
class VisiblePlanner final : public Autopilot {
public:
    VisiblePlanner(int side, LineSearch search, std::uint32_t seed)
        : side_(side), search_(search), draw_(seed, search.rememberWins),
          model_(3 - side, Reference::returner) {
        model_.shareLandings(&landings_);
    }

    std::vector<KeyEvent> decide(const Scene& scene, const MatchState& state) override {
        const bot::Sighting now = bot::Sighting::of(scene, state);
        if (foresight_ == nullptr) {
            court_ = bot::Court::of(scene, side_);
            plan_ = std::make_unique<Plan>(side_, court_);
            foresight_ = std::make_unique<bot::Foresight>(scene);
            scene_ = &scene;
        }
        // The model watches as the opponent does.
        model_.decideOn(scene, now);
        ballTimer_.read(last_, now, heartbeat_);
        if (timeToPlan(court_, last_, now)) {
            choose(now, justServed(last_, now));
        }
        last_ = now;
        ++heartbeat_;
        return plan_->decideOn(now);
    }

    int plans = 0;
    double planSeconds = 0;

private:
    void choose(const bot::Sighting& now, bool served) {
        const double started = processorSeconds();
        // The plans of one choice watch the same flights until they touch the ball.
        landings_.clear();
        const Line best = bestLine(
            court_, chosen_, search_, served, draw_, planHorizon,
            [&](Line& line, bool extend, int until) { return playLine(now, line, extend, until); });
        plan_->aim(best.front());
        chosen_.assign(best.begin() + 1, best.end());
        ++plans;
        planSeconds += processorSeconds() - started;
    }

    // As the whole-match planner's playOn, one touch deep, on the computer
    // players' copy of the court.
    float playLine(const bot::Sighting& now, Line& line, bool extend, int until) {
        Plan plan = *plan_;
        plan.aim(line.front());
        ReferencePlayer model = model_;
        bot::Foresight& court = *foresight_;
        court.load(now);
        for (const int side : {1, 2}) {
            court.placeBody(side, now.bodies[static_cast<std::size_t>(side - 1)]);
        }
        bot::Sighting last = now;
        std::size_t next = 1;
        for (int heartbeat = 0; heartbeat < until; ++heartbeat) {
            bot::Sighting seen = now;
            seen.ball = court.ball();
            seen.bodies = {court.body(1), court.body(2)};
            if (timeToPlan(court_, last, seen)) {
                takeNextAim(plan, line, next, extend, court_, draw_);
            }
            last = seen;
            press(side_, plan.decideOn(seen));
            press(3 - side_, model.decideOn(*scene_, seen));
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

    // What a side's keys do to its body: a direction walks, its release
    // stops, a jump starts from the ground.
    void press(int side, const std::vector<KeyEvent>& keys) {
        bot::BodyState body = foresight_->body(side);
        for (const KeyEvent& key : keys) {
            const bool leftKey = key.keyCode == keys::left || key.keyCode == keys::a;
            const bool rightKey = key.keyCode == keys::right || key.keyCode == keys::d;
            if (leftKey || rightKey) {
                body.speedX = !key.down ? std::int16_t{0}
                              : leftKey ? static_cast<std::int16_t>(-bot::walkStep)
                                        : bot::walkStep;
            } else if (key.down && body.jumping == 0) {
                body.jumping = -1;
                body.jumpSpeed = steps::jumpStart;
            }
        }
        foresight_->placeBody(side, body);
    }

    int side_;
    LineSearch search_;
    AimDraw draw_;
    Line chosen_;
    LandingMemo landings_;
    ReferencePlayer model_;
    bot::Court court_;
    std::unique_ptr<Plan> plan_;
    std::unique_ptr<bot::Foresight> foresight_;
    const Scene* scene_ = nullptr;
    bot::Sighting last_;
    std::int64_t heartbeat_ = 0;
    BallTimerReading ballTimer_;
};

} // namespace

LookaheadResult playVisibleLookaheadMatch(int plannerSide, Reference opponentKind,
                                          std::size_t reaction, LineSearch search,
                                          std::uint32_t seed) {
    VisiblePlanner planner(plannerSide, search, seed);
    ReferencePlayer opponent(3 - plannerSide, opponentKind, reaction);
    bot::MatchOptions options;
    options.rallyTickCap = lookaheadRallyCap;
    const bot::MatchRecord record = plannerSide == 1 ? bot::playMatch(&planner, &opponent, options)
                                                     : bot::playMatch(&opponent, &planner, options);
    LookaheadResult result;
    result.stalled = record.capped;
    result.points[0] = plannerSide == 1 ? record.player1Score : record.player2Score;
    result.points[1] = plannerSide == 1 ? record.player2Score : record.player1Score;
    result.plans = planner.plans;
    result.planSeconds = planner.planSeconds;
    result.heartbeats = record.decisions / 2;
    return result;
}

LookaheadResult playLookaheadMatch(int plannerSide, Reference opponentKind, std::size_t reaction,
                                   int touches, LineSearch search) {
    Table live;
    ReferencePlayer opponent(3 - plannerSide, opponentKind, reaction);
    Planner planner(plannerSide, touches, search);
    Watched watched(opponent, planner);
    live.players[2 - plannerSide] = &watched;
    int points = 0;
    int rallyTicks = 0;
    while (!live.scene().cmdPlay.Visible) {
        if (rallyTicks >= lookaheadRallyCap) {
            planner.result.stalled = true;
            break;
        }
        planner.watch(live);
        live.engine.runHeartbeat();
        ++planner.result.heartbeats;
        ++rallyTicks;
        if (live.score(1) + live.score(2) != points) {
            points = live.score(1) + live.score(2);
            rallyTicks = 0;
        }
    }
    planner.result.points[0] = live.score(plannerSide);
    planner.result.points[1] = live.score(3 - plannerSide);
    return planner.result;
}

} // namespace gloob::ladder
