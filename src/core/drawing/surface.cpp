#include "drawing/surface.h"

namespace vireflu {

Rgb Surface::Resolve(const Colour& colour) const {
    if (colour.kind == Colour::Kind::Rgb) return colour.rgb;
    if (colourMap == nullptr || colour.level < 0 || colour.level >= kColourLevels) return Rgb{};
    return (*colourMap)[static_cast<std::size_t>(colour.level)];
}

void Surface::Polygon(std::span<const Point> vertices) {
    DoPolygon(vertices);
    OutlinePolygon(vertices);
}

void Surface::Polygon(std::span<const Point> vertices, const PolygonRuns& runs) {
    DoPolygonRuns(vertices, runs);
    OutlinePolygon(vertices);
}

void Surface::OutlinePolygon(std::span<const Point> vertices) {
    if (selectedPen.style == Pen::Style::Null || vertices.empty()) return;
    for (std::size_t i = 0; i < vertices.size(); ++i)
        DoLine(vertices[i], vertices[(i + 1) % vertices.size()]);
}

void Surface::Polyline(std::span<const Point> points) {
    if (points.empty()) return;
    if (points.size() > 1 && selectedPen.style != Pen::Style::Null) DoPolyline(points);
    currentPoint = points.back();
}

void Surface::DoPolyline(std::span<const Point> points) {
    for (std::size_t i = 1; i < points.size(); ++i) DoLine(points[i - 1], points[i]);
}

void Surface::LineTo(Point to) {
    if (selectedPen.style != Pen::Style::Null) DoLine(currentPoint, to);
    currentPoint = to;
}

}  // namespace vireflu
