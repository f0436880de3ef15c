#include "view/machine_scene.h"

#include <algorithm>

#include "machine/constants.h"
#include "machine/winding_field.h"
#include "measures/measures_picture.h"
#include "view/field_vector.h"
#include "view/winding_view.h"

namespace vireflu {

MachineScene::MachineScene() {
    Resize(0, 0);
}

void MachineScene::Resize(int width, int height) {
    geometry = ComputeGeometry(Rect{0, 0, std::max(width, 0), std::max(height, 0)}, tables);
}

void MachineScene::Prepare(const SimulationState& state) {
    ComputeConductorLevels(state, conductorLevels);
    instant = InstantOf(state);
    if (state.airGapMode || state.mmfMode) ComputeAirGapLevels(state, tables, airGapLevels);
    if (!OtherWinding(state)) return;
    windingLayout.Fit(geometry, state.winding);
    windingCurrents = WindingCurrents(state);
    windingSteps = MmfSteps(windingLayout.Slots(), windingCurrents);
    if (state.airGapMode || state.mmfMode)
        windingGap = WindingGapLevels(state, windingLayout, windingSteps, airGapLevels);
}

MachineInstant MachineScene::InstantOf(const SimulationState& state) const {
    return ComputeInstant(state, geometry.gapInnerRadius, conductorLevels);
}

Point MachineScene::FieldTipPoint() const {
    const Point tip = FieldTip(instant);
    return Point{geometry.centreX + tip.x, geometry.centreY + tip.y};
}

int MachineScene::RotorRingRadius() const {
    const int m =
        std::min(geometry.edgeRight - geometry.edgeLeft, geometry.edgeBottom - geometry.edgeTop);
    return Trunc(m * 0.3);
}

void MachineScene::DrawMachine(Surface& surface, const SimulationState& state) const {
    const Pen keptPen = surface.SelectPen(Pen::Null());
    const Brush white = Brush::Of(Colour::FromRgb(255, 255, 255));
    const Brush keptBrush = surface.SelectBrush(white);
    surface.FillRect(Rect{0, 0, geometry.clientWidth, geometry.clientHeight}, white);

    // Another winding than the teaching machine's is drawn for what it is.
    const bool winding = OtherWinding(state);
    if (state.airGapMode && winding) DrawWindingGap(surface, windingLayout, windingGap);
    if (state.airGapMode && !winding) DrawAirGap(surface, geometry, airGapLevels);
    if (state.traceMode) DrawTrace(surface, state);
    if (state.vectorMode && winding)
        DrawWindingField(surface, geometry, state.winding.polePairs, FieldTip(instant),
                         LineWidth(state));
    if (state.vectorMode && !winding) DrawVector(surface, state, geometry, FieldTip(instant));
    // Their lengths and colours tell the field's sense, which a pending lesson holds back.
    if (state.sequenceMode && !state.withheld.field) {
        const double ra = geometry.gapInnerRadius;
        DrawRotatingFields(surface, {geometry.centreX, geometry.centreY},
                           SplitStatorField(state, ra), SplitRotorField(state, ra),
                           LineWidth(state));
    }
    if (state.mmfMode && winding) DrawWindingGap(surface, windingLayout, windingGap);
    if (state.mmfMode && !winding) DrawMmfRings(surface, geometry, airGapLevels);
    if (state.torqueMode) DrawTorqueBar(surface, state, geometry);

    if (winding)
        DrawWindingSlots(surface, windingLayout, windingCurrents);
    else
        DrawConductors(surface, state.statorPhaseOn, conductorLevels.stator,
                       geometry.statorConductorBoxes);

    for (int pole = 0; pole < state.winding.polePairs; ++pole)
        DrawConductors(surface, state.rotorPhaseOn, conductorLevels.rotor, RotorBoxes(state, pole));

    surface.SelectPen(keptPen);
    surface.SelectBrush(keptBrush);
}

std::array<Rect, 8> MachineScene::RotorBoxes(const SimulationState& state, int pair) const {
    // The rotor turns with the clock; its angle is passed on unreduced.
    // A free rotor's speed changes: it stands where the clock took it.
    const double rotorDrawAngle =
        state.cage.free ? state.rotorPosition
                        : state.elapsedTime * state.rotationPulsation + state.initialRotorPosition;
    const int rotorRadius = RotorRingRadius();
    std::array<Rect, 8> rotorBoxes;
    // Pole pair k's conductors: the teaching machine's, their angles electrical, k pairs on.
    const int pairs = state.winding.polePairs;
    for (std::size_t j = 0; j < 8; ++j)
        rotorBoxes[j] = geometry.ConductorBox(
            rotorDrawAngle + (TeachingMachine().slotAngles[j] + pair * constants::kTurn) / pairs,
            rotorRadius);
    return rotorBoxes;
}

std::vector<ConductorShown> ConductorsShown(const std::array<int, 3>& on) {
    std::vector<ConductorShown> shown;
    for (const Coil& coil : TeachingMachine().CoilsOf(on)) {
        const auto level = static_cast<std::size_t>(2 * (coil.phase - 1));
        shown.push_back({static_cast<std::size_t>(coil.slotIn), level});
        shown.push_back({static_cast<std::size_t>(coil.slotOut), level + 1});
    }
    return shown;
}

void MachineScene::DrawConductors(Surface& surface, const std::array<int, 3>& on,
                                  const std::array<int, 6>& levels,
                                  const std::array<Rect, 8>& boxes) {
    for (const ConductorShown& c : ConductorsShown(on)) {
        surface.SelectBrush(Brush::Level(levels[c.level]));
        surface.Ellipse(boxes[c.box]);
    }
}

void RenderMachineFrame(RasterSurface& canvas, const MachineScene& scene,
                        const SimulationState& state) {
    const ViewGeometry& g = scene.Geometry();
    canvas.Resize(std::max(g.clientWidth, 1), std::max(g.clientHeight, 1));
    canvas.SelectColourMap(&state.colourMap);
    scene.DrawMachine(canvas, state);
}

}  // namespace vireflu
