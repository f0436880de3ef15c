#pragma once

#include <limits>

namespace vireflu {

struct Point {
    int x = 0;
    int y = 0;

    friend bool operator==(const Point&, const Point&) = default;
};

// left, top, right, bottom in pixels, as the drawing routines pass them around.
struct Rect {
    int left = 0;
    int top = 0;
    int right = 0;
    int bottom = 0;

    friend bool operator==(const Rect&, const Rect&) = default;
};

// Conversion of a double to a pixel or a level: truncation toward zero, never rounding.
// Values outside the int range (only reachable with absurd sizes) are held at its
// ends and NaN gives 0, so the conversion is always defined.
inline int Trunc(double value) {
    if (!(value == value)) return 0;
    if (value >= 2147483647.0) return std::numeric_limits<int>::max();
    if (value <= -2147483648.0) return std::numeric_limits<int>::min();
    return static_cast<int>(value);
}

}  // namespace vireflu
