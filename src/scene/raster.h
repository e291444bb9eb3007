// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "controls.h"

#include <cstdint>
#include <string_view>
#include <vector>

namespace gloob {

// A picture in framebuffer layout: one 0x00RRGGBB word a pixel, rows top down.
struct RgbImage {
    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;

    RgbImage() = default;
    RgbImage(int w, int h, std::uint32_t fill = 0)
        : width(w), height(h), pixels(static_cast<std::size_t>(w) * h, fill) {}
    std::uint32_t at(int x, int y) const { return pixels[static_cast<std::size_t>(y) * width + x]; }
    std::uint32_t& at(int x, int y) { return pixels[static_cast<std::size_t>(y) * width + x]; }
};

// Which pixels of a label's box its text covers; no antialiasing, so a pixel
// is either the text colour or transparent.
struct GlyphMask {
    int width = 0;
    int height = 0;
    std::vector<std::uint8_t> bits;

    bool at(int x, int y) const { return bits[static_cast<std::size_t>(y) * width + x] != 0; }
};

// Draws a caption the way the front end's toolkit would: horizontally centred
// at the top of a box of width x height pixels, wrapped at word boundaries.
class TextRasteriser {
public:
    virtual ~TextRasteriser() = default;
    virtual GlyphMask rasterise(std::string_view text, const Font& font, int width,
                                int height) const = 0;
};

// The two decoded background pictures.
struct Pictures {
    RgbImage mountain;
    RgbImage beach;

    const RgbImage& of(PictureId id) const { return id == PictureId::mountain ? mountain : beach; }
};

} // namespace gloob
