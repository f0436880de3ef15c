#pragma once

#include <array>

#include "drawing/surface.h"
#include "simulation/simulation_state.h"
#include "view/view_geometry.h"

namespace vireflu {

// Colour level of each 2-degree air-gap sector (entry k spans 2k to 2k + 2 degrees): for
// the stator winding alone, the rotor winding alone, and the field they make together.
struct AirGapLevels {
    std::array<int, kGapSectors> stator{};
    std::array<int, kGapSectors> rotor{};
    std::array<int, kGapSectors> combined{};

    AirGapLevels();
};

void ComputeAirGapLevels(const SimulationState& state, const AngleTables& tables,
                         AirGapLevels& levels);

// The whole ring coloured with the combined field.
void DrawAirGap(Surface& surface, const ViewGeometry& geometry, const AirGapLevels& levels);
// The ring split at mid-width: the rotor's field inside, the stator's outside.
void DrawMmfRings(Surface& surface, const ViewGeometry& geometry, const AirGapLevels& levels);

}  // namespace vireflu
