#include "panel_pictures/waveform_curves.h"

#include <cmath>
#include <span>

#include "machine/constants.h"

namespace vireflu {

namespace {

void DrawAxes(Surface& surface, double w, double h) {
    const int m = Trunc(h * 0.5);
    surface.MoveTo({5, m});
    surface.LineTo({Trunc(w - 5), m});
    surface.MoveTo({10, 5});
    surface.LineTo({10, Trunc(h - 5)});
}

// Selects the axis pen, draws the axes, then draws the curve with the curve pen, and
// puts back the pen that was selected on entry.
template <typename Curve>
void DrawPicture(Surface& surface, double w, double h, int lineWidth, Curve&& curve) {
    const Pen kept = surface.SelectPen(Pen::Solid(2 * lineWidth, Rgb{255, 0, 0}));
    DrawAxes(surface, w, h);
    surface.SelectPen(Pen::Solid(lineWidth, Rgb{0, 0, 255}));
    curve();
    surface.SelectPen(kept);
}

void DrawPolyline(Surface& surface, std::span<const Point> vertices) {
    surface.MoveTo(vertices.front());
    for (const Point& vertex : vertices.subspan(1)) surface.LineTo(vertex);
}

}  // namespace

void DrawSinePicture(Surface& surface, double w, double h, double angleDeg, int lineWidth) {
    DrawPicture(surface, w, h, lineWidth, [&] {
        const double c = h * 0.5;
        const double a = h - 10;
        const double span = w - 15;
        const double phi = angleDeg * constants::kDegreeFactor;
        surface.MoveTo({10, Trunc(c - std::sin(phi) * a * 0.5)});
        for (int x = 11; x < w - 4; ++x)
            surface.LineTo(
                {x, Trunc(c - std::sin((x - 10) * constants::kTurn / span + phi) * a * 0.5)});
    });
}

void DrawDirectPicture(Surface& surface, double w, double h, double /*angleDeg*/, int lineWidth) {
    DrawPicture(surface, w, h, lineWidth, [&] {
        surface.MoveTo({10, 10});
        surface.LineTo({Trunc(w - 5), 10});
    });
}

void DrawSixStepPicture(Surface& surface, double w, double h, double shiftDeg, int lineWidth) {
    DrawPicture(surface, w, h, lineWidth, [&] {
        const double q = (w - 15) * 0.08333333333333333;
        // Each column is its own truncated product, so it can land one pixel left of the
        // exact twelfth.
        const auto col = [q](int k) { return 10 + Trunc(k * q); };
        const int t = 10;
        const int z = Trunc(h * 0.5);
        const int b = Trunc(h - 10);
        if (shiftDeg == 0) {
            const Point v[] = {{10, z},     {col(1), z}, {col(1), t},  {col(5), t},  {col(5), z},
                               {col(7), z}, {col(7), b}, {col(11), b}, {col(11), z}, {col(12), z}};
            DrawPolyline(surface, v);
        } else if (shiftDeg == 120) {
            const Point v[] = {{10, t},     {col(1), t}, {col(1), z}, {col(3), z}, {col(3), b},
                               {col(7), b}, {col(7), z}, {col(9), z}, {col(9), t}, {col(12), t}};
            DrawPolyline(surface, v);
        } else if (shiftDeg == 240) {
            const Point v[] = {{10, b},     {col(3), b}, {col(3), z},  {col(5), z},  {col(5), t},
                               {col(9), t}, {col(9), z}, {col(11), z}, {col(11), b}, {col(12), b}};
            DrawPolyline(surface, v);
        }
    });
}

}  // namespace vireflu
