#pragma once

#include "machine/simulation_state.h"
#include "setup/setup.h"

namespace vireflu {

// The record a "Stator" or "Rotor" panel sends once a user has set it as `wanted` says:
// phase 1 on lands in "sinus", and the values of the phases off are kept.
WindingSettings RecordOf(Winding winding, const WindingSetup& wanted);

// What a panel's record says of its winding, in a setup's terms: RecordOf's inverse.
WindingSetup WindingSetupOf(const WindingSettings& record);

}  // namespace vireflu
