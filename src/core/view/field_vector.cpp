#include "view/field_vector.h"

#include <algorithm>
#include <cmath>

namespace vireflu {

namespace {

const Rgb kRed{255, 0, 0};
const Rgb kBlack{0, 0, 0};

}  // namespace

void DrawVector(Surface& surface, const SimulationState& state, const ViewGeometry& geometry,
                Point tip) {
    const Pen kept = surface.SelectPen(Pen::Solid(LineWidth(state), kRed));
    surface.MoveTo({geometry.centreX, geometry.centreY});
    surface.LineTo({geometry.centreX + tip.x, geometry.centreY + tip.y});
    surface.SelectPen(kept);
}

void DrawTrace(Surface& surface, const SimulationState& state) {
    const Pen kept = surface.SelectPen(Pen::Solid(LineWidth(state), kRed));
    surface.Polyline(std::span<const Point>(state.traceBuffer)
                         .first(static_cast<std::size_t>(state.traceShown)));
    surface.SelectPen(kept);
}

TorqueCells TorqueBarCells(double torqueValue) {
    if (torqueValue == 0 || std::isnan(torqueValue)) return TorqueCells{};
    const int t = Trunc(torqueValue * -32.0);
    // A cell beyond either end of the colour map has no colour: the bar stops there.
    constexpr int kMaxCells = kHighestLevel - kNeutralLevel + 1;
    if (torqueValue > 0) return TorqueCells{std::min(1 - t, kMaxCells), true};
    return TorqueCells{std::min(t, kMaxCells), false};
}

void DrawTorqueBar(Surface& surface, const SimulationState& state, const ViewGeometry& geometry) {
    const Pen keptPen = surface.SelectPen(Pen::Solid(1, kBlack));
    surface.MoveTo({0, geometry.centreY});
    surface.LineTo({geometry.torqueBarRight + 5, geometry.centreY});
    surface.SelectPen(keptPen);

    const TorqueCells cells = TorqueBarCells(state.torqueValue);
    if (cells.count == 0) return;
    const Brush keptBrush = surface.SelectBrush(Brush::Level(0));
    const double cellHeight = geometry.torqueSpan * 0.015384615384615385;
    double y = cells.upward ? geometry.centreY : geometry.centreY + 1;
    for (int c = 0; c < cells.count; ++c) {
        if (cells.upward) {
            const double y2 = y - cellHeight;
            surface.SelectBrush(Brush::Level(32 + c));
            surface.Rectangle({5, Trunc(y) + 1}, {geometry.torqueBarRight, Trunc(y2)});
            y = y2;
        } else {
            const double y2 = y + cellHeight;
            surface.SelectBrush(Brush::Level(32 - c));
            surface.Rectangle({5, Trunc(y) - 1}, {geometry.torqueBarRight, Trunc(y2)});
            y = y2;
        }
    }
    surface.SelectBrush(keptBrush);
}

}  // namespace vireflu
