#include "machine/period.h"

#include <cmath>

#include "machine/constants.h"

namespace vireflu {

namespace {

bool Alternates(int phase1On, int waveform, double pulsation) {
    return phase1On != 0 && waveform != kWaveformContinu && pulsation > 0;
}

}  // namespace

std::optional<int> PeriodTicks(const SimulationState& state) {
    double pulsation = 0;
    if (Alternates(state.statorPhaseOn[0], state.statorWaveform, state.statorPulsation))
        pulsation = state.statorPulsation;
    else if (Alternates(state.rotorPhaseOn[0], state.rotorWaveform, state.rotorPulsation))
        pulsation = state.rotorPulsation;
    else
        return std::nullopt;
    // The angle advances by pulsation x timeStep a tick and wraps at the program's turn.
    return static_cast<int>(std::lround(constants::kTurn / (pulsation * state.timeStep)));
}

}  // namespace vireflu
