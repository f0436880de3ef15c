#pragma once

#include "drawing/geometry.h"
#include "machine/conductor_levels.h"
#include "machine/simulation_state.h"

namespace vireflu {

// A field vector from the machine centre, y downward as on the screen, in the unit the gap's
// inner radius `ra` is given in (a balanced three-phase field is 0.6 ra long). The window
// gives pixels and its numbers keep their last bits; a figure alone can use ra = 1.
struct FieldVector {
    double x = 0;
    double y = 0;
};
FieldVector StatorVector(const SimulationState& state, double ra, const ConductorLevels& levels);
// The rotor's field in electrical angles (p times the rotor's position), and as shown:
// towards its first north pole.
FieldVector ElectricalRotorVector(const SimulationState& state, double ra);
FieldVector RotorVector(const SimulationState& state, double ra);

// The machine at the clock's present instant: each winding's field, the field they make
// together, and the torque the two fields make on the rotor (counted clockwise, as the
// torque bar draws it).
struct MachineInstant {
    double gapRadius = 0;  // the `ra` the lengths are in
    FieldVector stator;
    FieldVector rotor;
    FieldVector field;
    double torque = 0;
};
MachineInstant ComputeInstant(const SimulationState& state, double ra,
                              const ConductorLevels& levels);

// The field's tip as the screen shows it: truncated to whole units.
Point FieldTip(const MachineInstant& instant);

// What showing an instant leaves in the state: with the vector or the trace shown, its
// torque figure; with the trace shown, `tip` as the trace's newest point. A full trace has
// been shown whole once: the next point starts a fresh path.
void RecordInstant(SimulationState& state, const MachineInstant& instant, Point tip);

}  // namespace vireflu
