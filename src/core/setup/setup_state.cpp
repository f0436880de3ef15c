#include "setup/setup_state.h"

#include <algorithm>

#include "drawing/blind_surface.h"
#include "setup/panel_record.h"

namespace vireflu {

namespace {

// Draws the steps of the play before the last, which the front-end draws, without pixels.
// What such a drawing leaves in the state is the trace alone (the torque figure is drawn
// again with the last frame), and a trace starts afresh after every thousand points: so only
// the drawings since the last fresh start before the end are made, and a setup of ten
// million ticks opens in the time of its clock arithmetic.
class AllButTheLast : public FrameSink {
public:
    explicit AllButTheLast(int lastFrame) : lastFrame(lastFrame) {
        // Drawings are numbered from the presentation command's (frame -3), the last included.
        const int drawings = lastFrame + 4;
        firstNeeded = std::max(0, drawings - 1) / kTraceCapacity * kTraceCapacity - 3;
    }
    bool Draw(MachineScene& scene, SimulationState& state, int frameNumber) override {
        if (frameNumber == lastFrame || !state.traceMode || frameNumber < firstNeeded) return true;
        BlindSurface blind;
        scene.DrawFrame(blind, state);
        return true;
    }

private:
    int lastFrame;
    int firstNeeded;
};

template <typename T, std::size_t N>
T Matching(const Named<T> (&names)[N], auto&& matches) {
    for (const Named<T>& named : names)
        if (matches(named.value)) return named.value;
    return names[0].value;
}

}  // namespace

PanelRecords FreshRecords() {
    return {PanelModel(Winding::Stator).Record(), PanelModel(Winding::Rotor).Record()};
}

PanelRecords OpenSetup(const Setup& setup, SimulationState& state, MachineScene& scene) {
    state = SimulationState{};
    AllButTheLast sink(setup.ticks);
    return PlaySetup(setup, state, scene, sink);
}

Setup SetupOf(const SimulationState& state, const PanelRecords& records) {
    Setup setup;
    setup.stator = WindingSetupOf(records.stator);
    setup.rotor = WindingSetupOf(records.rotor);
    setup.presentation = ShownPresentation(state);
    setup.colourMap = Matching(kColourMapNames, [&](ColourMapKind kind) {
        SimulationState shown;
        SelectColourMap(shown, kind);
        return shown.colourMap == state.colourMap;
    });
    setup.projection = state.projectorMode != 0;
    setup.sequences = state.sequenceMode != 0;
    return setup;
}

}  // namespace vireflu
