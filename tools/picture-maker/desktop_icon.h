// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

// The application icon of the desktop menus: a gloob under a red ball on a sky tile. One design
// in a 256 x 256 frame, drawn as a picture at any size and written out as SVG.

#include <QImage>

#include <array>
#include <string>

namespace desktop_icon {

// The sizes the desktop's icon themes look up, in pixels.
constexpr std::array<int, 7> pictureSizes = {16, 24, 32, 48, 64, 128, 256};

// The icon at `size` x `size` pixels. The tile's edge, the ground line and the border fall on
// whole pixels, so the small sizes stay sharp.
QImage draw(int size);

// The same design as an SVG document.
std::string svg();

} // namespace desktop_icon
