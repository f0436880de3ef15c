#pragma once

#include "machine/simulation_state.h"
#include "panels/panel_model.h"
#include "setup/setup.h"

namespace vireflu {

// A "Stator" or "Rotor" panel once a user has set it as `wanted` says: the panel is driven
// through its own handlers (check boxes, angle fields, trackbars, waveform buttons), so its
// controls and its record are exactly what the user would see and send.
PanelModel PanelSetTo(Winding winding, const WindingSetup& wanted);

// What a panel's record says of its winding, in a setup's terms: PanelSetTo's inverse.
WindingSetup WindingSetupOf(const WindingSettings& record);

}  // namespace vireflu
