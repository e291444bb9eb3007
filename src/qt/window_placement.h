// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "app/host.h"

#include <QObject>
#include <QSize>

#include <functional>

class QMainWindow;

namespace gloob {

class CourtView;

// Where the window stands on the desktop, in the game's twips: the screen it
// may use, its outer frame, and moves the game asks for. The court opens at
// its written size, or as large as the screen takes it.
class WindowPlacement final : public QObject {
public:
    // Centres the window by the game's own rule.
    using Centre = std::function<void()>;

    WindowPlacement(QMainWindow& window, CourtView& court, Centre centre);
    ~WindowPlacement() override;

    // The court's scale for the screen, the window sized to it; `frame` is
    // the window manager's frame around it, once known.
    void fitToScreen(QSize frame = {});
    // A later game finds the window where the player put it.
    void setIgnoreMoves(bool ignore) { ignoreMoves_ = ignore; }

    TwipRect availableScreen() const;
    TwipRect outerFrame();
    void move(float leftTwips, float topTwips);

protected:
    // The game centred the window before it had a frame; once the window
    // manager has framed it, it is centred again by its real outer size.
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void recentreOnceFramed();

    QMainWindow& window_;
    CourtView& court_;
    Centre centre_;
    QSize centredFrameSize_;
    bool recentred_ = false;
    bool ignoreMoves_ = false;
};

} // namespace gloob
