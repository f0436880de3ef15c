#include "measures/measures_picture.h"

#include <algorithm>
#include <cmath>
#include <numbers>

#include "shell/interface_text.h"

namespace vireflu {

namespace {

constexpr Rgb kGridColour{210, 210, 210};
constexpr int kMargin = 6;

constexpr CurveLegendEntry kLegend[] = {
    {VIREFLU_UI_TEXT("Measures", "Stator"), kStatorCurveColour, kStatorCurveColour},
    {VIREFLU_UI_TEXT("Measures", "Rotor"), kRotorCurveColour, Rgb{0, 120, 87}},
    {VIREFLU_UI_TEXT("Measures", "Résultante"), kResultantCurveColour, kResultantCurveColour},
    {VIREFLU_UI_TEXT("Measures", "Fondamental"), kFundamentalColour, Rgb{100, 100, 100}},
    {VIREFLU_UI_TEXT("Measures", "Champ"), kFieldMarkerColour, Rgb{200, 0, 0}},
};

// Maps angles in degrees and values in -1..1 onto the area, inside a margin.
struct CurveFrame {
    int left;
    int top;
    int width;
    int height;

    int X(double degrees) const { return left + Trunc(degrees / 360.0 * width); }
    int Y(double value) const { return top + Trunc((1 - value) * 0.5 * height); }
};

void Line(Surface& surface, Point from, Point to) {
    surface.MoveTo(from);
    surface.LineTo(to);
}

// Value k sits at 2k degrees; the curve closes on entry 0 at 360 degrees.
template <typename ValueAt>
void Polyline(Surface& surface, const CurveFrame& f, Rgb colour, int width, ValueAt&& value) {
    const Pen kept = surface.SelectPen(Pen::Solid(width, colour));
    surface.MoveTo({f.X(0), f.Y(value(0))});
    for (int k = 1; k <= kGapSectors; ++k)
        surface.LineTo({f.X(2.0 * k), f.Y(value(k % kGapSectors))});
    surface.SelectPen(kept);
}

}  // namespace

std::span<const CurveLegendEntry> CurveLegend() {
    return kLegend;
}

void DrawAirGapCurve(Surface& surface, const Rect& area, const Measures& measures, int lineWidth) {
    const Brush white = Brush::Of(Colour::FromRgb(255, 255, 255));
    surface.FillRect(area, white);
    const CurveFrame f{area.left + kMargin, area.top + kMargin,
                       std::max(area.right - area.left - 2 * kMargin, 1),
                       std::max(area.bottom - area.top - 2 * kMargin, 1)};

    const Pen kept = surface.SelectPen(Pen::Solid(1, kGridColour));
    for (int degrees = 0; degrees <= 360; degrees += 90)
        Line(surface, {f.X(degrees), f.top}, {f.X(degrees), f.top + f.height + 1});
    for (double value : {1.0, 0.0, -1.0})
        Line(surface, {f.left, f.Y(value)}, {f.left + f.width + 1, f.Y(value)});
    surface.SelectPen(kept);

    const AirGapCurve& c = measures.curve;
    const auto at = [](const auto& values) {
        return [&values](int k) { return values[static_cast<std::size_t>(k)]; };
    };
    Polyline(surface, f, kStatorCurveColour, lineWidth, at(c.stator));
    Polyline(surface, f, kRotorCurveColour, lineWidth, at(c.rotor));
    Polyline(surface, f, kFundamentalColour, lineWidth, [&](int k) {
        const double phi =
            c.polePairs * (2.0 * k - c.fundamentalAngleDeg) * (std::numbers::pi / 180);
        return c.fundamentalAmplitude * std::cos(phi);
    });
    Polyline(surface, f, kResultantCurveColour, lineWidth, at(c.resultant));

    if (measures.numbers.fieldAngleDeg) {
        const int x = f.X(*measures.numbers.fieldAngleDeg);
        const Pen keptMarker = surface.SelectPen(Pen::Solid(lineWidth, kFieldMarkerColour));
        Line(surface, {x, f.top}, {x, f.top + f.height + 1});
        surface.SelectPen(keptMarker);
    }
}

void RenderAirGapCurve(RasterSurface& canvas, int width, int height, const Measures& measures,
                       int lineWidth) {
    canvas.Resize(std::max(width, 1), std::max(height, 1));
    DrawAirGapCurve(canvas, Rect{0, 0, canvas.Width(), canvas.Height()}, measures, lineWidth);
}

void DrawRotatingFields(Surface& surface, Point centre, const std::optional<FieldSplit>& stator,
                        const std::optional<FieldSplit>& rotor, int lineWidth) {
    const std::optional<FieldSplit>& split = stator ? stator : rotor;
    if (!split) return;
    // `sense` is +1 for a field turning counterclockwise on the screen, -1 for clockwise.
    const auto draw = [&](const RotatingField& field, Rgb colour, int sense) {
        const Pen kept = surface.SelectPen(Pen::Solid(lineWidth, colour));
        const Point tip{centre.x + Trunc(field.x), centre.y + Trunc(field.y)};
        Line(surface, centre, tip);
        const double length = std::hypot(field.x, field.y);
        if (split->turns && length >= 1) {
            // A chevron at the tip, pointing the way the field turns along its circle.
            const double size = 4 + 2 * lineWidth;
            const double tx = sense * field.y / length, ty = -sense * field.x / length;
            const double rx = field.x / length, ry = field.y / length;
            for (const int side : {-1, 1})
                Line(surface, tip,
                     {tip.x + Trunc(size * (-tx + 0.6 * side * rx)),
                      tip.y + Trunc(size * (-ty + 0.6 * side * ry))});
        }
        surface.SelectPen(kept);
    };
    draw(split->direct, kDirectFieldColour, 1);
    draw(split->inverse, kInverseFieldColour, -1);
}

}  // namespace vireflu
