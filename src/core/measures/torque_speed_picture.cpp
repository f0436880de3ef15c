#include "measures/torque_speed_picture.h"

#include <algorithm>
#include <cmath>
#include <vector>

#include "measures/measures_picture.h"

namespace vireflu {

namespace {

constexpr int kMargin = 6;
constexpr Rgb kAxisColour{160, 160, 160};
constexpr Rgb kCurveColour{0, 114, 178};
constexpr Rgb kLandmarkColour{0, 0, 0};
constexpr Rgb kLoadColour{230, 159, 0};
// The speeds shown, in units of the synchronous speed.
constexpr double kSlowest = -1;
constexpr double kFastest = 2;

void Dot(Surface& surface, Point at, int radius, Rgb colour) {
    const Brush kept =
        surface.SelectBrush(Brush::Of(Colour::FromRgb(colour.red, colour.green, colour.blue)));
    surface.Ellipse({at.x - radius, at.y - radius, at.x + radius + 1, at.y + radius + 1});
    surface.SelectBrush(kept);
}

}  // namespace

void DrawTorqueSpeedCurve(Surface& surface, const Rect& area, const Measures& measures,
                          int lineWidth) {
    surface.FillRect(area, Brush::Of(Colour::FromRgb(255, 255, 255)));
    if (!measures.induction) return;
    const Measures::Induction& m = *measures.induction;
    const int left = area.left + kMargin;
    const int top = area.top + kMargin;
    const int width = std::max(area.right - area.left - 2 * kMargin, 2);
    const int height = std::max(area.bottom - area.top - 2 * kMargin, 2);
    const auto torqueAt = [&](double speed) {
        return OperatingPointAt(m.circuit, m.supplyHz, m.polePairs, 1 - speed).torqueNm;
    };
    std::vector<double> torques;
    double largest = std::max(m.landmarks.maxTorqueNm, std::fabs(m.loadNm.value_or(0)));
    for (int x = 0; x <= width; ++x) {
        torques.push_back(torqueAt(kSlowest + (kFastest - kSlowest) * x / width));
        largest = std::max(largest, std::fabs(torques.back()));
    }
    const auto X = [&](double speed) {
        return left + Trunc((speed - kSlowest) / (kFastest - kSlowest) * width);
    };
    const auto Y = [&](double torque) {
        return top + Trunc((1 - torque / (1.1 * largest)) * 0.5 * height);
    };

    const Pen kept = surface.SelectPen(Pen::Solid(1, kAxisColour));
    for (const double speed : {0.0, 1.0}) {
        surface.MoveTo({X(speed), top});
        surface.LineTo({X(speed), top + height + 1});
    }
    surface.MoveTo({left, Y(0)});
    surface.LineTo({left + width + 1, Y(0)});
    if (m.loadNm) {
        surface.SelectPen(Pen::Solid(lineWidth, kLoadColour));
        surface.MoveTo({left, Y(*m.loadNm)});
        surface.LineTo({left + width + 1, Y(*m.loadNm)});
    }
    surface.SelectPen(Pen::Solid(lineWidth, kCurveColour));
    surface.MoveTo({left, Y(torques[0])});
    for (int x = 1; x <= width; ++x)
        surface.LineTo({left + x, Y(torques[static_cast<std::size_t>(x)])});
    surface.SelectPen(Pen::Null());
    const int dot = 2 + lineWidth;
    Dot(surface, {X(1 - m.landmarks.slipAtMaxTorque), Y(m.landmarks.maxTorqueNm)}, dot,
        kLandmarkColour);
    Dot(surface, {X(0), Y(m.landmarks.startTorqueNm)}, dot, kLandmarkColour);
    const double speed = std::clamp(1 - m.point.slip, kSlowest, kFastest);
    Dot(surface, {X(speed), Y(m.point.torqueNm)}, dot + 1, kFieldMarkerColour);
    surface.SelectPen(kept);
}

void RenderTorqueSpeedCurve(RasterSurface& canvas, int width, int height, const Measures& measures,
                            int lineWidth) {
    canvas.Resize(std::max(width, 1), std::max(height, 1));
    DrawTorqueSpeedCurve(canvas, Rect{0, 0, std::max(width, 1), std::max(height, 1)}, measures,
                         lineWidth);
}

}  // namespace vireflu
