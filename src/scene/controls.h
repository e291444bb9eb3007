#pragma once

#include "colour.h"
#include "twips.h"

#include <cstdint>
#include <string>

namespace gloob {

enum class ShapeKind { rectangle, circle };

struct Shape {
    ShapeKind kind;
    float Left, Top, Width, Height;
    Colour FillColor;
    bool Visible = true;

    PixelBox pixelBox() const { return pixelBoxOf(Left, Top, Width, Height); }
    bool operator==(const Shape&) const = default;
};

struct Font {
    std::string family;
    int pointSize;
    bool bold;
    bool italic;
    bool operator==(const Font&) const = default;
};

struct Label {
    float Left, Top, Width, Height;
    std::string Caption;
    Font font;
    Colour ForeColor = colours::black;
    bool Visible = true;

    PixelBox pixelBox() const { return pixelBoxOf(Left, Top, Width, Height); }
    bool operator==(const Label&) const = default;
};

enum class PictureId { mountain, beach };

struct Picture {
    float Left, Top, Width, Height;
    PictureId picture;
    bool Visible = false;

    PixelBox pixelBox() const { return pixelBoxOf(Left, Top, Width, Height); }
    bool operator==(const Picture&) const = default;
};

struct PushButton {
    float Left, Top, Width, Height;
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
    std::int32_t Interval;
    bool operator==(const Timer&) const = default;
};

} // namespace gloob
