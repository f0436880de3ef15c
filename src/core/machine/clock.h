#pragma once

#include "machine/simulation_state.h"

namespace vireflu {

// The window's clock timer fires every 150 ms of real time; animations show frames as long.
inline constexpr int kTickPeriodMs = 150;

// One clock tick's arithmetic: advances time, the stator and rotor electrical angles
// (each wrapped once when strictly above one turn) and the rotor position (never wrapped).
void AdvanceClock(SimulationState& state);

// Puts the clock back to zero and the rotor back at its initial position. Settings,
// display flags and the trace are left alone.
void ResetClockState(SimulationState& state);

// "&Animation" only starts or stops the timer while a winding has its phase 1 on.
bool CanToggleAnimation(const SimulationState& state);

}  // namespace vireflu
