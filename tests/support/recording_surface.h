#pragma once

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

// Keeps every primitive, in drawing order, with its exact coordinates and colours.
class RecordingSurface : public Surface {
    using Kind = Primitive::Kind;

public:
    std::vector<Primitive> primitives;

    std::vector<Primitive> OfKind(Primitive::Kind kind) const {
        std::vector<Primitive> found;
        for (const Primitive& p : primitives)
            if (p.kind == kind) found.push_back(p);
        return found;
    }

protected:
    void DoFillRect(const Rect& r, const Brush& brush) override {
        primitives.push_back(
            {Kind::FillRect, {{r.left, r.top}, {r.right, r.bottom}}, CurrentPen(), brush});
    }
    void DoEllipse(const Rect& r) override {
        Add(Kind::Ellipse, {{r.left, r.top}, {r.right, r.bottom}});
    }
    void DoPolygon(std::span<const Point> vertices) override {
        Add(Kind::Polygon, {vertices.begin(), vertices.end()});
    }
    void DoRectangle(Point a, Point b) override { Add(Kind::Rectangle, {a, b}); }
    void DoLine(Point from, Point to) override { Add(Kind::Line, {from, to}); }

private:
    void Add(Kind kind, std::vector<Point> points) {
        primitives.push_back({kind, std::move(points), CurrentPen(), CurrentBrush()});
    }
};

}  // namespace vireflu::testing
