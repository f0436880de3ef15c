#include "machine/clock.h"

#include "machine/constants.h"

namespace vireflu {

namespace {

double Wrapped(double angle) {
    return angle > constants::kTurn ? angle - constants::kTurn : angle;
}

}  // namespace

void AdvanceClock(SimulationState& state) {
    // Every increment is formed from the values before the tick, product first.
    const double statorAngle = state.statorAngle + state.timeStep * state.statorPulsation;
    const double elapsedTime = state.elapsedTime + state.timeStep;
    const double rotorPosition = state.rotorPosition + state.timeStep * state.rotationPulsation;
    state.statorAngle = Wrapped(statorAngle);
    state.elapsedTime = elapsedTime;
    state.rotorPosition = rotorPosition;
    state.rotorAngle = Wrapped(state.rotorAngle + state.timeStep * state.rotorPulsation);
}

void ResetClockState(SimulationState& state) {
    state.elapsedTime = 0;
    state.statorAngle = 0;
    state.rotorAngle = 0;
    state.rotorPosition = state.initialRotorPosition;
}

bool CanToggleAnimation(const SimulationState& state) {
    return state.statorPhaseOn[0] != 0 || state.rotorPhaseOn[0] != 0;
}

}  // namespace vireflu
