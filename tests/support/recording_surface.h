#pragma once

#include <string>
#include <vector>

#include "drawing/surface.h"

namespace vireflu::testing {

// One primitive as drawn, with the pen and brush that were selected for it.
struct Primitive {
    enum class Kind { FillRect, Ellipse, Polygon, Rectangle, Line };

    Kind kind;
    std::vector<Point> points;  // FillRect/Ellipse: the two corners; Line: from, to
    Pen pen;
    Brush brush;
};

// Keeps every primitive with its exact integer coordinates and colours, so tests can
// check vertices and drawing order.
class RecordingSurface : public Surface {
public:
    std::vector<Primitive> primitives;

    std::vector<Primitive> OfKind(Primitive::Kind kind) const;

protected:
    void DoFillRect(const Rect& rect, const Brush& brush) override;
    void DoEllipse(const Rect& rect) override;
    void DoPolygon(std::span<const Point> vertices) override;
    void DoRectangle(Point corner1, Point corner2) override;
    void DoLine(Point from, Point to) override;
};

}  // namespace vireflu::testing
