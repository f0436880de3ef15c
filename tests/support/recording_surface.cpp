#include "recording_surface.h"

namespace vireflu::testing {

std::vector<Primitive> RecordingSurface::OfKind(Primitive::Kind kind) const {
    std::vector<Primitive> found;
    for (const Primitive& p : primitives)
        if (p.kind == kind) found.push_back(p);
    return found;
}

void RecordingSurface::DoFillRect(const Rect& rect, const Brush& brush) {
    primitives.push_back({Primitive::Kind::FillRect,
                          {{rect.left, rect.top}, {rect.right, rect.bottom}},
                          CurrentPen(),
                          brush});
}

void RecordingSurface::DoEllipse(const Rect& rect) {
    primitives.push_back({Primitive::Kind::Ellipse,
                          {{rect.left, rect.top}, {rect.right, rect.bottom}},
                          CurrentPen(),
                          CurrentBrush()});
}

void RecordingSurface::DoPolygon(std::span<const Point> vertices) {
    primitives.push_back({Primitive::Kind::Polygon,
                          {vertices.begin(), vertices.end()},
                          CurrentPen(),
                          CurrentBrush()});
}

void RecordingSurface::DoRectangle(Point corner1, Point corner2) {
    primitives.push_back(
        {Primitive::Kind::Rectangle, {corner1, corner2}, CurrentPen(), CurrentBrush()});
}

void RecordingSurface::DoLine(Point from, Point to) {
    primitives.push_back({Primitive::Kind::Line, {from, to}, CurrentPen(), CurrentBrush()});
}

}  // namespace vireflu::testing
