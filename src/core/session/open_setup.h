#pragma once

#include "machine/simulation_state.h"
#include "setup/setup.h"
#include "setup/setup_scenario.h"
#include "view/machine_scene.h"

namespace vireflu {

// The records of two panels fresh from start-up, never touched.
PanelRecords FreshRecords();

// Opens a setup in a front-end: the state starts afresh and the setup is played on it with
// every step drawn but the last without pixels (each still leaves its trace point), so the
// frame the caller draws next is the one vireflu-render draws for the same setup. Returns
// the records the panels sent.
PanelRecords OpenSetup(const Setup& setup, SimulationState& state, MachineScene& scene);

// The part of a setup that the state and the panels' last records hold: the windings, the
// presentation, the colour map, the projector and the two rotating fields. The pace, the
// windows, the clock's instant and whether it runs are the front-end's to fill in.
Setup SetupOf(const SimulationState& state, const PanelRecords& records);

}  // namespace vireflu
