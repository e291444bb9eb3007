// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <QObject>

class QAction;
class QKeyEvent;
class QMenu;
class QWidget;

namespace gloob {

// Full screen for a window: a checkable item in a menu, F11 to switch and Esc
// to leave. The keys are shown on the item, not bound to it: the window's key
// routing hands them here, and they never reach the game.
class FullScreen final : public QObject {
public:
    FullScreen(QWidget& window, QMenu& menu);

    QAction* action() const { return action_; }
    bool on() const;
    void set(bool on);

    // Whether the key is full screen's own (and so nobody else's).
    bool routeKey(const QKeyEvent& key);

protected:
    // The window manager may change the state too: the check mark follows it.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    QWidget& window_;
    QAction* action_;
    // The Esc that left full screen is held: its repeats and release are ours too.
    bool escapeHeld_ = false;
};

} // namespace gloob
