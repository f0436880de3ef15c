#pragma once

#include "drawing/surface.h"
#include "machine/simulation_state.h"
#include "view/view_geometry.h"

namespace vireflu {

// The field vector from the machine centre to its tip.
void DrawVector(Surface& surface, const SimulationState& state, const ViewGeometry& geometry,
                Point tip);
// The recorded path of the vector's tip.
void DrawTrace(Surface& surface, const SimulationState& state);

// Number of cells and colour of the first cell of the torque bar: upward cells take
// levels first, first + 1, ...; downward cells first, first - 1, ... The bar stops at the
// ends of the colour map.
struct TorqueCells {
    int count = 0;
    bool upward = true;
};
TorqueCells TorqueBarCells(double torqueValue);

// The zero line at the left edge and the bar of the torque held in the state.
void DrawTorqueBar(Surface& surface, const SimulationState& state, const ViewGeometry& geometry);

}  // namespace vireflu
