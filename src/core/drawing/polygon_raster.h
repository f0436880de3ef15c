#pragma once

#include <span>
#include <vector>

#include "drawing/geometry.h"

namespace vireflu {

// The pixels [left, right) of row y.
struct PixelRun {
    int y = 0;
    int left = 0;
    int right = 0;

    friend bool operator==(const PixelRun&, const PixelRun&) = default;
};

// The fill of one polygon worked out in advance for a canvas of the given size.
struct PolygonRuns {
    int canvasWidth = 0;
    int canvasHeight = 0;
    std::span<const PixelRun> runs;
};

// Appends the pixel runs of the odd-even fill of the closed polygon `vertices` on a canvas
// of width x height, clipped to it, row by row from the top and left to right in a row.
// A pixel is inside when its centre is: rows sample at y + 0.5, and each edge crosses a
// row at a 16.16 fixed-point x stepped from the edge's first row and truncated to the
// pixel it falls in, the way Qt's raster engine fills aliased polygons, so both agree
// pixel for pixel.
void RasterisePolygon(std::span<const Point> vertices, int width, int height,
                      std::vector<PixelRun>& runs);

}  // namespace vireflu
