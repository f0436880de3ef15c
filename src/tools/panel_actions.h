#pragma once

#include "render_options.h"
#include "simulation/simulation_state.h"

namespace vireflu {

// The record a "Stator" or "Rotor" panel sends once a user has set it as `wanted` says:
// the panel is driven through its own handlers (check boxes, angle fields, trackbars,
// waveform buttons), so the record holds exactly what the panel would send.
WindingSettings PanelRecord(Winding winding, const WindingSetup& wanted);

}  // namespace vireflu
