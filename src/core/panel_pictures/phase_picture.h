#pragma once

#include <vector>

#include "drawing/raster_surface.h"
#include "drawing/surface.h"
#include "machine/simulation_state.h"

namespace vireflu {

// Pictures are the frame's outer rectangle less 4 pixels on each side.
inline constexpr int kPictureInset = 4;

// The vertical black cursor at the present instant, on the curves' scale.
void DrawTimeCursor(Surface& surface, double w, double h, double angle, int lineWidth = 1);

// The phases whose pictures a panel shows, in drawing order (1, 2, 3): none while phase 1
// is off, whatever the other switches hold.
std::vector<int> PicturedPhases(const WindingSettings& values);

// One phase picture of w x h pixels: white background, the curve the winding's waveform
// calls for, and the time cursor at `currentAngle`; lines `lineWidth` times their width
// (3 in projector mode).
void DrawPhasePicture(Surface& surface, int w, int h, Winding winding, int phase,
                      const WindingSettings& values, double currentAngle, int lineWidth = 1);

// The same picture into `canvas`, resized to w x h (at least 1 x 1).
void RenderPhasePicture(RasterSurface& canvas, int w, int h, Winding winding, int phase,
                        const WindingSettings& values, double currentAngle, int lineWidth = 1);

}  // namespace vireflu
