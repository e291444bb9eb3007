// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "court_placement.h"
#include "scene/compositor.h"
#include "scene/raster.h"
#include "scene/scene.h"

#include <QFont>
#include <QPointer>
#include <QWidget>

#include <functional>
#include <vector>

namespace gloob {

// The client area: the composed court, drawn at the largest whole-number
// scale that fits and centred, the form's background colour around it. Only
// the places that changed since the last frame are composed and repainted.
class CourtView final : public QWidget {
public:
    CourtView(const Scene& scene, const Compositor& compositor, QWidget* parent = nullptr);

    // Shows another game's scene from now on.
    void setScene(const Scene& scene, const Compositor& compositor);

    // Whether the scene changed since the frame was last brought up to date.
    bool stale() const;
    // Composes what changed and repaints those places now.
    void showChanges();

    // "PAUSED" over the court; the game's own picture underneath is untouched.
    void setPaused(bool paused);
    bool showsPaused() const { return paused_; }

    // A child widget that sits on the court at these court pixels and is
    // scaled with it, font included.
    void placeOnCourt(QWidget* child, const PixelBox& box);
    // The size the view asks for: the court at this many device pixels a court pixel.
    void setPreferredScale(int scale);
    CourtPlacement placement() const;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    std::function<void()> onPainted;

protected:
    void paintEvent(QPaintEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;

private:
    // Where court pixel boxes are on the view, in logical pixels.
    static QRegion regionOf(std::vector<PixelBox> boxes, const CourtPlacement& place, qreal ratio);
    // Composes what changed; the places to repaint.
    QRegion compose(const CourtPlacement& place, qreal ratio);
    // Shows the changed places without a paint event, when it can.
    bool copyToWindow(const QRegion& changed, const CourtPlacement& place, qreal ratio);
    void placeChildren();
    void drawPaused(QPainter& painter, const CourtPlacement& place) const;

    struct OnCourt {
        QPointer<QWidget> widget;
        PixelBox box;
        QFont font;
    };

    const Scene* scene_;
    const Compositor* compositor_;
    ShownFrame frame_;
    bool paused_ = false;
    // Painting what showChanges has just composed: nothing else can have changed.
    bool composed_ = false;
    int preferredScale_ = 1;
    std::vector<OnCourt> onCourt_;
};

} // namespace gloob
