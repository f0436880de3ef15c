#pragma once

#include <array>

#include "machine/conductor_levels.h"
#include "machine/field.h"
#include "machine/simulation_state.h"

namespace vireflu {

// Whether the stator's winding is another than the teaching machine's.
bool OtherWinding(const SimulationState& state);

// The stator phases' currents, -1..1, as the conductors' levels show them. A cut phase's line
// carries nothing, and the two others then carry one current, opposite in each: the one the
// line-to-line voltage drives through both coils in series.
std::array<double, 3> WindingCurrents(const SimulationState& state, const ConductorLevels& levels);

// The winding's field towards its first north pole, the fundamental of its stepped
// magnetomotive force: 0.6 ra long for balanced currents, as the teaching machine's, at the
// crest's electrical angle over p. Screen axes: y grows downward.
FieldVector WindingVector(const WindingDesign& design, const std::array<double, 3>& currents,
                          double ra);

}  // namespace vireflu
