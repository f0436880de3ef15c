#pragma once

#include <QByteArray>

#include "machine/simulation_state.h"
#include "view/machine_scene.h"

namespace vireflu {

// The "Mesures" window's curve and numbers for the scene's last frame, as the window
// shows them: a PNG image (empty if it could not be encoded), or an SVG document when
// `svg` is set.
QByteArray RenderMeasuresDocument(const SimulationState& state, const MachineScene& scene,
                                  bool svg);

}  // namespace vireflu
