#include "frame_renderer.h"

#include <algorithm>

#include "painter_surface.h"
#include "panel_pictures/phase_picture.h"

namespace vireflu {

namespace {

// At one pixel per logical pixel the frames come from the raster surface; the image
// owns it and frees it with its last copy. Scaled output is drawn by QPainter instead.
bool Unscaled(qreal devicePixelRatio) {
    return devicePixelRatio <= 1.0;
}

QImage OwningImage(std::unique_ptr<RasterSurface> canvas) {
    RasterSurface* raw = canvas.release();
    return QImage(
        reinterpret_cast<const uchar*>(raw->Pixels().data()), raw->Width(), raw->Height(),
        static_cast<qsizetype>(raw->Width()) * 4, QImage::Format_RGB32,
        [](void* info) { delete static_cast<RasterSurface*>(info); }, raw);
}

QImage BlankImage(int w, int h, qreal ratio) {
    QImage image(std::max(1, static_cast<int>(w * ratio)), std::max(1, static_cast<int>(h * ratio)),
                 QImage::Format_RGB32);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::white);
    return image;
}

}  // namespace

void PaintMachineFrame(QPainter& painter, const MachineScene& scene, const SimulationState& state) {
    PainterSurface surface(painter);
    surface.SelectColourMap(&state.colourMap);
    scene.DrawMachine(surface, state);
}

QImage WrapCanvas(const RasterSurface& canvas) {
    return QImage(reinterpret_cast<const uchar*>(canvas.Pixels().data()), canvas.Width(),
                  canvas.Height(), static_cast<qsizetype>(canvas.Width()) * 4,
                  QImage::Format_RGB32);
}

QImage RenderMachineFrame(const MachineScene& scene, const SimulationState& state,
                          qreal devicePixelRatio) {
    if (Unscaled(devicePixelRatio)) {
        auto canvas = std::make_unique<RasterSurface>();
        RenderMachineFrame(*canvas, scene, state);
        return OwningImage(std::move(canvas));
    }
    QImage image;
    RenderMachineFrame(image, scene, state, devicePixelRatio);
    return image;
}

void RenderMachineFrame(QImage& image, const MachineScene& scene, const SimulationState& state,
                        qreal devicePixelRatio) {
    const ViewGeometry& g = scene.Geometry();
    const QSize size(std::max(1, static_cast<int>(g.clientWidth * devicePixelRatio)),
                     std::max(1, static_cast<int>(g.clientHeight * devicePixelRatio)));
    if (image.size() != size || image.devicePixelRatio() != devicePixelRatio ||
        image.format() != QImage::Format_RGB32) {
        image = QImage(size, QImage::Format_RGB32);
        image.setDevicePixelRatio(devicePixelRatio);
    }
    // The frame begins by filling the whole image, so the image needs no fill of its own.
    QPainter painter(&image);
    PaintMachineFrame(painter, scene, state);
}

QImage RenderPhasePicture(int w, int h, Winding winding, int phase, const WindingSettings& values,
                          double currentAngle, qreal devicePixelRatio, int lineWidth) {
    if (Unscaled(devicePixelRatio)) {
        auto canvas = std::make_unique<RasterSurface>();
        RenderPhasePicture(*canvas, w, h, winding, phase, values, currentAngle, lineWidth);
        return OwningImage(std::move(canvas));
    }
    QImage image = BlankImage(w, h, devicePixelRatio);
    QPainter painter(&image);
    PainterSurface surface(painter);
    DrawPhasePicture(surface, w, h, winding, phase, values, currentAngle, lineWidth);
    return image;
}

}  // namespace vireflu
