#include "view/circuit_diagram.h"

#include <algorithm>

namespace vireflu {

namespace {

constexpr Rgb kInk{0, 0, 0};

struct Sketch {
    Surface& surface;
    int width;
    int height;

    Point At(double x, double y) const { return {Trunc(x * width), Trunc(y * height)}; }
    void Line(double x1, double y1, double x2, double y2) {
        surface.MoveTo(At(x1, y1));
        surface.LineTo(At(x2, y2));
    }
    // A horizontal element from x1 to x2 on the line at y, or a vertical one.
    void Element(double x1, double y1, double x2, double y2, bool filled) {
        const double across = 0.07;
        const bool horizontal = y1 == y2;
        const Point a = horizontal ? At(x1, y1 - across) : At(x1 - across * height / width, y1);
        const Point b = horizontal ? At(x2, y1 + across) : At(x1 + across * height / width, y2);
        const Rect box{std::min(a.x, b.x), std::min(a.y, b.y), std::max(a.x, b.x),
                       std::max(a.y, b.y)};
        surface.FillRect(
            box, Brush::Of(filled ? Colour::FromRgb(0, 0, 0) : Colour::FromRgb(255, 255, 255)));
        const Point corners[] = {{box.left, box.top},
                                 {box.right, box.top},
                                 {box.right, box.bottom},
                                 {box.left, box.bottom},
                                 {box.left, box.top}};
        surface.Polyline(corners);
    }
    void Terminal(double x, double y) {
        const Point c = At(x, y);
        const int r = std::max(2, height / 40);
        surface.Ellipse({c.x - r, c.y - r, c.x + r + 1, c.y + r + 1});
    }
};

}  // namespace

void DrawEquivalentCircuit(Surface& surface, int width, int height, int lineWidth) {
    surface.FillRect(Rect{0, 0, width, height}, Brush::Of(Colour::FromRgb(255, 255, 255)));
    const Pen kept = surface.SelectPen(Pen::Solid(lineWidth, kInk));
    const Brush keptBrush = surface.SelectBrush(Brush::Of(Colour::FromRgb(0, 0, 0)));
    Sketch s{surface, width, height};
    constexpr double top = 0.25, bottom = 0.8, node = 0.55, right = 0.96;
    s.Line(0.04, top, right, top);
    s.Line(0.04, bottom, right, bottom);
    s.Line(right, top, right, bottom);
    s.Line(node, top, node, bottom);
    s.Element(0.1, top, 0.24, top, false);    // R1
    s.Element(0.3, top, 0.44, top, true);     // X1
    s.Element(node, 0.38, node, 0.67, true);  // XM
    s.Element(0.62, top, 0.76, top, true);    // X2
    s.Element(0.8, top, 0.92, top, false);    // R2 / g
    s.Terminal(0.04, top);
    s.Terminal(0.04, bottom);
    surface.SelectPen(kept);
    surface.SelectBrush(keptBrush);
}

void RenderEquivalentCircuit(RasterSurface& canvas, int width, int height, int lineWidth) {
    width = std::max(width, 1);
    height = std::max(height, 1);
    canvas.Resize(width, height);
    DrawEquivalentCircuit(canvas, width, height, lineWidth);
}

}  // namespace vireflu
