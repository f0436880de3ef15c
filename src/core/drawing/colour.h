#pragma once

#include <cstdint>

namespace vireflu {

// An 8-bit-per-channel RGB colour.
struct Rgb {
    std::uint8_t red = 0;
    std::uint8_t green = 0;
    std::uint8_t blue = 0;

    friend bool operator==(const Rgb&, const Rgb&) = default;
};

// A fill or pen colour: either a plain RGB value or an entry of the colour map
// selected into the surface (a colour level 0..64).
struct Colour {
    enum class Kind { Rgb, MapEntry };

    Kind kind = Kind::Rgb;
    Rgb rgb;
    int level = 0;

    static Colour FromRgb(std::uint8_t r, std::uint8_t g, std::uint8_t b) {
        return Colour{Kind::Rgb, Rgb{r, g, b}, 0};
    }
    static Colour FromLevel(int level) { return Colour{Kind::MapEntry, Rgb{}, level}; }

    friend bool operator==(const Colour&, const Colour&) = default;
};

}  // namespace vireflu
