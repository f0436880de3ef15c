#include "view/field_vector.h"

#include <algorithm>
#include <cmath>

#include "simulation/constants.h"

namespace vireflu {

namespace {

using namespace constants;

const Rgb kRed{255, 0, 0};
const Rgb kBlack{0, 0, 0};

}  // namespace

FieldVector StatorVector(const SimulationState& s, double ra, const ConductorLevels& levels) {
    const auto& on = s.statorPhaseOn;
    const int waveform = s.statorWaveform;
    const double i1 = std::sin(s.statorAngle + s.statorPhaseAngle[0]);
    const double i2 = std::sin(s.statorAngle + s.statorPhaseAngle[1]);
    const double i3 = std::sin(s.statorAngle + s.statorPhaseAngle[2]);
    const auto threePhase = [ra](double c1, double c2, double c3) {
        return FieldVector{0.4 * ra * (c1 + std::cos(kDeg120) * c2 + std::cos(kDeg240) * c3),
                           0.4 * ra * (std::sin(-kDeg120) * c2 + std::sin(-kDeg240) * c3)};
    };

    // Later rules override earlier ones; a combination no rule covers (which the panel
    // cannot produce) gives no vector rather than an undefined one.
    FieldVector v;
    if (!on[1] && waveform == kWaveformContinu) v = {0.6 * ra, 0};
    if (on[0] && waveform == kWaveformSinus && !on[1]) v = {0.6 * ra * i1, 0};
    if (on[1] && waveform == kWaveformSinus && !on[2]) v = {0.6 * ra * i1, -0.6 * ra * i2};
    if (on[2] && waveform == kWaveformSinus) v = threePhase(i1, i2, i3);
    if (waveform == kWaveformRectangulaire) {
        const auto current = [&](std::size_t p) { return (levels.stator[2 * p] - 32) * 0.03125; };
        v = threePhase(current(0), current(1), current(2));
    }
    return v;
}

FieldVector RotorVector(const SimulationState& s, double ra) {
    const auto& on = s.rotorPhaseOn;
    const int waveform = s.rotorWaveform;
    const double j1 = std::sin(s.rotorAngle + s.rotorPhaseAngle[0]);
    const double j2 = std::sin(s.rotorAngle + s.rotorPhaseAngle[1]);
    const double j3 = std::sin(s.rotorAngle + s.rotorPhaseAngle[2]);
    const double p = s.rotorPosition;

    FieldVector v;
    if (!on[1] && waveform == kWaveformContinu)
        v = {0.6 * ra * std::cos(p), 0.6 * ra * std::sin(-p)};
    if (on[0] && waveform == kWaveformSinus && !on[1])
        v = {0.6 * ra * j1 * std::cos(p), 0.6 * ra * j1 * std::sin(-p)};
    if (on[1] && !on[2]) {
        v = {0.6 * ra * (j1 * std::cos(p) + j2 * std::cos(p + kQuarterTurn)),
             0.6 * ra * (j1 * std::sin(-p) + j2 * std::sin(-p - kQuarterTurn))};
    }
    if (on[2]) {
        v = {
            0.4 * ra * (j1 * std::cos(p) + j2 * std::cos(p + kDeg120) + j3 * std::cos(p + kDeg240)),
            0.4 * ra *
                (j1 * std::sin(-p) + j2 * std::sin(-p - kDeg120) + j3 * std::sin(-p - kDeg240))};
    }
    return v;
}

Resultant ComputeResultant(const SimulationState& state, const ViewGeometry& geometry,
                           const ConductorLevels& levels) {
    const double ra = geometry.gapInnerRadius;
    const FieldVector s = StatorVector(state, ra, levels);
    const FieldVector r = RotorVector(state, ra);
    const bool statorOn = state.statorPhaseOn[0] != 0;
    const bool rotorOn = state.rotorPhaseOn[0] != 0;
    if (statorOn && rotorOn) {
        const double torque = std::sin(std::atan2(s.y, s.x) - std::atan2(r.y, r.x)) *
                              std::sqrt(s.x * s.x + s.y * s.y) * std::sqrt(r.x * r.x + r.y * r.y) *
                              2.5 / ra / ra;
        return Resultant{Trunc((r.x + s.x) * 0.5), Trunc((r.y + s.y) * 0.5), torque};
    }
    if (statorOn) return Resultant{Trunc(s.x), Trunc(s.y), 0};
    if (rotorOn) return Resultant{Trunc(r.x), Trunc(r.y), 0};
    return Resultant{};
}

void DrawVector(Surface& surface, SimulationState& state, const ViewGeometry& geometry,
                const ConductorLevels& levels) {
    const Resultant result = ComputeResultant(state, geometry, levels);
    state.torqueValue = result.torque;
    const Pen kept = surface.SelectPen(Pen::Solid(LineWidth(state), kRed));
    surface.MoveTo({geometry.centreX, geometry.centreY});
    surface.LineTo({geometry.centreX + result.x, geometry.centreY + result.y});
    surface.SelectPen(kept);
}

void DrawTrace(Surface& surface, SimulationState& state, const ViewGeometry& geometry,
               const ConductorLevels& levels) {
    const Resultant result = ComputeResultant(state, geometry, levels);
    state.torqueValue = result.torque;
    state.traceBuffer[static_cast<std::size_t>(state.traceCount)] =
        Point{geometry.centreX + result.x, geometry.centreY + result.y};
    ++state.traceCount;

    const Pen kept = surface.SelectPen(Pen::Solid(LineWidth(state), kRed));
    surface.Polyline(std::span<const Point>(state.traceBuffer)
                         .first(static_cast<std::size_t>(state.traceCount)));
    surface.SelectPen(kept);
    // A full buffer has been drawn whole once; the next drawing starts a fresh path.
    if (state.traceCount == kTraceCapacity) state.traceCount = 0;
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
