// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/auto_repeat_filter.h"
#include "app/key_bindings.h"

#include <QObject>

#include <functional>

class QKeyEvent;
class QWidget;

namespace gloob {

class FullScreen;
class HeartbeatDriver;
struct GameEvent;

// The keyboard on its way to the game: the window's own keys (full screen,
// pause) first, then the players' keys by their places on the keyboard,
// through the auto-repeat filter. A key event enters the window once, and
// the keyboard going elsewhere stops both players.
class KeyRouter final : public QObject {
public:
    struct Hooks {
        std::function<void(const GameEvent&)> post;
        std::function<const KeyBindings&()> keys;
        // P or Pause was pressed.
        std::function<void()> pauseKey;
        // Another window or program took the keyboard.
        std::function<void()> keyboardLost;
    };

    KeyRouter(QWidget& window, FullScreen& fullScreen, HeartbeatDriver& driver, Hooks hooks);
    ~KeyRouter() override;

    // Hands the release held back, if any, to the game now.
    void flush() { filter_.flush(); }
    // At a delivery point: the release held back, once it cannot be a repeat.
    void deliveryPoint();
    // A new game hears nothing of the last one's keys.
    void discard() { filter_.discard(); }

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool route(const QKeyEvent& key);

    QWidget& window_;
    FullScreen& fullScreen_;
    HeartbeatDriver& driver_;
    Hooks hooks_;
    AutoRepeatFilter filter_;
};

} // namespace gloob
