// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "game_event.h"
#include "host.h"
#include "match/match.h"
#include "match/match_state.h"
#include "scene/compositor.h"
#include "scene/scene.h"
#include "timer_scheduler.h"

#include <cstdint>
#include <string_view>

namespace gloob {

// The game's one window: it owns the scene and the match state for the whole
// run, answers every event with its handler, and keeps time for its timers.
// The front end only shows it and feeds it events.
class FrmGloob final : public WindowServices {
public:
    FrmGloob(Host& host, const TextRasteriser& text, const Pictures& pictures);
    FrmGloob(const FrmGloob&) = delete;
    FrmGloob& operator=(const FrmGloob&) = delete;

    Scene scene;
    MatchState state;
    ServeState serve;

    void Form_Load();
    void Form_KeyDown(std::int16_t keyCode, std::int16_t shift);
    void Form_KeyUp(std::int16_t keyCode, std::int16_t shift);
    // The keyboard went elsewhere: held keys will never report their release.
    void Form_LostFocus();
    void cmdPlay_Click();
    void cmdExit_Click();
    void mnu3_Click();
    void mnu5_Click();
    void mnu8_Click();
    void mnuMountain_Click();
    void mnuBeach_Click();
    void mnuNone_Click();
    void mnuExit_Click();
    void mnuInstructions_Click();
    void mnuAbout_Click();
    // The window's close button.
    void Form_Close();

    // Puts the window's outer frame in the middle of the screen. Start-up does
    // it; a front end whose frame is known only once shown does it again then.
    void centreOnScreen();

    // Runs the command of a menu item; items that open submenus have none.
    void menuClick(MenuId item);

    // Whether an input event would reach a handler now: not after the end,
    // and a click only on a button that is shown.
    bool handles(const GameEvent& event) const;
    // Hands an input event to its handler.
    void handle(const GameEvent& event);

    // Fires the timers due at the latest heartbeat at or before now, or at a
    // given heartbeat. Returns how many fired.
    int heartbeat();
    int dispatchTimers(std::int64_t heartbeatMicros);

    Colour Point(float x, float y) const override { return compositor_.Point(x, y); }
    void Wait(std::int32_t inMilliseconds) override;
    void setInterval(TimerId timer, std::int32_t milliseconds) override;

    const Compositor& compositor() const { return compositor_; }
    const TimerScheduler& scheduler() const { return scheduler_; }
    // Puts the timers' phase and the end back as a snapshot holds them; the
    // scene and state are plain data that the snapshot writes itself.
    void restoreRun(const std::array<std::int64_t, timerCount>& timersDue, bool ended) {
        scheduler_.restoreDueTimes(timersDue);
        ended_ = ended;
    }
    Match& match() { return match_; }
    bool ended() const { return ended_; }

private:
    void pumpEvents();
    void fire(TimerId timer);
    void showMessage(std::string_view text);
    void endProgram();
    bool takesClicks(const PushButton& button) const { return !ended_ && button.Visible; }
    void check(MenuId chosen, const std::array<MenuId, 3>& group);

    Host& host_;
    Compositor compositor_;
    TimerScheduler scheduler_;
    Match match_;
    bool ended_ = false;
};

} // namespace gloob
