// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#include "compositor.h"

#include <algorithm>

namespace gloob {

namespace {

// Pixel n lies in [pixelOf(start), pixelOf(start + size)) exactly when its
// right edge, 15 (n + 1) twips, lies in (start, start + size]: the same
// mapping without a division.
float farEdgeOf(int pixel) {
    return static_cast<float>((pixel + 1) * twipsPerPixel);
}
bool spans(float start, float size, float edge) {
    return start < edge && edge <= start + size;
}

// floor(i * from / to) for i < 2^16 as a multiply and a shift: exact, since
// the rounding error stays far below the gap between two fractions of 'to'.
std::uint64_t fixedPointStep(int from, int to) {
    return ((std::uint64_t{static_cast<std::uint32_t>(from)} << 32) +
            static_cast<std::uint64_t>(to) - 1) /
           static_cast<std::uint64_t>(to);
}

// A row's run of one colour, eight words a step: the compiler makes vector
// stores of those, where it leaves a plain loop (std::fill too) one word at a
// time, and filling runs is most of a heartbeat's redraw.
void fillRun(std::uint32_t* first, std::uint32_t* last, std::uint32_t rgb) {
    for (; last - first >= 8; first += 8) {
        first[0] = rgb;
        first[1] = rgb;
        first[2] = rgb;
        first[3] = rgb;
        first[4] = rgb;
        first[5] = rgb;
        first[6] = rgb;
        first[7] = rgb;
    }
    for (; first != last; ++first) {
        *first = rgb;
    }
}

// Whether two runs of n words are equal, eight at a time without a branch:
// a tile's row is too short for a call to memcmp to pay.
bool sameWords(const std::uint32_t* a, const std::uint32_t* b, int n) {
    std::uint32_t differ = 0;
    int i = 0;
    for (; i + 8 <= n; i += 8) {
        for (int k = 0; k < 8; ++k) {
            differ |= a[i + k] ^ b[i + k];
        }
    }
    for (; i < n; ++i) {
        differ |= a[i] ^ b[i];
    }
    return differ == 0;
}

} // namespace

Compositor::Compositor(const Scene& scene, const TextRasteriser& text, const Pictures& pictures)
    : scene_(scene), placed_(placedLayersOf(scene)), text_(text), pictures_(pictures),
      masks_(slotPerLabel()) {
    for (std::size_t i = 0; i < placed_.size(); ++i) {
        walked_.push_back(walkedOf(i));
    }
}

std::array<Compositor::PlacedLayer, stackingOrder.size()>
Compositor::placedLayersOf(const Scene& scene) {
    std::array<PlacedLayer, stackingOrder.size()> placed{};
    const auto place = [](const Layer& layer, const auto& control) {
        return PlacedLayer{&layer,         &control.Left,   &control.Top,
                           &control.Width, &control.Height, &control.Visible};
    };
    for (std::size_t i = 0; i < stackingOrder.size(); ++i) {
        const Layer& layer = stackingOrder[i];
        switch (layer.kind) {
        case Layer::Kind::shape:
            placed[i] = place(layer, scene.*layer.shape);
            break;
        case Layer::Kind::label:
            placed[i] = place(layer, scene.*layer.label);
            break;
        case Layer::Kind::picture:
            placed[i] = place(layer, scene.*layer.picture);
            break;
        }
    }
    return placed;
}

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

Compositor::Footprint Compositor::footprintOf(const PlacedLayer& placed) const {
    const Layer& layer = *placed.layer;
    Footprint f{layer.kind, placed.pixelBox()};
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

bool Compositor::shapeCovers(const Footprint& f, int x, int y) {
    if (!f.circle) {
        return true;
    }
    // The pixel's centre within the radius, in half pixels.
    const int dx = 2 * x + 1 - f.centreX2;
    const int dy = 2 * y + 1 - f.centreY2;
    return dx * dx + dy * dy <= f.diameter * f.diameter;
}

bool Compositor::covers(const Footprint& f, int x, int y, std::uint32_t& rgb) {
    switch (f.kind) {
    case Layer::Kind::shape:
        if (!shapeCovers(f, x, y)) {
            return false;
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
    const float edgeX = farEdgeOf(px);
    const float edgeY = farEdgeOf(py);
    std::uint32_t rgb = 0;
    const auto coveredBy = [&](const PlacedLayer& placed) {
        return *placed.visible && spans(*placed.left, *placed.width, edgeX) &&
               spans(*placed.top, *placed.height, edgeY) &&
               covers(footprintOf(placed), px, py, rgb);
    };
    const std::uint8_t still =
        stillTop_.empty() ? noStillShape
                          : stillTop_[static_cast<std::size_t>(py * clientWidthPixels + px)];
    for (const WalkedLayer& walked : walked_) {
        if (walked.index > still) {
            break;
        }
        // Spelt out for shapes rather than through coveredBy: one shared test
        // taking both kinds' fields loads both, 11 % more instructions.
        const Shape* shape = walked.shape;
        const bool covered = shape != nullptr
                                 ? shape->Visible && spans(shape->Left, shape->Width, edgeX) &&
                                       spans(shape->Top, shape->Height, edgeY) &&
                                       covers(footprintOf(placed_[walked.index]), px, py, rgb)
                                 : coveredBy(placed_[walked.index]);
        if (covered) {
            return fromRgb(rgb);
        }
    }
    return still != noStillShape ? fromRgb(stillRgb_[still]) : scene_.BackColor;
}

Compositor::WalkedLayer Compositor::walkedOf(std::size_t index) const {
    const Layer& layer = *placed_[index].layer;
    return {static_cast<std::uint8_t>(index),
            layer.kind == Layer::Kind::shape ? &(scene_.*layer.shape) : nullptr};
}

void Compositor::holdStillAllBut(std::initializer_list<Shape Scene::*> moving) {
    stillTop_.assign(static_cast<std::size_t>(clientWidthPixels * clientHeightPixels),
                     noStillShape);
    walked_.clear();
    // Bottom to top, so that each shape drawn lies over those below it.
    for (std::size_t i = placed_.size(); i-- > 0;) {
        const PlacedLayer& placed = placed_[i];
        const Layer& layer = *placed.layer;
        const bool moves = layer.kind == Layer::Kind::shape &&
                           std::find(moving.begin(), moving.end(), layer.shape) != moving.end();
        if (!*placed.visible && !moves) {
            continue;
        }
        // Labels and pictures are not of one colour: the query walks them.
        if (moves || layer.kind != Layer::Kind::shape) {
            walked_.insert(walked_.begin(), walkedOf(i));
            continue;
        }
        const Footprint footprint = footprintOf(placed);
        stillRgb_[i] = footprint.rgb;
        const int x0 = std::max(footprint.box.x0, 0);
        const int y0 = std::max(footprint.box.y0, 0);
        const int x1 = std::min(footprint.box.x1, clientWidthPixels);
        const int y1 = std::min(footprint.box.y1, clientHeightPixels);
        for (int y = y0; y < y1; ++y) {
            for (int x = x0; x < x1; ++x) {
                std::uint32_t rgb = 0;
                if (covers(footprint, x, y, rgb)) {
                    stillTop_[static_cast<std::size_t>(y * clientWidthPixels + x)] =
                        static_cast<std::uint8_t>(i);
                }
            }
        }
    }
}

void Compositor::render(RgbImage& frame) const {
    if (frame.width != clientWidthPixels || frame.height != clientHeightPixels) {
        frame = RgbImage(clientWidthPixels, clientHeightPixels);
    }
    draw(frame, {0, 0, clientWidthPixels, clientHeightPixels});
}

// A shape covers one run of each of its box's rows: a rectangle the whole
// row, a circle a run about its centre, symmetric. Its left end is found by
// bisection with the coverage test itself, so that the run and the test
// cannot disagree.
std::pair<int, int> Compositor::shapeRun(const Footprint& f, int y) {
    const int first = f.box.x0;
    const int last = f.box.x1 - 1;
    if (last < first) {
        return {0, 0};
    }
    if (shapeCovers(f, first, y)) {
        return {first, last + 1};
    }
    // The pixel nearest the centre: if it is not covered, none of the row is.
    const int middle = (f.centreX2 - 1) / 2;
    if (!shapeCovers(f, middle, y)) {
        return {0, 0};
    }
    int lo = first + 1; // the leftmost covered pixel lies in [lo, hi]
    int hi = middle;
    while (lo < hi) {
        const int mid = lo + (hi - lo) / 2;
        if (shapeCovers(f, mid, y)) {
            hi = mid;
        } else {
            lo = mid + 1;
        }
    }
    // Pixel x mirrors pixel centreX2 - 1 - x about the centre.
    return {lo, f.centreX2 - lo};
}

void Compositor::draw(RgbImage& frame, const PixelBox& clip) const {
    const std::uint32_t background = toRgb(scene_.BackColor);
    for (int y = clip.y0; y < clip.y1; ++y) {
        fillRun(&frame.at(clip.x0, y), &frame.at(clip.x0, y) + clip.width(), background);
    }
    for (auto placed = placed_.rbegin(); placed != placed_.rend(); ++placed) {
        if (!*placed->visible) {
            continue;
        }
        // Clipped before its footprint is made: a label's costs a look at its text.
        const PixelBox box = placed->pixelBox();
        const int x0 = std::max(box.x0, clip.x0);
        const int y0 = std::max(box.y0, clip.y0);
        const int x1 = std::min(box.x1, clip.x1);
        const int y1 = std::min(box.y1, clip.y1);
        if (x0 >= x1 || y0 >= y1) {
            continue;
        }
        const Footprint footprint = footprintOf(*placed);
        if (footprint.kind == Layer::Kind::shape) {
            for (int y = y0; y < y1; ++y) {
                const auto [left, right] = shapeRun(footprint, y);
                const int from = std::max(left, x0);
                const int to = std::min(right, x1);
                if (from < to) {
                    fillRun(&frame.at(from, y), &frame.at(from, y) + (to - from), footprint.rgb);
                }
            }
            continue;
        }
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
        if (footprint.kind == Layer::Kind::label) {
            fill(Layer::Kind::label);
        } else {
            fill(Layer::Kind::picture);
        }
    }
}

DrawnControl Compositor::drawnOf(const PlacedLayer& placed) const {
    if (!*placed.visible) {
        return {};
    }
    const Layer& layer = *placed.layer;
    DrawnControl drawn;
    drawn.visible = true;
    drawn.box = placed.pixelBox();
    switch (layer.kind) {
    case Layer::Kind::shape:
        drawn.rgb = toRgb((scene_.*layer.shape).FillColor);
        break;
    case Layer::Kind::label:
        drawn.rgb = toRgb((scene_.*layer.label).ForeColor);
        drawn.caption = (scene_.*layer.label).Caption;
        break;
    case Layer::Kind::picture:
        drawn.image = &pictures_.of((scene_.*layer.picture).picture);
        break;
    }
    return drawn;
}

std::vector<PixelBox> Compositor::changedBoxes(const ShownFrame& frame,
                                               const std::vector<DrawnControl>& now) const {
    constexpr PixelBox whole{0, 0, clientWidthPixels, clientHeightPixels};
    if (frame.drawn.size() != now.size() || frame.background != scene_.BackColor ||
        frame.image.width != whole.x1 || frame.image.height != whole.y1) {
        return {whole};
    }
    std::vector<PixelBox> boxes;
    const auto add = [&](const DrawnControl& drawn) {
        const PixelBox box{std::max(drawn.box.x0, 0), std::max(drawn.box.y0, 0),
                           std::min(drawn.box.x1, whole.x1), std::min(drawn.box.y1, whole.y1)};
        if (drawn.visible && !box.empty()) {
            boxes.push_back(box);
        }
    };
    for (std::size_t i = 0; i < now.size(); ++i) {
        if (frame.drawn[i] != now[i]) {
            add(frame.drawn[i]);
            add(now[i]);
        }
    }
    // Overlapping boxes become one, so that no pixel is drawn twice.
    for (bool merged = true; merged;) {
        merged = false;
        for (std::size_t i = 0; i < boxes.size() && !merged; ++i) {
            for (std::size_t j = i + 1; j < boxes.size() && !merged; ++j) {
                PixelBox& a = boxes[i];
                const PixelBox& b = boxes[j];
                if (a.x0 < b.x1 && b.x0 < a.x1 && a.y0 < b.y1 && b.y0 < a.y1) {
                    a = {std::min(a.x0, b.x0), std::min(a.y0, b.y0), std::max(a.x1, b.x1),
                         std::max(a.y1, b.y1)};
                    boxes.erase(boxes.begin() + static_cast<std::ptrdiff_t>(j));
                    merged = true;
                }
            }
        }
    }
    return boxes;
}

std::vector<PixelBox> Compositor::changes(const ShownFrame& frame) const {
    std::vector<DrawnControl> now;
    now.reserve(stackingOrder.size());
    for (const PlacedLayer& placed : placed_) {
        now.push_back(drawnOf(placed));
    }
    return changedBoxes(frame, now);
}

std::vector<PixelBox> Compositor::update(ShownFrame& frame) const {
    std::vector<DrawnControl> now;
    now.reserve(stackingOrder.size());
    for (const PlacedLayer& placed : placed_) {
        now.push_back(drawnOf(placed));
    }
    const std::vector<PixelBox> boxes = changedBoxes(frame, now);
    const bool fresh =
        frame.image.width != clientWidthPixels || frame.image.height != clientHeightPixels;
    if (fresh) {
        frame.image = RgbImage(clientWidthPixels, clientHeightPixels);
    }
    const bool whole =
        fresh || frame.drawn.size() != now.size() || frame.background != scene_.BackColor;
    frame.drawn = std::move(now);
    frame.background = scene_.BackColor;
    if (whole) {
        for (const PixelBox& box : boxes) {
            draw(frame.image, box);
        }
        return boxes;
    }
    // Of each redrawn box only the tiles whose pixels changed are reported:
    // a walking gloob changes little more than its edges.
    std::vector<PixelBox> changed;
    std::vector<std::uint32_t> before;
    for (const PixelBox& box : boxes) {
        before.clear();
        before.reserve(static_cast<std::size_t>(std::max(0, box.width())) *
                       static_cast<std::size_t>(std::max(0, box.height())));
        for (int y = box.y0; y < box.y1; ++y) {
            before.insert(before.end(), &frame.image.at(box.x0, y),
                          &frame.image.at(box.x0, y) + box.width());
        }
        draw(frame.image, box);
        appendChangedTiles(frame.image, before, box, changed);
    }
    return changed;
}

void Compositor::appendChangedTiles(const RgbImage& image, const std::vector<std::uint32_t>& before,
                                    const PixelBox& box, std::vector<PixelBox>& changed) {
    constexpr int tile = 8;
    for (int ty = box.y0 - box.y0 % tile; ty < box.y1; ty += tile) {
        const int y0 = std::max(ty, box.y0);
        const int y1 = std::min(ty + tile, box.y1);
        for (int tx = box.x0 - box.x0 % tile; tx < box.x1; tx += tile) {
            const int x0 = std::max(tx, box.x0);
            const int x1 = std::min(tx + tile, box.x1);
            bool differs = false;
            for (int y = y0; y < y1 && !differs; ++y) {
                const std::uint32_t* old =
                    &before[static_cast<std::size_t>(y - box.y0) * box.width() + (x0 - box.x0)];
                const std::uint32_t* now =
                    image.pixels.data() + static_cast<std::size_t>(y) * image.width + x0;
                differs = !sameWords(now, old, x1 - x0);
            }
            if (!differs) {
                continue;
            }
            // Next to the last changed tile of this row of tiles: one box.
            if (!changed.empty() && changed.back().y0 == y0 && changed.back().y1 == y1 &&
                changed.back().x1 == x0) {
                changed.back().x1 = x1;
            } else {
                changed.push_back({x0, y0, x1, y1});
            }
        }
    }
}

} // namespace gloob
