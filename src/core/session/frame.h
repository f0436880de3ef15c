#pragma once

#include "drawing/raster_surface.h"
#include "machine/simulation_state.h"
#include "view/machine_scene.h"

namespace vireflu {

// One frame of the machine view, shown or not: the scene prepares the state's present
// instant and the state keeps what the frame shows of it (its torque figure and trace
// point). Every frame a front-end shows, and every one it only counts, goes through here
// once, so the trace holds a point per frame in every front-end.
void AdvanceFrame(MachineScene& scene, SimulationState& state);

// A frame advanced, then drawn into `canvas`.
void RenderNextFrame(RasterSurface& canvas, MachineScene& scene, SimulationState& state);

}  // namespace vireflu
