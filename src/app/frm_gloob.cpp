// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "frm_gloob.h"

#include "heartbeat.h"
#include "match/int16_arith.h"
#include "match/steps.h"

#include <algorithm>

namespace gloob {

FrmGloob::FrmGloob(Host& host, const TextRasteriser& text, const Pictures& pictures)
    : host_(host), compositor_(scene, text, pictures), scheduler_(scene),
      match_(scene, state, serve, *this) {
    // Every timer runs from the moment the window is made.
    const std::int64_t now = host_.clock().nowMicros();
    for (TimerId timer : timersInDispatchOrder) {
        scheduler_.arm(timer, now);
    }
}

void FrmGloob::Form_Load() {
    centreOnScreen();
    state.serveSpeedY = steps::serveY;
    state.player1HomeLeft = toInt16(scene.shpGloob1.Left);
    state.player1BaseHomeLeft = toInt16(scene.shpBase1.Left);
    state.player2HomeLeft = toInt16(scene.shpGloob2.Left);
    state.player2BaseHomeLeft = toInt16(scene.shpBase2.Left);
    state.ballHomeLeft = toInt16(scene.shpBall.Left);
    state.ballHomeTop = toInt16(scene.shpBall.Top);
    setInterval(TimerId::tmrMain, 0); // no main tick before Play!
    state.player1HomeTop = toInt16(scene.shpGloob1.Top);
    state.player2HomeTop = toInt16(scene.shpGloob2.Top);
}

// Centred by the outer frame. A window larger than the screen keeps its
// top-left corner (and so its title bar) on the screen.
void FrmGloob::centreOnScreen() {
    const TwipRect screen = host_.availableScreen();
    const TwipRect frame = host_.windowOuterFrame();
    const float left = screen.left + (screen.width - frame.width) / 2.0f;
    const float top = screen.top + (screen.height - frame.height) / 2.0f;
    host_.moveWindow(std::max(left, screen.left), std::max(top, screen.top));
}

void FrmGloob::Form_KeyDown(std::int16_t keyCode, std::int16_t shift) {
    if (!ended_) {
        match_.Form_KeyDown(keyCode, shift);
    }
}

void FrmGloob::Form_KeyUp(std::int16_t keyCode, std::int16_t shift) {
    if (!ended_) {
        match_.Form_KeyUp(keyCode, shift);
    }
}

void FrmGloob::Form_LostFocus() {
    if (!ended_) {
        match_.stopPlayers();
    }
}

void FrmGloob::cmdPlay_Click() {
    if (takesClicks(scene.cmdPlay)) {
        match_.cmdPlay_Click();
    }
}

void FrmGloob::cmdExit_Click() {
    if (takesClicks(scene.cmdExit)) {
        endProgram();
    }
}

bool FrmGloob::handles(const GameEvent& event) const {
    switch (event.kind) {
    case EventKind::clickPlay:
        return takesClicks(scene.cmdPlay);
    case EventKind::clickExit:
        return takesClicks(scene.cmdExit);
    case EventKind::end:
    case EventKind::bot:
        return false;
    case EventKind::keyDown:
    case EventKind::keyUp:
    case EventKind::menu:
    case EventKind::focusOut:
    case EventKind::serve:
        break;
    }
    return !ended_;
}

void FrmGloob::handle(const GameEvent& event) {
    // Key codes travel as the 16-bit values the key handlers take.
    const auto keyCode = static_cast<std::int16_t>(event.keyCode);
    switch (event.kind) {
    case EventKind::keyDown:
        return Form_KeyDown(keyCode, 0);
    case EventKind::keyUp:
        return Form_KeyUp(keyCode, 0);
    case EventKind::clickPlay:
        return cmdPlay_Click();
    case EventKind::clickExit:
        return cmdExit_Click();
    case EventKind::menu:
        return menuClick(event.menuItem);
    case EventKind::focusOut:
        return Form_LostFocus();
    case EventKind::serve:
        // Who serves the rally under way stays; the rule decides the next.
        serve.rule = event.serveRule;
        return;
    case EventKind::end:
    case EventKind::bot:
        break;
    }
}

void FrmGloob::Form_Close() {
    endProgram();
}

int FrmGloob::heartbeat() {
    return dispatchTimers(heartbeatAtOrBefore(host_.clock().nowMicros()));
}

int FrmGloob::dispatchTimers(std::int64_t heartbeatMicros) {
    if (ended_) {
        return 0;
    }
    return scheduler_.dispatch(heartbeatMicros, [this](TimerId timer) { fire(timer); });
}

void FrmGloob::fire(TimerId timer) {
    host_.timerEntered(timer);
    switch (timer) {
    case TimerId::tmrMain:
        match_.tmrMain_Timer();
        break;
    case TimerId::tmrBall:
        match_.tmrBall_Timer();
        break;
    case TimerId::tmrJump1:
        match_.tmrJump1_Timer();
        break;
    case TimerId::tmrJump2:
        match_.tmrJump2_Timer();
        break;
    }
    host_.timerHandled(timer);
}

void FrmGloob::setInterval(TimerId timer, std::int32_t milliseconds) {
    scene.timer(timer).Interval = milliseconds;
    scheduler_.arm(timer, host_.clock().nowMicros());
}

void FrmGloob::endProgram() {
    if (!ended_) {
        ended_ = true;
        host_.endProgram();
    }
    throw RunEnded{RunEnded::Reason::programEnded};
}

} // namespace gloob
