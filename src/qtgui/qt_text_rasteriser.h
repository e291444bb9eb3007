#pragma once

#include "scene/raster.h"

namespace gloob {

// Label text through QPainter on a QImage, without antialiasing. Needs a
// QGuiApplication (an offscreen one will do).
class QtTextRasteriser final : public TextRasteriser {
public:
    GlyphMask rasterise(std::string_view text, const Font& font, int width,
                        int height) const override;
};

} // namespace gloob
