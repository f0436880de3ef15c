#pragma once

#include <QByteArray>

#include "machine/simulation_state.h"
#include "view/machine_scene.h"

namespace vireflu {

// The scene's prepared frame of the machine as an SVG document of the scene's client size.
QByteArray RenderSvgFrame(const MachineScene& scene, const SimulationState& state);

}  // namespace vireflu
