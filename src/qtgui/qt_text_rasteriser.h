// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "scene/raster.h"

namespace gloob {

// Label text through QPainter on a QImage, without antialiasing. Needs a
// QGuiApplication (an offscreen one will do).
class QtTextRasteriser final : public TextRasteriser {
public:
    // Far beyond any label of the 751 x 473 court; a box with a side out of
    // 1..largestSide gets an empty mask.
    static constexpr int largestSide = 4096;

    GlyphMask rasterise(std::string_view text, const Font& font, int width,
                        int height) const override;
};

} // namespace gloob
