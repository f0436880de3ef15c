#include "machine/field.h"

#include <cmath>

#include "machine/constants.h"
#include "machine/winding_field.h"

namespace vireflu {

using namespace constants;

FieldVector StatorVector(const SimulationState& s, double ra, const ConductorLevels& levels) {
    const auto& on = s.statorPhaseOn;
    const int waveform = s.statorWaveform;
    // The supply's currents, a cut line's included.
    const auto [i1, i2, i3] = WindingCurrents(s);
    const auto threePhase = [ra](double c1, double c2, double c3) {
        return FieldVector{0.4 * ra * (c1 + std::cos(kDeg120) * c2 + std::cos(kDeg240) * c3),
                           0.4 * ra * (std::sin(-kDeg120) * c2 + std::sin(-kDeg240) * c3)};
    };

    // Later rules override earlier ones; a combination no rule covers (which the panel
    // cannot produce) gives no vector rather than an undefined one.
    FieldVector v;
    if (!on[1] && waveform == kWaveformContinu) v = {0.6 * ra, 0};
    if (on[0] && waveform == kWaveformSinus && !on[1]) v = {0.6 * ra * i1, 0};
    if (on[1] && waveform == kWaveformSinus && !on[2]) v = {0.6 * ra * i1, -0.6 * ra * i2};
    if (on[2] && waveform == kWaveformSinus) v = threePhase(i1, i2, i3);
    if (waveform == kWaveformRectangulaire) {
        const auto current = [&](std::size_t p) { return (levels.stator[2 * p] - 32) * 0.03125; };
        v = threePhase(current(0), current(1), current(2));
    }
    return v;
}

FieldVector ElectricalRotorVector(const SimulationState& s, double ra) {
    const auto& on = s.rotorPhaseOn;
    const int waveform = s.rotorWaveform;
    const double j1 = s.rotorAmplitude * std::sin(s.rotorAngle + s.rotorPhaseAngle[0]);
    const double j2 = s.rotorAmplitude * std::sin(s.rotorAngle + s.rotorPhaseAngle[1]);
    const double j3 = s.rotorAmplitude * std::sin(s.rotorAngle + s.rotorPhaseAngle[2]);
    // The rotor's winding has the stator's pole pairs: p turns of its field per turn.
    const double p = s.winding.polePairs * s.rotorPosition;

    FieldVector v;
    if (!on[1] && waveform == kWaveformContinu)
        v = {0.6 * ra * std::cos(p), 0.6 * ra * std::sin(-p)};
    if (on[0] && waveform == kWaveformSinus && !on[1])
        v = {0.6 * ra * j1 * std::cos(p), 0.6 * ra * j1 * std::sin(-p)};
    if (on[1] && !on[2]) {
        v = {0.6 * ra * (j1 * std::cos(p) + j2 * std::cos(p + kQuarterTurn)),
             0.6 * ra * (j1 * std::sin(-p) + j2 * std::sin(-p - kQuarterTurn))};
    }
    if (on[2]) {
        v = {
            0.4 * ra * (j1 * std::cos(p) + j2 * std::cos(p + kDeg120) + j3 * std::cos(p + kDeg240)),
            0.4 * ra *
                (j1 * std::sin(-p) + j2 * std::sin(-p - kDeg120) + j3 * std::sin(-p - kDeg240))};
    }
    return v;
}

FieldVector RotorVector(const SimulationState& s, double ra) {
    const FieldVector e = ElectricalRotorVector(s, ra);
    const int pairs = s.winding.polePairs;
    if (pairs == 1) return e;
    // Towards the first north pole: the electrical angle over p.
    const double angle = std::atan2(-e.y, e.x) / pairs;
    const double length = std::hypot(e.x, e.y);
    return {length * std::cos(angle), -length * std::sin(angle)};
}

MachineInstant ComputeInstant(const SimulationState& state, double ra,
                              const ConductorLevels& levels) {
    // Another winding shows its field towards its first north pole; the measures keep the
    // electrical vector, whose turns tell the field's sense and speed.
    const FieldVector stator = OtherWinding(state)
                                   ? WindingVector(state.winding, WindingCurrents(state), ra)
                                   : StatorVector(state, ra, levels);
    MachineInstant now{ra, stator, RotorVector(state, ra), {}, 0};
    const FieldVector& s = now.stator;
    const FieldVector& r = now.rotor;
    const bool statorOn = state.statorPhaseOn[0] != 0;
    const bool rotorOn = state.rotorPhaseOn[0] != 0;
    if (statorOn && rotorOn) {
        // Both vectors point to their first north poles: p times their angle is electrical.
        const int pairs = state.winding.polePairs;
        now.torque = std::sin(pairs * (std::atan2(s.y, s.x) - std::atan2(r.y, r.x))) *
                     std::sqrt(s.x * s.x + s.y * s.y) * std::sqrt(r.x * r.x + r.y * r.y) * 2.5 /
                     ra / ra;
        now.field = FieldVector{(r.x + s.x) * 0.5, (r.y + s.y) * 0.5};
        // A cage's torque is the circuit's: the stator's drawn currents keep one amplitude
        // while its real current falls from the start to the load.
        if (state.cage.on) now.torque = state.cageTorque;
    } else if (statorOn) {
        now.field = s;
    } else if (rotorOn) {
        now.field = r;
    }
    return now;
}

Point FieldTip(const MachineInstant& instant) {
    return Point{Trunc(instant.field.x), Trunc(instant.field.y)};
}

void RecordInstant(SimulationState& state, const MachineInstant& instant, Point tip) {
    if (state.traceMode || state.vectorMode) state.torqueValue = instant.torque;
    if (!state.traceMode) return;
    state.traceBuffer[static_cast<std::size_t>(state.traceCount)] = tip;
    state.traceShown = ++state.traceCount;
    if (state.traceCount == kTraceCapacity) state.traceCount = 0;
}

}  // namespace vireflu
