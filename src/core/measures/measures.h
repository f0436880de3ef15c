#pragma once

#include <array>
#include <optional>
#include <vector>

#include "machine/field.h"
#include "machine/gap_mmf.h"
#include "machine/simulation_state.h"
#include "machine/winding_design.h"

namespace vireflu {

// The magnetomotive force along the air gap, from the 180 sector levels the ring is
// coloured with: level 32 is 0, levels 64 and 0 are +1 and -1. Entry k is the value at
// 2k degrees.
struct AirGapCurve {
    std::array<double, kGapSectors> stator{};
    std::array<double, kGapSectors> rotor{};
    std::array<double, kGapSectors> resultant{};
    // The resultant's fundamental, p periods around the gap:
    // amplitude * cos(p (angle - fundamentalAngleDeg)), its first crest at fundamentalAngleDeg.
    double fundamentalAmplitude = 0;
    double fundamentalAngleDeg = 0;
    int polePairs = 1;
};

AirGapCurve ComputeAirGapCurve(const AirGapLevels& levels, const AngleTables& tables,
                               int polePairs = 1);

// One of the two fields a winding's pulsating or unbalanced field splits into, at the
// present instant: its vector in pixels from the machine centre (y downward), its length
// as a share of 0.6 gapInnerRadius (the length of a balanced three-phase field) and its
// angle in degrees, counterclockwise on the screen, 0 to 360.
struct RotatingField {
    double x = 0;
    double y = 0;
    double share = 0;
    double angleDeg = 0;
};

// The symmetrical components of a winding's field. The direct field turns the way the direct
// sequence turns, the one whose phases peak in the order 1, 2, 3 (0/240/120, the angles being
// leads): counterclockwise on the screen. The inverse field turns the other way. For a
// three-phase winding their shares are the Fortescue components of the currents. Their
// vectors add up to the winding's own vector.
struct FieldSplit {
    RotatingField direct;
    RotatingField inverse;
    bool turns = false;  // the winding's frequency is not 0
};

// Nothing for a winding that is off or fed with direct current (its field does not turn).
// A six-step stator is split by the fundamentals of its currents.
std::optional<FieldSplit> SplitStatorField(const SimulationState& state, double gapInnerRadius);
std::optional<FieldSplit> SplitRotorField(const SimulationState& state, double gapInnerRadius);

// Harmonic `order` of a six-step phase current, relative to the fundamental, and whether
// the field it makes turns with the fundamental's field or against it.
struct Harmonic {
    int order = 0;
    double relative = 0;
    bool withField = true;
};

// The signed speed of a harmonic's field: the n-th harmonic of the currents alternates n times
// as fast as the fundamental, so its field turns n times as fast, with the fundamental's for
// orders 6k + 1 and against it for orders 6k - 1.
inline double HarmonicFieldRpm(const Harmonic& h, double fundamentalRpm) {
    return (h.withField ? 1 : -1) * h.order * fundamentalRpm;
}

struct SixStepSpectrum {
    std::array<Harmonic, 5> harmonics{};  // orders 1, 5, 7, 11, 13
    double totalHarmonicDistortion = 0;   // RMS of all harmonics above the first / the first's
};

// Worked out from the six-step table, the same one the currents come from.
const SixStepSpectrum& ComputeSixStepSpectrum();

// Every signed speed and slip counts positive the way a positive rotation frequency turns
// the rotor on the screen: counterclockwise.
enum class FieldSense { None, Counterclockwise, Clockwise, Pulsating };

// A stator field whose direct and inverse shares differ by less than this share of a
// balanced field pulsates: a single coil's two halves come out equal within about 1e-5, the
// program's 120 and 240 degrees being inexact, while the smallest unbalance the panels can
// set (two phases a degree apart) leaves about 1e-2 between them.
constexpr double kPulsatingTolerance = 1e-3;

// The sense of the stator's field, from the larger of its components (the direct one turns
// counterclockwise); none when the stator makes no alternating field: off, "continu", 0 Hz, or
// currents whose fields cancel.
FieldSense StatorFieldSense(const SimulationState& state);

// The rotor against one rotating field of the stator.
struct Slip {
    double synchronousRpm = 0;  // the field's speed, signed: +-60 f
    double slip = 0;            // (n_s - n) / n_s, from the signed speeds
    double rotorCurrentHz = 0;  // |g| f
};

// The figures of an induction machine with one pole pair.
struct MachineNumbers {
    double supplyHz = 0;
    double synchronousRpm = 0;  // 60 f, the speed of the stator's field whichever its sense
    double rotorRpm = 0;        // signed
    FieldSense fieldSense = FieldSense::None;
    // Against the rotating field; for a pulsating field against each of its two halves,
    // the counterclockwise one (g+) first; none without a field sense.
    std::vector<Slip> slips;
    double torque = 0;                    // CounterclockwiseTorque(torqueValue)
    double resultantShare = 0;            // the field's tip / (0.6 gapRadius)
    std::optional<double> fieldAngleDeg;  // none when the vector is zero
};

// The torque on the rotor, counted positive counterclockwise like every signed figure shown.
// The drawn figure (`torqueValue`, up on the torque bar when positive) is its opposite: it
// compares the two fields' angles measured with y downward, that is clockwise.
inline double CounterclockwiseTorque(double torqueValue) {
    return -torqueValue;
}

MachineNumbers ComputeMachineNumbers(const SimulationState& state, const MachineInstant& instant);

// Everything the "Mesures" window shows at the present instant.
struct Measures {
    AirGapCurve curve;
    std::optional<FieldSplit> stator;
    std::optional<FieldSplit> rotor;
    MachineNumbers numbers;
    bool sixStep = false;  // the spectrum applies
    // The signed speed of a six-step stator's fundamental field, when it turns.
    std::optional<double> sixStepFieldRpm;
    Withheld withheld;  // the state's: the rows that say "après votre réponse"
    // Another winding than the teaching machine's: its factors and its magnetomotive force's
    // space harmonics, for kSpaceHarmonicOrders.
    std::vector<WindingFactor> windingFactors;
    std::vector<MmfHarmonic> mmfHarmonics;
    // A cage rotor's figures at its slip against the stator's rotating field (none against a
    // pulsating field or none), and its curve's landmarks.
    struct Induction {
        InductionPoint point;
        TorqueLandmarks landmarks;
        EquivalentCircuit circuit;
        double supplyHz = 0;
        int polePairs = 1;
        std::optional<double> loadNm;  // a free rotor's
    };
    std::optional<Induction> induction;
};

// At the instant of the state's clock; the split fields' lengths are in the instant's unit.
Measures ComputeMeasures(const SimulationState& state, const MachineInstant& instant);

}  // namespace vireflu
