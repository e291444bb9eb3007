// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

namespace gloob {

// 15 twips make one pixel at 96 dpi; every size in the court is a multiple of 15.
constexpr int twipsPerPixel = 15;
// The window's client area, where the court is drawn.
constexpr int clientWidthTwips = 11265;
constexpr int clientHeightTwips = 7095;
constexpr int clientWidthPixels = clientWidthTwips / twipsPerPixel;
constexpr int clientHeightPixels = clientHeightTwips / twipsPerPixel;

// Pixels this far off the court are as good as any farther: huge and NaN
// twips map to them, so that no conversion overflows and sums of pixels (a
// circle's squared radius among them) stay well inside an int.
constexpr int farOffCourtPixels = 10'000;

// The one twip-to-pixel mapping, floor(twips / 15): drawing and the colour
// query both use it. The colour query asks it twice a probe, so it takes no
// division: floor(t / 15) equals floor(floor(t) / 15) for every real t, and
// within the clamps floor(t) is an int (checked against the division in
// double precision for every float).
inline int pixelOf(float twips) {
    constexpr int farOffTwips = farOffCourtPixels * twipsPerPixel;
    if (!(twips >= -static_cast<float>(farOffTwips))) { // NaN as well
        return -farOffCourtPixels;
    }
    if (twips >= static_cast<float>(farOffTwips + twipsPerPixel)) {
        return farOffCourtPixels;
    }
    int whole = static_cast<int>(twips); // toward zero
    if (static_cast<float>(whole) > twips) {
        --whole;
    }
    // Shifted to be positive, so that the division rounds down.
    return static_cast<int>(static_cast<unsigned>(whole + farOffTwips) / twipsPerPixel) -
           farOffCourtPixels;
}

// Half-open pixel box [x0, x1) x [y0, y1) of a twip box; the far edges are
// single-precision sums, as the game computes them everywhere.
struct PixelBox {
    int x0, y0, x1, y1;
    int width() const { return x1 - x0; }
    int height() const { return y1 - y0; }
    bool contains(int x, int y) const { return x >= x0 && x < x1 && y >= y0 && y < y1; }
    bool empty() const { return x1 <= x0 || y1 <= y0; }
    bool operator==(const PixelBox&) const = default;
};

inline PixelBox pixelBoxOf(float left, float top, float width, float height) {
    const float right = left + width;
    const float bottom = top + height;
    return {pixelOf(left), pixelOf(top), pixelOf(right), pixelOf(bottom)};
}

} // namespace gloob
