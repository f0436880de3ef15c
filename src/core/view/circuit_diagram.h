#pragma once

#include "drawing/raster_surface.h"
#include "drawing/surface.h"

namespace vireflu {

// The cage machine's per-phase equivalent circuit on a white width x height picture, as
// "Bobinage" lists its values: from the terminals R1 and X1 in series, XM across, then X2 and
// R2/g; resistances as empty boxes, reactances as filled ones (the IEC symbols).
void DrawEquivalentCircuit(Surface& surface, int width, int height, int lineWidth);

// The same into `canvas`, resized to width x height (at least 1 x 1).
void RenderEquivalentCircuit(RasterSurface& canvas, int width, int height, int lineWidth);

}  // namespace vireflu
