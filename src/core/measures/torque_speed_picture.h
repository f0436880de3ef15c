#pragma once

#include "drawing/raster_surface.h"
#include "drawing/surface.h"
#include "measures/measures.h"
#include "shell/interface_text.h"

namespace vireflu {

inline constexpr const char* kTorqueSpeedTip =
    VIREFLU_UI_TEXT("Measures",
                    "Couple du rotor à cage selon sa vitesse, de -ns (freinage) à 2 ns "
                    "(génératrice) ; en rouge, le point de fonctionnement, en orange la charge "
                    "d'un rotor libre.");

// A cage rotor's torque-speed curve in `area`, from the equivalent circuit: the rotor's speed
// from -n_s (turning against the field: braking) through 0 and n_s to 2 n_s (generating), left
// to right, speeds and torques counted along the field's rotation; the axes at zero torque
// and zero speed, a line at synchronism, a free rotor's load in orange, the largest and the
// starting torques marked in black and the operating point in red. Nothing without a cage's
// figures.
void DrawTorqueSpeedCurve(Surface& surface, const Rect& area, const Measures& measures,
                          int lineWidth);

// The same on a white canvas of width x height (at least 1 x 1).
void RenderTorqueSpeedCurve(RasterSurface& canvas, int width, int height, const Measures& measures,
                            int lineWidth);

}  // namespace vireflu
