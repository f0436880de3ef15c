#pragma once

#include "drawing/surface.h"

namespace vireflu {

// Axes and one period of a phase's current in a w x h picture already filled white. One
// period (0 to 6.28318) spans x = 10 .. w - 5, the zero line is at mid-height. The curve is
// `lineWidth` pixels wide and the axes twice that.
void DrawSinePicture(Surface& surface, double w, double h, double angleDeg, int lineWidth = 1);
// A constant current; the angle is accepted like the others' and not used.
void DrawDirectPicture(Surface& surface, double w, double h, double angleDeg, int lineWidth = 1);
// The six-step wave shifted by 0, 120 or 240 degrees; any other shift draws the axes only.
void DrawSixStepPicture(Surface& surface, double w, double h, double shiftDeg, int lineWidth = 1);

}  // namespace vireflu
