#pragma once

#include <cstdint>
#include <optional>
#include <span>
#include <vector>

#include "drawing/drawn_area.h"
#include "drawing/path_pixels.h"
#include "drawing/surface.h"

namespace vireflu {

// The drawing surface on an image buffer of its own: one std::uint32_t per pixel,
// 0xFFRRGGBB, rows top to bottom without padding (the layout of Qt's
// QImage::Format_RGB32, so a QImage can wrap the buffer without copying it). Every
// primitive gives exactly the pixels the QPainter surface gives with antialiasing off,
// so the window, the command-line tool and the browser edition show the same frames.
//
// Frames begin by filling the whole canvas with their background and then draw over a
// part of it, so the surface keeps the blocks of each row drawn since the last whole fill,
// and the pixels of the path drawn since: a whole fill in the same colour only repaints
// those, and the pixels come out the same.
class RasterSurface : public Surface {
public:
    RasterSurface() = default;
    RasterSurface(int width, int height);

    // Gives the buffer a new size, all white; keeps the pixels when the size is the same.
    void Resize(int width, int height);

    int Width() const { return width; }
    int Height() const { return height; }
    // Writing through this span makes the next whole fill repaint every pixel.
    std::span<std::uint32_t> Pixels();
    std::span<const std::uint32_t> Pixels() const { return pixels; }
    std::uint32_t Pixel(int x, int y) const;
    // Appends rectangles covering every pixel that may differ from the frame before (the
    // last whole fill began this frame, the one before began that frame): rows joined in
    // bands from the top, the rectangles of a band from the left, none overlapping.
    void ChangedArea(std::vector<Rect>& rects) const { drawn.Changed(rects); }

    static std::uint32_t Encode(Rgb rgb);

protected:
    void DoFillRect(const Rect& rect, const Brush& brush) override;
    void DoEllipse(const Rect& rect) override;
    void DoPolygon(std::span<const Point> vertices) override;
    void DoPolygonRuns(std::span<const Point> vertices, const PolygonRuns& runs) override;
    void DoRectangle(Point corner1, Point corner2) override;
    void DoLine(Point from, Point to) override;
    void DoPolyline(std::span<const Point> points) override;

private:
    // Fills [left, right) of row y, clipped to the buffer.
    void FillRun(int y, int left, int right, std::uint32_t colour);
    void FillBox(int left, int top, int right, int bottom, std::uint32_t colour);
    // One pixel of a one-pixel segment, clipped to the buffer.
    void Plot(int x, int y, std::uint32_t colour);
    // Fills runs that lie within the canvas, as RasterisePolygon gives them for its size.
    void FillRuns(std::span<const PixelRun> runs, std::uint32_t colour);
    std::uint32_t* RowStart(int y);

    int width = 0;
    int height = 0;
    std::vector<std::uint32_t> pixels;
    // The colour of the last whole fill, while every pixel not drawn since still has it.
    std::optional<std::uint32_t> background;
    DrawnArea drawn;
    // Reused by polygons drawn without runs worked out in advance.
    std::vector<PixelRun> scratchRuns;
    // The last path drawn, which the next frame's path usually extends by one point, and
    // whether its pixels were drawn since the last whole fill.
    PathPixels lastPath;
    bool pathDrawn = false;
};

}  // namespace vireflu
