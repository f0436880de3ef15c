#pragma once

#include <array>

#include "drawing/surface.h"
#include "machine/winding_design.h"
#include "view/view_geometry.h"

namespace vireflu {

// The air gap coloured by the winding's stepped magnetomotive force, in a whole number of
// sectors per slot and at least 180 in all; each sector takes the step its middle lies in.
void DrawWindingGap(Surface& surface, const ViewGeometry& geometry, const WindingDesign& design,
                    const std::array<double, 3>& currents);
// The Q slots on the stator's conductor circle, each with its two coil sides coloured by their
// current, the top layer outside.
void DrawWindingSlots(Surface& surface, const ViewGeometry& geometry, const WindingDesign& design,
                      const std::array<double, 3>& currents);
// The field as p red arrows from the centre, the first to `tip` (the field's, towards its
// first north pole), the others 360 / p degrees on.
void DrawWindingField(Surface& surface, const ViewGeometry& geometry, int polePairs, Point tip,
                      int lineWidth);

}  // namespace vireflu
