// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "full_screen.h"

#include <QAction>
#include <QEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QWidget>

namespace gloob {

FullScreen::FullScreen(QWidget& window, QMenu& menu) : QObject(&window), window_(window) {
    action_ = menu.addAction(QStringLiteral("Full Screen\tF11"));
    action_->setCheckable(true);
    connect(action_, &QAction::triggered, this, [this](bool checked) { set(checked); });
    window_.installEventFilter(this);
}

bool FullScreen::on() const {
    return window_.isFullScreen();
}

// Maximised stays maximised underneath, for the way back.
void FullScreen::set(bool on) {
    if (on != this->on()) {
        window_.setWindowState(window_.windowState() ^ Qt::WindowFullScreen);
    }
    action_->setChecked(on);
}

bool FullScreen::routeKey(const QKeyEvent& key) {
    const bool press = key.type() == QEvent::KeyPress;
    if (key.key() == Qt::Key_F11) {
        if (press && !key.isAutoRepeat()) {
            set(!on());
        }
        return true;
    }
    if (key.key() != Qt::Key_Escape) {
        return false;
    }
    if (escapeHeld_) {
        escapeHeld_ = press;
        return true;
    }
    if (press && on()) {
        escapeHeld_ = true;
        set(false);
        return true;
    }
    return false;
}

bool FullScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::WindowStateChange) {
        action_->setChecked(on());
    }
    return QObject::eventFilter(watched, event);
}

} // namespace gloob
