#include "drawing/raster_surface.h"

#include <algorithm>
#include <cstdlib>
#include <cstring>

namespace vireflu {

namespace {

constexpr std::uint32_t kWhite = 0xFFFFFFFFu;

// Frames are mostly fills, so on x86-64 the fill also comes in a version with 32-byte
// stores, chosen at load time on processors that have them.
#if defined(__x86_64__) && defined(__GNUC__) && !defined(__clang__)
__attribute__((target_clones("avx2", "default")))
#endif
void FillPixels(std::uint32_t* first, std::uint32_t* last, std::uint32_t colour) {
    std::fill(first, last, colour);
}

// Fills a short run with 16-byte stores, the last one overlapping the one before when the
// length is not a multiple of four; a sector's run is a few pixels long.
void FillShort(std::uint32_t* first, int length, std::uint32_t colour) {
    if (length < 4) {
        for (int i = 0; i < length; ++i) first[i] = colour;
        return;
    }
    const std::uint32_t quad[4] = {colour, colour, colour, colour};
    for (int i = 0; i + 4 < length; i += 4) std::memcpy(first + i, quad, sizeof quad);
    std::memcpy(first + length - 4, quad, sizeof quad);
}

}  // namespace

RasterSurface::RasterSurface(int w, int h) {
    Resize(w, h);
}

void RasterSurface::Resize(int w, int h) {
    w = std::max(w, 0);
    h = std::max(h, 0);
    if (w == width && h == height) return;
    width = w;
    height = h;
    pixels.assign(static_cast<std::size_t>(w) * static_cast<std::size_t>(h), kWhite);
    background = kWhite;
    drawn.Resize(w, h);
    pathDrawn = false;
}

std::span<std::uint32_t> RasterSurface::Pixels() {
    background.reset();
    return pixels;
}

std::uint32_t RasterSurface::Pixel(int x, int y) const {
    return pixels[static_cast<std::size_t>(y) * static_cast<std::size_t>(width) +
                  static_cast<std::size_t>(x)];
}

std::uint32_t RasterSurface::Encode(Rgb rgb) {
    return 0xFF000000u | (std::uint32_t{rgb.red} << 16) | (std::uint32_t{rgb.green} << 8) |
           std::uint32_t{rgb.blue};
}

void RasterSurface::FillRun(int y, int left, int right, std::uint32_t colour) {
    if (y < 0 || y >= height) return;
    left = std::max(left, 0);
    right = std::min(right, width);
    if (left >= right) return;
    const PixelRun run{y, left, right};
    FillRuns(std::span(&run, 1), colour);
}

void RasterSurface::FillBox(int left, int top, int right, int bottom, std::uint32_t colour) {
    for (int y = std::max(top, 0); y < std::min(bottom, height); ++y)
        FillRun(y, left, right, colour);
}

void RasterSurface::FillRuns(std::span<const PixelRun> runs, std::uint32_t colour) {
    for (const PixelRun& run : runs) {
        FillShort(RowStart(run.y) + run.left, run.right - run.left, colour);
        drawn.Mark(run.y, run.left, run.right);
    }
}

std::uint32_t* RasterSurface::RowStart(int y) {
    return pixels.data() + static_cast<std::size_t>(y) * static_cast<std::size_t>(width);
}

void RasterSurface::DoFillRect(const Rect& rect, const Brush& brush) {
    const std::uint32_t colour = Encode(Resolve(brush.colour));
    const bool whole =
        rect.left <= 0 && rect.top <= 0 && rect.right >= width && rect.bottom >= height;
    if (!whole) return FillBox(rect.left, rect.top, rect.right, rect.bottom, colour);
    if (background == colour) {
        drawn.Refill([&](int y, int left, int right) {
            FillPixels(RowStart(y) + left, RowStart(y) + right, colour);
        });
        if (pathDrawn)
            for (std::size_t offset : lastPath.Offsets()) pixels[offset] = colour;
    } else {
        FillPixels(pixels.data(), pixels.data() + pixels.size(), colour);
        drawn.RepaintAll();
    }
    background = colour;
    pathDrawn = false;
}

void RasterSurface::DoRectangle(Point corner1, Point corner2) {
    FillBox(std::min(corner1.x, corner2.x), std::min(corner1.y, corner2.y),
            std::max(corner1.x, corner2.x), std::max(corner1.y, corner2.y),
            Encode(Resolve(CurrentBrush().colour)));
}

void RasterSurface::DoPolygon(std::span<const Point> vertices) {
    scratchRuns.clear();
    RasterisePolygon(vertices, width, height, scratchRuns);
    FillRuns(scratchRuns, Encode(Resolve(CurrentBrush().colour)));
}

void RasterSurface::DoPolygonRuns(std::span<const Point> vertices, const PolygonRuns& runs) {
    if (runs.canvasWidth != width || runs.canvasHeight != height) return DoPolygon(vertices);
    FillRuns(runs.runs, Encode(Resolve(CurrentBrush().colour)));
}

// The midpoint ellipse of Qt's raster engine for an aliased ellipse in an integer
// rectangle: the outline is traced from the top down to the middle in runs per row,
// mirrored left and right, top and bottom; the fill of each row runs from the last pixel
// of the left outline run up to the right one. The fill comes first, the outline over it.
void RasterSurface::DoEllipse(const Rect& rect) {
    const int w = rect.right - rect.left;
    const int h = rect.bottom - rect.top;
    if (w <= 0 || h <= 0) return;
    const bool outlined = CurrentPen().style != Pen::Style::Null;
    const std::uint32_t fill = Encode(Resolve(CurrentBrush().colour));
    const std::uint32_t outline = Encode(CurrentPen().colour);
    const int midX = rect.left + (w + 1) / 2;
    const int midY = rect.top + (h + 1) / 2;

    // The run of `length` outline pixels starting `x` right of the middle, `y` rows up.
    const auto rows = [&](int x, int y, int length) {
        if (length == 0) return;
        const int rightX = x + midX;
        const int topY = midY - y;
        const int leftX = midX + (midX - rightX) - (length - 1) - (w & 1);
        const int leftLength = std::min(length, rightX - leftX);
        const int bottomY = midY + (midY - topY) - (h & 1);
        if (leftX + leftLength < rightX) {
            const int fillLeft = leftX + leftLength - 1;
            FillRun(topY, fillLeft, std::max(rightX, fillLeft), fill);
            if (topY < bottomY) FillRun(bottomY, fillLeft, std::max(rightX, fillLeft), fill);
        }
        if (!outlined) return;
        FillRun(topY, leftX, leftX + leftLength, outline);
        FillRun(topY, rightX, rightX + length, outline);
        if (topY < bottomY) {
            FillRun(bottomY, leftX, leftX + leftLength, outline);
            FillRun(bottomY, rightX, rightX + length, outline);
        }
    };

    const double a = w / 2.0;
    const double b = h / 2.0;
    double d = b * b - (a * a * b) + 0.25 * a * a;
    int x = 0;
    int y = (h + 1) / 2;
    int startX = x;
    // Region 1: slope shallower than 45 degrees.
    while (a * a * (2 * y - 1) > 2 * b * b * (x + 1)) {
        if (d < 0) {
            d += b * b * (2 * x + 3);
            ++x;
        } else {
            d += b * b * (2 * x + 3) + a * a * (-2 * y + 2);
            rows(startX, y, x - startX + 1);
            startX = ++x;
            --y;
        }
    }
    rows(startX, y, x - startX + 1);
    // Region 2: one row at a time down to the middle.
    d = b * b * (x + 0.5) * (x + 0.5) + a * a * ((y - 1) * (y - 1) - b * b);
    const int lowestY = h & 1;
    while (y > lowestY) {
        if (d < 0) {
            d += b * b * (2 * x + 2) + a * a * (-2 * y + 3);
            ++x;
        } else {
            d += a * a * (-2 * y + 3);
        }
        --y;
        rows(x, y, 1);
    }
}

void RasterSurface::DoLine(Point from, Point to) {
    const Pen& pen = CurrentPen();
    const std::uint32_t colour = Encode(pen.colour);
    if (pen.width <= 1)
        return RasteriseSegment(from, to, [&](int x, int y) { Plot(x, y, colour); });
    RasteriseWideSegment(from, to, pen.width, [&](int left, int top, int right, int bottom) {
        FillBox(left, top, right, bottom, colour);
    });
}

// All segments but the newest come from the pixels kept from the last path, which the
// trace extends by one point per frame; the newest is drawn as a segment of its own.
void RasterSurface::DoPolyline(std::span<const Point> points) {
    // Only one path a frame is kept; another is drawn segment by segment.
    if (pathDrawn) return Surface::DoPolyline(points);
    const Pen& pen = CurrentPen();
    const std::uint32_t colour = Encode(pen.colour);
    lastPath.Update(points.first(points.size() - 1), pen.width, width, height);
    for (std::size_t offset : lastPath.Offsets()) pixels[offset] = colour;
    pathDrawn = true;
    drawn.MarkRestoredApart(lastPath.Bounds());
    DoLine(points[points.size() - 2], points.back());
}

void RasterSurface::Plot(int x, int y, std::uint32_t colour) {
    if (x < 0 || x >= width || y < 0 || y >= height) return;
    RowStart(y)[x] = colour;
    drawn.Mark(y, x, x + 1);
}

}  // namespace vireflu
