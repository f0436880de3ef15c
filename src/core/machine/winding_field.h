#pragma once

#include <array>

#include "machine/field.h"
#include "machine/simulation_state.h"

namespace vireflu {

// Whether the stator's winding is another than the teaching machine's.
bool OtherWinding(const SimulationState& state);

// The stator phases' currents, -1..1, at the present instant: the supply's (a sine, the
// six-step's, or phase 1's direct current). A cut phase's line carries nothing, and the two
// others then carry one current, opposite in each: the one the line-to-line voltage drives
// through both coils in series.
std::array<double, 3> WindingCurrents(const SimulationState& state);

// The colour level, 0..64, of the winding's stepped magnetomotive force `mmf` (see MmfSteps):
// a whole phase current's step per slot of a pole and phase is 24 levels.
int MmfLevel(const WindingDesign& design, double mmf);

// The winding's field towards its first north pole, the fundamental of its stepped
// magnetomotive force: 0.6 ra long for balanced currents, as the teaching machine's, at the
// crest's electrical angle over p. Screen axes: y grows downward.
FieldVector WindingVector(const WindingDesign& design, const std::array<double, 3>& currents,
                          double ra);

}  // namespace vireflu
