// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "full_screen.h"

#include <QAction>
#include <QApplication>
#include <QCoreApplication>
#include <QEvent>
#include <QKeyEvent>
#include <QLayout>
#include <QMenu>
#include <QMenuBar>
#include <QTimer>
#include <QWidget>

namespace gloob {

FullScreen::FullScreen(QWidget& window, QMenu& menu, QMenuBar& bar)
    : QObject(&window), window_(window), bar_(bar) {
    action_ = menu.addAction(QCoreApplication::translate("FullScreen", "Full Screen\tF11"));
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

bool FullScreen::routeKey(const QKeyEvent& key, bool playersKey) {
    const bool press = key.type() == QEvent::KeyPress;
    if (key.key() == Qt::Key_F11) {
        if (press && !key.isAutoRepeat()) {
            set(!on());
        }
        return true;
    }
    if (routeMenuKey(key, playersKey)) {
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

// F10 opens the menus as it goes down; Alt as it comes up, so that Alt with
// another key stays a shortcut and opens nothing.
bool FullScreen::routeMenuKey(const QKeyEvent& key, bool playersKey) {
    const bool press = key.type() == QEvent::KeyPress;
    const bool menuKey = key.key() == Qt::Key_F10 || key.key() == Qt::Key_Alt;
    if (menuKeyHeld_ != 0 && key.key() == menuKeyHeld_) {
        if (!press) {
            menuKeyHeld_ = 0;
            if (key.key() == Qt::Key_Alt && altAlone_ && on()) {
                openMenuBar();
            }
        }
        return true;
    }
    if (!press || key.isAutoRepeat()) {
        return false;
    }
    if (!menuKey || !on() || playersKey || menuKeyHeld_ != 0) {
        altAlone_ = false;
        return false;
    }
    menuKeyHeld_ = key.key();
    altAlone_ = key.key() == Qt::Key_Alt;
    if (key.key() == Qt::Key_F10) {
        openMenuBar();
    }
    return true;
}

void FullScreen::openMenuBar() {
    const QList<QAction*> titles = bar_.actions();
    if (titles.isEmpty()) {
        return;
    }
    barOpened_ = true;
    focusBeforeMenus_ = QApplication::focusWidget();
    bar_.show();
    window_.layout()->activate();
    for (QAction* title : titles) {
        if (title->menu() != nullptr) {
            title->menu()->installEventFilter(this);
        }
    }
    bar_.setActiveAction(titles.first());
}

// Going from one menu to the next closes one before it opens the other: the
// bar goes only once no menu is open.
void FullScreen::hideMenuBarOnceClosed() {
    QTimer::singleShot(0, this, [this] {
        if (barOpened_ && QApplication::activePopupWidget() == nullptr) {
            barOpened_ = false;
            menuKeyHeld_ = 0;
            bar_.setVisible(!on());
            // Enter or Space starts the next match again, as before the menus.
            if (focusBeforeMenus_ != nullptr && window_.isActiveWindow()) {
                focusBeforeMenus_->setFocus(Qt::OtherFocusReason);
            }
        }
    });
}

bool FullScreen::eventFilter(QObject* watched, QEvent* event) {
    if (watched == &window_ && event->type() == QEvent::WindowStateChange) {
        action_->setChecked(on());
        barOpened_ = false;
        bar_.setVisible(!on());
    } else if (watched == &window_ && event->type() == QEvent::WindowDeactivate) {
        // Alt+Tab: the release goes to another window.
        menuKeyHeld_ = 0;
    } else if (barOpened_ && event->type() == QEvent::Hide && watched != &window_) {
        hideMenuBarOnceClosed();
    }
    return QObject::eventFilter(watched, event);
}

} // namespace gloob
