// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "court_blit.h"

#include <algorithm>
#include <cmath>
#include <cstring>

namespace gloob {

WindowImage windowImageOf(QBackingStore& store, const QWidget& widget) {
    QPaintDevice* const device = store.paintDevice();
    if (device == nullptr || device->devType() != QInternal::Image) {
        return {};
    }
    auto* const image = static_cast<QImage*>(device);
    // Written to, a shared image would be copied first, away from the screen.
    if (!image->isDetached()) {
        return {};
    }
    const qreal ratio = image->devicePixelRatio();
    const QImage::Format format = image->format();
    if (ratio != std::round(ratio) ||
        (format != QImage::Format_RGB32 && format != QImage::Format_ARGB32 &&
         format != QImage::Format_ARGB32_Premultiplied)) {
        return {};
    }
    return {image, widget.mapTo(widget.window(), QPoint()) * static_cast<int>(ratio)};
}

void blitCourt(const WindowImage& target, const CourtPlacement& place, const RgbImage& frame,
               const QRect& device) {
    const QRect court = place.court();
    const QRect into = (device & court).translated(target.origin) & target.image->rect();
    if (into.isEmpty()) {
        return;
    }
    const int scale = place.scale;
    // Opaque whichever 32-bit format the window has.
    constexpr std::uint32_t opaque = 0xFF000000u;
    // How far into the court the rows start, in device pixels.
    const int fromLeft = into.left() - target.origin.x() - court.x();
    const int width = into.width();
    uchar* const bits = target.image->bits();
    const qsizetype stride = target.image->bytesPerLine();
    const std::uint32_t* previousFrom = nullptr;
    const std::uint32_t* previousTo = nullptr;
    for (int y = into.top(); y <= into.bottom(); ++y) {
        const int courtY = (y - target.origin.y() - court.y()) / scale;
        const std::uint32_t* from =
            frame.pixels.data() + static_cast<std::size_t>(courtY) * frame.width + fromLeft / scale;
        auto* to = reinterpret_cast<std::uint32_t*>(bits + y * stride) + into.left();
        // The rows of one block are alike.
        if (from == previousFrom) {
            std::memcpy(to, previousTo, static_cast<std::size_t>(width) * sizeof *to);
            continue;
        }
        previousFrom = from;
        previousTo = to;
        if (scale == 1) {
            for (int x = 0; x < width; ++x) {
                to[x] = from[x] | opaque;
            }
            continue;
        }
        int x = 0;
        for (int inBlock = fromLeft % scale; x < width; inBlock = 0) {
            const std::uint32_t rgb = *from++ | opaque;
            for (const int end = std::min(x + scale - inBlock, width); x < end; ++x) {
                to[x] = rgb;
            }
        }
    }
}

} // namespace gloob
