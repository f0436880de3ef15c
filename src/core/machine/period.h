#pragma once

#include <optional>

#include "machine/simulation_state.h"

namespace vireflu {

// One electrical period in clock ticks: the whole number of ticks nearest to one turn of
// the supply's angle, 1 / (f x timeStep) for f Hz (40 ticks at 50 Hz). The stator's supply
// sets it, the rotor's when the stator's does not alternate. An alternating supply has
// phase 1 on, "sinus" or "rectangulaire", above 0 Hz; with none, there is no period.
std::optional<int> PeriodTicks(const SimulationState& state);

}  // namespace vireflu
