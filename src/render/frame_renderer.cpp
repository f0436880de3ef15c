#include "frame_renderer.h"

#include <algorithm>

#include "painter_surface.h"
#include "panel_pictures/phase_picture.h"

namespace vireflu {

namespace {

QImage BlankImage(int w, int h, qreal devicePixelRatio) {
    const qreal ratio = std::max<qreal>(devicePixelRatio, 1.0);
    QImage image(std::max(1, static_cast<int>(w * ratio)), std::max(1, static_cast<int>(h * ratio)),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

}  // namespace

void PaintMachineFrame(QPainter& painter, MachineScene& scene, SimulationState& state) {
    PainterSurface surface(painter);
    surface.SelectColourMap(&state.colourMap);
    scene.DrawFrame(surface, state);
}

QImage RenderMachineFrame(MachineScene& scene, SimulationState& state, qreal devicePixelRatio) {
    const ViewGeometry& g = scene.Geometry();
    QImage image = BlankImage(g.clientWidth, g.clientHeight, devicePixelRatio);
    QPainter painter(&image);
    PaintMachineFrame(painter, scene, state);
    return image;
}

QImage RenderPhasePicture(int w, int h, Winding winding, int phase, const WindingSettings& values,
                          double currentAngle, qreal devicePixelRatio) {
    QImage image = BlankImage(w, h, devicePixelRatio);
    QPainter painter(&image);
    PainterSurface surface(painter);
    DrawPhasePicture(surface, w, h, winding, phase, values, currentAngle);
    return image;
}

}  // namespace vireflu
