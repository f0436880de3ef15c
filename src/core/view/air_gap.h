#pragma once

#include <array>

#include "drawing/surface.h"
#include "machine/gap_mmf.h"
#include "view/view_geometry.h"

namespace vireflu {

// The whole ring coloured with the combined field.
void DrawAirGap(Surface& surface, const ViewGeometry& geometry, const AirGapLevels& levels);
// The ring split at mid-width: the rotor's field inside, the stator's outside.
void DrawMmfRings(Surface& surface, const ViewGeometry& geometry, const AirGapLevels& levels);

}  // namespace vireflu
