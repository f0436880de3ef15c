#pragma once

#include <array>

#include "drawing/surface.h"
#include "machine/conductor_levels.h"
#include "machine/simulation_state.h"
#include "view/view_geometry.h"

namespace vireflu {

// Whether the stator's winding is another than the teaching machine's, which the view then
// draws for what it is: its slots, its stepped air gap and its poles.
bool DrawsWinding(const SimulationState& state);

// The stator phases' currents, -1..1, as the conductors' levels show them. A cut phase's line
// carries nothing, and the two others then carry one current, opposite in each: the one the
// line-to-line voltage drives through both coils in series.
std::array<double, 3> WindingCurrents(const SimulationState& state, const ConductorLevels& levels);

// The air gap coloured by the winding's stepped magnetomotive force, in a whole number of
// sectors per slot and at least 180 in all; each sector takes the step its middle lies in.
void DrawWindingGap(Surface& surface, const ViewGeometry& geometry, const WindingDesign& design,
                    const std::array<double, 3>& currents);
// The Q slots on the stator's conductor circle, each with its two coil sides coloured by their
// current, the top layer outside.
void DrawWindingSlots(Surface& surface, const ViewGeometry& geometry, const WindingDesign& design,
                      const std::array<double, 3>& currents);
// The field as p red arrows from the centre, one to each north pole of the fundamental, as
// long as the teaching machine's for balanced currents.
void DrawWindingField(Surface& surface, const ViewGeometry& geometry, const WindingDesign& design,
                      const std::array<double, 3>& currents, int lineWidth);

}  // namespace vireflu
