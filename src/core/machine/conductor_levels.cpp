#include "machine/conductor_levels.h"

#include <cmath>

#include "drawing/geometry.h"
#include "machine/six_step.h"

namespace vireflu {

namespace {

using Levels = std::array<int, 6>;

void SetPair(Levels& levels, int phase, int forward, int back) {
    levels[static_cast<std::size_t>(2 * phase)] = forward;
    levels[static_cast<std::size_t>(2 * phase + 1)] = back;
}

void SetSinusoidalPair(Levels& levels, int phase, double angle, double amplitude) {
    const double s = 32 * amplitude * std::sin(angle);
    SetPair(levels, phase, Trunc(s + 32), Trunc(32 - s));
}

// Phases 1 and 2 follow their own switch; phase 3 is drawn, and so computed, only
// together with phase 2.
void ComputeSinusWinding(Levels& levels, const std::array<int, 3>& on,
                         const std::array<double, 3>& phaseAngle, double angle,
                         double amplitude = 1) {
    if (on[0]) SetSinusoidalPair(levels, 0, angle + phaseAngle[0], amplitude);
    if (on[1]) SetSinusoidalPair(levels, 1, angle + phaseAngle[1], amplitude);
    if (on[1] && on[2]) SetSinusoidalPair(levels, 2, angle + phaseAngle[2], amplitude);
}

void ComputeSixStepStator(Levels& levels, double statorAngle) {
    const auto currents = SixStepCurrents(statorAngle);
    if (!currents) return;
    for (int phase = 0; phase < 3; ++phase) {
        const int current = (*currents)[static_cast<std::size_t>(phase)];
        SetPair(levels, phase, 32 + 32 * current, 32 - 32 * current);
    }
}

}  // namespace

void ComputeConductorLevels(const SimulationState& state, ConductorLevels& levels) {
    if (state.statorPhaseOn[2] && state.statorWaveform == kWaveformRectangulaire)
        ComputeSixStepStator(levels.stator, state.statorAngle);
    if (state.statorWaveform == kWaveformSinus)
        ComputeSinusWinding(levels.stator, state.statorPhaseOn, state.statorPhaseAngle,
                            state.statorAngle);
    if (state.statorWaveform == kWaveformContinu) SetPair(levels.stator, 0, 64, 0);
    if (state.rotorWaveform == kWaveformContinu) SetPair(levels.rotor, 0, 64, 0);
    if (state.rotorWaveform != kWaveformSinus) return;
    ComputeSinusWinding(levels.rotor, state.rotorPhaseOn, state.rotorPhaseAngle, state.rotorAngle,
                        state.rotorAmplitude);
}

}  // namespace vireflu
