// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "bot_match.h"

#include "app/engine.h"
#include "app/frm_gloob.h"
#include "app/headless_front_end.h"
#include "app/heartbeat.h"
#include "bot/foresight.h"
#include "match/keys.h"
#include "match/strike.h"

#include <array>
#include <chrono>

namespace gloob::bot {

namespace {

// Keeps the record of a match from what every main tick left behind.
class Scorekeeper {
public:
    MatchRecord record;

    int ticksThisRally() const { return rally_.mainTicks; }

    void afterMainTick(const Scene& scene, const MatchState& state, int server) {
        ++mainTicks_;
        if (++rally_.mainTicks == 1) {
            rally_.server = server;
        }
        if (state.player1Score != record.player1Score ||
            state.player2Score != record.player2Score) {
            rally_.scorer = state.player1Score != record.player1Score ? 1 : 2;
            record.player1Score = state.player1Score;
            record.player2Score = state.player2Score;
            record.rallies.push_back(rally_);
            rally_ = {};
            return;
        }
        const Striker striker = ballJustStruck(scene, state);
        if (striker == Striker::none) {
            return;
        }
        // 1 and 2 for the players, 3 for the top of the net.
        const int contact = striker == Striker::player1 ? 1 : striker == Striker::player2 ? 2 : 3;
        // A contact in the tick after one of the same kind goes on the same touch.
        auto& last = lastContactTick_[static_cast<std::size_t>(contact - 1)];
        if (last != mainTicks_ - 1) {
            ++(contact == 3 ? rally_.netTopBounces : rally_.touches[contact - 1]);
        }
        last = mainTicks_;
        if (contact != 3) {
            rally_.lastToucher = contact;
        }
    }

    void abandon() {
        record.capped = true;
        record.rallies.push_back(rally_);
    }

private:
    RallyRecord rally_;
    std::int64_t mainTicks_ = 0;
    std::array<std::int64_t, 3> lastContactTick_{-2, -2, -2};
};

// A computer player lent to the engine for one match: it decides as it
// would, and the match counts its decisions and their time.
class LentPlayer final : public Autopilot {
public:
    LentPlayer(int side, Autopilot& player, MatchRecord& record, const MatchOptions& options)
        : side_(side), player_(player), record_(record), options_(options) {}

    std::vector<KeyEvent> decide(const Scene& scene, const MatchState& state) override {
        const auto started = std::chrono::steady_clock::now();
        std::vector<KeyEvent> keys = player_.decide(scene, state);
        record_.decisionSeconds +=
            std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
        ++record_.decisions;
        if (options_.decisionWatcher) {
            options_.decisionWatcher(side_, scene, state, keys);
        }
        return keys;
    }

private:
    int side_;
    Autopilot& player_;
    MatchRecord& record_;
    const MatchOptions& options_;
};

// Hands the scorekeeper every main tick as it ends.
class MainTicks final : public EngineObserver {
public:
    MainTicks(Scorekeeper& keeper) : keeper_(keeper) {}
    void handlerReturned(std::int64_t, const Handler& handler, const FrmGloob& frm) override {
        if (handler.isMainTick()) {
            keeper_.afterMainTick(frm.scene, frm.state, frm.serve.server);
        }
    }

private:
    Scorekeeper& keeper_;
};

} // namespace

MatchRecord playMatch(Autopilot* player1, Autopilot* player2, const MatchOptions& options) {
    HeadlessFrontEnd front;
    const NoText text;
    const Pictures pictures;
    Engine engine(front, text, pictures);
    Scorekeeper keeper;
    const std::array<Autopilot*, 2> players{player1, player2};
    engine.setAutopilotMaker([&](int side, BotStrength, std::uint32_t) {
        return std::make_unique<LentPlayer>(side, *players[static_cast<std::size_t>(side - 1)],
                                            keeper.record, options);
    });
    MainTicks ticks(keeper);
    engine.addObserver(ticks);

    engine.start();
    // The strength only names the side's player: the maker above lends it.
    for (int side : {1, 2}) {
        if (players[static_cast<std::size_t>(side - 1)] != nullptr) {
            engine.post(GameEvent::bot(side, BotStrength::hard, 0));
        }
    }
    engine.post(GameEvent::menu(options.ballsPerGame == 3   ? MenuId::mnu3
                                : options.ballsPerGame == 8 ? MenuId::mnu8
                                                            : MenuId::mnu5));
    if (options.serve != ServeRule::player1) {
        engine.post(GameEvent::serve(options.serve));
    }
    engine.post(GameEvent::of(EventKind::clickPlay));
    const Scene& scene = engine.window().scene;
    do {
        if (keeper.ticksThisRally() >= options.rallyTickCap) {
            keeper.abandon();
            break;
        }
        engine.runHeartbeat();
    } while (!scene.cmdPlay.Visible);
    return keeper.record;
}

} // namespace gloob::bot
