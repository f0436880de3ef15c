#pragma once

#include <array>
#include <optional>

#include "simulation/conductor_levels.h"
#include "simulation/simulation_state.h"
#include "view/air_gap.h"
#include "view/view_geometry.h"

namespace vireflu {

// The magnetomotive force along the air gap, from the 180 sector levels the ring is
// coloured with: level 32 is 0, levels 64 and 0 are +1 and -1. Entry k is the value at
// 2k degrees.
struct AirGapCurve {
    std::array<double, kGapSectors> stator{};
    std::array<double, kGapSectors> rotor{};
    std::array<double, kGapSectors> resultant{};
    // The resultant's fundamental: amplitude * cos(angle - fundamentalAngleDeg).
    double fundamentalAmplitude = 0;
    double fundamentalAngleDeg = 0;
};

AirGapCurve ComputeAirGapCurve(const AirGapLevels& levels, const AngleTables& tables);

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

// The symmetrical components of a winding's field. The direct field turns the way the
// sequence 0/120/240 turns (clockwise on the screen), the inverse field the other way;
// for a three-phase winding their shares are the Fortescue components of the currents.
// Their vectors add up to the winding's own vector.
struct FieldSplit {
    RotatingField direct;
    RotatingField inverse;
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

struct SixStepSpectrum {
    std::array<Harmonic, 5> harmonics{};  // orders 1, 5, 7, 11, 13
    double totalHarmonicDistortion = 0;   // RMS of all harmonics above the first / the first's
};

// Worked out from the six-step table, the same one the currents come from.
const SixStepSpectrum& ComputeSixStepSpectrum();

// The figures of an induction machine with one pole pair.
struct MachineNumbers {
    double supplyHz = 0;
    double synchronousRpm = 0;
    double rotorRpm = 0;
    std::optional<double> slip;            // (f - f_rotation) / f; none at f = 0
    std::optional<double> rotorCurrentHz;  // slip * f
    double torque = 0;                     // torqueValue
    double resultantShare = 0;             // displayed vector / (0.6 gapInnerRadius)
    std::optional<double> fieldAngleDeg;   // none when the vector is zero
};

MachineNumbers ComputeMachineNumbers(const SimulationState& state, const ViewGeometry& geometry,
                                     const ConductorLevels& levels);

// Everything the "Mesures" window shows at the present instant.
struct Measures {
    AirGapCurve curve;
    std::optional<FieldSplit> stator;
    std::optional<FieldSplit> rotor;
    MachineNumbers numbers;
    bool sixStep = false;  // the spectrum applies
};

Measures ComputeMeasures(const SimulationState& state, const ViewGeometry& geometry,
                         const AngleTables& tables, const ConductorLevels& levels);

}  // namespace vireflu
