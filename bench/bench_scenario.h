#pragma once

#include "machine/display_commands.h"
#include "machine/simulation_state.h"

namespace vireflu::bench {

// A busy machine: both windings three-phase "sinus" at 0, 120 and 240 degrees, the rotor
// turning at 10 Hz from 30 degrees, the clock some way into a run.
SimulationState BusyMachine(Presentation presentation);

// The stator panel's settings for its three phase pictures.
WindingSettings ThreePhaseStator();

}  // namespace vireflu::bench
