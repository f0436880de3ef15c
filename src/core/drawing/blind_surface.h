#pragma once

#include "drawing/surface.h"

namespace vireflu {

// A surface that keeps no pixels. Drawing a frame on it still runs every drawing routine,
// so what they record in the state (the trace point, the torque figure) is the same as on
// a canvas, at the cost of the arithmetic alone: for runs that write no image.
class BlindSurface : public Surface {
protected:
    void DoFillRect(const Rect&, const Brush&) override {}
    void DoEllipse(const Rect&) override {}
    void DoPolygon(std::span<const Point>) override {}
    void DoPolygonRuns(std::span<const Point>, const PolygonRuns&) override {}
    void DoRectangle(Point, Point) override {}
    void DoLine(Point, Point) override {}
    void DoPolyline(std::span<const Point>) override {}
};

}  // namespace vireflu
