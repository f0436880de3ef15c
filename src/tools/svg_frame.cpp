#include "svg_frame.h"

#include <QBuffer>
#include <QPainter>
#include <QSvgGenerator>

#include "frame_renderer.h"

namespace vireflu {

QByteArray RenderSvgFrame(const MachineScene& scene, const SimulationState& state) {
    const ViewGeometry& g = scene.Geometry();
    QBuffer buffer;
    buffer.open(QIODevice::WriteOnly);
    QSvgGenerator generator;
    generator.setOutputDevice(&buffer);
    generator.setSize(QSize(g.clientWidth, g.clientHeight));
    generator.setViewBox(QRect(0, 0, g.clientWidth, g.clientHeight));
    generator.setTitle("Vireflu");
    {
        QPainter painter(&generator);
        PaintMachineFrame(painter, scene, state);
    }
    return buffer.data();
}

}  // namespace vireflu
