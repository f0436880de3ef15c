#pragma once

#include <QImage>

#include "machine/simulation_state.h"
#include "render_options.h"

namespace vireflu {

// A panel's phase pictures in one image, stacked as the panel shows them: phase 3 at the
// top, phase 1 at the bottom, only the phases the panel pictures, without gaps. A null
// image when the panel pictures no phase (its phase 1 is off). Lines are `lineWidth` times
// their width.
QImage RenderPanelPictures(Winding winding, const WindingSettings& values, double currentAngle,
                           PixelSize pictureSize, int lineWidth);

}  // namespace vireflu
