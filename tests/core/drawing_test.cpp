#include <gtest/gtest.h>

#include <algorithm>

#include "drawing/colour_map.h"
#include "drawing/path_pixels.h"
#include "drawing/raster_surface.h"

namespace vireflu {
namespace {

// Both black-centred maps share their reds; "CAO" runs through its 17 points in truncated
// quarter steps, the blue-white-orange map in half steps either side of its light neutral.
TEST(ColourMap, KnownEntries) {
    const ColourMap blue = BuildBlueBlackRed(), green = BuildGreenBlackRed(), cao = BuildCao();
    const ColourMap bwo = BuildBlueWhiteOrange();
    EXPECT_EQ(
        (std::array{bwo[0], bwo[16], bwo[32], bwo[48], bwo[64]}),
        (std::array<Rgb, 5>{
            {{33, 102, 172}, {131, 166, 201}, {230, 230, 230}, {230, 163, 115}, {230, 97, 1}}}));
    EXPECT_EQ((std::array{blue[0], blue[32], blue[33], blue[64]}),
              (std::array<Rgb, 4>{{{0, 0, 255}, {0, 0, 31}, {31, 0, 0}, {248, 0, 0}}}));
    EXPECT_EQ(green[0], (Rgb{0, 255, 0}));
    EXPECT_EQ(green[32], (Rgb{0, 31, 0}));
    for (std::size_t i = 33; i <= 64; ++i) EXPECT_EQ(green[i], blue[i]) << "entry " << i;
    const Rgb points[] = {
        {0, 0, 112},   {0, 0, 153},   {0, 0, 190},   {80, 0, 235},    {135, 0, 208},  {176, 0, 176},
        {208, 0, 135}, {235, 0, 80},  {255, 70, 0},  {255, 121, 0},   {255, 160, 0},  {255, 191, 0},
        {255, 217, 0}, {255, 238, 0}, {255, 255, 0}, {255, 255, 135}, {255, 255, 176}};
    for (std::size_t k = 0; k < 17; ++k) EXPECT_EQ(cao[4 * k], points[k]) << k;
    EXPECT_EQ(cao[13], (Rgb{93, 0, 229}));  // blue step -27/4 truncates to -6
    EXPECT_EQ(cao[31], (Rgb{250, 51, 20}));
    EXPECT_EQ(cao[57], (Rgb{255, 255, 33}));
    EXPECT_EQ(cao[63], (Rgb{255, 255, 165}));  // 135 + 3 x trunc(41 / 4)
    // A level outside the map is black.
    RasterSurface surface;
    surface.SelectColourMap(&cao);
    const auto level = [&](int l) { return surface.Resolve(Colour::FromLevel(l)); };
    EXPECT_EQ((std::array{level(64), level(65), level(-1)}), (std::array<Rgb, 3>{cao[64], {}, {}}));
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
        {"horizontal, leftward", {3, 0}, {0, 0}, {{1, 0}, {2, 0}, {3, 0}}},
        {"vertical, upward", {2, 5}, {2, 2}, {{2, 3}, {2, 4}, {2, 5}}},
        {"one step down", {2, 2}, {2, 3}, {{2, 2}}},
        {"half rounds down", {0, 0}, {2, 1}, {{0, 0}, {1, 0}}},
        {"half rounds down, reversed", {2, 1}, {0, 0}, {{1, 0}, {2, 1}}},
        {"negative half rounds down", {0, 1}, {2, 0}, {{0, 1}, {1, 0}}},
        {"negative halves round down", {0, 3}, {4, 1}, {{0, 3}, {1, 2}, {2, 2}, {3, 1}}},
        {"fifths", {0, 0}, {5, 2}, {{0, 0}, {1, 0}, {2, 1}, {3, 1}, {4, 2}}},
        {"steep", {0, 0}, {1, 3}, {{0, 0}, {0, 1}, {1, 2}}},
        {"a single pixel", {4, 4}, {4, 4}, {}},
    };
    for (const Row& row : rows) {
        std::vector<Point> pixels;
        RasteriseSegment(row.from, row.to, [&](int x, int y) { pixels.push_back(Point{x, y}); });
        EXPECT_EQ(pixels, row.pixels) << row.name;
    }
}

// The surface keeps the pixels of the last path for the next one, which usually extends it;
// whatever the next path is, it comes out as its segments drawn one by one on a blank canvas.
// The fill between repaints a box on the first row; a canvas made taller is a new one.
TEST(RasterSurface, PathAfterAnotherAsItsOwnSegments) {
    const std::vector<Point> last{{1, 1}, {9, 2}, {3, 8}, {14, 6}};
    const struct {
        const char* name;
        std::vector<Point> next;
        int penWidth;
    } rows[] = {
        {"one point more", {{1, 1}, {9, 2}, {3, 8}, {14, 6}, {0, 9}}, 1},
        {"started again", {{1, 1}, {9, 2}}, 1},
        {"another start", {{2, 1}, {9, 2}, {3, 8}, {14, 6}, {0, 9}}, 1},
        {"a wider pen", {{1, 1}, {9, 2}, {3, 8}, {14, 6}, {0, 9}}, 3},
    };
    const Rgb red{255, 0, 0};
    for (const auto& row : rows) {
        RasterSurface drawn(12, 10), alone(12, 3);
        alone.Resize(12, 10);
        drawn.SelectPen(Pen::Solid(1, red));
        drawn.Polyline(last);
        drawn.FillRect(Rect{5, 0, 8, 2}, Brush::Of(Colour::FromRgb(0, 0, 255)));
        drawn.FillRect(Rect{0, 0, 12, 10}, drawn.CurrentBrush());
        drawn.SelectPen(Pen::Solid(row.penWidth, red));
        drawn.Polyline(row.next);
        alone.SelectPen(Pen::Solid(row.penWidth, red));
        alone.MoveTo(row.next.front());
        for (Point point : row.next) alone.LineTo(point);
        EXPECT_TRUE(std::ranges::equal(drawn.Pixels(), alone.Pixels())) << row.name;
    }
}

// A trace's pixels lie within the bounds its changed area is made of, whichever way it runs.
TEST(PathPixels, BoundsHoldEveryPixel) {
    for (const std::vector<Point>& points :
         {std::vector<Point>{{2, 1}, {2, 6}, {7, 3}}, std::vector<Point>{{7, 8}, {1, 2}}}) {
        PathPixels path;
        path.Update(points, 1, 10, 10);
        const Rect bounds = path.Bounds();
        for (const std::size_t offset : path.Offsets()) {
            const int x = static_cast<int>(offset % 10), y = static_cast<int>(offset / 10);
            EXPECT_TRUE(x >= bounds.left && x < bounds.right && y >= bounds.top &&
                        y < bounds.bottom)
                << x << "," << y;
        }
    }
}

// Blocks of 16 pixels on rows of 640, the three rows one band: a fill repaints the blocks
// drawn since the last, and the screen needs them once more, then no longer.
TEST(DrawnArea, ChangedBlocksOverTwoFrames) {
    DrawnArea area;
    area.Resize(640, 3);
    std::vector<std::array<int, 3>> fills;
    const auto refillThenChanged = [&] {
        area.Refill([&](int y, int left, int right) { fills.push_back({y, left, right}); });
        std::vector<Rect> rects;
        area.Changed(rects);
        return rects;
    };
    EXPECT_EQ(refillThenChanged(), std::vector<Rect>{});
    area.Mark(1, 16, 32);
    area.Mark(2, 50, 51);
    EXPECT_EQ(refillThenChanged(), (std::vector<Rect>{{16, 0, 32, 3}, {48, 0, 64, 3}}));
    EXPECT_EQ(fills, (std::vector<std::array<int, 3>>{{1, 16, 32}, {2, 48, 64}}));
    EXPECT_EQ(refillThenChanged(), std::vector<Rect>{});
}

}  // namespace
}  // namespace vireflu
