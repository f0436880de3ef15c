#include "measures/cage_currents.h"

#include <algorithm>
#include <cmath>
#include <complex>
#include <optional>

#include "machine/constants.h"
#include "machine/induction_circuit.h"
#include "machine/winding_design.h"
#include "measures/measures.h"

namespace vireflu {

using namespace constants;

namespace {

// The sense the stator's field turns, +1 counterclockwise, -1 clockwise, 0 when it does not.
double FieldTurn(const SimulationState& state) {
    switch (StatorFieldSense(state)) {
        case FieldSense::Counterclockwise:
            return 1;
        case FieldSense::Clockwise:
            return -1;
        default:
            return 0;
    }
}

// The rotor against the stator's rotating field: the field's sense (+1 counterclockwise, the
// direct sequence's way), the supply's frequency and the slip; none without a rotating field.
struct AgainstField {
    double sense;
    double supplyHz;
    double slip;
};

std::optional<AgainstField> SlipOf(const SimulationState& state) {
    const double f = state.statorPulsation / kTurn;
    const double s = FieldTurn(state);
    if (f <= 0 || s == 0) return std::nullopt;
    const double fieldRpm = s * SynchronousRpm(state.winding, f);
    double slip = (fieldRpm - 60 * state.rotationPulsation / kTurn) / fieldRpm;
    // The program's turn is not quite 2 pi: at synchronism the two speeds differ in their
    // last bits.
    if (std::fabs(slip) < 1e-9) slip = 0;
    return AgainstField{s, f, slip};
}

}  // namespace

void StepFreeRotor(SimulationState& state) {
    if (!state.cage.on || !state.cage.free) return;
    const std::optional<AgainstField> g = SlipOf(state);
    const double torque =  // along the field
        g ? OperatingPointAt(state.cage.circuit, g->supplyHz, state.winding.polePairs, g->slip)
                .torqueNm
          : 0;
    // The load holds back whichever way the field turns; with no field, the counterclockwise
    // way.
    const double along = g ? g->sense : 1;
    state.rotationPulsation +=
        along * (torque - state.cage.loadNm) / state.cage.inertia * state.timeStep;
    InduceCageCurrents(state);
}

void InduceCageCurrents(SimulationState& state) {
    if (!state.cage.on) return;
    state.rotorPhaseOn = {1, 1, 1};
    state.rotorWaveform = kWaveformSinus;
    state.rotorAmplitude = 0;
    state.rotorPulsation = 0;
    state.rotorPhaseAngle = {0, 0, 0};
    state.cageTorque = 0;
    const std::optional<AgainstField> g = SlipOf(state);
    if (!g) return;
    const double s = g->sense;
    const double f = g->supplyHz;
    const double slip = g->slip;
    const InductionPoint point =
        OperatingPointAt(state.cage.circuit, f, state.winding.polePairs, slip);
    if (point.rotorCurrentA == 0) return;
    const double largest = LandmarksOf(state.cage.circuit, f, state.winding.polePairs).maxTorqueNm;
    state.cageTorque = -s * 0.9 * point.torqueNm / largest;
    const std::complex<double> rotorMmf = -point.rotorCurrent / point.statorCurrent;
    state.rotorAmplitude = std::min(std::abs(rotorMmf), 1.0);
    state.rotorPulsation = slip * state.statorPulsation;
    // Phase 1 peaks as the stator's phase 1 does, shifted by the circuit's angle and by where
    // the rotor stood at the clock's zero; the others follow in the field's sequence.
    const double stator1 = state.statorWaveform == kWaveformSinus ? state.statorPhaseAngle[0] : 0;
    const double first =
        stator1 + std::arg(rotorMmf) - s * state.winding.polePairs * state.initialRotorPosition;
    for (std::size_t k = 0; k < 3; ++k)
        state.rotorPhaseAngle[k] = first - s * static_cast<double>(k) * kDeg120;
}

}  // namespace vireflu
