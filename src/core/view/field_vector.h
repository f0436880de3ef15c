#pragma once

#include "drawing/surface.h"
#include "simulation/conductor_levels.h"
#include "simulation/simulation_state.h"
#include "view/view_geometry.h"

namespace vireflu {

// One winding's field vector in pixels relative to the machine centre (y downward),
// before the two windings are combined.
struct FieldVector {
    double x = 0;
    double y = 0;
};
FieldVector StatorVector(const SimulationState& state, double ra, const ConductorLevels& levels);
FieldVector RotorVector(const SimulationState& state, double ra);

// The field vector to display, in pixels relative to the machine centre (y downward),
// and the torque the stator and rotor vectors make together.
struct Resultant {
    int x = 0;
    int y = 0;
    double torque = 0;
};

Resultant ComputeResultant(const SimulationState& state, const ViewGeometry& geometry,
                           const ConductorLevels& levels);

// Each of these computes the resultant, stores its torque in the state and draws.
void DrawVector(Surface& surface, SimulationState& state, const ViewGeometry& geometry,
                const ConductorLevels& levels);
// Records the vector's tip (one point per drawing) and draws the recorded path.
void DrawTrace(Surface& surface, SimulationState& state, const ViewGeometry& geometry,
               const ConductorLevels& levels);

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
