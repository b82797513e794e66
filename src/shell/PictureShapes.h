#pragma once
// What the board view draws, as plain shapes in content coordinates (pixels, before scrolling).
// The desktop replays them in order with its painter; nothing here knows the painter.

#include <cstdint>
#include <string_view>
#include <variant>

// Colours are 0x00BBGGRR: red in the low byte, blue in bits 16-23.
using Colour = std::uint32_t;
constexpr int RedOf(Colour colour) {
    return static_cast<int>(colour & 0xFF);
}
constexpr int GreenOf(Colour colour) {
    return static_cast<int>((colour >> 8) & 0xFF);
}
constexpr int BlueOf(Colour colour) {
    return static_cast<int>((colour >> 16) & 0xFF);
}
constexpr Colour MakeColour(int red, int green, int blue) {
    return static_cast<Colour>((red & 0xFF) | (green & 0xFF) << 8 | (blue & 0xFF) << 16);
}

struct PixelPoint {
    int x = 0;
    int y = 0;
    bool operator==(const PixelPoint&) const = default;
};

// The pixels [left, left + width) x [top, top + height).
struct PixelRect {
    int left = 0;
    int top = 0;
    int width = 0;
    int height = 0;
    int Right() const { return left + width; }
    int Bottom() const { return top + height; }
    bool Contains(PixelPoint point) const {
        return point.x >= left && point.x < Right() && point.y >= top && point.y < Bottom();
    }
    bool operator==(const PixelRect&) const = default;
};

// A font asked for by face name, with the character cell height and the average character width
// in pixels, and a weight on the 100-900 scale (400 normal, 600 semi-bold).
struct FontSpec {
    std::string_view face;
    int height = 0;
    int averageWidth = 0;
    int weight = 400;
    bool operator==(const FontSpec&) const = default;
};

struct FillShape {
    PixelRect rect;
    Colour colour = 0;
};

// A one-pixel frame just inside rect: the top and left edges in `light`, the bottom and right
// edges (column Right() - 1, row Bottom() - 1) in `dark`.
struct BevelShape {
    PixelRect rect;
    Colour light = 0;
    Colour dark = 0;
};

// An unfilled rectangle whose outline lies inside rect: its last column is Right() - 1 and its
// last row Bottom() - 1.
struct OutlineShape {
    PixelRect rect;
    int penWidth = 1;
    Colour colour = 0;
};

struct LineShape {
    PixelPoint from;
    PixelPoint to;
    int penWidth = 1;
    Colour colour = 0;
};

// An unfilled ellipse inscribed in rect.
struct EllipseShape {
    PixelRect rect;
    int penWidth = 1;
    Colour colour = 0;
};

enum class TextAlignment {
    // The character cell's top-left corner at the box's top-left corner.
    TopLeft,
    // Left at box.left + (box.width - average character width) / 2 and the top of the character
    // cell at box.top + (box.height - ascent) / 2, the metrics being the replayed font's.
    CentredOnAscent,
};

// One symbol on a transparent background: the board draws nothing longer.
struct TextShape {
    PixelRect box;
    TextAlignment alignment = TextAlignment::TopLeft;
    FontSpec font;
    Colour colour = 0;
    char symbol = '.';
};

using Shape = std::variant<FillShape, BevelShape, OutlineShape, LineShape, EllipseShape, TextShape>;
