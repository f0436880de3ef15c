#include "drawing/polygon_raster.h"

#include <algorithm>
#include <cstdint>
#include <utility>

namespace vireflu {

namespace {

// 16.16 fixed point for x; vertices enter as 26.6 (pixels times 64).
using Fixed = std::int64_t;
constexpr Fixed kOne = 1 << 16;
constexpr Fixed kHalf = kOne / 2;

Fixed FromSubpixel(std::int64_t v) {
    return v * 1024;
}
int ToInt(Fixed v) {
    return static_cast<int>(v >> 16);
}

// An edge over rows top..bottom: its x at row `top`, and the step from row to row.
struct Edge {
    Fixed x;
    Fixed step;
    int top;
    int bottom;
};

// Turns the polygon's sides into edges over the rows whose centres they cross, clipped
// to the canvas: the parts beyond its left or right side become vertical edges on it.
class EdgeList {
public:
    EdgeList(int top, int bottom, int width, std::vector<Edge>& edges)
        : top(top), bottom(bottom), leftX(0), rightX(Fixed{width} * kOne), edges(edges) {}

    void AddSide(Point from, Point to) {
        std::int64_t ax = std::int64_t{from.x} * 64, ay = std::int64_t{from.y} * 64;
        std::int64_t bx = std::int64_t{to.x} * 64, by = std::int64_t{to.y} * 64;
        if (ay > by) {
            std::swap(ax, bx);
            std::swap(ay, by);
        }
        int rowTop = std::max(top, static_cast<int>((ay + 32) >> 6));
        int rowBottom = std::min(bottom, static_cast<int>((by - 32) >> 6));
        if (rowTop > rowBottom) return;
        const Fixed startX = kHalf + FromSubpixel(ax);
        if (ax == bx) {
            edges.push_back(Edge{std::clamp(startX, leftX, rightX), 0, rowTop, rowBottom});
            return;
        }
        const double slope = static_cast<double>(bx - ax) / static_cast<double>(by - ay);
        const Fixed step = static_cast<Fixed>(slope * 65536.);
        Fixed x = startX + ((step * (Fixed{rowTop} * kOne + kHalf - FromSubpixel(ay))) >> 16);
        if (Clip(x, rowTop, rowBottom, step, leftX)) return;
        if (Clip(x, rowTop, rowBottom, step, rightX)) return;
        edges.push_back(Edge{x, step, rowTop, rowBottom});
    }

private:
    // Replaces the part of the edge beyond the canvas side at `side` by a vertical edge on
    // it; true when nothing of the edge is left to add.
    bool Clip(Fixed& x, int& rowTop, int& rowBottom, Fixed step, Fixed side) {
        const bool right = side == rightX;
        const auto vertical = [&](int from, int to) { edges.push_back(Edge{side, 0, from, to}); };
        if (x == side) {
            if ((step > 0) != right) return false;
            vertical(rowTop, rowBottom);
            return true;
        }
        const Fixed last = x + step * (rowBottom - rowTop);
        if (last == side) {
            if ((step < 0) != right) return false;
            vertical(rowTop, rowBottom);
            return true;
        }
        if ((last < side) != (x < side)) {
            const auto rows = static_cast<Fixed>(static_cast<double>(side - x) /
                                                 (static_cast<double>(step) * (1. / 65536.)));
            if ((x < side) != right) {
                // The top part lies outside.
                const int height = ToInt(rows + 1);
                const int middle = rowTop + height;
                vertical(rowTop, middle);
                if (middle == rowBottom) return true;
                x += step * (height + 1);
                rowTop = middle + 1;
            } else {
                // The bottom part lies outside.
                const int middle = rowTop + ToInt(rows);
                if (middle != rowBottom) {
                    vertical(middle + 1, rowBottom);
                    rowBottom = middle;
                }
            }
            return false;
        }
        if ((x < side) != right) {
            vertical(rowTop, rowBottom);
            return true;
        }
        return false;
    }

    int top;
    int bottom;
    Fixed leftX;
    Fixed rightX;
    std::vector<Edge>& edges;
};

}  // namespace

void RasterisePolygon(std::span<const Point> vertices, int width, int height,
                      std::vector<PixelRun>& runs) {
    if (vertices.size() < 2 || width <= 0 || height <= 0) return;
    const auto [low, high] = std::minmax_element(vertices.begin(), vertices.end(),
                                                 [](Point a, Point b) { return a.y < b.y; });
    const int top = std::max(0, static_cast<int>((std::int64_t{low->y} * 64 + 32) >> 6));
    const int bottom =
        std::min(height - 1, static_cast<int>((std::int64_t{high->y} * 64 - 32) >> 6));
    if (top > bottom) return;

    std::vector<Edge> edges;
    EdgeList list(top, bottom, width, edges);
    for (std::size_t i = 0; i + 1 < vertices.size(); ++i)
        list.AddSide(vertices[i], vertices[i + 1]);
    list.AddSide(vertices.back(), vertices.front());

    // Every crossing of an edge with a row, sorted by row then x; under the odd-even rule
    // the pixels between the first and second crossing of a row are in, and so on.
    std::vector<std::pair<int, int>> crossings;
    for (const Edge& e : edges) {
        Fixed x = e.x;
        for (int y = e.top; y <= e.bottom; ++y, x += e.step) crossings.emplace_back(y, ToInt(x));
    }
    std::sort(crossings.begin(), crossings.end());
    std::size_t i = 0;
    while (i + 1 < crossings.size()) {
        // A row with an odd count (which a closed outline never has) pairs no further.
        if (crossings[i].first != crossings[i + 1].first) {
            ++i;
            continue;
        }
        const int left = std::max(crossings[i].second, 0);
        const int right = std::min(crossings[i + 1].second, width);
        if (left < right) runs.push_back(PixelRun{crossings[i].first, left, right});
        i += 2;
    }
}

}  // namespace vireflu
