// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include <QPoint>
#include <QRect>
#include <QSize>

namespace gloob {

// Where the court is drawn in a view, in device pixels: every court pixel a
// block of scale x scale device pixels, the court centred in the view.
struct CourtPlacement {
    int scale = 1;
    QPoint offset;

    bool operator==(const CourtPlacement&) const = default;
    // Court pixels as device pixels.
    QRect onDevice(const QRect& courtPixels) const;
    // The whole court on the device.
    QRect court() const;
    // The court pixels whose blocks lie at least partly in a device rectangle.
    QRect courtPixelsUnder(const QRect& device) const;
};

// The largest whole-number scale at which the court fits into a view of this
// logical size, at least 1, and centred there.
CourtPlacement placeCourt(QSize logicalSize, qreal devicePixelRatio);

// A view's logical size that holds the court at `scale` device pixels a court pixel.
QSize viewSizeAt(int scale, qreal devicePixelRatio);

// The scale a window opens at: the court at its written size in logical
// pixels, or the largest smaller scale at which the court with `chrome`
// around it (menu bar, frame) fits into the available area.
int openingScale(QSize available, QSize chrome, qreal devicePixelRatio);

// The smallest logical rectangle that covers a device rectangle, and back.
QRect toLogical(const QRect& device, qreal devicePixelRatio);
QRect toDevice(const QRect& logical, qreal devicePixelRatio);

} // namespace gloob
