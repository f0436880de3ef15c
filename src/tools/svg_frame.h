#pragma once

#include <QByteArray>

#include "simulation/simulation_state.h"
#include "view/machine_scene.h"

namespace vireflu {

// One frame of the machine as an SVG document of the scene's client size. It draws on
// its own copies of the scene and the state, so the run it is taken from still sees one
// drawing per step (a trace point or a torque figure is not recorded twice).
QByteArray RenderSvgFrame(MachineScene scene, SimulationState state);

}  // namespace vireflu
