#include "machine/simulation_state.h"

#include "machine/constants.h"

namespace vireflu {

namespace {

double Radians(std::int32_t degrees) {
    return static_cast<double>(degrees) * constants::kDegreeFactor;
}
double Pulsation(std::int32_t hertz) {
    return static_cast<double>(hertz) * constants::kTurn;
}

void CopyPhases(const WindingSettings& record, std::array<int, 3>& on,
                std::array<double, 3>& angle) {
    on[0] = record.phase1On;
    on[1] = record.phase2On;
    on[2] = record.phase3On;
    angle[0] = Radians(record.phase1AngleDeg);
    angle[1] = Radians(record.phase2AngleDeg);
    angle[2] = Radians(record.phase3AngleDeg);
}

}  // namespace

void ApplyWindingSettings(SimulationState& state, int selector, const WindingSettings& record) {
    if (selector == static_cast<int>(Winding::Stator)) {
        CopyPhases(record, state.statorPhaseOn, state.statorPhaseAngle);
        state.statorPulsation = Pulsation(record.frequencyHz);
        state.statorWaveform = record.waveform;
    } else if (selector == static_cast<int>(Winding::Rotor)) {
        CopyPhases(record, state.rotorPhaseOn, state.rotorPhaseAngle);
        state.rotorPulsation = Pulsation(record.frequencyHz);
        state.rotationPulsation = Pulsation(record.rotationHz);
        state.initialRotorPosition = Radians(record.initialPositionDeg);
        state.rotorWaveform = record.waveform;
    }
}

}  // namespace vireflu
