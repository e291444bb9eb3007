// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <QObject>
#include <QPointer>
#include <QWidget>

class QAction;
class QKeyEvent;
class QMenu;
class QMenuBar;

namespace gloob {

// Full screen for a window: a checkable item in a menu, F11 to switch and Esc
// to leave. The court takes the whole screen: the menu bar is hidden until
// F10 or Alt on its own opens its first menu, and hidden again once the menu
// closes. The keys are shown on the item, not bound to it: the window's key
// routing hands them here, and they never reach the game.
class FullScreen final : public QObject {
public:
    FullScreen(QWidget& window, QMenu& menu, QMenuBar& bar);

    QAction* action() const { return action_; }
    bool on() const;
    void set(bool on);

    // Whether the key is full screen's own (and so nobody else's). A key
    // that plays a player's control stays the player's.
    bool routeKey(const QKeyEvent& key, bool playersKey);

protected:
    // The window manager may change the state too: the check mark and the
    // menu bar follow it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    bool routeMenuKey(const QKeyEvent& key, bool playersKey);
    void openMenuBar();
    void hideMenuBarOnceClosed();

    QWidget& window_;
    QMenuBar& bar_;
    QAction* action_;
    // The Esc that left full screen is held: its repeats and release are ours too.
    bool escapeHeld_ = false;
    // F10 or Alt was taken as it went down: its repeats and release are ours too.
    int menuKeyHeld_ = 0;
    // Alt opens the menus on its release, unless another key went with it.
    bool altAlone_ = false;
    bool barOpened_ = false;
    QPointer<QWidget> focusBeforeMenus_;
};

} // namespace gloob
