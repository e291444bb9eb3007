#include "compositor.h"

#include <algorithm>

namespace gloob {

namespace {

bool isVisible(const Scene& scene, const Layer& layer) {
    switch (layer.kind) {
    case Layer::Kind::shape:
        return (scene.*layer.shape).Visible;
    case Layer::Kind::label:
        return (scene.*layer.label).Visible;
    case Layer::Kind::picture:
        break;
    }
    return (scene.*layer.picture).Visible;
}

PixelBox boxOf(const Scene& scene, const Layer& layer) {
    switch (layer.kind) {
    case Layer::Kind::shape:
        return (scene.*layer.shape).pixelBox();
    case Layer::Kind::label:
        return (scene.*layer.label).pixelBox();
    case Layer::Kind::picture:
        break;
    }
    return (scene.*layer.picture).pixelBox();
}

// A circle's diameter is the smaller side of its box, centred in the box; a
// pixel belongs to it when the pixel's centre lies within the radius.
bool circleCovers(const PixelBox& box, int x, int y) {
    const int d = std::min(box.width(), box.height());
    const double radius = d / 2.0;
    const double cx = box.x0 + (box.width() - d) / 2 + radius;
    const double cy = box.y0 + (box.height() - d) / 2 + radius;
    const double dx = x + 0.5 - cx;
    const double dy = y + 0.5 - cy;
    return dx * dx + dy * dy <= radius * radius;
}

} // namespace

Compositor::Compositor(const Scene& scene, const TextRasteriser& text, const Pictures& pictures)
    : scene_(scene), text_(text), pictures_(pictures) {}

const GlyphMask& Compositor::maskOf(const Label& label) const {
    auto cached = std::find_if(masks_.begin(), masks_.end(),
                               [&](const CachedMask& m) { return m.label == &label; });
    if (cached == masks_.end()) {
        masks_.push_back({&label, {}, {}});
        cached = masks_.end() - 1;
    } else if (cached->caption == label.Caption) {
        return cached->mask;
    }
    const PixelBox box = label.pixelBox();
    cached->caption = label.Caption;
    cached->mask = text_.rasterise(label.Caption, label.font, box.width(), box.height());
    return cached->mask;
}

bool Compositor::covers(const Layer& layer, int x, int y, std::uint32_t& rgb) const {
    switch (layer.kind) {
    case Layer::Kind::shape: {
        const Shape& shape = scene_.*layer.shape;
        if (shape.kind == ShapeKind::circle && !circleCovers(shape.pixelBox(), x, y)) {
            return false;
        }
        rgb = toRgb(shape.FillColor);
        return true;
    }
    case Layer::Kind::label: {
        const Label& label = scene_.*layer.label;
        const PixelBox box = label.pixelBox();
        const GlyphMask& mask = maskOf(label);
        const int mx = x - box.x0;
        const int my = y - box.y0;
        if (mx >= mask.width || my >= mask.height || !mask.at(mx, my)) {
            return false;
        }
        rgb = toRgb(label.ForeColor);
        return true;
    }
    case Layer::Kind::picture:
        break;
    }
    // Stretched to the box by nearest neighbour.
    const Picture& picture = scene_.*layer.picture;
    const RgbImage& image = pictures_.of(picture.picture);
    const PixelBox box = picture.pixelBox();
    if (image.width == 0 || image.height == 0) {
        return false;
    }
    const auto sx = static_cast<int>(static_cast<long>(x - box.x0) * image.width / box.width());
    const auto sy = static_cast<int>(static_cast<long>(y - box.y0) * image.height / box.height());
    rgb = image.at(sx, sy);
    return true;
}

Colour Compositor::Point(float x, float y) const {
    const int px = pixelOf(x);
    const int py = pixelOf(y);
    if (px < 0 || py < 0 || px >= clientWidthPixels || py >= clientHeightPixels) {
        return colours::outsideWindow;
    }
    for (const Layer& layer : stackingOrder) {
        std::uint32_t rgb = 0;
        if (isVisible(scene_, layer) && boxOf(scene_, layer).contains(px, py) &&
            covers(layer, px, py, rgb)) {
            return fromRgb(rgb);
        }
    }
    return scene_.BackColor;
}

void Compositor::render(RgbImage& frame) const {
    if (frame.width != clientWidthPixels || frame.height != clientHeightPixels) {
        frame = RgbImage(clientWidthPixels, clientHeightPixels);
    }
    std::fill(frame.pixels.begin(), frame.pixels.end(), toRgb(scene_.BackColor));
    for (auto layer = stackingOrder.rbegin(); layer != stackingOrder.rend(); ++layer) {
        if (!isVisible(scene_, *layer)) {
            continue;
        }
        const PixelBox box = boxOf(scene_, *layer);
        const int x0 = std::max(box.x0, 0);
        const int y0 = std::max(box.y0, 0);
        const int x1 = std::min(box.x1, frame.width);
        const int y1 = std::min(box.y1, frame.height);
        for (int y = y0; y < y1; ++y) {
            std::uint32_t* row = &frame.at(0, y);
            for (int x = x0; x < x1; ++x) {
                std::uint32_t rgb = 0;
                if (covers(*layer, x, y, rgb)) {
                    row[x] = rgb;
                }
            }
        }
    }
}

} // namespace gloob
