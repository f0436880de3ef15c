#pragma once

#include <array>

#include "machine/simulation_state.h"

namespace vireflu {

// The air gap is followed in 2-degree sectors: entry k spans 2k to 2k + 2 degrees.
inline constexpr int kGapSectors = 180;

// Cosine and sine at 0, 2, 4, ..., 360 degrees, computed once per view.
struct AngleTables {
    std::array<double, 181> cosTable{};
    std::array<double, 181> sinTable{};

    AngleTables();
};
// The tables every view computes, computed once for figures that need no view.
const AngleTables& GapAngleTables();

// The magnetomotive force along the air gap, sector by sector, on the 0..64 scale the ring
// is coloured with (32 is none): for the stator winding alone, the rotor winding alone, and
// the field they make together. The scale is the program's own: the ring, the "Mesures"
// curve and the state all read these same whole numbers.
struct AirGapLevels {
    std::array<int, kGapSectors> stator{};
    std::array<int, kGapSectors> rotor{};
    std::array<int, kGapSectors> combined{};

    AirGapLevels();
};

void ComputeAirGapLevels(const SimulationState& state, const AngleTables& tables,
                         AirGapLevels& levels);
// The field the two windings make together at a point of the gap, from their levels there.
int CombinedLevel(const SimulationState& state, int stator, int rotor);

}  // namespace vireflu
