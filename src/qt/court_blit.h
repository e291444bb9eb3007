// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "court_placement.h"
#include "scene/raster.h"

#include <QBackingStore>
#include <QImage>
#include <QPoint>
#include <QRect>
#include <QWidget>

namespace gloob {

// The window's own buffer, when it is a 32-bit image at a whole-number
// ratio that the court can be copied into; otherwise null. The image and
// where the widget's top left lies in it, in its pixels.
struct WindowImage {
    QImage* image = nullptr;
    QPoint origin;
};
WindowImage windowImageOf(QBackingStore& store, const QWidget& widget);

// Copies the court pixels under a rectangle of the widget's device pixels
// into the image, each a block of scale x scale, opaque.
void blitCourt(const WindowImage& target, const CourtPlacement& place, const RgbImage& frame,
               const QRect& device);

} // namespace gloob
