#pragma once

#include <array>

#include "machine/simulation_state.h"

namespace vireflu {

// Colour level 0..64 of every conductor: index 2p is the forward and 2p + 1 the return
// conductor of phase p + 1. A level keeps its value until it is computed again; before
// the first computation every conductor is neutral.
struct ConductorLevels {
    std::array<int, 6> stator{32, 32, 32, 32, 32, 32};
    std::array<int, 6> rotor{32, 32, 32, 32, 32, 32};
};

// Writes the levels the state's waveforms and phase switches call for at the current
// clock position; levels of phases not computed keep their previous values.
void ComputeConductorLevels(const SimulationState& state, ConductorLevels& levels);

}  // namespace vireflu
