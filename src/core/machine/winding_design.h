#pragma once

#include <array>
#include <complex>
#include <vector>

namespace vireflu {

// A three-phase stator winding as a machines course draws it: p pole pairs, q slots per pole
// and per phase (Q = 6pq slots), coils W slots wide (3q is full pitch; a shorter pitch makes
// the two layers differ), and possibly one phase's line cut. The default is the teaching
// machine: one pole pair, six slots, full-pitch coils.
struct WindingDesign {
    int polePairs = 1;
    int slotsPerPolePerPhase = 1;
    int coilPitch = 3;
    int cutPhase = 0;  // 0: none; 1..3: that phase's line is cut

    int Slots() const { return 6 * polePairs * slotsPerPolePerPhase; }
    int FullPitch() const { return 3 * slotsPerPolePerPhase; }
    bool operator==(const WindingDesign&) const = default;
};

inline constexpr int kMaxPolePairs = 4;
inline constexpr int kMaxSlotsPerPolePerPhase = 4;

// One coil side: its phase (0..2) and the way its current counts, +1 as phase 1's "1", -1 as
// its "1'".
struct CoilSide {
    int phase = 0;
    int sign = 1;
    bool operator==(const CoilSide&) const = default;
};

// A slot: its centre in electrical degrees (slot s at (s + 1/2) times 60/q), its top layer
// (the phase belt it lies in) and its bottom layer (the return of the coil whose top lies W
// slots before it). Full-pitch coils put the same side in both layers.
struct Slot {
    double electricalDeg = 0;
    CoilSide top;
    CoilSide bottom;
};

// The Q slots, in order counterclockwise from the horizontal.
std::vector<Slot> SlotsOf(const WindingDesign& design);

// The textbook factors of space harmonic `order` (electrical): distribution
// k_d = sin(v q a / 2) / (q sin(v a / 2)) with the slot angle a = 180 / (3q) degrees, pitch
// k_p = sin(v W / (3q) 90 degrees), and their product, the winding factor.
struct WindingFactor {
    int order = 1;
    double distribution = 1;
    double pitch = 1;
    double winding = 1;
};
WindingFactor WindingFactorOf(const WindingDesign& design, int order);

// The orders "Mesures" and the state report.
inline constexpr std::array<int, 5> kSpaceHarmonicOrders{1, 5, 7, 11, 13};

// A space harmonic of the air gap's magnetomotive force with balanced three-phase currents
// of the direct sequence (0/240/120) at `frequencyHz`: its amplitude against the fundamental's,
// and the signed speed of its field in tr/min, positive counterclockwise (the fundamental's
// is 60 f / p; orders 6k+1 turn with it at 1/v of its speed, orders 6k-1 against it).
// Measured from the winding's own stepped magnetomotive force, not from the formula.
struct MmfHarmonic {
    int order = 1;
    double share = 1;
    double rpm = 0;
};
std::vector<MmfHarmonic> MmfHarmonicsOf(const WindingDesign& design, double frequencyHz);

// The stepped magnetomotive force of `slots` over one pole pair (its first `slotsPerPair`
// slots) for phase currents `currents`: each slot's ampere-conductors, half a coil side per
// layer, make a step down. `MmfSteps` gives the level after each slot, mean zero;
// `MmfCoefficient` its complex Fourier coefficient of `order` (e^-jv theta, electrical), whose
// argument is minus v times the crest's angle.
std::vector<double> MmfSteps(const std::vector<Slot>& slots, const std::array<double, 3>& currents);
// The step at `mechanicalDeg` around the gap: the one after the last slot centre before it.
double StepAt(const std::vector<double>& steps, double mechanicalDeg);
std::complex<double> MmfCoefficient(const std::vector<Slot>& slots, int slotsPerPair,
                                    const std::array<double, 3>& currents, int order);

// The synchronous speed, 60 f / p, in tr/min.
double SynchronousRpm(const WindingDesign& design, double frequencyHz);

}  // namespace vireflu
