// SPDX-License-Identifier: MIT
// SPDX-FileCopyrightText: 2026 Gloob Volleyball developers
#pragma once

#include "colour.h"
#include "twips.h"

#include <cstdint>
#include <string>

namespace gloob {

enum class ShapeKind { rectangle, circle };

struct Shape {
    ShapeKind kind = ShapeKind::rectangle;
    float Left = 0, Top = 0, Width = 0, Height = 0;
    Colour FillColor = colours::black;
    bool Visible = true;

    PixelBox pixelBox() const { return pixelBoxOf(Left, Top, Width, Height); }
    bool operator==(const Shape&) const = default;
};

struct Font {
    std::string family;
    int pointSize = 0;
    bool bold = false;
    bool italic = false;
    bool operator==(const Font&) const = default;
};

struct Label {
    float Left = 0, Top = 0, Width = 0, Height = 0;
    std::string Caption;
    Font font;
    Colour ForeColor = colours::black;
    bool Visible = true;

    PixelBox pixelBox() const { return pixelBoxOf(Left, Top, Width, Height); }
    bool operator==(const Label&) const = default;
};

enum class PictureId { mountain, beach };

struct Picture {
    float Left = 0, Top = 0, Width = 0, Height = 0;
    PictureId picture = PictureId::mountain;
    bool Visible = false;

    PixelBox pixelBox() const { return pixelBoxOf(Left, Top, Width, Height); }
    bool operator==(const Picture&) const = default;
};

struct PushButton {
    float Left = 0, Top = 0, Width = 0, Height = 0;
    std::string Caption;
    bool Visible = true;

    PixelBox pixelBox() const { return pixelBoxOf(Left, Top, Width, Height); }
    bool operator==(const PushButton&) const = default;
};

struct MenuItem {
    std::string Caption;
    bool Checked = false;
    bool operator==(const MenuItem&) const = default;
};

// Interval in milliseconds; 0 keeps the timer from firing.
struct Timer {
    std::int32_t Interval = 0;
    bool operator==(const Timer&) const = default;
};

} // namespace gloob
