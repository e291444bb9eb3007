// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "window_placement.h"

#include "court_placement.h"
#include "court_view.h"
#include "scene/twips.h"

#include <QEvent>
#include <QGuiApplication>
#include <QMainWindow>
#include <QMenuBar>
#include <QScreen>
#include <QWindow>

#include <cmath>

namespace gloob {

namespace {

float twips(int pixels) {
    return static_cast<float>(pixels * twipsPerPixel);
}

const QScreen* screenOf(const QWidget& window) {
    return window.screen() != nullptr ? window.screen() : QGuiApplication::primaryScreen();
}

} // namespace

WindowPlacement::WindowPlacement(QMainWindow& window, CourtView& court, Centre centre)
    : window_(window), court_(court), centre_(std::move(centre)) {
    window_.installEventFilter(this);
}

WindowPlacement::~WindowPlacement() {
    window_.removeEventFilter(this);
}

bool WindowPlacement::eventFilter(QObject* watched, QEvent* event) {
    const auto type = event->type();
    if (watched == &window_ &&
        (type == QEvent::Show || type == QEvent::Move || type == QEvent::Resize)) {
        recentreOnceFramed();
    }
    return false;
}

void WindowPlacement::fitToScreen(QSize frame) {
    const int menuBar = window_.menuBar()->sizeHint().height();
    court_.setPreferredScale(openingScale(screenOf(window_)->availableGeometry().size(),
                                          frame + QSize(0, menuBar), window_.devicePixelRatioF()));
    window_.resize(court_.sizeHint() + QSize(0, menuBar));
}

void WindowPlacement::recentreOnceFramed() {
    if (recentred_ || !window_.isVisible()) {
        return;
    }
    const QWindow* handle = window_.windowHandle();
    recentred_ = handle != nullptr && !handle->frameMargins().isNull();
    if (recentred_) {
        const QMargins frame = handle->frameMargins();
        fitToScreen({frame.left() + frame.right(), frame.top() + frame.bottom()});
    }
    const QSize used = centredFrameSize_;
    const TwipRect frame = outerFrame();
    if (frame.width != twips(used.width()) || frame.height != twips(used.height())) {
        centre_();
    }
}

TwipRect WindowPlacement::availableScreen() const {
    const QRect area = screenOf(window_)->availableGeometry();
    return {twips(area.x()), twips(area.y()), twips(area.width()), twips(area.height())};
}

// Before the window manager has framed the window its margins are zero, and
// this is the bare window.
TwipRect WindowPlacement::outerFrame() {
    QMargins margins;
    if (const QWindow* handle = window_.windowHandle()) {
        margins = handle->frameMargins();
    }
    const QRect frame = window_.geometry().marginsAdded(margins);
    centredFrameSize_ = frame.size();
    return {twips(frame.x()), twips(frame.y()), twips(frame.width()), twips(frame.height())};
}

void WindowPlacement::move(float leftTwips, float topTwips) {
    if (ignoreMoves_) {
        return;
    }
    // Qt places a top-level window by its frame, as the game means it.
    window_.move(static_cast<int>(std::lround(leftTwips / twipsPerPixel)),
                 static_cast<int>(std::lround(topTwips / twipsPerPixel)));
}

} // namespace gloob
