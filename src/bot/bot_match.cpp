#include "bot_match.h"

#include "app/frm_gloob.h"
#include "app/heartbeat.h"
#include "foresight.h"
#include "match/int16_arith.h"
#include "match/keys.h"

#include <array>
#include <chrono>

namespace gloob::bot {

namespace {

// The least a window needs: a virtual clock, and a look at every main tick.
class LadderHost final : public Host {
public:
    VirtualClock virtualClock;
    std::function<void()> afterMainTick;

    Clock& clock() override { return virtualClock; }
    void deliverPendingInput() override {}
    void showMessage(std::string_view) override {}
    TwipRect availableScreen() override { return {0, 0, 19200, 15360}; }
    TwipRect windowOuterFrame() override { return {0, 0, 11295, 7770}; }
    void moveWindow(float, float) override {}
    void endProgram() override {}
    void timerHandled(TimerId timer) override {
        if (timer == TimerId::tmrMain && afterMainTick) {
            afterMainTick();
        }
    }
};

bool overlaps(const Shape& ball, const Shape& body) {
    return ball.Left + ball.Width >= body.Left && body.Left + body.Width >= ball.Left;
}

// Which player (1, 2) the last main tick's contact came from, 3 for the top
// of the net, 0 for none: a contact leaves the ball at the start of a new arc.
int contactOf(const Scene& scene, const MatchState& state) {
    const Shape& ball = scene.shpBall;
    const bool struck = state.ballArcRunning != 0 && state.ballArcLimit == toInt16(ball.Top) &&
                        (state.ballSpeedY == -80 || state.ballSpeedY == -130);
    if (!struck) {
        return 0;
    }
    if (ball.Top + ball.Height == scene.shpGloob1.Top && overlaps(ball, scene.shpGloob1)) {
        return 1;
    }
    if (ball.Top + ball.Height == scene.shpGloob2.Top && overlaps(ball, scene.shpGloob2)) {
        return 2;
    }
    return 3;
}

// Keeps the record of a match from what every main tick left behind.
class Scorekeeper {
public:
    MatchRecord record;

    int ticksThisRally() const { return rally_.mainTicks; }

    void afterMainTick(const Scene& scene, const MatchState& state) {
        ++mainTicks_;
        ++rally_.mainTicks;
        if (state.player1Score != record.player1Score ||
            state.player2Score != record.player2Score) {
            rally_.scorer = state.player1Score != record.player1Score ? 1 : 2;
            record.player1Score = state.player1Score;
            record.player2Score = state.player2Score;
            record.rallies.push_back(rally_);
            rally_ = {};
            return;
        }
        const int contact = contactOf(scene, state);
        if (contact == 0) {
            return;
        }
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

bool isDirectionKey(std::int16_t key) {
    return key == keys::left || key == keys::right || key == keys::a || key == keys::d;
}

} // namespace

MatchRecord playMatch(ComputerPlayer* player1, ComputerPlayer* player2,
                      const MatchOptions& options) {
    LadderHost host;
    const NoText text;
    const Pictures pictures;
    FrmGloob frm(host, text, pictures);
    frm.Form_Load();
    frm.menuClick(options.ballsPerGame == 3   ? MenuId::mnu3
                  : options.ballsPerGame == 8 ? MenuId::mnu8
                                              : MenuId::mnu5);
    Scorekeeper keeper;
    host.afterMainTick = [&] { keeper.afterMainTick(frm.scene, frm.state); };

    const std::array<ComputerPlayer*, 2> players{player1, player2};
    std::array<std::int16_t, 2> held{0, 0};
    frm.cmdPlay_Click();
    while (!frm.scene.cmdPlay.Visible) {
        if (keeper.ticksThisRally() >= options.rallyTickCap) {
            keeper.abandon();
            break;
        }
        const std::int64_t heartbeat = heartbeatAfter(host.virtualClock.nowMicros());
        host.virtualClock.advanceTo(heartbeat);
        for (std::size_t side = 0; side < players.size(); ++side) {
            if (players[side] == nullptr) {
                continue;
            }
            const auto started = std::chrono::steady_clock::now();
            const std::vector<KeyEvent> events = players[side]->decide(frm.scene, frm.state);
            keeper.record.decisionSeconds +=
                std::chrono::duration<double>(std::chrono::steady_clock::now() - started).count();
            ++keeper.record.decisions;
            if (options.decisionWatcher) {
                options.decisionWatcher(static_cast<int>(side) + 1, frm.scene, frm.state, events);
            }
            for (const KeyEvent& event : events) {
                if (event.down) {
                    frm.Form_KeyDown(event.keyCode, event.shift);
                    if (isDirectionKey(event.keyCode)) {
                        held[side] = event.keyCode;
                    }
                    continue;
                }
                if (held[side] == event.keyCode) {
                    held[side] = 0;
                }
                frm.Form_KeyUp(event.keyCode, event.shift);
                // Computer players hold their keys through anyone's release.
                for (std::int16_t key : held) {
                    if (key != 0) {
                        frm.Form_KeyDown(key, 0);
                    }
                }
            }
        }
        frm.dispatchTimers(heartbeat);
    }
    return keeper.record;
}

} // namespace gloob::bot
