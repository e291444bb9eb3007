// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "court_placement.h"

#include "scene/twips.h"

#include <algorithm>
#include <cmath>

namespace gloob {

namespace {

// Device sizes come from products such as 376 x 2.0 that should be whole:
// the tolerance keeps a rounding error from costing or adding a pixel.
constexpr double tolerance = 1e-6;

int floorOf(double value) {
    return static_cast<int>(std::floor(value + tolerance));
}

int ceilOf(double value) {
    return static_cast<int>(std::ceil(value - tolerance));
}

// floor(a / b) for a possibly negative a and a positive b.
int floorDiv(int a, int b) {
    return a >= 0 ? a / b : -((-a + b - 1) / b);
}

} // namespace

QRect CourtPlacement::onDevice(const QRect& courtPixels) const {
    return {offset.x() + courtPixels.x() * scale, offset.y() + courtPixels.y() * scale,
            courtPixels.width() * scale, courtPixels.height() * scale};
}

QRect CourtPlacement::court() const {
    return onDevice({0, 0, clientWidthPixels, clientHeightPixels});
}

QRect CourtPlacement::courtPixelsUnder(const QRect& device) const {
    const int x0 = std::max(0, floorDiv(device.left() - offset.x(), scale));
    const int y0 = std::max(0, floorDiv(device.top() - offset.y(), scale));
    const int x1 = std::min(clientWidthPixels, floorDiv(device.right() - offset.x(), scale) + 1);
    const int y1 = std::min(clientHeightPixels, floorDiv(device.bottom() - offset.y(), scale) + 1);
    return x1 > x0 && y1 > y0 ? QRect(x0, y0, x1 - x0, y1 - y0) : QRect();
}

CourtPlacement placeCourt(QSize logicalSize, qreal devicePixelRatio) {
    const int width = floorOf(logicalSize.width() * devicePixelRatio);
    const int height = floorOf(logicalSize.height() * devicePixelRatio);
    const int scale = std::max(1, std::min(width / clientWidthPixels, height / clientHeightPixels));
    return {scale,
            {(width - clientWidthPixels * scale) / 2, (height - clientHeightPixels * scale) / 2}};
}

QSize viewSizeAt(int scale, qreal devicePixelRatio) {
    return {ceilOf(clientWidthPixels * scale / devicePixelRatio),
            ceilOf(clientHeightPixels * scale / devicePixelRatio)};
}

int openingScale(QSize available, QSize chrome, qreal devicePixelRatio) {
    int scale = std::max(1, floorOf(devicePixelRatio));
    while (scale > 1) {
        const QSize window = viewSizeAt(scale, devicePixelRatio) + chrome;
        if (window.width() <= available.width() && window.height() <= available.height()) {
            break;
        }
        --scale;
    }
    return scale;
}

QRect toLogical(const QRect& device, qreal devicePixelRatio) {
    const int x0 = floorOf(device.x() / devicePixelRatio);
    const int y0 = floorOf(device.y() / devicePixelRatio);
    const int x1 = ceilOf((device.x() + device.width()) / devicePixelRatio);
    const int y1 = ceilOf((device.y() + device.height()) / devicePixelRatio);
    return {x0, y0, x1 - x0, y1 - y0};
}

QRect toDevice(const QRect& logical, qreal devicePixelRatio) {
    const int x0 = floorOf(logical.x() * devicePixelRatio);
    const int y0 = floorOf(logical.y() * devicePixelRatio);
    const int x1 = ceilOf((logical.x() + logical.width()) * devicePixelRatio);
    const int y1 = ceilOf((logical.y() + logical.height()) * devicePixelRatio);
    return {x0, y0, x1 - x0, y1 - y0};
}

} // namespace gloob
