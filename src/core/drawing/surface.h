#pragma once

#include <span>
#include <utility>

#include "drawing/colour.h"
#include "drawing/colour_map.h"
#include "drawing/geometry.h"
#include "drawing/polygon_raster.h"

namespace vireflu {

struct Pen {
    enum class Style { Null, Solid };

    Style style = Style::Null;
    int width = 1;
    Rgb colour{128, 128, 128};

    static Pen Null() { return Pen{}; }
    static Pen Solid(int width, Rgb colour) { return Pen{Style::Solid, width, colour}; }

    friend bool operator==(const Pen&, const Pen&) = default;
};

struct Brush {
    Colour colour = Colour::FromRgb(255, 255, 255);

    static Brush Of(Colour colour) { return Brush{colour}; }
    static Brush Level(int level) { return Brush{Colour::FromLevel(level)}; }

    friend bool operator==(const Brush&, const Brush&) = default;
};

// The drawing operations every picture uses, on integer pixel coordinates with the
// origin at the top-left corner. The drawing routines select pens and brushes and put
// back what they found, so a surface tracks the current pen, brush and point itself;
// implementations only supply the primitives.
class Surface {
public:
    virtual ~Surface() = default;

    // The colour map that level colours resolve against; none resolves them to black.
    void SelectColourMap(const ColourMap* map) { colourMap = map; }
    Rgb Resolve(const Colour& colour) const;

    // Both return what they replace, so the caller can restore it.
    Pen SelectPen(const Pen& pen) { return std::exchange(selectedPen, pen); }
    Brush SelectBrush(const Brush& brush) { return std::exchange(selectedBrush, brush); }
    const Pen& CurrentPen() const { return selectedPen; }
    const Brush& CurrentBrush() const { return selectedBrush; }

    // Fills the half-open box [left, right) x [top, bottom); no outline.
    void FillRect(const Rect& rect, const Brush& brush) { DoFillRect(rect, brush); }
    // Ellipse inscribed in rect, filled with the current brush and, unless the pen is
    // null, outlined one pixel wide in the pen's colour.
    void Ellipse(const Rect& rect) { DoEllipse(rect); }
    // Closed polygon filled with the odd-even rule; unless the pen is null, its sides are
    // then drawn as segments, each without its final pixel, which the next one draws.
    void Polygon(std::span<const Point> vertices);
    // The same polygon with its fill already worked out for a canvas of a given size; a
    // surface of that size may fill those runs instead of rasterising the polygon again.
    void Polygon(std::span<const Point> vertices, const PolygonRuns& runs);
    // Rectangle between two corners given in any order.
    void Rectangle(Point corner1, Point corner2) { DoRectangle(corner1, corner2); }
    void MoveTo(Point point) { currentPoint = point; }
    // Segment from the current point to `to`, without its final pixel; `to` becomes current.
    void LineTo(Point to);
    // MoveTo the first point, then LineTo each of the others.
    void Polyline(std::span<const Point> points);

protected:
    virtual void DoFillRect(const Rect& rect, const Brush& brush) = 0;
    virtual void DoEllipse(const Rect& rect) = 0;
    // Fills the polygon, without an outline.
    virtual void DoPolygon(std::span<const Point> vertices) = 0;
    virtual void DoPolygonRuns(std::span<const Point> vertices, const PolygonRuns& /*runs*/) {
        DoPolygon(vertices);
    }
    virtual void DoRectangle(Point corner1, Point corner2) = 0;
    virtual void DoLine(Point from, Point to) = 0;
    // The segments of a path of at least two points, drawn with a solid pen.
    virtual void DoPolyline(std::span<const Point> points);

private:
    void OutlinePolygon(std::span<const Point> vertices);

    const ColourMap* colourMap = nullptr;
    Pen selectedPen;
    Brush selectedBrush;
    Point currentPoint;
};

// Rasterises the segment from `from` to `to` without its final pixel: steps along the
// major axis from the end with the smaller coordinate, rounds the minor coordinate with
// exact halves toward the smaller value, and leaves out `to`. Calls plot(x, y) for each
// pixel. Shared by every surface that draws pixels itself.
template <typename Plot>
void RasteriseSegment(Point from, Point to, Plot&& plot);

}  // namespace vireflu

#include "drawing/raster_segment.inl"
