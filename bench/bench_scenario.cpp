#include "bench_scenario.h"

#include "machine/clock.h"

namespace vireflu::bench {

WindingSettings ThreePhaseStator() {
    return WindingSettings{1, 1, 1, 0, 120, 240, 50, 0, 0, kWaveformSinus};
}

SimulationState BusyMachine(Presentation presentation) {
    SimulationState state;
    ApplyWindingSettings(state, 0, ThreePhaseStator());
    ApplyWindingSettings(state, 1,
                         WindingSettings{1, 1, 1, 0, 120, 240, 20, 10, 30, kWaveformSinus});
    ResetClockState(state);
    SelectPresentation(state, presentation);
    for (int tick = 0; tick < 25; ++tick) AdvanceClock(state);
    return state;
}

}  // namespace vireflu::bench
