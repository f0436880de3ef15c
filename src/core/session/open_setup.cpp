#include "session/open_setup.h"

#include <algorithm>

#include "panels/panel_model.h"
#include "session/frame.h"
#include "setup/panel_record.h"

namespace vireflu {

namespace {

// Advances the frames of the play before the last, which the front-end draws, without
// drawing them. What such a frame leaves in the state is the trace alone (the torque figure
// comes again with the last frame), and a trace starts afresh after every thousand points: so
// only the frames since the last fresh start before the end are advanced, and a setup of ten
// million ticks opens in the time of its clock arithmetic.
class AllButTheLast : public FrameSink {
public:
    AllButTheLast(MachineScene& scene, int lastFrame) : scene(scene), lastFrame(lastFrame) {
        // Drawings are numbered from the presentation command's (frame -3), the last included.
        const int drawings = lastFrame + 4;
        firstNeeded = std::max(0, drawings - 1) / kTraceCapacity * kTraceCapacity - 3;
    }
    bool Draw(SimulationState& state, int frameNumber) override {
        if (frameNumber == lastFrame || !state.traceMode || frameNumber < firstNeeded) return true;
        AdvanceFrame(scene, state);
        return true;
    }

private:
    MachineScene& scene;
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
    AllButTheLast sink(scene, setup.ticks);
    return PlaySetup(setup, state, sink);
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
    setup.winding = state.winding;
    setup.cage = state.cage;
    return setup;
}

}  // namespace vireflu
