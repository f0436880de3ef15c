#pragma once

#include <cstddef>
#include <span>
#include <vector>

#include "drawing/geometry.h"

namespace vireflu {

// The pixels that the segments of an open path cover on a canvas of one size, as a pen of
// one width draws them one after another (each without its final pixel), clipped to the
// canvas and each pixel kept once however often the path crosses itself. A path that grows
// by a point at a time, as the trace does from frame to frame, only rasterises its new
// segments.
class PathPixels {
public:
    void Update(std::span<const Point> points, int penWidth, int width, int height);

    // Each covered pixel once, as its place in the canvas's rows: y * width + x.
    std::span<const std::size_t> Offsets() const { return offsets; }
    // The smallest rectangle around them; empty (left == right) without any.
    Rect Bounds() const { return bounds; }

private:
    void Restart(int penWidth, int width, int height);
    void AddPixel(int x, int y);

    int penWidth = 0;
    int width = 0;
    int height = 0;
    std::vector<Point> points;
    std::vector<std::size_t> offsets;
    std::vector<bool> covered;
    Rect bounds;
};

}  // namespace vireflu
