#include "compositor.h"

#include <algorithm>

namespace gloob {

namespace {

struct TwipBox {
    float left, top, width, height;
    bool visible;
};

TwipBox twipBoxOf(const Scene& scene, const Layer& layer) {
    switch (layer.kind) {
    case Layer::Kind::shape: {
        const Shape& s = scene.*layer.shape;
        return {s.Left, s.Top, s.Width, s.Height, s.Visible};
    }
    case Layer::Kind::label: {
        const Label& l = scene.*layer.label;
        return {l.Left, l.Top, l.Width, l.Height, l.Visible};
    }
    case Layer::Kind::picture:
        break;
    }
    const Picture& p = scene.*layer.picture;
    return {p.Left, p.Top, p.Width, p.Height, p.Visible};
}

// Pixel n lies in [pixelOf(start), pixelOf(start + size)) exactly when its
// right edge, 15 (n + 1) twips, lies in (start, start + size]: the same
// mapping without a division.
bool spans(float start, float size, int pixel) {
    const float end = start + size;
    const auto edge = static_cast<float>((pixel + 1) * twipsPerPixel);
    return start < edge && edge <= end;
}

// floor(i * from / to) for i < 2^16 as a multiply and a shift: exact, since
// the rounding error stays far below the gap between two fractions of 'to'.
std::uint64_t fixedPointStep(int from, int to) {
    return ((std::uint64_t{static_cast<std::uint32_t>(from)} << 32) +
            static_cast<std::uint64_t>(to) - 1) /
           static_cast<std::uint64_t>(to);
}

} // namespace

Compositor::Compositor(const Scene& scene, const TextRasteriser& text, const Pictures& pictures)
    : scene_(scene), text_(text), pictures_(pictures), masks_(slotPerLabel()) {}

std::vector<Compositor::CachedMask> Compositor::slotPerLabel() {
    std::vector<CachedMask> slots;
    for (const Layer& layer : stackingOrder) {
        if (layer.kind == Layer::Kind::label) {
            CachedMask& slot = slots.emplace_back();
            slot.label = layer.label;
        }
    }
    return slots;
}

const GlyphMask& Compositor::maskOf(Label Scene::*member) const {
    const auto cached = std::find_if(masks_.begin(), masks_.end(),
                                     [&](const CachedMask& m) { return m.label == member; });
    const Label& label = scene_.*member;
    if (!cached->drawn || cached->caption != label.Caption) {
        const PixelBox box = label.pixelBox();
        cached->caption = label.Caption;
        cached->mask = text_.rasterise(label.Caption, label.font, box.width(), box.height());
        cached->drawn = true;
    }
    return cached->mask;
}

Compositor::Footprint Compositor::footprintOf(const Layer& layer) const {
    const TwipBox twips = twipBoxOf(scene_, layer);
    Footprint f{layer.kind, pixelBoxOf(twips.left, twips.top, twips.width, twips.height)};
    switch (layer.kind) {
    case Layer::Kind::shape: {
        const Shape& shape = scene_.*layer.shape;
        f.rgb = toRgb(shape.FillColor);
        if (shape.kind == ShapeKind::circle) {
            // The smaller side of the box, centred in it.
            f.circle = true;
            f.diameter = std::min(f.box.width(), f.box.height());
            f.centreX2 = 2 * (f.box.x0 + (f.box.width() - f.diameter) / 2) + f.diameter;
            f.centreY2 = 2 * (f.box.y0 + (f.box.height() - f.diameter) / 2) + f.diameter;
        }
        break;
    }
    case Layer::Kind::label: {
        const Label& label = scene_.*layer.label;
        f.rgb = toRgb(label.ForeColor);
        f.mask = &maskOf(layer.label);
        break;
    }
    case Layer::Kind::picture: {
        f.image = &pictures_.of((scene_.*layer.picture).picture);
        if (f.box.width() > 0 && f.box.height() > 0) {
            f.stepX = fixedPointStep(f.image->width, f.box.width());
            f.stepY = fixedPointStep(f.image->height, f.box.height());
        }
        break;
    }
    }
    return f;
}

bool Compositor::covers(const Footprint& f, int x, int y, std::uint32_t& rgb) {
    switch (f.kind) {
    case Layer::Kind::shape:
        if (f.circle) {
            // The pixel's centre within the radius, in half pixels.
            const int dx = 2 * x + 1 - f.centreX2;
            const int dy = 2 * y + 1 - f.centreY2;
            if (dx * dx + dy * dy > f.diameter * f.diameter) {
                return false;
            }
        }
        rgb = f.rgb;
        return true;
    case Layer::Kind::label: {
        const int mx = x - f.box.x0;
        const int my = y - f.box.y0;
        if (mx >= f.mask->width || my >= f.mask->height || !f.mask->at(mx, my)) {
            return false;
        }
        rgb = f.rgb;
        return true;
    }
    case Layer::Kind::picture:
        break;
    }
    if (f.image->width == 0 || f.image->height == 0) {
        return false;
    }
    // Stretched to the box by nearest neighbour.
    const auto sx = static_cast<int>((static_cast<std::uint64_t>(x - f.box.x0) * f.stepX) >> 32);
    const auto sy = static_cast<int>((static_cast<std::uint64_t>(y - f.box.y0) * f.stepY) >> 32);
    rgb = f.image->at(sx, sy);
    return true;
}

Colour Compositor::Point(float x, float y) const {
    const int px = pixelOf(x);
    const int py = pixelOf(y);
    if (px < 0 || py < 0 || px >= clientWidthPixels || py >= clientHeightPixels) {
        return colours::outsideWindow;
    }
    for (const Layer& layer : stackingOrder) {
        const TwipBox twips = twipBoxOf(scene_, layer);
        if (!twips.visible || !spans(twips.left, twips.width, px) ||
            !spans(twips.top, twips.height, py)) {
            continue;
        }
        std::uint32_t rgb = 0;
        if (covers(footprintOf(layer), px, py, rgb)) {
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
        if (!twipBoxOf(scene_, *layer).visible) {
            continue;
        }
        const Footprint footprint = footprintOf(*layer);
        const int x0 = std::max(footprint.box.x0, 0);
        const int y0 = std::max(footprint.box.y0, 0);
        const int x1 = std::min(footprint.box.x1, frame.width);
        const int y1 = std::min(footprint.box.y1, frame.height);
        // One loop per kind, so that the coverage test inlines for that kind alone.
        const auto fill = [&](Layer::Kind kind) {
            Footprint f = footprint;
            f.kind = kind;
            for (int y = y0; y < y1; ++y) {
                std::uint32_t* row = &frame.at(0, y);
                for (int x = x0; x < x1; ++x) {
                    std::uint32_t rgb = 0;
                    if (covers(f, x, y, rgb)) {
                        row[x] = rgb;
                    }
                }
            }
        };
        switch (footprint.kind) {
        case Layer::Kind::shape:
            fill(Layer::Kind::shape);
            break;
        case Layer::Kind::label:
            fill(Layer::Kind::label);
            break;
        case Layer::Kind::picture:
            fill(Layer::Kind::picture);
            break;
        }
    }
}

} // namespace gloob
