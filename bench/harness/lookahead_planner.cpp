// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "lookahead_planner.h"

#include "app/engine.h"
#include "app/frm_gloob.h"
#include "app/headless_front_end.h"
#include "bot/court.h"
#include "bot/foresight.h"
#include "bot/sighting.h"
#include "match/keys.h"

#include <chrono>
#include <memory>
#include <vector>

namespace gloob::ladder {

namespace {

// Long enough for a point to be played out after the opponent's touch.
constexpr int planHorizon = 700;
// Places to walk to across the planner's half, and jumps to try at each.
constexpr int placesToTry = 11;
constexpr float neverJump = -1;
constexpr float jumpHeights[] = {neverJump, 200, 500, 800, 1100, 1500};
// A jump is also tried for a ball coming down this far beside the body, in
// twips: the corner touches send the ball sideways. More reaches to choose
// from fit the model closer and the real opponent worse.
constexpr float jumpReach = 200;

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

    void aim(float place, float jumpWithin) {
        place_ = place;
        jumpWithin_ = jumpWithin;
    }

    std::vector<KeyEvent> decide(const Scene& scene, const MatchState& state) override {
        const std::int16_t left = side_ == 1 ? keys::left : keys::a;
        const std::int16_t right = side_ == 1 ? keys::right : keys::d;
        const std::int16_t jump = side_ == 1 ? keys::up : keys::w;
        const bot::Sighting now = bot::Sighting::of(scene, state);
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

class Planner {
public:
    explicit Planner(int side) : side_(side), model_(3 - side, Reference::returner) {}

    // Called at every heartbeat before the match moves on.
    void watch(Table& live, bool rallyStarts) {
        const Scene& scene = live.scene();
        const MatchState& state = live.engine.window().state;
        if (court_.bodyWidth == 0) {
            court_ = bot::Court::of(scene, side_);
            plan_ = std::make_unique<Plan>(side_, court_);
            live.players[side_ - 1] = plan_.get();
        }
        const bot::Sighting now = bot::Sighting::of(scene, state);
        const bool struckOverThere =
            !court_.onMySide(now.ball.left) && now.ball.speedY < 0 && lastSpeedY_ >= 0;
        lastSpeedY_ = now.ball.speedY;
        // The serve waits for the pause after a point: the first plan waits with it.
        planAtServe_ = planAtServe_ || rallyStarts;
        if (now.inPlay && (planAtServe_ || struckOverThere)) {
            planAtServe_ = false;
            choose(live);
        }
    }

    // The model sees what the opponent sees, when it sees it, so that a copy
    // of it takes up the point where the opponent stands.
    void opponentSaw(const Scene& scene, const MatchState& state) { model_.decide(scene, state); }

    LookaheadResult result;

private:
    void choose(Table& live) {
        const auto started = std::chrono::steady_clock::now();
        const GameSnapshot snapshot = live.engine.snapshot();
        float bestScore = -1e9F, bestPlace = 0, bestJump = neverJump;
        for (int i = 0; i < placesToTry; ++i) {
            const float place = court_.minLeft + (court_.maxLeft - court_.minLeft) *
                                                     static_cast<float>(i) / (placesToTry - 1);
            for (const float jump : jumpHeights) {
                const float score = playOut(snapshot, place, jump);
                if (score > bestScore) {
                    bestScore = score;
                    bestPlace = place;
                    bestJump = jump;
                }
            }
        }
        plan_->aim(bestPlace, bestJump);
        ++result.plans;
        result.planSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
    }

    // A point won soonest scores highest, one lost latest least low.
    float playOut(const GameSnapshot& snapshot, float place, float jump) {
        Plan plan = *plan_;
        plan.aim(place, jump);
        ReferencePlayer opponent = model_;
        sim_.players[side_ - 1] = &plan;
        sim_.players[2 - side_] = &opponent;
        sim_.engine.restore(snapshot);
        const int mine = sim_.score(side_);
        const int theirs = sim_.score(3 - side_);
        for (int heartbeat = 0; heartbeat < planHorizon; ++heartbeat) {
            sim_.engine.runHeartbeat();
            if (sim_.score(side_) != mine) {
                return static_cast<float>(planHorizon - heartbeat);
            }
            if (sim_.score(3 - side_) != theirs) {
                return static_cast<float>(heartbeat - planHorizon);
            }
        }
        return 0;
    }

    int side_;
    ReferencePlayer model_;
    bot::Court court_;
    std::unique_ptr<Plan> plan_;
    std::int16_t lastSpeedY_ = 0;
    bool planAtServe_ = false;
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

} // namespace

LookaheadResult playLookaheadMatch(int plannerSide, Reference opponentKind, std::size_t reaction) {
    Table live;
    ReferencePlayer opponent(3 - plannerSide, opponentKind, reaction);
    Planner planner(plannerSide);
    Watched watched(opponent, planner);
    live.players[2 - plannerSide] = &watched;
    int points = 0;
    int rallyTicks = 0;
    while (!live.scene().cmdPlay.Visible) {
        if (rallyTicks >= lookaheadRallyCap) {
            planner.result.stalled = true;
            break;
        }
        planner.watch(live, rallyTicks == 0);
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
