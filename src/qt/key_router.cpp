// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "key_router.h"

#include "app/game_event.h"
#include "full_screen.h"
#include "heartbeat_driver.h"
#include "key_codes.h"

#include <QApplication>
#include <QFocusEvent>
#include <QKeyEvent>
#include <QWidget>
#include <QWindow>

namespace gloob {

namespace {

// Where the keyboard went when a widget of the window lost it: to another
// window, to an open menu, or to nowhere.
bool keyboardLeftWindow(const QFocusEvent& event, const QWidget* window) {
    if (event.reason() == Qt::ActiveWindowFocusReason || event.reason() == Qt::PopupFocusReason) {
        return true;
    }
    const QWidget* next = QApplication::focusWidget();
    return next == nullptr || next->window() != window;
}

bool isPauseKey(int qtKey) {
    return qtKey == Qt::Key_P || qtKey == Qt::Key_Pause;
}

} // namespace

KeyRouter::KeyRouter(QWidget& window, FullScreen& fullScreen, HeartbeatDriver& driver, Hooks hooks)
    : window_(window), fullScreen_(fullScreen), driver_(driver), hooks_(std::move(hooks)),
      filter_([this](const KeyEvent& key) {
          const auto code = static_cast<std::uint16_t>(key.keyCode);
          hooks_.post(key.down ? GameEvent::keyDown(code) : GameEvent::keyUp(code));
      }) {
    qApp->installEventFilter(this);
}

KeyRouter::~KeyRouter() {
    qApp->removeEventFilter(this);
}

bool KeyRouter::eventFilter(QObject* watched, QEvent* event) {
    switch (event->type()) {
    case QEvent::KeyPress:
    case QEvent::KeyRelease:
        // A key event enters the window once, at its QWindow; past that Qt
        // hands an ignored key to every parent of the focused widget in turn.
        if (watched == window_.windowHandle() && QApplication::activePopupWidget() == nullptr &&
            QApplication::activeModalWidget() == nullptr) {
            return route(*static_cast<QKeyEvent*>(event));
        }
        break;
    case QEvent::FocusOut:
        if (watched != &window_ && watched->isWidgetType() &&
            static_cast<QWidget*>(watched)->window() == &window_ &&
            keyboardLeftWindow(*static_cast<QFocusEvent*>(event), &window_)) {
            // Held keys will never report their release now: stop both players.
            filter_.flush();
            hooks_.post(GameEvent::of(EventKind::focusOut));
        }
        break;
    case QEvent::WindowDeactivate:
        if (watched == &window_) {
            filter_.flush();
            hooks_.post(GameEvent::of(EventKind::focusOut));
            hooks_.keyboardLost();
        }
        break;
    default:
        break;
    }
    return false;
}

void KeyRouter::deliveryPoint() {
    filter_.deliveryPoint(driver_.realMicros());
}

bool KeyRouter::route(const QKeyEvent& key) {
    if (fullScreen_.routeKey(key, hooks_.keys().controlOf(physicalKeyOf(key)).has_value())) {
        return true;
    }
    // The pause keys belong to the window and never reach the game.
    if (isPauseKey(key.key())) {
        if (key.type() == QEvent::KeyPress && !key.isAutoRepeat()) {
            hooks_.pauseKey();
        }
        return true;
    }
    // The game's keys are places on the keyboard, whatever the layout prints on them.
    const std::uint16_t gameKey = hooks_.keys().gameKeyCode(physicalKeyOf(key));
    const auto code = static_cast<std::int16_t>(gameKey);
    const std::int16_t shift = shiftStateOf(key.modifiers());
    if (key.type() == QEvent::KeyPress) {
        // While paused a press is not handed on; a release is, once play goes on.
        if (!driver_.paused()) {
            driver_.timing().keyArrived(driver_.realMicros(), gameKey);
            filter_.press(code, shift);
        }
    } else {
        filter_.release(code, shift, key.isAutoRepeat(), driver_.realMicros());
    }
    return keepFromButtons(key.key(), gameKey);
}

} // namespace gloob
