#include "session/frame.h"

namespace vireflu {

void AdvanceFrame(MachineScene& scene, SimulationState& state) {
    scene.Prepare(state);
    RecordInstant(state, scene.Instant(), scene.FieldTipPoint());
}

void RenderNextFrame(RasterSurface& canvas, MachineScene& scene, SimulationState& state) {
    AdvanceFrame(scene, state);
    RenderMachineFrame(canvas, scene, state);
}

}  // namespace vireflu
