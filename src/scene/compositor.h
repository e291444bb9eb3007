// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "raster.h"
#include "scene.h"

#include <array>
#include <cstdint>
#include <initializer_list>
#include <string>
#include <utility>
#include <vector>

namespace gloob {

// How one control was drawn into a frame: everything that decides its pixels.
struct DrawnControl {
    bool visible = false;
    PixelBox box{};
    std::uint32_t rgb = 0;           // flat colour of a shape or label
    const RgbImage* image = nullptr; // a picture's source
    std::string caption;             // a label's text
    bool operator==(const DrawnControl&) const = default;
};

// A frame kept up to date by redrawing only what changed since it was last
// brought up to date: its pixels and how each control was drawn into them.
struct ShownFrame {
    RgbImage image;
    std::vector<DrawnControl> drawn; // in the stacking order; empty: never drawn
    Colour background = 0;
};

// Composes the scene: every visible control drawn bottom to top over the white
// background. The renderer and the colour query share one coverage function,
// so what the probes see is exactly what the player sees.
class Compositor {
public:
    Compositor(const Scene& scene, const TextRasteriser& text, const Pictures& pictures);

    // Colour of the drawn window at a point in twips (0x00BBGGRR), answered from
    // the live scene; a point off the client area gives 0xFFFFFFFF.
    Colour Point(float x, float y) const;
    // For a copy of the court on which only the named shapes ever change
    // again: every other layer is held as it stands now, its shapes drawn
    // once into a map of which one lies on top at each pixel, and the colour
    // query walks only the named shapes and the labels and pictures shown
    // now, which are not of one colour. Its answers stay the full walk's.
    void holdStillAllBut(std::initializer_list<Shape Scene::*> moving);

    // The whole client area, 751 x 473, in 0x00RRGGBB.
    void render(RgbImage& frame) const;

    // Brings the frame up to date with the scene by redrawing the places that
    // changed: the old and the new box of every control that moved, changed,
    // appeared or went, overlapping boxes merged. Returns where pixels
    // changed, as boxes of 8 x 8 tiles within those; a frame never drawn, or
    // a new background colour, is drawn and returned whole.
    std::vector<PixelBox> update(ShownFrame& frame) const;
    // The boxes that update would redraw now.
    std::vector<PixelBox> changes(const ShownFrame& frame) const;

private:
    // Where and how one control is drawn at this moment.
    struct Footprint {
        Layer::Kind kind;
        PixelBox box;
        std::uint32_t rgb = 0; // flat colour of a shape or label
        bool circle = false;   // twice the circle's centre and its diameter, in pixels
        int centreX2 = 0, centreY2 = 0, diameter = 0;
        const GlyphMask* mask = nullptr;
        const RgbImage* image = nullptr; // nearest-neighbour steps, 32-bit fixed point
        std::uint64_t stepX = 0, stepY = 0;
    };

    // Where each layer of the stack keeps its box and visibility, found once:
    // the colour query walks the whole stack for most points it is asked.
    struct PlacedLayer {
        const Layer* layer;
        const float *left, *top, *width, *height;
        const bool* visible;
        PixelBox pixelBox() const { return pixelBoxOf(*left, *top, *width, *height); }
    };
    static std::array<PlacedLayer, stackingOrder.size()> placedLayersOf(const Scene& scene);

    Footprint footprintOf(const PlacedLayer& placed) const;
    DrawnControl drawnOf(const PlacedLayer& placed) const;
    // The one coverage function: whether the control covers pixel (x, y) of
    // its box, and with which colour (0x00RRGGBB).
    static bool covers(const Footprint& footprint, int x, int y, std::uint32_t& rgb);
    static bool shapeCovers(const Footprint& footprint, int x, int y);
    // The pixels [first, last) of row y that a shape covers.
    static std::pair<int, int> shapeRun(const Footprint& footprint, int y);
    // Redraws the pixels of one box of a full-size frame, background first.
    void draw(RgbImage& frame, const PixelBox& clip) const;
    // The tiles of a redrawn box whose pixels differ from those it held before.
    static void appendChangedTiles(const RgbImage& image, const std::vector<std::uint32_t>& before,
                                   const PixelBox& box, std::vector<PixelBox>& changed);
    std::vector<PixelBox> changedBoxes(const ShownFrame& frame,
                                       const std::vector<DrawnControl>& now) const;
    const GlyphMask& maskOf(Label Scene::*label) const;

    // A label's text as last drawn, redrawn when its caption changes.
    struct CachedMask {
        Label Scene::*label = nullptr;
        mutable bool drawn = false;
        mutable std::string caption;
        mutable GlyphMask mask;
    };
    static std::vector<CachedMask> slotPerLabel();

    const Scene& scene_;
    const std::array<PlacedLayer, stackingOrder.size()> placed_;
    const TextRasteriser& text_;
    const Pictures& pictures_;
    // One slot per label, made at construction and never moved: a mask that
    // was handed out stays where it is.
    const std::vector<CachedMask> masks_;

    // Held still: the topmost still shape at each pixel (index in the stack,
    // or none; empty until held) and its colour, and the layers the query
    // walks, top first: every layer until held.
    static constexpr std::uint8_t noStillShape = 0xFF;
    std::vector<std::uint8_t> stillTop_;
    std::array<std::uint32_t, stackingOrder.size()> stillRgb_{};
    // A shape's box is read straight from the shape: the query's walk is
    // most of its time, and a layer's placed pointers cost a load each.
    struct WalkedLayer {
        std::uint8_t index;
        const Shape* shape; // null for a label or a picture
    };
    WalkedLayer walkedOf(std::size_t index) const;
    std::vector<WalkedLayer> walked_;
};

} // namespace gloob
