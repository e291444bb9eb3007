#pragma once

#include "raster.h"
#include "scene.h"

#include <string>
#include <vector>

namespace gloob {

// Composes the scene: every visible control drawn bottom to top over the white
// background. The renderer and the colour query share one coverage function,
// so what the probes see is exactly what the player sees.
class Compositor {
public:
    Compositor(const Scene& scene, const TextRasteriser& text, const Pictures& pictures);

    // Colour of the drawn window at a point in twips (0x00BBGGRR), answered from
    // the live scene; a point off the client area gives 0xFFFFFFFF.
    Colour Point(float x, float y) const;

    // The whole client area, 751 x 473, in 0x00RRGGBB.
    void render(RgbImage& frame) const;

private:
    // Whether the layer's control covers pixel (x, y), and with which colour
    // (0x00RRGGBB). The control must be visible and (x, y) inside its box.
    bool covers(const Layer& layer, int x, int y, std::uint32_t& rgb) const;
    const GlyphMask& maskOf(const Label& label) const;

    struct CachedMask {
        const Label* label;
        std::string caption;
        GlyphMask mask;
    };

    const Scene& scene_;
    const TextRasteriser& text_;
    const Pictures& pictures_;
    mutable std::vector<CachedMask> masks_;
};

} // namespace gloob
