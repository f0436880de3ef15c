#pragma once

#include "drawing/raster_surface.h"
#include "drawing/surface.h"
#include "machine/winding_design.h"

namespace vireflu {

// The star of slots on a `size` x `size` white square: each slot's EMF phasor over one pole
// pair at its electrical angle, counterclockwise from the right, the slots of the other pairs
// on top of it. A phasor takes its top layer's phase colour (phase 1 red, 2 green, 3 blue),
// full length for a "1" belt and shorter for a return belt ("1'"), so that a phase's group
// reads as two opposite fans.
void DrawSlotStar(Surface& surface, const WindingDesign& design, int size);

// The same picture into `canvas`, resized to size x size (at least 1 x 1).
void RenderSlotStar(RasterSurface& canvas, const WindingDesign& design, int size);

}  // namespace vireflu
