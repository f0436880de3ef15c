#pragma once

#include "machine/simulation_state.h"

namespace vireflu {

// A cage rotor's currents as the rotor's three phases carry them: induced by the slip against
// the stator's rotating field, they alternate at g f in the rotor, their amplitude against the
// stator's current and their phase those of the equivalent circuit (the rotor's magnetomotive
// force is -I2 against I1), so their field turns with the stator's whatever the rotor's speed
// and vanishes at synchronism. Nothing is induced by a pulsating field or none. Called after
// the panels' settings reach the state; a fed rotor is left as it is.
void InduceCageCurrents(SimulationState& state);

// After a tick of the clock, a free cage rotor's speed follows J dw/dt = T - T_load over the
// tick, and its currents the new slip; anything else is left as it is.
void StepFreeRotor(SimulationState& state);

}  // namespace vireflu
