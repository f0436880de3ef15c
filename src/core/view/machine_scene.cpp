#include "view/machine_scene.h"

#include <algorithm>

#include "simulation/constants.h"
#include "view/field_vector.h"

namespace vireflu {

namespace {

using namespace constants;

// Rotor conductor offsets from the rotor's drawing angle, in stator box order.
constexpr double kRotorOffsets[8] = {kQuarterTurn, -kQuarterTurn, kDeg210,   kDeg30,
                                     -kDeg30,      kDeg150,       kHalfTurn, 0};

}  // namespace

MachineScene::MachineScene() {
    Resize(0, 0);
}

void MachineScene::Resize(int width, int height) {
    geometry_ = ComputeGeometry(Rect{0, 0, std::max(width, 0), std::max(height, 0)}, tables_);
}

void MachineScene::DrawFrame(Surface& surface, SimulationState& state) {
    ComputeConductorLevels(state);
    DrawMachine(surface, state);
}

void MachineScene::ComputeConductorLevels(const SimulationState& state) {
    vireflu::ComputeConductorLevels(state, conductorLevels_);
}

int MachineScene::RotorRingRadius() const {
    const int m = std::min(geometry_.edgeRight - geometry_.edgeLeft,
                           geometry_.edgeBottom - geometry_.edgeTop);
    return Trunc(m * 0.3);
}

void MachineScene::DrawMachine(Surface& surface, SimulationState& state) {
    const Pen keptPen = surface.SelectPen(Pen::Null());
    const Brush white = Brush::Of(Colour::FromRgb(255, 255, 255));
    const Brush keptBrush = surface.SelectBrush(white);
    surface.FillRect(Rect{0, 0, geometry_.clientWidth, geometry_.clientHeight}, white);

    if (state.airGapMode || state.mmfMode) ComputeAirGapLevels(state, tables_, airGapLevels_);
    if (state.airGapMode) DrawAirGap(surface, geometry_, airGapLevels_);
    if (state.traceMode) DrawTrace(surface, state, geometry_, conductorLevels_);
    if (state.vectorMode) DrawVector(surface, state, geometry_, conductorLevels_);
    if (state.mmfMode) DrawMmfRings(surface, geometry_, airGapLevels_);
    if (state.torqueMode) DrawTorqueBar(surface, state, geometry_);

    DrawConductors(surface, state.statorPhaseOn, conductorLevels_.stator,
                   geometry_.statorConductorBoxes);

    // The rotor turns with the clock; its angle is passed on unreduced.
    const double rotorDrawAngle =
        state.elapsedTime * state.rotationPulsation + state.initialRotorPosition;
    const int rotorRadius = RotorRingRadius();
    std::array<Rect, 8> rotorBoxes;
    for (std::size_t j = 0; j < 8; ++j)
        rotorBoxes[j] = geometry_.ConductorBox(rotorDrawAngle + kRotorOffsets[j], rotorRadius);
    DrawConductors(surface, state.rotorPhaseOn, conductorLevels_.rotor, rotorBoxes);

    surface.SelectPen(keptPen);
    surface.SelectBrush(keptBrush);
}

void MachineScene::DrawConductors(Surface& surface, const std::array<int, 3>& on,
                                  const std::array<int, 6>& levels,
                                  const std::array<Rect, 8>& boxes) {
    const auto disc = [&](std::size_t box, std::size_t level) {
        surface.SelectBrush(Brush::Level(levels[level]));
        surface.Ellipse(boxes[box]);
    };
    if (on[0]) {
        disc(0, 0);
        disc(1, 1);
    }
    if (!on[1]) return;
    if (on[2]) {
        // Three-phase winding: coils 120 degrees apart.
        disc(2, 2);
        disc(3, 3);
        disc(4, 4);
        disc(5, 5);
    } else {
        // Two-phase winding: the second coil turned by 90 degrees.
        disc(6, 2);
        disc(7, 3);
    }
}

}  // namespace vireflu
