#pragma once

#include <memory>

#include <QImage>
#include <QPainter>

#include "drawing/raster_surface.h"
#include "machine/simulation_state.h"
#include "view/machine_scene.h"

namespace vireflu {

// Draws the scene's prepared frame of the machine with the state's colour map, on a painter
// whose device is at least the scene's client size.
void PaintMachineFrame(QPainter& painter, const MachineScene& scene, const SimulationState& state);

// The canvas's pixels seen as an image, without a copy: valid while the canvas lives
// and keeps its size.
QImage WrapCanvas(const RasterSurface& canvas);

// The same frame as an off-screen image of the scene's client size, in logical pixels;
// a device pixel ratio above 1 draws it at that many device pixels per logical pixel.
QImage RenderMachineFrame(const MachineScene& scene, const SimulationState& state,
                          qreal devicePixelRatio = 1.0);
// The same frame drawn by QPainter into `image`, which is only allocated anew when the size
// or the ratio changes, as a view showing frame after frame keeps it.
void RenderMachineFrame(QImage& image, const MachineScene& scene, const SimulationState& state,
                        qreal devicePixelRatio);

// One phase picture of a panel, w x h pixels, lines `lineWidth` times their width.
QImage RenderPhasePicture(int w, int h, Winding winding, int phase, const WindingSettings& values,
                          double currentAngle, qreal devicePixelRatio = 1.0, int lineWidth = 1);

}  // namespace vireflu
