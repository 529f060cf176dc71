#pragma once

#include <cstdint>
#include <string>

namespace solvo {

/// A text or fill colour. The default, all zero, is black.
struct Colour {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Colour&, const Colour&) = default;
};

/// A font asked for by face, height and weight. A positive height is the
/// character cell height (ascent plus descent), a negative one the em height,
/// both in canvas units. The weight is on the 100 to 900 scale (400 normal,
/// 700 bold).
struct FontSpec {
    std::string face;
    std::int32_t height = 0;
    std::int32_t weight = 400;

    friend bool operator==(const FontSpec&, const FontSpec&) = default;
};

/// Where text lies relative to the point it is drawn at: its top is always
/// at the point's y; its left edge, centre or right edge at the point's x.
enum class TextAlign : std::uint8_t {
    Left,
    Centre,
    Right,
};

/// Whether text is drawn over a box of the background colour.
enum class BackgroundMode : std::uint8_t {
    Transparent,
    Opaque,
};

/// A rectangle in canvas units; right and bottom are exclusive.
struct CanvasRect {
    std::int32_t left = 0;
    std::int32_t top = 0;
    std::int32_t right = 0;
    std::int32_t bottom = 0;

    friend bool operator==(const CanvasRect&, const CanvasRect&) = default;
};

} // namespace solvo
