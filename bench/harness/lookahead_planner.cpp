// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "lookahead_planner.h"

#include "app/engine.h"
#include "app/frm_gloob.h"
#include "app/headless_front_end.h"
#include "bot/court.h"
#include "bot/foresight.h"
#include "bot/lookahead.h"
#include "bot/sighting.h"
#include "bot_match.h"

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

using bot::AimPlan;
using bot::Line;
using bot::planHorizon;

// The harness's random lines come from a Mersenne twister, as they did when
// its tables were first played.
class MersenneDraws {
public:
    explicit MersenneDraws(std::uint32_t seed) : random_(seed) {}
    float unit() { return std::uniform_real_distribution<float>(0, 1)(random_); }
    std::size_t below(std::size_t n) {
        return std::uniform_int_distribution<std::size_t>(0, n - 1)(random_);
    }

private:
    std::mt19937 random_;
};
using AimDraw = bot::AimDraw<MersenneDraws>;

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
        : side_(side), touches_(touches), search_(search),
          draw_(MersenneDraws(1), search.rememberWins), model_(3 - side, Reference::returner) {
        model_.shareLandings(&landings_);
    }

    // Called at every heartbeat before the match moves on.
    void watch(Table& live) {
        const Scene& scene = live.scene();
        if (court_.bodyWidth == 0) {
            court_ = bot::Court::of(scene, side_);
            plan_ = std::make_unique<AimPlan>(side_, court_);
            live.players[side_ - 1] = plan_.get();
        }
        const bot::Sighting now = bot::Sighting::of(scene, live.engine.window().state);
        if (bot::timeToPlan(court_, last_, now)) {
            choose(live, bot::justServed(last_, now));
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
        const Line best = bot::bestLine(court_, chosen_, search_, served, draw_, horizon(),
                                        [&](Line& line, bool extend, int until) {
                                            AimPlan plan = *plan_;
                                            plan.aim(line.front());
                                            return playOn(snapshot, plan, model_, 0, until,
                                                          touches_, line, extend);
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
    float playOn(const GameSnapshot& snapshot, const AimPlan& plan, const ReferencePlayer& opponent,
                 int start, int until, int touches, Line& line, bool extend) {
        AimPlan mine = plan;
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
                return bot::scoreOf(sim_.score(side_) != myScore, heartbeat, horizon());
            }
            const bot::Sighting now = bot::Sighting::of(sim_.scene(), sim_.engine.window().state);
            if (bot::timeToPlan(court_, last, now)) {
                if (touches > 1) {
                    return bestBranch(heartbeat + 1, touches - 1, mine, theirs);
                }
                bot::takeNextAim(mine, line, next, extend, court_, draw_);
            }
            last = now;
        }
        line.resize(next);
        return 0;
    }

    // The best of every aim of the grid, played on from here.
    float bestBranch(int start, int touches, const AimPlan& plan, const ReferencePlayer& opponent) {
        const GameSnapshot branch = sim_.engine.snapshot();
        const AimPlan planThere = plan;
        const ReferencePlayer opponentThere = opponent;
        float best = -1e9F;
        bot::forEachAim(court_, [&](bot::Aim aim) {
            AimPlan next = planThere;
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
    std::unique_ptr<AimPlan> plan_;
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

// The returner as the model of the search on what a player sees.
class ReturnerModel {
public:
    ReturnerModel(int side, const Scene& shape)
        : player_(side, Reference::returner), shape_(&shape) {}
    std::vector<KeyEvent> decideOn(const bot::Sighting& seen) {
        return player_.decideOn(*shape_, seen);
    }
    void shareLandings(LandingMemo* memo) { player_.shareLandings(memo); }

private:
    ReferencePlayer player_;
    const Scene* shape_;
};

// The same search on what a player sees: the point is played out on the
// computer players' foresight, a copy of the court loaded from one
// sighting, with the ball-arc timer's phase read off the ball's steps.
class VisiblePlanner final : public Autopilot {
public:
    VisiblePlanner(int side, LineSearch search, std::uint32_t seed)
        : side_(side), lineSearch_(search), seed_(seed) {}

    std::vector<KeyEvent> decide(const Scene& scene, const MatchState& state) override {
        if (search_ == nullptr) {
            search_ = std::make_unique<bot::Lookahead<ReturnerModel, MersenneDraws>>(
                scene, side_, ReturnerModel(3 - side_, scene), lineSearch_, MersenneDraws(seed_));
        }
        // Only the heartbeats it chooses in are timed, as on copies of the match.
        const int plansBefore = search_->plans();
        const double started = processorSeconds();
        std::vector<KeyEvent> keys = search_->decideOn(bot::Sighting::of(scene, state));
        if (search_->plans() != plansBefore) {
            planSeconds += processorSeconds() - started;
        }
        return keys;
    }
    int plans() const { return search_ != nullptr ? search_->plans() : 0; }

    double planSeconds = 0;

private:
    int side_;
    LineSearch lineSearch_;
    std::uint32_t seed_;
    std::unique_ptr<bot::Lookahead<ReturnerModel, MersenneDraws>> search_;
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
    result.plans = planner.plans();
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
