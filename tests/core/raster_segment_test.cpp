#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "drawing/surface.h"

namespace vireflu {
namespace {

std::vector<Point> Pixels(Point from, Point to) {
    std::vector<Point> pixels;
    RasteriseSegment(from, to, [&](int x, int y) { pixels.push_back(Point{x, y}); });
    return pixels;
}

// Pixels along the major axis from the smaller end; the minor coordinate rounds with
// exact halves toward the smaller value; the destination pixel is left out.
TEST(RasteriseSegment, PixelsOfKnownSegments) {
    struct Row {
        const char* name;
        Point from, to;
        std::vector<Point> pixels;
    };
    const Row rows[] = {
        {"horizontal", {0, 0}, {3, 0}, {{0, 0}, {1, 0}, {2, 0}}},
        {"horizontal, leftward", {3, 0}, {0, 0}, {{1, 0}, {2, 0}, {3, 0}}},
        {"vertical, upward", {2, 5}, {2, 2}, {{2, 3}, {2, 4}, {2, 5}}},
        {"diagonal", {0, 0}, {2, 2}, {{0, 0}, {1, 1}}},
        {"half rounds down", {0, 0}, {2, 1}, {{0, 0}, {1, 0}}},
        {"half rounds down, reversed", {2, 1}, {0, 0}, {{1, 0}, {2, 1}}},
        {"negative half rounds down", {0, 1}, {2, 0}, {{0, 1}, {1, 0}}},
        {"thirds", {0, 0}, {3, 1}, {{0, 0}, {1, 0}, {2, 1}}},
        {"steep", {0, 0}, {1, 3}, {{0, 0}, {0, 1}, {1, 2}}},
        {"a single pixel", {4, 4}, {4, 4}, {}},
    };
    for (const Row& row : rows) EXPECT_EQ(Pixels(row.from, row.to), row.pixels) << row.name;
}

// Both directions give the same pixels but for the end each leaves out, and a segment
// has one pixel per step along its major axis.
TEST(RasteriseSegment, DirectionOnlyDecidesTheSkippedEnd) {
    const Point ends[] = {{0, 0}, {7, 3}, {-4, 9}, {5, -6}, {-8, -2}, {3, 3}, {0, 11}, {13, 0}};
    const auto sorted = [](std::vector<Point> pixels) {
        std::sort(pixels.begin(), pixels.end(),
                  [](Point a, Point b) { return a.x != b.x ? a.x < b.x : a.y < b.y; });
        return pixels;
    };
    for (const Point a : ends) {
        for (const Point b : ends) {
            if (a == b) continue;
            std::vector<Point> forward = Pixels(a, b);
            std::vector<Point> backward = Pixels(b, a);
            const std::size_t steps =
                static_cast<std::size_t>(std::max(std::abs(b.x - a.x), std::abs(b.y - a.y)));
            EXPECT_EQ(forward.size(), steps);
            forward.push_back(b);
            backward.push_back(a);
            EXPECT_EQ(sorted(forward), sorted(backward))
                << a.x << "," << a.y << " to " << b.x << "," << b.y;
        }
    }
}

}  // namespace
}  // namespace vireflu
