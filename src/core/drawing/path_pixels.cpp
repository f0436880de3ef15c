#include "drawing/path_pixels.h"

#include <algorithm>

#include "drawing/surface.h"

namespace vireflu {

void PathPixels::Update(std::span<const Point> path, int pen, int w, int h) {
    const bool extends = pen == penWidth && w == width && h == height &&
                         path.size() >= points.size() &&
                         std::equal(points.begin(), points.end(), path.begin());
    if (!extends) Restart(pen, w, h);
    for (std::size_t i = std::max<std::size_t>(points.size(), 1); i < path.size(); ++i) {
        RasteriseWideSegment(
            path[i - 1], path[i], penWidth, [&](int left, int boxTop, int right, int boxBottom) {
                for (int y = std::max(boxTop, 0); y < std::min(boxBottom, height); ++y)
                    for (int x = std::max(left, 0); x < std::min(right, width); ++x) AddPixel(x, y);
            });
    }
    points.insert(points.end(), path.begin() + static_cast<std::ptrdiff_t>(points.size()),
                  path.end());
}

void PathPixels::Restart(int pen, int w, int h) {
    if (w != width || h != height)
        covered.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), false);
    else
        for (std::size_t offset : offsets) covered[offset] = false;
    penWidth = pen;
    width = w;
    height = h;
    points.clear();
    offsets.clear();
    bounds = Rect{};
}

void PathPixels::AddPixel(int x, int y) {
    const std::size_t offset =
        static_cast<std::size_t>(y) * static_cast<std::size_t>(width) + static_cast<std::size_t>(x);
    if (covered[offset]) return;
    covered[offset] = true;
    offsets.push_back(offset);
    bounds = offsets.size() == 1
                 ? Rect{x, y, x + 1, y + 1}
                 : Rect{std::min(bounds.left, x), std::min(bounds.top, y),
                        std::max(bounds.right, x + 1), std::max(bounds.bottom, y + 1)};
}

}  // namespace vireflu
